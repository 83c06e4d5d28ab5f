// The display list holds what is on the page, however long a program runs:
// an entry that a later box wholly covers is dropped, so key paths that
// redraw the same page again and again keep the list bounded.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

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

// The other drills of both programs (unit 1's is the test above), 1,000
// problems each in one run: the list at each "next step" prompt stays within
// what the first problems' pages hold, whatever the drill draws and clears
// around its problems. Each
// problem gets 60 presses, more than any problem's pauses take; those left
// over fall on the prompt, which ignores them.
struct Drill {
    const char* name;
    Program program;
    int unit, section;
};

void PrintTo(const Drill& d, std::ostream* os) { *os << d.name; }

class DrillBounds : public ::testing::TestWithParam<Drill> {};

TEST_P(DrillBounds, ThousandProblemsKeepTheListBounded) {
    const Drill& d = GetParam();
    constexpr int kProblems = 1000, kFirst = 20;
    constexpr size_t kPresses = 60;
    const std::string problem = std::string(kPresses, ' ') + "2\r";
    const std::string menus = std::to_string(d.unit) + "\r" + std::to_string(d.section) + "\r";
    const std::string keys = menus + repeat(problem, kProblems);
    // The list's size as each "2" is taken, and whether the prompt asked for it.
    std::vector<size_t> sizes;
    int off_prompt = 0;
    plat::HeadlessOptions options;
    options.keys = keys;
    options.seed = 1;
    options.time = "10:20:30";
    options.on_key = [&](size_t left) {
        const size_t taken = keys.size() - 1 - left;
        if (taken < menus.size() || keys[taken] != '2') return;
        sizes.push_back(plat::display_list().size());
        if (shelltest::shown("次のステップは１を入力。").empty()) ++off_prompt;
    };
    plat::use_headless(options);
    EXPECT_THROW(run_course(shelltest::course_of(d.program)), plat::ScriptEnded);
    ASSERT_EQ(sizes.size(), static_cast<size_t>(kProblems));
    EXPECT_EQ(off_prompt, 0) << "a problem takes more than " << kPresses << " presses";
    const size_t first = *std::max_element(sizes.begin(), sizes.begin() + kFirst);
    const auto most = std::max_element(sizes.begin() + kFirst, sizes.end());
    // Pages differ by a few draws with their numbers; a drill that leaves
    // one draw behind a problem is hundreds over.
    EXPECT_LE(*most, first + 40) << "problem " << (most - sizes.begin()) + 1 << "; the first " << kFirst
                                 << " pages hold at most " << first;
}

INSTANTIATE_TEST_SUITE_P(EveryDrill, DrillBounds,
                         ::testing::Values(Drill{"MorvaneUnit2Subtract", Program::Morvane, 2, 3},
                                           Drill{"MorvaneUnit2Add", Program::Morvane, 2, 5},
                                           Drill{"MorvaneUnit2Practice", Program::Morvane, 2, 7},
                                           Drill{"MorvaneUnit3Example2", Program::Morvane, 3, 2},
                                           Drill{"MorvaneUnit3Problems", Program::Morvane, 3, 5},
                                           Drill{"MorvaneUnit4Example3", Program::Morvane, 4, 3},
                                           Drill{"MorvaneUnit4Problems", Program::Morvane, 4, 5},
                                           Drill{"TalisseUnit2AdmissionFees", Program::Talisse, 2, 1},
                                           Drill{"TalisseUnit3Volunteers", Program::Talisse, 3, 1},
                                           Drill{"TalisseUnit4WalkAndRun", Program::Talisse, 4, 4}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
