#include "engine/text/chain.h"

#include "engine/platform/draw.h"
#include "engine/platform/screen.h"
#include "engine/text/text.h"

namespace page {

void fixed(float colour, float x, float y, const Str& text) {
    G.YMOTO = colour;
    G.DSM1 = x;
    G.DSM2 = y;
    G.KKAI$ = text;
    MU();
}

void at(float colour, float x, float y, const Str& text) {
    fixed(colour, x, y, text);
    G.YI1 = G.DSM1;
    G.B2 = G.DSM2;
}

void cont(float colour, const Str& text) { at(colour, G.YI1, G.B2, text); }

void line(float colour, float step, const Str& text) { at(colour, G.B1, G.B2 + step, text); }

void note(float colour, float x, float y, const Str& text) {
    fixed(colour, x, y, text);
    G.YJ1 = G.DSM1;
    G.B3 = G.DSM2;
}

void note_cont(float colour, const Str& text) { note(colour, G.YJ1, G.B3, text); }

void blank(float x, float y, const Str& blanks) { at(G.YMOTO, x, y, blanks); }

namespace {

// A changed sign over the subtracted row stands in the band between the row
// above (its digits end 9 below the sign row's y) and the row below (its
// digits start 31 below it). Full-size signs overran that band, so that a "-"
// over a "+" read as "±": these are drawn small, each across where the
// full-size sign's centre is. Down, they stand nearer the row whose signs
// they change, as a teacher writes them over its terms: their gap to that
// row's digits is half their gap to the digits above, so that they do not
// read as underlines of the row above.
constexpr float kSignStroke = 3;
constexpr float kPlusMiddle = 22;   // below the sign row's y
constexpr float kMinusMiddle = 23;  // the shorter "-" a little lower, for the same gaps
constexpr float kMinusArm = 6.5f;   // half the length of "-"
constexpr float kPlusArm = 4;       // half the width and height of "+"

bool only_signs(const Str& text) {
    for (char c : text)
        if (c != '+' && c != '-' && c != ' ') return false;
    return true;
}

}  // namespace

void sign_row(float colour, float x, float y, const Str& signs) {
    if (!only_signs(signs)) {
        fixed(colour, x, y, signs);
        return;
    }
    G.YMOTO = colour;
    const float width = FE$GETDRAWWIDTH(0);
    G.B4 = width;
    FE$SETDRAWWIDTH(0, kSignStroke);
    float pen = x;
    for (char c : signs) {
        // Across, where the full-size sign's centre is.
        const float cx = pen + 13.5f;
        if (c == '-') {
            draw::line(cx - kMinusArm, y + kMinusMiddle, cx + kMinusArm, y + kMinusMiddle, colour);
        } else if (c == '+') {
            const float cy = y + kPlusMiddle;
            draw::line(cx - kPlusArm, cy, cx + kPlusArm, cy, colour);
            draw::line(cx, cy - kPlusArm, cx, cy + kPlusArm, colour);
        }
        pen += 27;
    }
    FE$SETDRAWWIDTH(0, width);
    G.B4 = width;
    plat::note_text(x, y, pen, colour, signs);
    G.DSM1 = pen;
    G.DSM2 = y;
}

float measure(const Str& text) {
    const float aa1 = G.AA1;
    G.A$ = text;
    MEASURE_TEXT();
    G.AA1 = aa1;
    return G.TY;
}

Str number_text(float value) {
    G.A$ = $PfSTR244(value);
    STRIP_SPACES();
    return G.A$;
}

}  // namespace page
