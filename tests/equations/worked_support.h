// What the tests of units 5 and 6 share: running Morvane on keys, the braces
// on the page, and the check of a page that hands its system to the solver.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "programs/morvane/morvane.h"
#include "tests/common/course_harness.h"

namespace worked_test {

using namespace harness;

inline bool run_morvane(const std::string& keys) { return run(morvane_course(), keys); }

inline bool ends_with(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// A text on the page that `match` accepts.
template <class Match>
bool page_has(Match match) {
    const auto shown = page_texts();
    return std::any_of(shown.begin(), shown.end(), match);
}

struct Brace {
    float x, y;  // the top-left it was drawn for
    float height;
};

// Braces on the page, read back from their seven-point polylines: the point
// is 8 right of the brace's x, the upper tip 5 below its top and the lower
// tip 10 above its foot.
inline std::vector<Brace> braces() {
    std::vector<Brace> out;
    for (const auto& op : ops(plat::OpKind::Polyline)) {
        if (op.pts.size() != 7) continue;
        float left = op.pts[0].first, top = op.pts[0].second, bottom = top;
        for (const auto& [x, y] : op.pts) {
            left = std::min(left, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
        out.push_back({left - 8, top - 5, bottom + 10 - (top - 5)});
    }
    return out;
}
inline bool has_brace(float x, float y, float height = 100) {
    const auto all = braces();
    return std::any_of(all.begin(), all.end(),
                       [&](const Brace& b) { return b.x == x && b.y == y && b.height == height; });
}

// A page whose system the solver works: the keys that finish it, where the
// redrawn system's brace stands (top line `top`), the working's left x, the
// labels of the redrawn system, the equation its value goes into, and the
// pair on its last line (520 below the top line).
struct SolvedPage {
    const char* name;
    std::string keys;
    float brace_x, top, work_x;
    const char* label1;
    const char* label2;
    const char* receiving;
    const char* pair;
};

inline void expect_solved(const SolvedPage& p) {
    SCOPED_TRACE(p.name);
    ASSERT_TRUE(run_morvane(p.keys));
    EXPECT_TRUE(has_brace(p.brace_x, p.top)) << "brace at " << p.brace_x << ", " << p.top;
    const std::string l1 = std::string("…") + p.label1, l2 = std::string("…") + p.label2;
    EXPECT_TRUE(page_has([&](const auto& t) { return t.y == p.top && t.x > p.brace_x && ends_with(t.utf8, l1); }))
        << "first equation labelled " << p.label1;
    EXPECT_TRUE(page_has([&](const auto& t) { return t.y == p.top + 50 && t.x > p.brace_x && ends_with(t.utf8, l2); }))
        << "second equation labelled " << p.label2;
    const std::string sentence = std::string("この値を") + p.receiving + "に代入して";
    EXPECT_TRUE(page_has([&](const auto& t) { return t.x == p.work_x && t.colour == 7 && t.utf8 == sentence; }))
        << sentence << " at x " << p.work_x;
    EXPECT_TRUE(page_has([&](const auto& t) { return t.y == p.top + 520 && t.colour == 5 && t.utf8 == p.pair; }))
        << p.pair << " at y " << p.top + 520;
}

}  // namespace worked_test
