// The coordinate plane: grid, heavier fifth lines with their step numbers,
// the two axes and their names, and labels with one decimal. The frame is
// left in the globals that the graph routines read.
#include <cmath>

#include "engine/helpers/helpers.h"
#include "engine/helpers/internal.h"
#include "engine/platform/draw.h"
#include "engine/text/text.h"

namespace {

// A text drawn as it stands (no mark-up) at (DSM1, DSM2), magnified h
// across and v down, in the current font.
void put_text(const Str& text, float h, float v) {
    if (text.empty()) return;
    $PsSYMBOL40(0, 0, G.DSM1, G.DSM2, text, h, v, 0, 0, 0, 1);
}

// The step's number, or nothing at step 0 or when step numbers are off.
void step_number() {
    G.KKAI$ = helpers::number_text(G.A1);
    if (G.A1 == 0 || G.LLT == -1) G.KKAI$.clear();
    G.YMOTO = 0;
}

void unit_guard(float& step) {
    if (step == 0) step = 1;
    else if (step < 0) step = std::fabs(step);
}

}  // namespace

void DRAW_AXES() {
    G.B4 = FE$GETDRAWWIDTH(0);
    unit_guard(G.R1B_GRAPH);
    unit_guard(G.RTASKAI2);
    G.TBSI = G.TBSI / G.R1B_GRAPH;
    G.JYOUK = G.JYOUK / G.R1B_GRAPH;
    G.TBSIYAKY = G.TBSIYAKY / G.RTASKAI2;
    G.t000C = G.t000C / G.RTASKAI2;
    if (G.TA1 == 0 && G.TA2 == 0) {
        G.TA1 = 640;
        G.TA2 = 180;
    }
    G.HH = G.TA1 + G.AAAX * std::fabs(G.TBSI);
    G.GX1 = G.TA2 + G.AAAX * G.t000C;
    G.AIDA = G.TA1;
    G.ZX = G.TA2;
    G.GY1 = G.HH + G.AAAX * G.JYOUK;
    G.ZY = G.GX1 + G.AAAX * std::fabs(G.TBSIYAKY);
    G.NAGASA = G.AAAX < 40 ? 26.0f : 30.0f;
    FE$SETFONTSIZE(0, G.NAGASA);
    if (G.NO != 0) {
        FE$SETDRAWWIDTH(0, 1);
        G.AA2 = G.JYOUK;
        helpers::count_up(G.A1, G.TBSI, G.AA2, [] {
            const float x = G.HH + G.AAAX * G.A1 - 0.5f;
            draw::line(x, G.ZX, x, G.ZY, 0);
        });
        G.R1A1 = G.t000C;
        helpers::count_up(G.A1, G.TBSIYAKY, G.R1A1, [] {
            const float y = G.GX1 - G.AAAX * G.A1 - 0.5f;
            draw::line(G.AIDA, y, G.GY1, y, 0);
        });
        helpers::count_up(G.A1, G.TBSI, G.JYOUK, [] {
            if (!helpers::fifth_step(G.A1)) return;
            FE$SETDRAWWIDTH(0, 3);
            const float x = G.HH + G.AAAX * G.A1;
            draw::line(x, G.ZX, x, G.ZY, 1);
            step_number();
            // Centred under the tick, its top on the x-axis.
            G.DSM1 = x - ($PfKLEN(G.KKAI$) / 2) * G.NAGASA;
            G.DSM2 = G.GX1;
            put_text(G.KKAI$, 2, 1);
        });
        helpers::count_up(G.A1, G.TBSIYAKY, G.t000C, [] {
            if (!helpers::fifth_step(G.A1)) return;
            FE$SETDRAWWIDTH(0, 3);
            const float y = G.GX1 - G.AAAX * G.A1;
            draw::line(G.AIDA, y, G.GY1, y, 1);
            step_number();
            // Ending at the y-axis, level with the tick.
            G.DSM1 = G.HH - $PfKLEN(G.KKAI$) * G.NAGASA;
            G.DSM2 = y - G.NAGASA / 2 - 4;
            put_text(G.KKAI$, 2, 1);
        });
    }
    FE$SETDRAWWIDTH(0, 4);
    draw::line(G.HH, G.ZX, G.HH, G.ZY, 0);
    FE$SETDRAWWIDTH(0, 4);
    draw::line(G.AIDA, G.GX1, G.GY1, G.GX1, 0);
    G.YMOTO = 0;
    FE$SETFONTBOLD(0, -1);
    FE$SETFONTNAME(0, SJ("Times New Roman"));
    FE$SETFONTSIZE(0, G.NAGASA * 0.8f);
    FE$SETFONTITALIC(0, -1);
    G.DSM1 = G.GY1 - 0.8f * G.NAGASA;
    G.DSM2 = G.GX1 - 1.5f * G.NAGASA;
    put_text("x", 3, 2);
    FE$SETFONTNAME(0, SJ("ゴシック"));
    FE$SETFONTSIZE(0, G.NAGASA);
    FE$SETFONTITALIC(0, 0);
    G.KKAI$ = "0";
    G.DSM1 = G.HH - G.NAGASA;
    G.DSM2 = G.GX1;
    put_text(G.KKAI$, 2, 1);
    G.KKAI$ = "y";
    G.DSM1 = G.HH;
    G.DSM2 = G.ZX - G.NAGASA / 2;
    put_text(G.KKAI$, 2, 1);
    FE$SETFONTBOLD(0, 0);
    FE$SETFONTSIZE(0, 16);
    FE$SETDRAWWIDTH(0, G.B4);
    G.LLT = 0;
}

