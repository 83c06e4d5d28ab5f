// Directions of segments and rays, labels on the bisector of two rays, and
// the dotted half-ellipse over a segment that the route diagrams draw.
#include <cmath>
#include <utility>

#include "engine/helpers/helpers.h"
#include "engine/helpers/internal.h"
#include "engine/platform/draw.h"
#include "engine/text/text.h"

namespace helpers {

float direction_angle(float dx, float dy) {
    if (dy > 0) return 3 * G.AX / 2 + std::atan(dx / dy);
    if (dy < 0) return G.AX / 2 + std::atan(dx / dy);
    return dx > 0 ? 0.0f : G.AX;
}

void end_label() {
    G.TYY = 0;
    G.ZY0$.clear();
    G.EX = 0;
    G.EY = 0;
    G.LCM1 = 0;
    G.XI5 = 0;
}

Str number_text(float value) {
    G.A$ = $PfSTR244(value);
    STRIP_SPACES();
    return G.A$;
}

bool fifth_step(float counter) { return std::lrint(counter) % 5 == 0; }

}  // namespace helpers

void SEGMENT_DIRECTION() {
    G.AX = helpers::kPi;
    G.NAGASA1 = helpers::direction_angle(G.AAA - G.AIDA1, G.FMAESU - G.YY1);
    G.t0004 = G.NAGASA1 * 180 / G.AX;
}

void ARC_ANGLES() {
    G.AX = helpers::kPi;
    const float first = helpers::direction_angle(G.AAA - G.AIDA1, G.FMAESU - G.YY1);
    G.XX1 = 1 - first / (2 * G.AX);
    G.ZX1 = first;
    const float second = helpers::direction_angle(G.ZY1 - G.AIDA1, G.KAKKO1 - G.YY1);
    G.ZX0 = 1 - second / (2 * G.AX);
    G.ZX2 = second;
    G.NAGASA1 = second;
    if (G.TYY == -1) {
        std::swap(G.XX1, G.ZX0);
        std::swap(G.ZX1, G.ZX2);
    }
    G.ZY2 = (G.ZX1 + G.ZX2) / 2;
    if (G.ZX2 < G.ZX1) G.ZY2 += G.AX;
}

void ARC_LABEL() {
    // The measuring must not disturb the tall-bracket switch the label is
    // drawn with.
    const float aa1 = G.AA1;
    G.A$ = G.ZY0$;
    MEASURE_TEXT();
    G.AA1 = aa1;
    ARC_ANGLES();
    G.SOSU1 = $PfKINSTR(1, G.ZY0$, SJ("ﾀ"));
    G.CCC2 = G.SOSU1 > 0 ? 40.0f : 22.0f;
    // One formula for every direction: the box touches the anchor with the
    // side that faces the vertex and is centred across the bisector.
    const float c = std::cos(G.ZY2), s = std::sin(G.ZY2);
    G.DSM1 = G.AIDA1 + G.LCM1 * c + G.TY * (c / 2 - 0.5f) + G.EX;
    G.DSM2 = G.YY1 - G.LCM1 * s - 2 * G.CCC2 * (s / 2 + 0.5f) + G.EY;
    G.KKAI$ = G.ZY0$;
    if (G.XI5 == 1) SHOW_SMALL_TEXT();
    else MU();
    helpers::end_label();
}

namespace {

// The point at `degrees` on the level half-ellipse centred on (ZY1, KAKKO1),
// turned about the first end point (AIDA1, YY1) by the segment's direction
// ZX4, into (LT1, XI1).
void arc_point(float degrees) {
    const float t = degrees * G.AX / 180;
    G.HH5 = G.ZY1 + G.HH3 * std::cos(t);
    // Y itself, not a ratio to HH3 applied to HH3, so that no length divides.
    G.ITI = G.KAKKO1 - G.Y * std::sin(t);
    G.AAA = G.HH5;
    G.FMAESU = G.ITI;
    SEGMENT_DIRECTION();
    G.CCC0 = G.HH5 - G.AIDA1;
    G.HENK3 = G.ITI - G.YY1;
    G.t0001 = std::sqrt(G.CCC0 * G.CCC0 + G.HENK3 * G.HENK3);
    G.LT1 = G.AIDA1 + G.t0001 * std::cos(G.ZX4 + G.NAGASA1);
    G.XI1 = G.YY1 - G.t0001 * std::sin(G.ZX4 + G.NAGASA1);
}

}  // namespace

void DOTTED_SEMICIRCLE() {
    if (G.Y > 0 && G.Y < 16) G.Y = G.Y * 16;
    else if (G.Y < 0) G.Y = std::fabs(G.Y);
    G.DR = G.AIDA1;
    G.MU_DO = G.YY1;
    G.ZY11 = G.AAA;
    G.HAN = G.FMAESU;
    G.CCC0 = G.AAA - G.AIDA1;
    G.HENK3 = G.FMAESU - G.YY1;
    G.HH3 = std::sqrt(G.CCC0 * G.CCC0 + G.HENK3 * G.HENK3) / 2;
    if (G.HH3 == 0) {
        // No segment, so no arc and nothing to label.
        helpers::end_label();
        return;
    }
    G.ZY1 = G.AIDA1 + G.HH3;
    G.KAKKO1 = G.YY1;
    SEGMENT_DIRECTION();
    G.ZX4 = G.NAGASA1;
    if (G.FY > 0) {
        G.XI3 = 180;
        G.ZX11 = 360;
    } else {
        G.XI3 = 0;
        G.ZX11 = 180;
    }
    // Both ends get a dot; the step and the bound are read once. A step
    // that does not advance draws the first dot only.
    G.D2 = G.TANI;
    G.O = G.ZX11;
    G.A1 = G.XI3;
    for (;;) {
        arc_point(G.A1);
        draw::dot(G.LT1, G.XI1, G.NO);
        G.A1 += G.D2;
        if (G.D2 <= 0 || G.A1 > G.O) break;
    }
    arc_point((G.XI3 + G.ZX11) / 2);
    G.AIDA1 = G.LT1;
    G.YY1 = G.XI1;
    G.AAA = G.DR;
    G.FMAESU = G.MU_DO;
    G.ZY1 = G.ZY11;
    G.KAKKO1 = G.HAN;
    G.LCM1 = 0;
    G.TYY = G.FY;
    ARC_LABEL();
    G.ZY0$.clear();
}
