// Arrows and the dimension of a step between two points of a graph: the run
// and the rise as arrows, labelled with their lengths in graph units.
#include <cmath>
#include <utility>

#include "engine/helpers/helpers.h"
#include "engine/helpers/internal.h"
#include "engine/platform/draw.h"
#include "engine/text/text.h"

namespace {

// The shaft from the tail (LT1, XI1) to the tip (AIDA1, YY1) and an open
// head at the tip. Ends that coincide give no direction: the shaft only.
void shaft_and_head() {
    draw::line(G.LT1, G.XI1, G.AIDA1, G.YY1, G.NO);
    G.CCC0 = G.AIDA1 - G.LT1;
    G.HENK3 = G.YY1 - G.XI1;
    G.MOTOA = std::sqrt(G.CCC0 * G.CCC0 + G.HENK3 * G.HENK3);
    if (G.MOTOA == 0) return;
    G.CY = G.CCC0 / G.MOTOA;
    G.CCC2 = G.HENK3 / G.MOTOA;
    G.DY = G.AIDA1 - G.LCM1 * G.CY;
    G.Y22 = G.YY1 - G.LCM1 * G.CCC2;
    G.AAA = G.DY - (G.LCM1 / 2) * G.CCC2;
    G.FMAESU = G.Y22 + (G.LCM1 / 2) * G.CY;
    G.ZY1 = G.DY + (G.LCM1 / 2) * G.CCC2;
    G.KAKKO1 = G.Y22 - (G.LCM1 / 2) * G.CY;
    draw::line(G.AAA, G.FMAESU, G.AIDA1, G.YY1, G.NO);
    draw::line(G.ZY1, G.KAKKO1, G.AIDA1, G.YY1, G.NO);
}

void swap_ends() {
    std::swap(G.AIDA1, G.LT1);
    std::swap(G.YY1, G.XI1);
}

}  // namespace

void DRAW_DIMENSION_SEGMENT() {
    if (G.IROIRO != -1) swap_ends();
    shaft_and_head();
    if (G.TXM == 2) {
        G.TXM = 0;
        swap_ends();
        shaft_and_head();
    }
    G.IROIRO = 0;
}

void DRAW_DIMENSION() {
    if (G.LT2 > G.B2_DIMENSION) {
        std::swap(G.LT2, G.B2_DIMENSION);
        std::swap(G.GX4, G.GX5);
    }
    FE$SETDRAWWIDTH(0, 4);
    G.AIDA1 = G.LT2, G.YY1 = G.GX4, G.LT1 = G.B2_DIMENSION, G.XI1 = G.GX4;
    G.IROIRO = 1, G.NO = 7, G.LCM1 = 16;
    DRAW_DIMENSION_SEGMENT();
    G.AIDA1 = G.B2_DIMENSION, G.YY1 = G.GX4, G.LT1 = G.B2_DIMENSION, G.XI1 = G.GX5;
    G.IROIRO = 1, G.NO = 3, G.LCM1 = 16;
    DRAW_DIMENSION_SEGMENT();
    // A leg of no length or no scale has no length to tell.
    if (G.AAAX == 0 || G.LT2 == G.B2_DIMENSION || G.GX4 == G.GX5) {
        G.t0012$.clear();
        G.MUKI$.clear();
        return;
    }
    G.t0012$ = helpers::number_text((G.B2_DIMENSION - G.LT2) / G.AAAX);
    // The rise shows its zero before the point (".5" reads "0.5").
    Str rise = helpers::number_text((G.GX4 - G.GX5) / G.AAAX);
    if (rise.starts_with(".")) rise = "0" + rise;
    if (rise.starts_with("-.")) rise = "-0" + rise.substr(1);
    G.MUKI$ = rise;
    if ($PfKMID24(G.DX$, 1, 1) == "y") DRAW_DIMENSION_LABEL_X();
    if ($PfKMID24(G.DX$, 2, 1) == "y") DRAW_DIMENSION_LABEL_Y();
}

void DRAW_DIMENSION_LABEL_X() {
    // Above the run arrow when the step rises, below it otherwise.
    G.DSM2 = G.GX4 > G.GX5 ? G.GX4 - 44 : G.GX4;
    G.YMOTO = 7;
    G.DSM1 = (G.LT2 + G.B2_DIMENSION) / 2 - 14;
    G.KKAI$ = G.t0012$;
    MU();
}

void DRAW_DIMENSION_LABEL_Y() {
    G.YMOTO = 3;
    G.DSM1 = G.B2_DIMENSION;
    G.DSM2 = (G.GX4 + G.GX5) / 2 - 16;
    G.KKAI$ = G.MUKI$;
    MU();
}
