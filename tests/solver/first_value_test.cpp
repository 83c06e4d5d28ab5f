// The value the working finds first stands beside the combined equation,
// clear of it, on the pages of every drill that solves its systems by
// elimination, in both programs.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "programs/morvane/morvane.h"
#include "programs/talisse/talisse.h"
#include "tests/common/course_harness.h"

namespace {

using namespace harness;

// The combined equation's line as the page shows it: the work area's left x
// (where the operation mark stands), the widest multiplied row, the combined
// equation's right side and the value after it.
struct CombinedLine {
    float work_x = 0;
    float widest_row = 0;
    float row_end = 0;           // where the combined right side ends
    std::optional<float> value;  // where the first value starts, if shown
    std::string text;            // the line, for messages
};

// The pieces of the line at `y` from `from` rightwards, left to right; at most
// `count` of them (a page's second column may share the line further right).
std::vector<plat::VisibleText> on_line(float y, float from, size_t count) {
    std::vector<plat::VisibleText> line;
    for (const auto& t : page_texts())
        if (t.y == y && t.x >= from) line.push_back(t);
    std::sort(line.begin(), line.end(), [](const auto& a, const auto& b) { return a.x < b.x; });
    if (line.size() > count) line.resize(count);
    return line;
}

float width(const std::vector<plat::VisibleText>& pieces) {
    float w = 0;
    for (const auto& p : pieces) w += advance(p.utf8);
    return w;
}

bool is_value(const plat::VisibleText& t) {
    return t.colour == 3 && (t.utf8.rfind("x=", 0) == 0 || t.utf8.rfind("y=", 0) == 0);
}

// Finds the column work by its operation mark ("-)" or "+)" in front of the
// lower row, 6 below it); the combined equation is 50 below the lower row.
std::optional<CombinedLine> combined_line() {
    const auto texts = page_texts();
    for (const auto& mark : texts) {
        if (mark.utf8 != "-" && mark.utf8 != "+") continue;
        const bool closed = std::any_of(texts.begin(), texts.end(), [&](const auto& t) {
            return t.utf8 == ")" && t.y == mark.y && t.x == mark.x + 27;
        });
        if (!closed) continue;
        const float lower = mark.y - 6;
        CombinedLine c;
        c.work_x = mark.x;
        const auto upper_row = on_line(lower - 50, mark.x, 3), lower_row = on_line(lower, mark.x, 3);
        if (upper_row.size() != 3 || lower_row.size() != 3) continue;
        c.widest_row = std::max(width(upper_row), width(lower_row));
        const auto line = on_line(lower + 50, mark.x, 3);
        if (line.size() < 2) continue;
        c.row_end = line[1].x + advance(line[1].utf8);
        if (line.size() == 3 && is_value(line[2])) c.value = line[2].x;
        for (const auto& p : line) c.text += "[" + std::to_string(static_cast<int>(p.x)) + "]" + p.utf8;
        return c;
    }
    return std::nullopt;
}

struct Drill {
    const char* name;
    Program program;
    std::string open;  // keys from the main menu that open the drill
    int presses;       // enough for any problem's key pauses
};

const CourseDef& course(Program p) { return p == Program::Morvane ? morvane_course() : talisse_course(); }

// The value column: 40 right of the rule under the rows, and in Talisse no
// nearer the work area's edge than 340.
float value_column(const CombinedLine& c, Program p) {
    const float column = c.work_x + c.widest_row + 97;
    return p == Program::Talisse ? std::max(column, c.work_x + 340) : column;
}

TEST(FirstValue, StandsClearOfTheCombinedEquationInEveryDrill) {
    const Drill drills[] = {
        {"Morvane unit 2 ③", Program::Morvane, "2\r3\r", 60},  {"Morvane unit 2 ⑤", Program::Morvane, "2\r5\r", 60},
        {"Morvane unit 2 ⑦", Program::Morvane, "2\r7\r", 60},  {"Morvane unit 3 ②", Program::Morvane, "3\r2\r", 60},
        {"Morvane unit 3 ⑤", Program::Morvane, "3\r5\r", 60},  {"Talisse unit 2 ①", Program::Talisse, "2\r1\r", 150},
        {"Talisse unit 3 ①", Program::Talisse, "3\r1\r", 150}, {"Talisse unit 4 ④", Program::Talisse, "4\r4\r", 150},
    };
    const int seeds = 150;
    for (const Drill& d : drills) {
        int values = 0;
        for (int seed = 0; seed < seeds; ++seed) {
            // The first problem on even seeds, the second on odd ones (the
            // unit 2 practice drill alternates adding and subtracting).
            std::string keys = d.open + presses(d.presses);
            if (seed % 2 == 1) keys += "2\r" + presses(d.presses);
            SCOPED_TRACE(std::string(d.name) + " seed " + std::to_string(seed));
            ASSERT_TRUE(run(course(d.program), keys, static_cast<float>(seed)));
            ASSERT_TRUE(at_next_step());
            const auto c = combined_line();
            ASSERT_TRUE(c.has_value());
            if (!c->value) continue;  // the combined equation gave the value itself
            ++values;
            // The value column, unless the combined equation reaches it: then a
            // half-width space after the equation.
            const float column = value_column(*c, d.program);
            const bool reaches = c->row_end >= column;
            EXPECT_EQ(*c->value, reaches ? c->row_end + advance(" ") : column) << c->text;
            EXPECT_GT(*c->value, c->row_end) << c->text;
        }
        // The sweep saw values beside their equations on most pages.
        EXPECT_GT(values, seeds / 2) << d.name;
    }
}

// Unit 3 ②, seed 44, second problem: "=-108" used to run into "x=-4".
TEST(FirstValue, FollowsALongRightSideAfterASpace) {
    ASSERT_TRUE(run(morvane_course(), "3\r2\r" + presses(45) + "2\r" + presses(45), 44));
    ASSERT_TRUE(at_next_step());
    expect_rows(Layout()
                    .at(560, 130, 3, "①*3-②")
                    .at(641, 180, 0, "15x")
                    .then(0, "+6y")
                    .then(0, "=-72")
                    .at(614, 230, 0, "-12x")
                    .then(0, "+6y")
                    .then(0, "=36")
                    .at(641, 280, 0, "27x")
                    .at(803, 280, 0, "=-108")
                    .at(943 + 27, 280, 3, "x=-4"));
}

}  // namespace
