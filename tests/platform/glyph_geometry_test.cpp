// Every way the text routines draw a glyph (face, size, magnifications and
// offset from the pen, with the advance the pen then moves by) must put the
// glyph's ink inside its advance and, for glyphs that stand on the line, on
// the baseline of the Gothic text around it. Checked on rendered pixels.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/platform/runtime.h"
#include "engine/platform/screen.h"
#include "tests/common/page_probe.h"

namespace {

constexpr float kScale = 4;
constexpr float kX = 200, kY = 300;  // pen and line top of every sample

enum class Line { None, Text, Fraction };

struct GlyphCase {
    const char* name;
    const char* face;  // UTF-8 face name
    float size;
    bool italic;
    float dx, dy, h, v;
    float advance;
    const char* chars;  // UTF-8; each character is drawn and checked alone
    Line line;          // the line whose baseline the glyph stands on, if any
};

// Every way the formula text, the prompt cells and the error line draw a
// glyph (all in bold but the error line).
// (A decimal point takes its baseline from the digit it follows: the sample
// line checks it.)
const GlyphCase kCases[] = {
    {"period", "ゴシック", 16, false, -3, 14, 3, 2, 8, ".", Line::None},
    {"prime", "ゴシック", 16, false, 0, 0, 3, 3, 12, "'", Line::None},
    {"tall open bracket", "ゴシック", 16, false, -4, -6, 3, 4, 27, "(", Line::None},
    {"tall close bracket", "ゴシック", 16, false, 6, -6, 3, 4, 27, ")", Line::None},
    {"equals", "ゴシック", 14, false, 4, 0, 3, 3, 32, "=", Line::None},
    {"small raised", "ゴシック", 8, false, 0, -10, 6, 3, 24, "3x2", Line::None},
    {"exponent in a fraction", "ゴシック", 8, false, 0, -4, 6, 3, 24, "2x3", Line::None},
    {"exponent", "ゴシック", 16, false, 0, 0, 3, 2, 24, "2x3", Line::None},
    {"italic letter in a fraction", "Times New Roman", 8, true, 4, -16, 12, 5, 32, "axc", Line::Fraction},
    {"italic letter", "Times New Roman", 8, true, 4, -22, 10, 7, 27, "axc", Line::Text},
    {"script ell", "MT Extra", 16, false, 0, 0, 6, 3, 32, "l", Line::Text},
    {"times, divide, plus-minus", "ゴシック", 16, false, -4, 0, 2, 3, 27, "×÷±", Line::None},
    {"double-byte in a fraction", "ゴシック", 11, false, 0, 0, 3, 3, 38, "２あ円①×", Line::Fraction},
    {"double-byte", "ゴシック", 16, false, 0, 0, 2, 3, 34, "２あ円①（", Line::Text},
    {"fraction part", "ゴシック", 16, false, 0, 0, 4, 2, 32, "0123456789yQ", Line::Fraction},
    {"ordinary", "ゴシック", 16, false, 0, 0, 3, 3, 27, "0123456789yQ", Line::Text},
    {"prompt cell", "ゴシック", 16, false, 0, 0, 1, 1, 16, "入力１２χＡ÷＝", Line::None},
    {"prompt half-width", "ゴシック", 16, false, 0, -4, 1, 1, 16, "2z", Line::None},
    {"error line", "ｺﾞｼｯｸ", 16, false, 0, 0, 1, 1, 16, "エ,9", Line::None},
};

// Characters that stand on the baseline (no descender).
bool stands_on_line(const std::string& utf8) {
    return std::string("0123456789axc").find(utf8) != std::string::npos || utf8 == "２" || utf8 == "l";
}

// The glyph drawn at (x, y) as the text routines draw it: with the advance
// their pen moves by from kX.
plat::Image sample(const Str& ch, const char* face, float size, bool bold, bool italic, float x, float y, float h,
                   float v, float advance) {
    plat::use_headless({});
    FE$SETFONTNAME(0, plat::utf8_to_cp932(face));
    FE$SETFONTSIZE(0, size);
    FE$SETFONTBOLD(0, bold ? -1 : 0);
    FE$SETFONTITALIC(0, italic ? -1 : 0);
    plat::draw_glyph(x, y, ch, h, v, 0, kX, advance);
    return plat::rasterise(kScale, kX - 60, kY - 60, kX + 100, kY + 100);
}

TEST(GlyphGeometry, InkInsideAdvanceAndOnTheBaseline) {
    // The bottom of a Gothic digit drawn as the line around the glyph draws
    // it: on the baseline, 0.703 of the magnified em below the line top.
    const float text_bottom = probe::ink_box(sample("2", "ゴシック", 16, true, false, kX, kY, 3, 3, 27)).y1;
    const float fraction_bottom = probe::ink_box(sample("2", "ゴシック", 16, true, false, kX, kY, 4, 2, 32)).y1;
    EXPECT_NEAR(text_bottom, kY + 48 * 0.703125f, 1.0);
    EXPECT_NEAR(fraction_bottom, kY + 32 * 0.703125f, 1.0);
    for (const GlyphCase& c : kCases) {
        const bool bold = std::string(c.name) != "error line";
        for (const Str& ch : plat::sj_chars(plat::utf8_to_cp932(c.chars))) {
            const std::string utf8 = plat::cp932_to_utf8(ch);
            SCOPED_TRACE(std::string(c.name) + " " + utf8);
            const auto ink =
                probe::ink_box(sample(ch, c.face, c.size, bold, c.italic, kX + c.dx, kY + c.dy, c.h, c.v, c.advance));
            ASSERT_TRUE(ink.any);
            // Across: inside the advance.
            EXPECT_GE(ink.x0, kX - 0.5f);
            EXPECT_LE(ink.x1, kX + c.advance + 0.5f);
            if (std::string(c.face) != "Times New Roman" && std::string(c.face) != "MT Extra") {
                // Down: inside the em box, s*v from the glyph's y (the
                // Greek descender of the prompts' "x" reaches 0.1 em below).
                EXPECT_GE(ink.y0, kY + c.dy - 1.0f);
                EXPECT_LE(ink.y1, kY + c.dy + c.size * c.v * (utf8 == "χ" ? 1.1f : 1.0f) + 1.0f);
            }
            if (c.line != Line::None && stands_on_line(utf8)) {
                const float bottom = c.line == Line::Text ? text_bottom : fraction_bottom;
                EXPECT_NEAR(ink.y1, bottom, 1.5f);
            }
        }
    }
}

// A plain zero, as a textbook prints it: nothing inside its counter (a
// slashed or dotted zero inks its middle), however the text routines draw it.
TEST(GlyphGeometry, ZeroHasNothingInItsCounter) {
    for (const GlyphCase& c : kCases) {
        const std::string chars = c.chars;
        const char* zero = chars.find("２") != std::string::npos || chars.find("１") != std::string::npos ? "０"
                           : chars.find_first_of("0123456789") != std::string::npos                       ? "0"
                                                                                                          : nullptr;
        if (!zero) continue;
        SCOPED_TRACE(c.name);
        const bool bold = std::string(c.name) != "error line";
        const plat::Image img = sample(plat::utf8_to_cp932(zero), c.face, c.size, bold, c.italic, kX + c.dx, kY + c.dy,
                                       c.h, c.v, c.advance);
        const auto ink = probe::ink_box(img);
        ASSERT_TRUE(ink.any);
        // The middle fifth of the ink box, across and down.
        const float w = ink.x1 - ink.x0, h = ink.y1 - ink.y0;
        const float mx = ink.x0 + 0.4f * w, my = ink.y0 + 0.4f * h;
        EXPECT_FALSE(probe::ink_box(img, mx, my, mx + 0.2f * w, my + 0.2f * h).any)
            << "ink in the counter of " << zero << " " << w << " x " << h;
    }
}

// A line set the way the formula text sets it, "2x+3a=1²あ円×5.5cℓ①'",
// glyph after glyph: every glyph drawn in its own advance, the digits, the
// italic letters and the script ell on one baseline, the signs centred on
// the digits, the period on the baseline, the exponent raised. Kept as a
// picture to look at (glyph_rows.png) when asked.
TEST(GlyphGeometry, SampleLine) {
    enum class Role { Other, OnBaseline, Sign, Period, Exponent };
    struct Piece {
        std::string name;
        float x, advance;
        Role role;
    };
    std::vector<Piece> pieces;
    plat::use_headless({});
    FE$SETFONTNAME(0, SJ("ゴシック"));
    FE$SETFONTSIZE(0, 16);
    FE$SETFONTBOLD(0, -1);
    float x = 40;
    const float y = 100;
    auto gothic = [&](const char* utf8, Role role, float h, float v, float adv, float dx = 0, float dy = 0) {
        plat::draw_glyph(x + dx, y + dy, plat::utf8_to_cp932(utf8), h, v, 0, x, adv);
        pieces.push_back({utf8, x, adv, role});
        x += adv;
    };
    auto italic = [&](const char* s) {
        FE$SETFONTNAME(0, SJ("Times New Roman"));
        FE$SETFONTSIZE(0, 8);
        FE$SETFONTITALIC(0, -1);
        plat::draw_glyph(x + 4, y - 22, s, 10, 7, 3, x, 27);
        FE$SETFONTNAME(0, SJ("ゴシック"));
        FE$SETFONTSIZE(0, 16);
        FE$SETFONTITALIC(0, 0);
        pieces.push_back({s, x, 27, Role::OnBaseline});
        x += 27;
    };
    gothic("2", Role::OnBaseline, 3, 3, 27);
    italic("x");
    $PsLINE(0, 0, x + 4, y + 22, 1, 19, 0, -1, 0, 0, 0, -1, 7);
    $PsLINE(0, 0, x + 13, y + 10, 1, 0, 24, -1, 0, 0, 0, -1, 7);
    pieces.push_back({"+", x, 27, Role::Sign});
    x += 27;
    gothic("3", Role::OnBaseline, 3, 3, 27);
    italic("a");
    FE$SETFONTSIZE(0, 14);
    gothic("=", Role::Sign, 3, 3, 32, 4);
    FE$SETFONTSIZE(0, 16);
    gothic("1", Role::OnBaseline, 3, 3, 27);
    gothic("2", Role::Exponent, 3, 2, 24);
    gothic("あ", Role::Other, 2, 3, 34);
    gothic("円", Role::Other, 2, 3, 34);
    gothic("×", Role::Sign, 2, 3, 27, -4);
    gothic("5", Role::OnBaseline, 3, 3, 27);
    gothic(".", Role::Period, 3, 2, 8, -3, 14);
    gothic("5", Role::OnBaseline, 3, 3, 27);
    italic("c");
    FE$SETFONTNAME(0, SJ("MT Extra"));
    gothic("l", Role::OnBaseline, 6, 3, 32);
    FE$SETFONTNAME(0, SJ("ゴシック"));
    gothic("①", Role::Other, 2, 3, 34);
    gothic("'", Role::Other, 3, 3, 12);
    probe::save_png("glyph_rows", 6, 30, 60, 600, 170);

    const plat::Image img = plat::rasterise(kScale, 30, 60, 600, 170);
    const auto line = probe::ink_box(img);
    ASSERT_TRUE(line.any);
    EXPECT_GE(line.x0, pieces.front().x - 0.5f);
    EXPECT_LE(line.x1, x + 0.5f);
    // Each glyph measured inside its own advance, less half a unit at either
    // side where a neighbour's antialiased edge may reach.
    auto ink = [&](const Piece& p) { return probe::ink_box(img, p.x + 0.5f, 60, p.x + p.advance - 0.5f, 170); };
    const auto digit = ink(pieces.front());  // the first "2"
    // Lesson text is set at 25/32 of the magnified em (a Gothic digit is
    // 0.65 to 0.8 of its size tall) and stands on the baseline 0.703 em
    // below the line top.
    const float size = 48 * 25 / 32.0f;
    EXPECT_NEAR(digit.y1, y + 48 * 0.703125f, 1.0f);
    EXPECT_GE(digit.y1 - digit.y0, 0.65f * size);
    EXPECT_LE(digit.y1 - digit.y0, 0.8f * size);
    // Signs centred on the digits within a sixteenth of the magnified em:
    // the drawn plus sits on the sign axis a little below their middle.
    const float middle = (digit.y0 + digit.y1) / 2;
    for (const Piece& p : pieces) {
        SCOPED_TRACE(p.name + " at x " + std::to_string(p.x));
        const auto box = ink(p);
        ASSERT_TRUE(box.any);
        switch (p.role) {
            case Role::OnBaseline: EXPECT_NEAR(box.y1, digit.y1, 1.5f); break;
            case Role::Sign: EXPECT_NEAR((box.y0 + box.y1) / 2, middle, 3.0f); break;
            case Role::Period: EXPECT_NEAR(box.y1, digit.y1, 1.0f); break;  // on the digits' baseline
            case Role::Exponent:  // as high as the digits, its foot well above theirs
                EXPECT_NEAR(box.y0, digit.y0, 2.5f);
                EXPECT_LT(box.y1, digit.y1 - 10);
                break;
            case Role::Other: break;
        }
    }
}

}  // namespace
