// Points and graphs on the plane that DRAW_AXES (or DRAW_GRID) leaves: a
// value pair (x, y) lies at (HH + AAAX x / R1B_GRAPH, GX1 - AAAX y / RTASKAI2).
#include <cmath>

#include "engine/helpers/helpers.h"
#include "engine/helpers/internal.h"
#include "engine/platform/draw.h"
#include "engine/text/text.h"

namespace {

void divisor_guard() {
    if (G.R1B_GRAPH == 0) G.R1B_GRAPH = 1;
    if (G.RTASKAI2 == 0) G.RTASKAI2 = 1;
}

// The graph's value at x by its kind: inverse proportion, y = a x^2, or
// the straight line for every other kind.
float graph_value(float x) {
    if (G.R1B1 == 1) return G.P2 / x;
    if (G.R1B1 == 2) return G.P2 * (x * x);
    return G.P2 * x + G.RABM;
}

void label_at_cursor() {
    G.YMOTO = G.TKAI2;
    G.DSM1 = G.DSM1 + G.TBBO;
    G.DSM2 = G.DSM2 + G.TBBOYAKX;
    G.KKAI$ = G.ZY0$;
    MU();
}

}  // namespace

void PLOT_POINT() {
    divisor_guard();
    G.HOUKOU = G.HH + G.AAAX * G.GX / G.R1B_GRAPH;
    G.N2 = G.GX1 - G.AAAX * G.GY / G.RTASKAI2;
    draw::disc(G.HOUKOU, G.N2, G.t0001, G.TKAI2);
    G.DSM1 = G.HOUKOU - 20;
    G.DSM2 = G.N2 - 40;
    label_at_cursor();
    G.TBBO = 0;
    G.TBBOYAKX = 0;
}

void DRAW_FUNCTION_GRAPH() {
    // MU keeps its own width in B4, so the caller's is kept apart.
    const float width = FE$GETDRAWWIDTH(0);
    divisor_guard();
    bool drawn = true;
    if (G.R1B1 == 4 && G.RABM == 0) {
        // a x = c: a vertical line, unless a is 0 too and there is no line.
        if (G.P2 != 0) {
            G.BAIX = G.BAIX / G.P2;
            DRAW_VERTICAL_GRAPH_LINE();
        } else {
            drawn = false;
        }
    } else if (G.R1B1 == 4) {
        G.P2 = -G.P2 / G.RABM;
        G.RABM = G.BAIX / G.RABM;
        G.R1B1 = 3;
        PLOT_FUNCTION_DOTS();
    } else {
        PLOT_FUNCTION_DOTS();
    }
    if (drawn) label_at_cursor();
    G.TBBO = 0;
    G.TBBOYAKX = 0;
    G.R1B_GRAPH = 1;
    G.RTASKAI2 = 1;
    FE$SETDRAWWIDTH(0, width);
}

void PLOT_FUNCTION_DOTS() {
    G.DS1 = G.TBSI;
    G.TANI = 5000;
    // Only the straight line may start at x = 0 exactly.
    if (G.R1B1 != 3 && G.DS1 == 0) G.DS1 = G.DS1 + 0.002f;
    G.AINP_AUX = graph_value(G.DS1);
    G.t0011 = G.DS1;
    G.RAB_PLOT = G.AINP_AUX;
    G.HHP = (G.JYOUK - G.TBSI) / G.TANI;
    G.t000B = G.TANI;
    helpers::count_up(G.A1, 0, G.t000B, [] {
        G.HOUKOU = G.HH + G.AAAX * G.t0011 / G.R1B_GRAPH;
        G.N2 = G.GX1 - G.AAAX * G.RAB_PLOT / G.RTASKAI2;
        if (G.N2 >= G.ZX && G.N2 <= G.ZY) {
            G.DSM1 = G.HOUKOU;
            G.DSM2 = G.N2;
            draw::disc(G.HOUKOU, G.N2, 1, G.TKAI2);
        }
        G.t0011 = G.t0011 + G.HHP;
        if (G.R1B1 != 3 && G.t0011 == 0) G.t0011 = G.t0011 + G.HHP;
        G.RAB_PLOT = graph_value(G.t0011);
    });
}

void DRAW_VERTICAL_GRAPH_LINE() {
    FE$SETDRAWWIDTH(0, 5);
    const float x = G.HH + G.AAAX * G.BAIX;
    draw::line(x, G.GX1 - G.AAAX * G.TBSIYAKY / G.RTASKAI2, x, G.GX1 - G.AAAX * G.t000C / G.RTASKAI2, G.TKAI2);
    G.DSM1 = x + 10;
    G.DSM2 = G.GX1 - G.AAAX * G.t000C / G.RTASKAI2;
}
