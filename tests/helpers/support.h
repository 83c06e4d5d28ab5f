// What the helper tests share: a fresh headless page with the shared arrays
// created, the start-up pen and font, and the page's draws read back.
#pragma once
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "engine/helpers/helpers.h"
#include "engine/platform/screen.h"
#include "engine/shell/shell.h"

namespace helperstest {

inline Str sj(std::string_view utf8) { return plat::utf8_to_cp932(utf8); }
inline std::string u8(const Str& s) { return plat::cp932_to_utf8(s); }

class HelpersTest : public ::testing::Test {
protected:
    void SetUp() override {
        plat::use_headless({});
        reset_globals(Program::Talisse);
        create_shared_arrays();
        FE$SETDRAWWIDTH(0, 3);
        FE$SETFONTNAME(0, sj("ゴシック"));
        FE$SETFONTSIZE(0, 16);
        plat::clear_display_list();
    }
};

inline std::vector<plat::DrawOp> ops(plat::OpKind kind) {
    std::vector<plat::DrawOp> found;
    for (const auto& op : plat::display_list())
        if (op.kind == kind) found.push_back(op);
    return found;
}

// The texts as their callers gave them (one per MU call), in drawing order.
inline std::vector<plat::DrawOp> labels() { return ops(plat::OpKind::Note); }

// Whether two points agree to within the rounding of single-precision
// trigonometry.
inline bool near(float ax, float ay, float bx, float by, float tol = 0.01f) {
    return std::fabs(ax - bx) <= tol && std::fabs(ay - by) <= tol;
}

struct Pt {
    float x, y;
};
inline std::string show(float x, float y) { return "(" + std::to_string(x) + ", " + std::to_string(y) + ")"; }

// A line's two ends, in either order, within `tol`.
inline bool line_is(const plat::DrawOp& op, Pt a, Pt b, float tol = 0.01f) {
    return (near(op.ax, op.ay, a.x, a.y, tol) && near(op.bx, op.by, b.x, b.y, tol)) ||
           (near(op.ax, op.ay, b.x, b.y, tol) && near(op.bx, op.by, a.x, a.y, tol));
}

}  // namespace helperstest
