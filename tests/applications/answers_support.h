// Running Talisse headless for the tests of its answer units 5 to 7: the
// shared harness with these units' keys and menu lines.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "programs/talisse/talisse.h"
#include "tests/common/course_harness.h"

namespace answers_test {

using namespace harness;

inline bool run_talisse(const std::string& keys, float seed = 1) { return run(talisse_course(), keys, seed); }

// Units 5 to 7: main-menu item, menu line, number of answers.
struct Unit {
    int item;
    const char* menu_line;
    int answers;
};
inline const Unit kPractice{5, "P53 練習問題 ①　②　③　④終了", 3};
inline const Unit kCheck{6, "P54 学びをたしかめよう ①～⑧解答　　　⑨終了", 8};
inline const Unit kMastery{7, "P56 学びを身につけよう ①～⑦解答　　　⑧終了", 7};
inline const Unit& unit(int item) { return item == 5 ? kPractice : item == 6 ? kCheck : kMastery; }

// Keys that open answer n of a unit from the main menu.
inline std::string open_answer(const Unit& u, int n) { return choose({u.item, n}); }

// Runs answer n of a unit with `n_presses` key presses after it opens.
inline bool show(const Unit& u, int n, int n_presses) { return run_talisse(open_answer(u, n) + presses(n_presses)); }

inline bool shows(const std::string& text) { return page_shows(text); }

// The page as PNG, for a person to look at (see harness::save_png).
inline void save_page(const std::string& name) { save_png("answers-" + name); }

}  // namespace answers_test
