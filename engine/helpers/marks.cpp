// Marks on segments and angles: arrowheads beyond a dividing point, ticks for
// equal lengths, angle arcs and sectors with a label, an angle's size as
// text, and the corner mark of a right angle.
#include <cmath>

#include "engine/helpers/helpers.h"
#include "engine/helpers/internal.h"
#include "engine/platform/draw.h"
#include "engine/text/text.h"

namespace {

// The segment from (DB2, BX) to (HENK1, CX): its differences in CCC0,
// HENK3, its length in MOTOA and its unit direction in (CY, CCC2). False,
// with the direction untouched, when the two points coincide.
bool segment_direction() {
    G.CCC0 = G.HENK1 - G.DB2;
    G.HENK3 = G.CX - G.BX;
    G.MOTOA = std::sqrt(G.CCC0 * G.CCC0 + G.HENK3 * G.HENK3);
    if (G.MOTOA == 0) return false;
    G.CY = G.CCC0 / G.MOTOA;
    G.CCC2 = G.HENK3 / G.MOTOA;
    return true;
}

}  // namespace

void SEGMENT_ARROWS_AT_RATIO() {
    if (!segment_direction() || G.XG + G.B == 0) return;
    G.Y3 = G.DB2 + G.CCC0 * G.XG / (G.XG + G.B);
    G.Y4 = G.BX + G.HENK3 * G.XG / (G.XG + G.B);
    G.DY = G.Y3 - G.LCM1 * G.CY;
    G.Y22 = G.Y4 - G.LCM1 * G.CCC2;
    G.Y2 = G.DY - (G.LCM1 / 2) * G.CCC2;
    G.BX1 = G.Y22 + (G.LCM1 / 2) * G.CY;
    G.AY1 = G.DY + (G.LCM1 / 2) * G.CCC2;
    G.BY1 = G.Y22 - (G.LCM1 / 2) * G.CY;
    if (G.XX <= 0 || G.XX > 6) G.XX = 1;
    G.HONSU = G.XX;
    helpers::count_up(G.A1, 1, G.HONSU, [] {
        const float dx = 16 * G.CY, dy = 16 * G.CCC2;
        G.Y3 += dx, G.Y4 += dy;
        G.Y2 += dx, G.BX1 += dy;
        G.AY1 += dx, G.BY1 += dy;
        draw::line(G.Y2, G.BX1, G.Y3, G.Y4, G.NO);
        draw::line(G.AY1, G.BY1, G.Y3, G.Y4, G.NO);
    });
}

void SEGMENT_TICKS_AT_MIDDLE() {
    if (G.R == 0 || G.R > 30) G.R = 8;
    if (!segment_direction()) return;
    G.DY = (G.DB2 + G.HENK1) / 2 + G.TYY * G.CY;
    G.Y22 = (G.BX + G.CX) / 2 + G.TYY * G.CCC2;
    if (G.XX < 0 || G.XX > 6) G.XX = 1;
    G.D = G.R;
    G.t0002 = G.XX;
    helpers::count_up(G.A1, 1, G.t0002, [] {
        const float cx = G.DY + G.R * G.CY, cy = G.Y22 + G.R * G.CCC2;
        G.Y2 = cx + G.LCM1 * G.CCC2;
        G.BX1 = cy - G.LCM1 * G.CY;
        G.AY1 = cx - G.LCM1 * G.CCC2;
        G.BY1 = cy + G.LCM1 * G.CY;
        draw::line(G.Y2, G.BX1, G.AY1, G.BY1, G.NO);
        G.R += G.D;
    });
}

void ANGLE_MARK() {
    ARC_ANGLES();
    if (G.XX > 6) G.XX = 1;
    // Every arc turns counterclockwise on the page from the first ray to
    // the second: clockwise from the second's fraction to the first's. An
    // arc whose radius comes to nothing is left out.
    if (G.XX > 0) {
        G.B_ANGLE = G.LCM1;
        G.t0003 = G.XX;
        helpers::count_up(G.A1, 1, G.t0003, [] {
            G.B_ANGLE -= 8;
            if (G.B_ANGLE > 0) draw::arc(G.AIDA1, G.YY1, G.B_ANGLE, G.ZX0, G.XX1, G.TKAI2);
        });
    } else if (G.LCM1 > 0) {
        draw::sector(G.AIDA1, G.YY1, G.LCM1, G.ZX0, G.XX1, G.NO, G.TKAI2);
    }
    ARC_LABEL();
    G.TYY = 0;
    G.ZY0$.clear();
}

void ANGLE_VALUE_TEXT() {
    ARC_ANGLES();
    if (G.ZX2 < G.ZX1) G.ZX2 += 2 * G.AX;
    G.ZY2 = G.ZX2 - G.ZX1;
    G.t0004 = G.ZY2 * 180 / G.AX;
    // To the nearest tenth: pi taken as 3.14159 puts a right angle a little
    // above 90 and half of one a little below 45.
    const float tenths = std::round(G.t0004 * 10);
    G.A$ = $PfSTR244(tenths / 10);
    STRIP_SPACES();
    G.HH2$ = G.A$;
}

void ANGLE_CORNER_MARK() {
    ARC_ANGLES();
    G.HH5 = G.AIDA1 + G.LCM1 * std::cos(G.ZX1);
    G.ITI = G.YY1 - G.LCM1 * std::sin(G.ZX1);
    G.ZY3 = G.AIDA1 + G.LCM1 * std::cos(G.ZX2);
    G.I = G.YY1 - G.LCM1 * std::sin(G.ZX2);
    G.ZY4 = G.HH5 + G.LCM1 * std::cos(G.ZX2);
    G.待つ = G.ITI - G.LCM1 * std::sin(G.ZX2);
    draw::polyline({{G.HH5, G.ITI}, {G.ZY4, G.待つ}, {G.ZY3, G.I}}, G.NO);
}
