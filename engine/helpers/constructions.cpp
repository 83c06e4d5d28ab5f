// Point constructions: the foot of a perpendicular, the meeting point of two
// lines, where a line crosses a given x or y, and a point on the half-ellipse
// raised over a segment.
#include <cmath>

#include "engine/helpers/helpers.h"
#include "engine/helpers/internal.h"
#include "engine/platform/draw.h"

void FOOT_OF_PERPENDICULAR() {
    if (G.HENK1 == G.DB2) {
        G.DY = G.DB2;
        G.Y22 = G.HENK3;
    } else if (G.CX == G.BX) {
        G.DY = G.CCC0;
        G.Y22 = G.BX;
    } else {
        G.TBSI = (G.CX - G.BX) / (G.HENK1 - G.DB2);
        G.TBSIYAKY = G.BX - G.TBSI * G.DB2;
        G.JYOUK = -1 / G.TBSI;
        G.t000C = G.HENK3 - G.JYOUK * G.CCC0;
        G.DY = (G.t000C - G.TBSIYAKY) / (G.TBSI - G.JYOUK);
        G.Y22 = (G.TBSI * G.t000C - G.JYOUK * G.TBSIYAKY) / (G.TBSI - G.JYOUK);
    }
    draw::disc(G.DY, G.Y22, 2, 15);
}

void LINE_INTERSECTION() {
    // A vertical line is reported with the slope 1000, but known by a flag
    // of its own: a line that really rises 1000 to 1 is not vertical.
    bool l_vertical = false, m_vertical = false;
    if (G.CX == G.BX) {
        G.GX2 = 0;
        G.GY2 = G.BX;
    } else if (G.HENK1 == G.DB2) {
        G.GX2 = 1000;
        G.AY1 = G.DB2;
        l_vertical = true;
    } else {
        G.GX2 = (G.CX - G.BX) / (G.HENK1 - G.DB2);
        G.GY2 = G.BX - G.GX2 * G.DB2;
    }
    if (G.HENK3 == G.CCC2) {
        G.B1_LINE2 = 0;
        G.AA1_LINE2 = G.HENK3;
    } else if (G.CCC0 == G.CY) {
        G.B1_LINE2 = 1000;
        G.AY1 = G.CCC0;
        m_vertical = true;
    } else {
        G.B1_LINE2 = (G.CCC2 - G.HENK3) / (G.CY - G.CCC0);
        G.AA1_LINE2 = G.HENK3 - G.B1_LINE2 * G.CCC0;
    }
    if (l_vertical && m_vertical) return;
    if (l_vertical) {
        G.BY1 = G.B1_LINE2 * G.AY1 + G.AA1_LINE2;
        return;
    }
    if (m_vertical) {
        G.BY1 = G.GX2 * G.AY1 + G.GY2;
        return;
    }
    if (G.GX2 == G.B1_LINE2) return;  // parallel
    G.AY1 = (G.GY2 - G.AA1_LINE2) / (G.B1_LINE2 - G.GX2);
    G.BY1 = (-G.GX2 * (G.AA1_LINE2 - G.GY2) + (G.B1_LINE2 - G.GX2) * G.GY2) / (G.B1_LINE2 - G.GX2);
}

void AXIS_CROSSING_POINT() {
    if (G.HENK1 == G.DB2) {
        G.DS1 = G.DB2;
        G.AINP_AUX = G.HENK3;
        return;
    }
    if (G.BX == G.CX) {
        G.DS1 = G.CCC0;
        G.AINP_AUX = G.BX;
        return;
    }
    G.XG = (G.CX - G.BX) / (G.HENK1 - G.DB2);
    G.B = G.BX - G.XG * G.DB2;
    if (G.CCC0 < 0) {
        G.DS1 = (G.HENK3 - G.B) / G.XG;
        G.AINP_AUX = G.HENK3;
    }
    if (G.HENK3 < 0) {
        G.AINP_AUX = G.XG * G.CCC0 + G.B;
        G.DS1 = G.CCC0;
    }
}

void ROTATED_POINT() {
    G.DR = G.AIDA1;
    G.MU_DO = G.YY1;
    G.ZY11 = G.AAA;
    G.HAN = G.FMAESU;
    G.CCC0 = G.AAA - G.AIDA1;
    G.HENK3 = G.FMAESU - G.YY1;
    G.HH3 = std::sqrt(G.CCC0 * G.CCC0 + G.HENK3 * G.HENK3) / 2;
    G.ZY1 = G.AIDA1 + G.HH3;
    G.KAKKO1 = G.YY1;
    SEGMENT_DIRECTION();
    G.ZX4 = G.NAGASA1;
    G.t0004 = G.KAKUDO * G.AX / 180;
    const float theta = G.t0004;
    G.HH5 = G.ZY1 + G.HH3 * std::cos(theta);
    G.ITI = G.KAKKO1 - G.Y * std::sin(theta);
    G.AAA = G.HH5;
    G.FMAESU = G.ITI;
    SEGMENT_DIRECTION();
    G.t0001 = std::sqrt((G.HH5 - G.AIDA1) * (G.HH5 - G.AIDA1) + (G.ITI - G.YY1) * (G.ITI - G.YY1));
    if (G.HH3 == 0) {
        // A segment without length has no half-ellipse: its only point is P.
        G.LT1 = G.AIDA1;
        G.XI1 = G.YY1;
        return;
    }
    G.LT1 = G.AIDA1 + G.t0001 * std::cos(G.ZX4 + G.NAGASA1);
    G.XI1 = G.YY1 - G.t0001 * std::sin(G.ZX4 + G.NAGASA1);
}

void LETTER_KEY_MAP() {
    static const char* const keys[] = {"Q", "W", "E", "R", "T", "@", "I", "[", "]", "S"};
    for (int k = 0; k < 10; ++k) {
        if (G.I$ == keys[k]) {
            G.SETU = 1;
            G.TANI_KEY = static_cast<float>(k + 1);
            return;
        }
    }
    G.SETU = 0;
}
