// Graph paper with every fifth line heavy, and polygons from the vertex
// table with their vertices labelled.
#include <cmath>

#include "engine/helpers/helpers.h"
#include "engine/helpers/internal.h"
#include "engine/platform/draw.h"

void DRAW_GRID() {
    G.B4 = FE$GETDRAWWIDTH(0);
    G.AX = helpers::kPi;
    // The plane's frame, which the graph routines read: edges and origin.
    G.AIDA = G.TA1;
    G.ZX = G.TA2;
    G.GY1 = G.AAAX * G.RR + G.AIDA;
    G.ZY = G.AAAX * G.X8 + G.ZX;
    G.HH = G.AIDA;
    G.GX1 = G.ZY;
    if (G.NO != 15) {
        G.TKAI2 = 14;
        auto pen = [] {
            const bool heavy = helpers::fifth_step(G.A1);
            FE$SETDRAWWIDTH(0, heavy ? 3 : 1);
            return heavy ? G.TKAI2 : G.NO;
        };
        G.YOKO = G.RR;
        helpers::count_up(G.A1, 0, G.YOKO, [&] {
            const float x = G.AAAX * G.A1 + G.AIDA;
            const float colour = pen();
            draw::line(x, G.ZX, x, G.ZY, colour);
        });
        G.GX0 = G.X8;
        helpers::count_up(G.A1, 0, G.GX0, [&] {
            const float y = G.ZY - G.AAAX * G.A1;
            const float colour = pen();
            draw::line(G.AIDA, y, G.GY1, y, colour);
        });
    }
    FE$SETDRAWWIDTH(0, G.B4);
}

namespace {

// Vertex `k` of the polygon, its next and the one after, as the rays of a
// label at k: the label lies on the bisector, the rays taken swapped.
void label_vertex(float k, const Str& text) {
    G.GGX = k + 1;
    if (G.GGX > G.t0006) G.GGX -= G.t0006;
    G.GGY = k + 2;
    if (G.GGY > G.t0006) G.GGY -= G.t0006;
    G.AIDA1 = G.R1A(k, 1), G.YY1 = G.R1A(k, 2);
    G.AAA = G.R1A(G.GGX, 1), G.FMAESU = G.R1A(G.GGX, 2);
    G.ZY1 = G.R1A(G.GGY, 1), G.KAKKO1 = G.R1A(G.GGY, 2);
    G.TYY = -1;
    G.LCM1 = G.B_ANGLE;
    G.ZY0$ = text;
    ARC_LABEL();
}

// The character `steps` codes after `first`: a half-width character by its
// byte, a double-byte one (such as a full-width letter) by its trail byte.
Str letter_after(float code, float steps) {
    const int c = static_cast<int>(code + steps);
    if (code > 255) return Str{static_cast<char>(c >> 8), static_cast<char>(c & 0xFF)};
    return Str(1, static_cast<char>(c & 0xFF));
}

}  // namespace

void VERTEX_LETTERS() {
    const Str first = plat::sj_chars(G.ZY0$).front();
    G.TA3 = first.size() == 2
                ? static_cast<float>(static_cast<unsigned char>(first[0]) * 256 + static_cast<unsigned char>(first[1]))
                : static_cast<float>(static_cast<unsigned char>(first[0]));
    G.t0009 = G.t0006;
    helpers::count_up(G.A1, 1, G.t0009, [] { label_vertex(G.A1, letter_after(G.TA3, G.A1 - 1)); });
}

void VERTEX_MARKS() {
    G.t000A = G.t0006;
    helpers::count_up(G.KJ1, 1, G.t000A, [] { label_vertex(G.KJ1, G.X$(G.KJ1)); });
}

void DRAW_POLYGON() {
    // Only 3 to 10 vertices have room in the vertex table; anything else
    // would close the polygon through vertices that were never given.
    if (G.t0006 < 3 || G.t0006 > 10 || G.t0006 != std::floor(G.t0006)) {
        G.ZY0$.clear();
        return;
    }
    // MU keeps its own width in B4, so the caller's is kept apart.
    const float width = FE$GETDRAWWIDTH(0);
    G.KAKU = G.t0006;
    helpers::count_up(G.A1, 1, G.KAKU, [] {
        G.GGX = G.A1 == G.t0006 ? 1 : G.A1 + 1;
        FE$SETDRAWWIDTH(0, G.NAGASA);
        draw::line(G.R1A(G.A1, 1), G.R1A(G.A1, 2), G.R1A(G.GGX, 1), G.R1A(G.GGX, 2), G.NO);
    });
    G.B_ANGLE = G.LCM1;
    if (G.ZY0$ == "1") VERTEX_MARKS();
    else if (!G.ZY0$.empty()) VERTEX_LETTERS();
    G.ZY0$.clear();
    FE$SETDRAWWIDTH(0, width);
}
