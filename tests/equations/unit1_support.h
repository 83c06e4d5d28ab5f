// Running Morvane headless for the unit 1 tests, and what the tests expect
// of a page: the shared harness with unit 1's keys and menu line.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "programs/morvane/morvane.h"
#include "tests/common/course_harness.h"

namespace unit1_test {

using namespace harness;

// Keys that open unit 1 from the main menu, and then a section.
inline std::string open_unit() { return "1\r"; }
inline std::string open_section(int n) { return "1\r" + std::to_string(n) + "\r"; }

// Runs Morvane on `keys` until they are used up and it waits for another
// key. True if it was still running then (false: it ended).
inline bool run_morvane(const std::string& keys, float seed = 1) { return run(morvane_course(), keys, seed); }

inline const char* const kMenuLine = "①班の数　②二元一次方程式　③連立方程式　④解判別　⑤例１　⑥問4　⑦練習問題　⑧終了";
inline bool at_section_menu() { return at_menu(kMenuLine); }

// The page as PNG, for a person to look at (see harness::save_png).
inline void save_page(const std::string& name) { save_png("unit1-" + name); }

}  // namespace unit1_test
