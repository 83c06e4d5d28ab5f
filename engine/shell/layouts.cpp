// The brace in front of a system and the column layouts of an elimination.
#include "engine/platform/draw.h"
#include "engine/shell/shell.h"
#include "engine/text/chain.h"
#include "engine/text/text.h"

namespace {

// The operation mark left of the lower row: the sign, then ")" where it
// ended (at x0 itself when there is no sign).
void draw_operation_mark(const Str& sign, float x0, float y) {
    page::fixed(G.YMOTO, x0, y, sign);
    page::fixed(G.YMOTO, G.DSM1, y, ")");
}

// The rule under both rows, from x0 + 27, 30 longer than the wider row.
void draw_rule(float x0, float y, float wider_row, float colour) {
    FE$SETDRAWWIDTH(0, 3);
    draw::line_by(x0 + 27, y, wider_row + 30, 0, colour);
}

}  // namespace

void DRAW_BRACE() {
    const float x = G.DSM1, y = G.DSM2, h = G.TANI;
    G.DS1 = x;
    G.AINP_AUX = y;
    const float m = ((y + 5) + (y + h - 10)) / 2;
    const float width = FE$GETDRAWWIDTH(0);
    G.B4 = width;
    FE$SETDRAWWIDTH(0, 5);
    // Tips at x + 35, spine at x + 23, point at x + 8; in drawing order.
    draw::polyline({{x + 35, y + 5},
                    {x + 23, y + 8},
                    {x + 23, m - 7},
                    {x + 8, m},
                    {x + 23, m + 7},
                    {x + 23, y + h - 13},
                    {x + 35, y + h - 10}},
                   G.YMOTO);
    FE$SETDRAWWIDTH(0, width);
    G.B4 = width;
    // Morvane's pages write on from the tips; Talisse's place their
    // equations themselves.
    G.DSM1 = G.traits.brace_advances ? x + 35 : x;
    G.DSM2 = y;
}

void SHOW_COLUMN_ELIMINATION() {
    const bool pauses = G.traits.column_pauses;
    // Inverted here so that the pause after the upper row waits only when the
    // caller asked for it (JYOU 1 makes PAUSE_FOR_KEY return at once).
    if (pauses) G.JYOU = G.JYOU != 0 ? 0 : 1;
    const float width = FE$GETDRAWWIDTH(0);
    G.B4 = width;
    const float x0 = G.DSM1, y0 = G.DSM2, pitch = G.Y, rule_colour = G.NO;
    G.DS1 = x0;
    G.AINP_AUX = y0;
    const Str upper = G.YY$, lower = G.T$, sign = G.LEM$;

    const float upper_width = page::measure(upper);
    const float lower_width = page::measure(lower);
    G.YG = upper_width > lower_width ? upper_width : lower_width;
    const float wider = G.YG;

    page::fixed(G.YMOTO, x0 + 54, y0, upper);
    if (pauses) PAUSE_FOR_KEY();
    draw_operation_mark(sign, x0, y0 + pitch + 6);
    page::fixed(G.YMOTO, x0 + 54, y0 + pitch, lower);
    draw_rule(x0, y0 + 2 * pitch, wider, rule_colour);
    FE$SETDRAWWIDTH(0, width);
    G.B4 = width;

    G.B2 = y0 + pitch;
    G.XJ2 = x0 + 54;
    if (pauses) G.JYOU = 0;
}

void SHOW_COLUMN_ELIMINATION_ALIGNED() {
    const float width = FE$GETDRAWWIDTH(0);
    G.B4 = width;
    const float x0 = G.DSM1, y0 = G.DSM2, pitch = G.Y, rule_colour = G.NO;
    G.DS1 = x0;
    G.AINP_AUX = y0;
    const Str sign = G.LEM$;
    const Str upper = G.R$(1) + G.R$(2) + G.R$(5);
    const Str lower = G.R$(3) + G.R$(4) + G.R$(6);

    const float upper_width = page::measure(upper);
    const float lower_width = page::measure(lower);
    G.YG = upper_width > lower_width ? upper_width : lower_width;
    const float wider = G.YG;

    // The caller's stops are for equations that start at x0 + 40; these rows
    // start at x0 + 54.
    for (int k = 5; k <= 7; ++k) G.Y7(k) = G.Y7(k) - 40 + 54;

    page::fixed(G.YMOTO, G.Y7(6) - G.Y7(1), y0, G.R$(1));
    page::fixed(G.YMOTO, G.Y7(7) - G.Y7(2), y0, G.R$(2));
    page::fixed(G.YMOTO, G.DSM1, y0, G.R$(5));
    draw_operation_mark(sign, x0, y0 + pitch + 6);
    page::fixed(G.YMOTO, G.Y7(6) - G.Y7(3), y0 + pitch, G.R$(3));
    page::fixed(G.YMOTO, G.Y7(7) - G.Y7(4), y0 + pitch, G.R$(4));
    page::fixed(G.YMOTO, G.DSM1, y0 + pitch, G.R$(6));
    draw_rule(x0, y0 + 2 * pitch, wider, rule_colour);
    FE$SETDRAWWIDTH(0, width);
    G.B4 = width;

    G.YY$ = upper;
    G.T$ = lower;
    G.YI1 = x0 + 27 + wider + 40 + 30;
    G.B2 = y0 + pitch;
    G.XJ2 = x0 + 54;
    G.YJ3 = G.YI1;
    // Talisse writes its first value no further left than x0 + 340.
    if (x0 + G.traits.first_value_min > G.YI1) G.YJ3 = x0 + G.traits.first_value_min;
}
