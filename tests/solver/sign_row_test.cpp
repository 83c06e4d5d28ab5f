// The row of changed signs over the subtracted row of a column subtraction:
// drawn from its specified place, each sign small and in the middle of the
// band between the rows, so that none merges with a sign or a digit of the
// row above or below ("4x+y" over "x+y" once read "4x±y").
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "engine/text/chain.h"
#include "tests/common/course_harness.h"
#include "tests/common/page_probe.h"
#include "tests/solver/headless_solver.h"

namespace {

using namespace solver_test;

constexpr float kScale = 4;

struct SignRow {
    float x, y, end;
    std::string signs;
};

// The sign-row texts as the visible-text list records them.
std::vector<SignRow> sign_rows() {
    std::vector<SignRow> rows;
    for (const plat::DrawOp& op : plat::display_list())
        if (op.kind == plat::OpKind::Note && op.colour == 3 && !op.text.empty() &&
            op.text.find_first_not_of("+- ") == std::string::npos)
            rows.push_back({op.ax, op.ay, op.bx, op.text});
    return rows;
}

// Strokes of colour 3 that start within the band of a sign row.
std::vector<plat::DrawOp> sign_strokes(float y) {
    std::vector<plat::DrawOp> out;
    for (const plat::DrawOp& op : plat::display_list())
        if (op.kind == plat::OpKind::Line && op.colour == 3 && op.ay >= y && op.ay < y + 50) out.push_back(op);
    return out;
}

int channel_distance(unsigned a, unsigned b) {
    int d = 0;
    for (int shift : {0, 8, 16})
        d = std::max(d, std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)));
    return d;
}

// Checks the page's sign rows, drawn between rows `y - 25` and `y + 25`:
// every pixel of the sign colour keeps at least one
// pixel of page background between it and any pixel of the rows' ink.
void expect_signs_clear_of_rows(const SignRow& row) {
    const float top = row.y - 25, bottom = row.y + 25 + 50;
    const plat::Image img = plat::rasterise(kScale, 0, top, 700, bottom);
    const unsigned bg = plat::palette_rgb(15);
    auto is_ink = [&](unsigned c) { return channel_distance(c, bg) > 24; };
    // The sign colour (deep purple) and its blends with the page have red and
    // blue well above green (by a quarter of the pixel's darkness at least);
    // black text, its blends, and blends of black with purple do not.
    auto is_sign = [&](unsigned c) {
        const int r = (c >> 16) & 0xFF, g = (c >> 8) & 0xFF, b = c & 0xFF;
        const int purple = std::min(r, b) - g;
        return is_ink(c) && purple >= 4 && 4 * purple >= 255 - g;
    };
    int sign_pixels = 0, touching = 0;
    for (int y = 1; y + 1 < img.height; ++y)
        for (int x = 1; x + 1 < img.width; ++x) {
            if (!is_sign(img.at(x, y))) continue;
            ++sign_pixels;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const unsigned c = img.at(x + dx, y + dy);
                    if (is_ink(c) && !is_sign(c)) ++touching;
                }
        }
    EXPECT_GT(sign_pixels, 0);
    EXPECT_EQ(touching, 0) << "sign ink touches row ink near y " << row.y;
}

struct Case {
    const char* name;
    System system;
};

TEST(SignRows, SmallSignsInTheirColumnsClearOfBothRows) {
    const Case cases[] = {
        {"x_first_4x+y", {4, 1, 4, 1, 1, -5}},
        {"y_first_2x+3y", {2, 3, 1, 2, -2, 3}},
        {"x_first_multiplied", {3, -7, 38, 13, -5, 38}},
        {"y_first_multiplied", {6, -1, 22, 6, 5, -2}},
        {"x_first_negative", {-3, 2, 1, -5, 2, 3}},
        {"y_first_large", {12, -10, 56, 12, 7, 5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(run(Call(c.system), 10));
        const std::vector<SignRow> rows = sign_rows();
        ASSERT_FALSE(rows.empty());
        harness::save_png(std::string("sign-row-") + c.name);
        for (const SignRow& row : rows) {
            // Listed at its own place, with its own text.
            EXPECT_NEAR(row.end - row.x, 27.0f * static_cast<float>(row.signs.size()), 0.01f);
            // Each stroke lies inside the 27-wide cell of its sign.
            const auto strokes = sign_strokes(row.y);
            for (const plat::DrawOp& s : strokes) {
                const float half = s.width / 2;
                const float l = std::min(s.ax, s.bx) - half, r = std::max(s.ax, s.bx) + half;
                const int cell = static_cast<int>(std::floor((l - row.x) / 27));
                if (cell < 0 || cell >= static_cast<int>(row.signs.size())) continue;  // another row's
                EXPECT_NE(row.signs[static_cast<size_t>(cell)], ' ');
                EXPECT_GE(l, row.x + 27.0f * static_cast<float>(cell));
                EXPECT_LE(r, row.x + 27.0f * static_cast<float>(cell + 1));
            }
            expect_signs_clear_of_rows(row);
        }
    }
}

// A fixed page's row of several signs is one text, each sign in its cell.
TEST(SignRows, ARowOfSeveralSignsKeepsItsTextAndPlace) {
    plat::use_headless({"", std::nullopt, std::nullopt});
    reset_globals();
    create_shared_arrays();
    FE$SETDRAWWIDTH(0, 3);
    page::sign_row(3, 40, 205, SJ("+-  -  -"));
    const auto rows = sign_rows();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].signs, "+-  -  -");
    EXPECT_EQ(rows[0].x, 40);
    EXPECT_EQ(rows[0].y, 205);
    EXPECT_EQ(rows[0].end, 40 + 8 * 27);
    EXPECT_EQ(G.DSM1, 40 + 8 * 27);
    EXPECT_EQ(FE$GETDRAWWIDTH(0), 3);  // the caller's width is back
    // One stroke for each "-", two for the "+", centred in their cells.
    const auto strokes = sign_strokes(205);
    ASSERT_EQ(strokes.size(), 5u);
    for (const plat::DrawOp& s : strokes) {
        const float centre = (s.ax + s.bx) / 2;
        const float cell_centre = 40 + 27 * std::floor((centre - 40) / 27) + 13.5f;
        EXPECT_FLOAT_EQ(centre, cell_centre);
    }
}

}  // namespace
