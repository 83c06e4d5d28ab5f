// The glyph level of the formula text: one character (or a whole fraction
// part) at a time, each placed by the first glyph rule that takes it. Some
// signs are drawn as lines, the root signs and "&" as polylines. The glyph
// state (X1, TBSIYAKX, SIZE1, AY, AA1, RTASKAI1) lives in G and is never
// reset here: a mark at the end of one text acts on the next one.
#include "engine/platform/screen.h"
#include "engine/text/polyline.h"
#include "engine/text/text.h"

namespace {

void gothic() { FE$SETFONTNAME(0, SJ("ゴシック")); }

// One glyph at (x, y) in the font in force, for a pen at `pen` that then
// moves by `advance` (returned): the glyph is centred in that advance. An
// empty character (the one pass of an empty fraction part) shows nothing, so
// nothing is drawn for it.
float glyph(float pen, float advance, float x, float y, const Str& text, float h, float v) {
    if (!text.empty()) plat::draw_glyph(x, y, text, h, v, G.YMOTO, pen, advance);
    return advance;
}

// A line from (x, y) by (dx, dy) in the text colour.
void stroke(float x, float y, float dx, float dy) { $PsLINE(0, 0, x, y, 1, dx, dy, -1, G.YMOTO, 0, 0, -1, 7); }

// Substitutions of the mark-up: the signs typed as ASCII.
void substitute(Str& c) {
    if (c == "%") c = SJ("°");
    else if (c == "*") c = SJ("×");
    else if (c == "/") c = SJ("÷");
    else if (c == "@") c = SJ("±");
    else if (c == "!") c = SJ("√");
}

// The glyph rules, in order; returns the advance.
float draw_by_rule(float x, float y) {
    const Str& c = G.LT$;
    const bool fraction = G.RTASKAI1 == 1;
    G.ZX5 = $PfLEN(c);
    if (c == ".") {
        return glyph(x, 8, x - 3, y + 14, c, 3, 2);
    }
    if (c == "'" || c == SJ("°")) {
        return glyph(x, 12, x, y, c, 3, 3);
    }
    if (c == "(" && G.AA1 == 1) {
        return glyph(x, 27, x - 4, y - 6, c, 3, 4);
    }
    if (c == ")" && G.AA1 == 1) {
        G.AA1 = 0;
        return glyph(x, 27, x + 6, y - 6, c, 3, 4);
    }
    if (c == "=") {
        FE$SETFONTSIZE(0, 14);
        FE$SETFONTBOLD(0, -1);
        glyph(x, 32, x + 4, y, c, 3, 3);
        FE$SETFONTSIZE(0, 16);
        return 32;
    }
    if (G.TBSIYAKX == 1) {
        FE$SETFONTSIZE(0, 8);
        glyph(x, 24, x, y - 10, c, 6, 3);
        FE$SETFONTSIZE(0, 16);
        G.TBSIYAKX = 0;
        return 24;
    }
    if (G.X1 == 1 && fraction) {
        FE$SETFONTSIZE(0, 8);
        glyph(x, 24, x, y - 4, c, 6, 3);
        FE$SETFONTSIZE(0, 16);
        G.X1 = 0;
        return 24;
    }
    if (G.X1 == 1) {
        G.X1 = 0;
        return glyph(x, 24, x, y, c, 3, 2);
    }
    if (c == "a" || c == "x" || c == "c") {
        FE$SETFONTNAME(0, "Times New Roman");
        FE$SETFONTSIZE(0, 8);
        FE$SETFONTITALIC(0, -1);
        const float advance = fraction ? 32 : 27;
        if (fraction) glyph(x, advance, x + 4, y - 16, c, 12, 5);
        else glyph(x, advance, x + 4, y - 22, c, 10, 7);
        gothic();
        FE$SETFONTSIZE(0, 16);
        FE$SETFONTITALIC(0, 0);
        return advance;
    }
    if (c == "l") {
        FE$SETFONTNAME(0, "MT Extra");
        FE$SETFONTSIZE(0, 16);
        FE$SETFONTBOLD(0, -1);
        glyph(x, 32, x, y, c, 6, 3);
        gothic();
        FE$SETFONTSIZE(0, 16);
        FE$SETFONTBOLD(0, 0);
        return 32;
    }
    if (c == "-" && fraction) {
        FE$SETDRAWWIDTH(0, 5);
        stroke(x + 6, y + 14, 20, 0);
        FE$SETDRAWWIDTH(0, 3);
        return 32;
    }
    if (c == "+" && fraction) {
        FE$SETDRAWWIDTH(0, 5);
        stroke(x + 6, y + 14, 20, 0);
        stroke(x + 16, y + 4, 0, 20);
        FE$SETDRAWWIDTH(0, 3);
        return 32;
    }
    if (c == "-") {
        FE$SETDRAWWIDTH(0, 5);
        stroke(x + 4, y + 20, 19, 0);
        FE$SETDRAWWIDTH(0, 3);
        return 27;
    }
    if (c == "+") {
        FE$SETDRAWWIDTH(0, 5);
        stroke(x + 4, y + 22, 19, 0);
        stroke(x + 13, y + 10, 0, 24);
        FE$SETDRAWWIDTH(0, 3);
        return 27;
    }
    if ((c == SJ("×") || c == SJ("÷") || c == SJ("±")) && !fraction) {
        return glyph(x, 27, x - 4, y, c, 2, 3);
    }
    if (c == " ") return 27;
    if (G.ZX5 == 2 && fraction) {
        FE$SETFONTSIZE(0, 11);
        glyph(x, 38, x, y, c, 3, 3);
        FE$SETFONTSIZE(0, 16);
        return 38;
    }
    if (G.ZX5 == 2) {
        return glyph(x, 34, x, y, c, 2, 3);
    }
    if (fraction) {
        return glyph(x, 32, x, y, c, 4, 2);
    }
    return glyph(x, 27, x, y, c, 3, 3);
}

// The over-line of an open root, redrawn from its start to the glyph's end.
void over_line(float x, float y) {
    float height = 0;
    if (G.SIZE1 == 1) height = 4;
    else if (G.SIZE1 == 11) height = 6;
    else if (G.SIZE1 == 22 && G.RTASKAI1 != 1) height = 14;
    if (height == 0) {
        G.AY = x;
        return;
    }
    FE$SETDRAWWIDTH(0, 3);
    $PsLINE(0, 0, G.AY, y - height, 0, x, y - height, -1, G.YMOTO, 0, 0, -1, 7);
    FE$SETDRAWWIDTH(0, 3);
}

// The figures: the two root signs and the parallelogram. True when LT$ was one.
bool draw_figure() {
    const float x = G.TA6, y = G.YT;
    float advance = 0;
    if (G.LT$ == SJ("√") && G.RTASKAI1 == 1) {
        FE$SETDRAWWIDTH(0, 3);
        text_detail::five_point_polyline(
            {{x + 4, y + 24}, {x + 8, y + 13}, {x + 16, y + 29}, {x + 24, y - 6}, {x + 26, y - 6}});
        G.SIZE1 = 11;
        advance = 26;
    } else if (G.LT$ == SJ("√")) {
        FE$SETDRAWWIDTH(0, 3);
        text_detail::five_point_polyline(
            {{x + 4, y + 36}, {x + 8, y + 24}, {x + 16, y + 40}, {x + 24, y - 4}, {x + 32, y - 4}});
        G.SIZE1 = 1;
        advance = 28;
    } else if (G.LT$ == "&") {
        FE$SETDRAWWIDTH(0, 5);
        text_detail::five_point_polyline(
            {{x + 4, y + 40}, {x + 25, y + 40}, {x + 32, y + 8}, {x + 11, y + 8}, {x + 4, y + 40}});
        advance = 36;
    } else {
        return false;
    }
    FE$SETDRAWWIDTH(0, 3);
    G.TA6 = x + advance;
    G.AY = G.TA6;
    return true;
}

}  // namespace

