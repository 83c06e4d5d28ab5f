// Running Talisse headless for the tests of its units 1 to 3: the shared
// harness with their keys and menu lines.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "programs/talisse/talisse.h"
#include "tests/common/course_harness.h"

namespace apps_test {

using namespace harness;

// Keys that open unit `unit` from the main menu, and then its section `section`.
inline std::string open_unit(int unit) { return enter(unit); }
inline std::string open_section(int unit, int section) { return enter(unit) + enter(section); }

inline bool run_talisse(const std::string& keys, float seed = 1) { return run(talisse_course(), keys, seed); }

inline const char* const kIntroMenu = "①P47導入　②P48連立方程式　③問１　④終了";
inline const char* const kPriceMenu = "①例題１　②問2　③終了";
inline const char* const kRatioMenu = "①例題2　②問3　③終了";

inline bool main_menu_shown() {
    for (const auto& t : plat::visible_notes())
        if (t.utf8 == "＜Talisse　メニュー＞") return true;
    return false;
}

// The text shown at (x, y) in `colour`, or "" when there is none.
inline std::string text_at(float x, float y, int colour) {
    for (const auto& t : page_texts())
        if (t.x == x && t.y == y && t.colour == colour) return t.utf8;
    return "";
}

// The page as PNG, for a person to look at (see harness::save_png).
inline void save_page(const std::string& name) { save_png("talisse-" + name); }

}  // namespace apps_test
