// Running Morvane headless for the unit 3 tests: the shared harness with
// unit 3's keys and menu line.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "programs/morvane/morvane.h"
#include "tests/common/course_harness.h"

namespace unit3_test {

using namespace harness;

inline std::string open_unit() { return "3\r"; }
inline std::string open_section(int n) { return "3\r" + std::to_string(n) + "\r"; }

inline bool run_morvane(const std::string& keys, float seed = 1) { return run(morvane_course(), keys, seed); }

inline const char* const kMenuLine = "①例見いだし　②例2　③問4　④どうすれば　⑤例題１　⑥問5　⑦終了";
inline bool at_section_menu() { return at_menu(kMenuLine); }

inline void save_page(const std::string& name) { save_png("unit3-" + name); }

}  // namespace unit3_test
