// Running Morvane headless for the unit 2 tests: the shared harness with
// unit 2's keys and menu line.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "programs/morvane/morvane.h"
#include "tests/common/course_harness.h"

namespace unit2_test {

using namespace harness;

inline std::string open_unit() { return "2\r"; }
inline std::string open_section(int n) { return "2\r" + std::to_string(n) + "\r"; }

inline bool run_morvane(const std::string& keys, float seed = 1) { return run(morvane_course(), keys, seed); }

inline const char* const kMenuLine = "①Q見いだし　②説明　③ひいて　④問１　⑤たして　⑥問２　⑦練習　⑧問３　⑨終了";
inline bool at_section_menu() { return at_menu(kMenuLine); }

inline void save_page(const std::string& name) { save_png("unit2-" + name); }

}  // namespace unit2_test
