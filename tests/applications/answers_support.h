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

namespace answers_test {

// The boxed page title: the reference centred in its cell (text 1 below the
// cell's top), the answer's number in the cell 10 to its right.
inline Layout& titled(Layout& page, const std::string& title, float width, const std::string& number, float x = 40) {
    page.cell(x, width, 31, 0, title);
    page.cell(x + width + 10, 44, 30, 13, number);
    return page;
}
inline Layout& practice_title(Layout& page, const std::string& number) {
    return titled(page, "P53 練習問題", 272, number);
}
inline Layout& check_title(Layout& page, const std::string& number) {
    return titled(page, "学びをたしかめよう", 360, number);
}
inline Layout& mastery_title(Layout& page, const std::string& number, float x = 40) {
    return titled(page, "学びを身につけよう", 360, number, x);
}

// Braces on the page whose top-left is (x, y) and height h: the brace's
// polyline starts at (x+35, y+5) and ends at (x+35, y+h-10).
inline int braces_at(float x, float y, float h = 100) {
    int n = 0;
    for (const auto& op : ops(plat::OpKind::Polyline))
        n += op.pts.size() == 7 && op.pts.front() == std::pair<float, float>(x + 35, y + 5) &&
             op.pts.back() == std::pair<float, float>(x + 35, y + h - 10);
    return n;
}

}  // namespace answers_test
