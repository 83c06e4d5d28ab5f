// Running Talisse headless for the unit 4 tests: the shared harness with the
// unit's keys and menu line, and the route diagrams read back from the
// display list.
#pragma once
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/text/chain.h"
#include "programs/talisse/talisse.h"
#include "tests/common/course_harness.h"

namespace unit4_test {

using namespace harness;

inline std::string open_unit() { return "4\r"; }
inline std::string open_section(int n) { return "4\r" + std::to_string(n) + "\r"; }

inline bool run_talisse(const std::string& keys, float seed = 1) { return run(talisse_course(), keys, seed); }

inline const char* const kMenuLine = "①例題3　②話しあおう　③問4　④練習　⑤終了";
inline bool at_section_menu() { return at_menu(kMenuLine); }

inline void save_page(const std::string& name) { save_png("unit4-" + name); }

// Where the label of an arc over the route (y 230) from x `from` to x `to`
// stands: centred on the apex, moved `shift`; 44 above an apex `height`
// above the route (80 with a stacked fraction), or with its top on an apex
// below it.
inline void arc_label(Layout& page, float from, float to, bool above, float height, int colour, const std::string& text,
                      float shift = 0) {
    const Str sj = plat::utf8_to_cp932(text);
    const float width = page::measure(sj);
    const bool fraction = text.find("ﾀ") != std::string::npos;
    const float y = above ? 230 - height - (fraction ? 80 : 44) : 230 + height;
    page.at((from + to) / 2 - width / 2 + shift, y, colour, text);
}

// The dots of the page (circles of radius 0.5) that lie inside the dotted
// half-ellipse over the route (y 230) from x `from` to x `to`, its apex
// `height` below the route (above when negative), in `colour`; the two end
// dots on the route are not counted, since neighbouring arcs share them. An
// arc of 61 dots has 59 inside, one of 37 has 35. A dot drawn again on the
// same place counts once.
inline int dots_on(float from, float to, float height, int colour) {
    const float cx = (from + to) / 2, a = (to - from) / 2;
    int n = 0;
    for (const auto& op : ops(plat::OpKind::Circle)) {
        if (op.r != 0.5f || op.colour != colour) continue;
        const float dy = op.ay - 230;
        if (std::fabs(dy) < 0.5f || (dy < 0) != (height < 0)) continue;
        const float u = (op.ax - cx) / a, v = dy / height;
        n += std::fabs(u * u + v * v - 1) < 1e-3f;
    }
    return n;
}
// The dots of the page that lie on the route, which are arcs' ends, are all
// at these points' x.
inline bool route_dots_only_at(std::initializer_list<float> points) {
    for (const auto& op : ops(plat::OpKind::Circle)) {
        if (op.r != 0.5f || std::fabs(op.ay - 230) >= 0.5f) continue;
        if (std::none_of(points.begin(), points.end(), [&](float x) { return std::fabs(op.ax - x) < 0.05f; }))
            return false;
    }
    return true;
}

// The route's lines (width 5), in drawing order, as (from, to, colour).
struct Segment {
    float from, to;
    int colour;
    bool operator==(const Segment&) const = default;
};
inline std::vector<Segment> route_lines() {
    std::vector<Segment> out;
    for (const auto& op : ops(plat::OpKind::Line))
        if (op.ay == 230 && op.by == 230 && op.width == 5) out.push_back({op.ax, op.bx, op.colour});
    return out;
}

}  // namespace unit4_test
