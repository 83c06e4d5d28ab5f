// What the text display tests share: a fresh headless page for every test,
// and the page's display list written as short lines that a test compares
// with what it expects:
//   T "3" 100,190 4x2 G16b c0        text, top-left, h x v, font, colour
//   L 100,225 132,225 w4 c0          line from, to, pen width, colour
//   P 104,236 108,224 ... w3 c0      polyline points, pen width, colour
//   B 109,195 121,255 c3 f4          filled box corners, edge, fill
// Fonts: G Gothic, S serif, M MT Extra; then the size, b bold, i italic.
#pragma once
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "engine/platform/screen.h"
#include "engine/text/text.h"

namespace texttest {

inline Str sj(std::string_view utf8) { return plat::utf8_to_cp932(utf8); }
inline std::string u8(const Str& s) { return plat::cp932_to_utf8(s); }

inline std::string num(float v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%g", static_cast<double>(v));
    return buf;
}

inline std::string font_code(const plat::Font& f) {
    std::string s = f.face == plat::Face::Gothic ? "G" : f.face == plat::Face::Serif ? "S" : "M";
    s += num(f.size);
    if (f.bold) s += "b";
    if (f.italic) s += "i";
    return s;
}

inline std::string describe(const plat::DrawOp& op) {
    using plat::OpKind;
    const std::string at = num(op.ax) + "," + num(op.ay);
    switch (op.kind) {
        case OpKind::Text:
            return "T \"" + u8(op.text) + "\" " + at + " " + num(op.h) + "x" + num(op.v) + " " + font_code(op.font) +
                   " c" + std::to_string(op.colour);
        case OpKind::Line:
            return "L " + at + " " + num(op.bx) + "," + num(op.by) + " w" + num(op.width) + " c" +
                   std::to_string(op.colour);
        case OpKind::Box:
            return "B " + at + " " + num(op.bx) + "," + num(op.by) + " c" + std::to_string(op.colour) + " f" +
                   std::to_string(op.fill);
        case OpKind::Polyline: {
            std::string s = "P";
            for (auto [x, y] : op.pts) s += " " + num(x) + "," + num(y);
            return s + " w" + num(op.width) + " c" + std::to_string(op.colour);
        }
        case OpKind::Note:
            return "N \"" + u8(op.text) + "\" " + at + " to " + num(op.bx) + " c" + std::to_string(op.colour);
        default: return "?";
    }
}

// The page's draws (notes left out unless asked for), described.
inline std::vector<std::string> page(bool with_notes = false) {
    std::vector<std::string> out;
    for (const auto& op : plat::display_list())
        if (with_notes || op.kind != plat::OpKind::Note) out.push_back(describe(op));
    return out;
}

inline std::vector<std::string> notes() {
    std::vector<std::string> out;
    for (const auto& op : plat::display_list())
        if (op.kind == plat::OpKind::Note) out.push_back(describe(op));
    return out;
}

// A fresh run: headless platform, every shared variable at its start value,
// the start-up pen and font, an empty page.
class TextTest : public ::testing::Test {
protected:
    void SetUp() override { start(Program::Morvane); }

    static void start(Program program) {
        plat::use_headless({});
        reset_globals(program);
        FE$SETDRAWWIDTH(0, 3);
        FE$SETFONTNAME(0, sj("ゴシック"));
        FE$SETFONTSIZE(0, 16);
        FE$SETFONTBOLD(0, 0);
        FE$SETFONTITALIC(0, 0);
        plat::clear_display_list();
    }

    // MU of a text given in UTF-8 at (x, y); returns the x where it ended.
    static float mu(std::string_view utf8, float x, float y, float colour = 0) {
        G.KKAI$ = sj(utf8);
        G.DSM1 = x;
        G.DSM2 = y;
        G.YMOTO = colour;
        MU();
        return G.DSM1;
    }

    static float measure(std::string_view utf8) {
        G.A$ = sj(utf8);
        MEASURE_TEXT();
        return G.TY;
    }
};

}  // namespace texttest