namespace {

// The value of step A1 with `unit` per step, as its whole part (with the
// sign) and its tenths digit, both taken from the value rounded to tenths so
// that the two texts spell it: -1.5 is "-1" and "5", -0.5 "-0" and "5".
void decimal_parts(float unit) {
    const long tenths = std::lround(10 * G.A1 * unit);
    const long whole = std::labs(tenths) / 10;
    const bool negative = tenths < 0;
    G.HHP = static_cast<float>(negative ? -whole : whole);
    G.HH1 = static_cast<float>(std::labs(tenths) % 10);
    G.P1$ = (negative ? "-" : "") + helpers::number_text(static_cast<float>(whole));
    G.P2$ = helpers::number_text(G.HH1);
}

// The label of a fifth step other than 0 at x (less its width for a y-axis
// label, `right_aligned`), top at y; a tenths digit follows the whole part
// with a point dropped 4 below, 6 left of the join.
void decimal_label(float x, float y, bool right_aligned) {
    if (G.A1 == 0 || !helpers::fifth_step(G.A1)) return;
    G.KKAI$ = G.HH1 == 0 ? G.P1$ : G.P1$ + G.P2$;
    G.YMOTO = 0;
    const float n = $PfKLEN(G.KKAI$);
    G.DSM1 = right_aligned ? x - n * G.NAGASA : x - (n / 2) * G.NAGASA;
    G.DSM2 = y;
    put_text(G.KKAI$, 2, 1);
    if (G.HH1 == 0) return;
    G.DSM1 = G.DSM1 + $PfKLEN(G.P1$) * G.NAGASA - 6;
    G.DSM2 = y + 4;
    put_text(".", 2, 1);
}

}  // namespace

void DRAW_AXIS_DECIMAL_LABELS() {
    FE$SETFONTSIZE(0, G.NAGASA);
    helpers::count_up(G.A1, G.TBSI, G.JYOUK, [] {
        decimal_parts(G.R1B_GRAPH);
        decimal_label(G.HH + G.AAAX * G.A1, G.GX1 + 4, false);
    });
    helpers::count_up(G.A1, G.TBSIYAKY, G.t000C, [] {
        decimal_parts(G.RTASKAI2);
        decimal_label(G.HH, G.GX1 - G.AAAX * G.A1 - G.NAGASA / 2, true);
    });
    FE$SETFONTSIZE(0, 16);
}
