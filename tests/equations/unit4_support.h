// Running Morvane headless for the unit 4 tests: the shared harness with
// unit 4's keys and menu line, and random draws that pin a generated system.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "programs/morvane/morvane.h"
#include "tests/common/course_harness.h"

namespace unit4_test {

using namespace harness;

// Keys that open unit 4 from the main menu, and then a section.
inline std::string open_unit() { return "4\r"; }
inline std::string open_section(int n) { return "4\r" + std::to_string(n) + "\r"; }

// Runs Morvane on `keys` (and the first random numbers `draws`) until the
// keys are used up and it waits for another key. True if it was still
// running then (false: it ended).
inline bool run_morvane(const std::string& keys, float seed = 1, const std::vector<float>& draws = {}) {
    return run(morvane_course(), keys, seed, draws);
}

inline const char* const kMenuLine = "①Q見いだし　②説明　③例3　④問6　⑤例題2　⑥問7　⑦話しあおう　⑧終了";
inline bool at_section_menu() { return at_menu(kMenuLine); }

// ------------------------------------------------------------ pinned draws
// The draw that gives the whole number `value` as floor(r*n + k).
inline float draw_for(float value, float n, float k) { return (value - k + 0.5f) / n; }
// A magnitude draw then a sign draw (below one half negates).
inline void push_signed(std::vector<float>& draws, float value, float n, float k) {
    draws.push_back(draw_for(value < 0 ? -value : value, n, k));
    draws.push_back(value < 0 ? 0.25f : 0.75f);
}
// One attempt of a substitution generator, in its draw order: the value
// drawn first (x for the y forms, y for the x forms), then a, b, p and q.
// The x forms draw |p| from 2 to 6, the y forms from 1 to 5.
inline std::vector<float> attempt(bool x_form, float first, float a, float b, float p, float q) {
    std::vector<float> draws;
    push_signed(draws, first, 5, 1);
    push_signed(draws, a, 4, 1);
    push_signed(draws, b, 4, 1);
    push_signed(draws, p, 5, x_form ? 2 : 1);
    push_signed(draws, q, 5, 1);
    return draws;
}
inline std::vector<float> joined(std::initializer_list<std::vector<float>> parts) {
    std::vector<float> all;
    for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

// The page as PNG, for a person to look at (see harness::save_png).
inline void save_page(const std::string& name) { save_png("unit4-" + name); }

}  // namespace unit4_test
