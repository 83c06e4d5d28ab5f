// The formula text display: MU draws a text in the formula mark-up, stacked
// fractions are drawn by DRAW_STACKED_FRACTION, and MEASURE_TEXT measures a
// text by drawing it below the page. MU -> DRAW_STACKED_FRACTION ->
// MEASURE_TEXT -> MU is re-entered, so whatever a routine still needs after
// one of those calls is kept per call, in locals.
#include <algorithm>

#include "engine/platform/screen.h"
#include "engine/text/polyline.h"
#include "engine/text/text.h"

namespace {

// How many MEASURE_TEXT calls are active: texts drawn while measuring are
// off the page and are not listed among the page's texts.
int measuring = 0;

struct MeasuringScope {
    MeasuringScope() { ++measuring; }
    ~MeasuringScope() { --measuring; }
    MeasuringScope(const MeasuringScope&) = delete;
    MeasuringScope& operator=(const MeasuringScope&) = delete;
};

// The tall root sign: a short stroke up, a long one down to 60 below the line
// top, a long one up to 14 above it, and the start of the top bar.
void tall_root_sign(float x, float y) {
    text_detail::five_point_polyline(
        {{x + 4, y + 36}, {x + 8, y + 24}, {x + 16, y + 60}, {x + 30, y - 14}, {x + 38, y - 14}});
}

// The fraction mark: cuts out the segment up to the next fraction mark,
// counted in characters (a trail byte may equal the mark's byte), and draws
// it stacked. Returns the text after the closing mark, or nothing when the
// mark has no partner and is dropped.
bool fraction_segment(Str& after) {
    const Str rest = G.KKAI$;
    G.SOSU = $PfKINSTR(1, rest, SJ("ﾀ"));
    if (G.SOSU == 0) return false;
    G.A$ = $PfKLEFT24(rest, G.SOSU - 1);
    after = $PfKRIGHT24(rest, G.N1 - G.SOSU - 1);
    G.t0007$ = after;
    DRAW_STACKED_FRACTION();
    return true;
}

}  // namespace

void MU() {
    const Str given = G.KKAI$;
    const float x0 = G.DSM1;
    const float y0 = G.DSM2;
    const bool listed = measuring == 0 && y0 < plat::kPageHeight;
    const bool pictograms = G.traits.pictograms;
    for (;;) {
        G.B4 = FE$GETDRAWWIDTH(0);
        G.N1 = $PfKLEN(G.KKAI$);
        if (G.N1 == 0) {
            FE$SETDRAWWIDTH(0, G.B4);
            break;
        }
        G.A$ = $PfKLEFT24(G.KKAI$, 1);
        G.KKAI$ = $PfKRIGHT24(G.KKAI$, G.N1 - 1);
        const float x = G.DSM1, y = G.DSM2;
        if (G.A$ == SJ("ﾀ")) {
            Str after;
            if (fraction_segment(after)) G.KKAI$ = after;
        } else if (G.A$ == "#") {
            FE$SETDRAWWIDTH(0, 3);
            tall_root_sign(x, y);
            G.SIZE1 = 22;
            FE$SETDRAWWIDTH(0, G.B4);
            G.DSM1 = x + 32;
            G.AY = G.DSM1;
        } else if (G.A$ == "^") {
            G.X1 = 1;
        } else if (pictograms && G.A$ == SJ("ｶ")) {
            // A pencil, in fixed colours.
            FE$SETDRAWWIDTH(0, 3);
            $PsLINE(0, 0, x + 9, y - 5, 0, x + 21, y + 55, -1, 3, 2, 4, 0, 15);
            FE$SETDRAWWIDTH(0, G.B4);
            G.DSM1 = x + 27;
        } else if (pictograms && G.A$ == SJ("ｷ")) {
            // A notebook with its label.
            FE$SETDRAWWIDTH(0, 3);
            $PsLINE(0, 0, x, y - 5, 0, x + 38, y + 55, -1, 0, 2, 11, 0, 15);
            $PsLINE(0, 0, x + 8, y + 10, 0, x + 30, y + 20, -1, 15, 2, 15, 0, 7);
            FE$SETDRAWWIDTH(0, G.B4);
            G.DSM1 = x + 38;
        } else {
            DRAW_TOKENS();
        }
    }
    if (listed && !given.empty()) plat::note_text(x0, y0, G.DSM1, G.YMOTO, given);
}

