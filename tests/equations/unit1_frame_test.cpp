// Unit 1 of Morvane: what each section clears before it draws, and where its
// braces stand.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/equations/unit1_support.h"

using namespace unit1_test;

namespace {

// The last n page clears still in the display list (a clear drops every
// draw it covers, an earlier clear included): background boxes from the left
// edge that start at the top of the page (the bottom strip's erasures start
// lower).
std::vector<Rect> last_clears(size_t n) {
    std::vector<Rect> out;
    for (const auto& op : plat::display_list()) {
        if (op.kind == plat::OpKind::Box && op.filled && op.colour == 15 && op.fill == 15 && op.ax == 0 && op.ay <= 20)
            out.push_back({op.ax, op.ay, op.bx, op.by});
    }
    if (out.size() > n) out.erase(out.begin(), out.end() - static_cast<long>(n));
    return out;
}

struct Brace {
    float x, y;  // the x and the top line it was drawn for
    int colour;
};

// Braces of the section, read back from their polylines: the point is 8
// right of the brace's x, the upper tip 5 below its top line.
std::vector<Brace> section_braces() {
    std::vector<Brace> out;
    for (const auto& op : plat::display_list()) {
        if (op.kind != plat::OpKind::Polyline || op.pts.size() != 7) continue;
        float left = op.pts[0].first, top = op.pts[0].second;
        for (const auto& [x, y] : op.pts) {
            left = std::min(left, x);
            top = std::min(top, y);
        }
        out.push_back({left - 8, top - 5, op.colour});
    }
    return out;
}

struct FrameCase {
    int section;
    std::string keys;          // after the section's number
    std::vector<Rect> clears;  // its last page clears, oldest first
    std::vector<Brace> braces;
};

TEST(Unit1Frame, EachSectionClearsItsOwnAreaAndPlacesItsBraces) {
    const Rect small = {0, 0, 1320, 1300}, whole = {0, 0, 1760, 1800};
    // Section ⑤: "①" ends 34 right of 38, "2x+y=6" starts 78 right of that.
    const float first_label_end = 38 + advance("①");
    const float second_label_end = first_label_end + 78 + advance("2x+y=6") + 114 + advance("②");
    const FrameCase cases[] = {
        {1, presses(40), {small}, {}},
        {2, presses(20), {small}, {}},
        {3, presses(21), {small}, {{108 + advance("例　"), 140, 3}}},
        {4, presses(11), {{0, 0, 1760, 1300}, {0, 20, 1320, 2420}}, {{208, 70, 0}}},
        {5, presses(12), {whole}, {{first_label_end + 38, 90, 0}, {second_label_end + 38, 90, 0}}},
        {6, presses(4), {whole}, {}},
        {7, "", {whole}, {}},
    };
    for (const FrameCase& c : cases) {
        SCOPED_TRACE("section " + std::to_string(c.section));
        ASSERT_TRUE(run_morvane(open_section(c.section) + c.keys, 4));
        const auto clears = last_clears(c.clears.size());
        ASSERT_EQ(clears.size(), c.clears.size());
        for (size_t i = 0; i < clears.size(); ++i) {
            EXPECT_EQ(clears[i].l, c.clears[i].l);
            EXPECT_EQ(clears[i].t, c.clears[i].t);
            EXPECT_EQ(clears[i].r, c.clears[i].r);
            EXPECT_EQ(clears[i].b, c.clears[i].b);
        }
        const auto braces = section_braces();
        ASSERT_EQ(braces.size(), c.braces.size());
        for (size_t i = 0; i < braces.size(); ++i) {
            EXPECT_FLOAT_EQ(braces[i].x, c.braces[i].x) << "brace " << i;
            EXPECT_FLOAT_EQ(braces[i].y, c.braces[i].y) << "brace " << i;
            EXPECT_EQ(braces[i].colour, c.braces[i].colour) << "brace " << i;
        }
    }
}

}  // namespace
