// The display list holds what is on the page, however long a program runs:
// an entry that a later box wholly covers is dropped, so key paths that
// redraw the same page again and again keep the list bounded.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/shell/harness.h"

namespace {

using shelltest::run;

std::string repeat(const std::string& keys, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += keys;
    return out;
}

struct Outcome {
    size_t entries;
    std::string screen;
};
Outcome run_keys(Program program, const std::string& keys) {
    EXPECT_FALSE(run(shelltest::course_of(program), keys));
    return {plat::display_list().size(), shelltest::screen()};
}

// Entries asked again thousands of times leave the page, and the list, as
// after the first time.
struct Rejected {
    const char* where;
    Program program;
    std::string before;  // keys to the menu
    std::string entry;   // one entry the menu asks again after
};
void expect_no_growth(const Rejected& c) {
    SCOPED_TRACE(c.where);
    const Outcome once = run_keys(c.program, c.before + c.entry);
    const Outcome many = run_keys(c.program, c.before + repeat(c.entry, 5000));
    EXPECT_EQ(many.screen, once.screen);
    EXPECT_EQ(many.entries, once.entries);
}

TEST(DisplayListBounds, RejectedEntriesAtTheMainMenus) {
    for (const Rejected& c : {
             Rejected{"Morvane, out of range", Program::Morvane, "", "9\r"},
             Rejected{"Morvane, the item with no unit", Program::Morvane, "", "7\r"},
             Rejected{"Morvane, empty entry", Program::Morvane, "", "\r"},
             Rejected{"Talisse, out of range", Program::Talisse, "", "0\r"},
             Rejected{"Talisse, empty entry", Program::Talisse, "", "\r"},
         })
        expect_no_growth(c);
}

TEST(DisplayListBounds, RejectedEntriesAtASectionMenu) {
    for (const Rejected& c : {
             Rejected{"out of range", Program::Morvane, "1\r", "9\r"},
             Rejected{"a fraction", Program::Morvane, "1\r", "1/2\r"},
             Rejected{"cleared entry", Program::Morvane, "1\r", "12\b0\r"},
             Rejected{"Talisse, out of range", Program::Talisse, "7\r", "9\r"},
         })
        expect_no_growth(c);
}

// Unit 1's judging drill: 2,000 problems in one run. Each problem's page
// replaces the one before, so the list stays within what one problem's page
// holds, whatever its numbers.
TEST(DisplayListBounds, TwoThousandDrillProblems) {
    const std::string problem = std::string(11, ' ') + "2\r";
    size_t one_page = 0;
    for (int n = 1; n <= 6; ++n)
        one_page = std::max(one_page, run_keys(Program::Morvane, "1\r4\r" + repeat(problem, n)).entries);
    const Outcome many = run_keys(Program::Morvane, "1\r4\r" + repeat(problem, 2000));
    EXPECT_LE(many.entries, one_page + 16) << "one problem's page: " << one_page;
    EXPECT_NE(many.screen.find("は、次の連立方程式の解ですか。"), std::string::npos) << many.screen;
}

}  // namespace