void DRAW_TOKENS() {
    G.TA6 = G.DSM1;
    G.YT = G.DSM2;
    G.B4 = FE$GETDRAWWIDTH(0);
    const float width = G.B4;
    G.GY0$ = G.A$;
    G.ZX12 = $PfKLEN(G.GY0$);
    G.NAG = G.ZX12;
    gothic();
    FE$SETFONTSIZE(0, 16);
    FE$SETFONTBOLD(0, -1);
    // The test comes after the pass: an empty text still makes one pass, with
    // an empty character.
    G.HENK = 1;
    do {
        G.LT$ = $PfKMID24(G.GY0$, G.HENK, 1);
        substitute(G.LT$);
        if (G.LT$ == "^") {
            G.X1 = 1;
        } else if (G.LT$ == "\\") {
            G.TBSIYAKX = 1;
        } else if (G.LT$ == SJ("ﾝ")) {
            G.SIZE1 = 0;
        } else if (!draw_figure()) {
            G.TA6 += draw_by_rule(G.TA6, G.YT);
            over_line(G.TA6, G.YT);
        }
        G.HENK += 1;
    } while (G.HENK <= G.NAG);
    G.DSM1 = G.TA6;
    G.DSM2 = G.YT;
    FE$SETFONTBOLD(0, 0);
    FE$SETDRAWWIDTH(0, width);
}