void show_plain_text(float colour, float x, float y, const Str& text) {
    const float width = FE$GETDRAWWIDTH(0);
    FE$SETFONTNAME(0, SJ("ゴシック"));
    FE$SETFONTSIZE(0, 16);
    FE$SETFONTBOLD(0, -1);
    float pen = x;
    for (const Str& c : plat::sj_chars(text)) {
        const bool wide = c.size() == 2;
        const float advance = wide ? 34 : 27;
        if (c != " ") plat::draw_glyph(pen, y, c, wide ? 2 : 3, 3, colour, pen, advance);
        pen += advance;
    }
    FE$SETFONTBOLD(0, 0);
    FE$SETDRAWWIDTH(0, width);
    if (!text.empty() && y < plat::kPageHeight) plat::note_text(x, y, pen, colour, text);
    G.DSM1 = pen;
}

void DRAW_STACKED_FRACTION() {
    const float x = G.DSM1, y = G.DSM2;
    const float width = FE$GETDRAWWIDTH(0);
    const Str segment = G.A$;
    const bool root = $PfINSTR(1, segment, "!") > 0 || $PfINSTR(1, segment, SJ("√")) > 0;

    // Numerator before the first "/", denominator after it (bytes: "/" is
    // never the trail byte of a double-byte character). A segment without
    // "/" is all numerator.
    const float slash = $PfINSTR(1, segment, "/");
    Str numerator = segment, denominator;
    if (slash > 0) {
        numerator = $PfLEFT24(segment, slash - 1);
        denominator = $PfMID24(segment, slash + 1, $PfLEN(segment) - slash);
    }

    G.A$ = numerator;
    G.RTASKAI1 = 1;
    MEASURE_TEXT();
    const float numerator_width = G.TY;
    G.A$ = denominator;
    G.RTASKAI1 = 1;
    MEASURE_TEXT();
    const float denominator_width = G.TY;
    G.RTASKAI1 = 0;

    const float w = std::max(numerator_width, denominator_width);
    const float numerator_offset = (w - numerator_width) / 2;
    const float denominator_offset = (w - denominator_width) / 2;

    FE$SETDRAWWIDTH(0, 4);
    $PsLINE(0, 0, x, y + 25, 1, w, 0, -1, G.YMOTO, 0, 0, -1, 7);
    FE$SETDRAWWIDTH(0, width);
    if (G.SIZE1 == 22) {
        FE$SETDRAWWIDTH(0, 3);
        $PsLINE(0, 0, x, y - 14, 1, w, 0, -1, G.YMOTO, 0, 0, -1, 7);
        FE$SETDRAWWIDTH(0, width);
    }

    // A root or an exponent in the denominator reaches higher: it stands lower.
    float denominator_y = y + 28;
    if ($PfINSTR(1, denominator, SJ("√")) > 0 || $PfINSTR(1, denominator, "^") > 0) denominator_y = y + 36;
    if (root) denominator_y += 8;

    // Both parts are centred on the bar: each is set as one toward its
    // middle.
    plat::set_part(x + w / 2);
    G.DSM1 = x + denominator_offset;
    G.DSM2 = denominator_y;
    G.RTASKAI1 = 1;
    G.A$ = denominator;
    DRAW_TOKENS();
    G.DSM1 = x + numerator_offset;
    G.DSM2 = y - 10;
    G.RTASKAI1 = 1;
    G.A$ = numerator;
    DRAW_TOKENS();
    plat::set_part(std::nullopt);

    G.RTASKAI1 = 0;
    G.DSM1 = x + w;
    G.DSM2 = y;
}

void MEASURE_TEXT() {
    const float x = G.DSM1, y = G.DSM2;
    const Str text = G.A$;
    G.DSM1 = 0;
    G.DSM2 = 1800;
    G.KKAI$ = text;
    {
        MeasuringScope scope;
        MU();
    }
    G.TY = G.DSM1;
    G.DSM1 = x;
    G.DSM2 = y;
    G.A$ = text;
}
