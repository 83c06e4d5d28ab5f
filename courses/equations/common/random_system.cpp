#include "courses/equations/common/random_system.h"

#include <cmath>

namespace {

// A random whole number from 1 to k.
float random_from_one(float k) { return plat::random_whole(k, 1); }

// Negates `value` on a draw of 0 (half the time); the draw stays in XW.
void random_sign(float& value) {
    G.XW = plat::random_whole(2, 0);
    if (G.XW == 0) value = -value;
}

// Takes one of the first k of the n live pool entries and closes the gap,
// so that the live pool is the first n - 1 entries afterwards.
float pool_pick(float k, float n) {
    G.TATE = random_from_one(k);
    const float picked = G.GY5(G.TATE);
    for (G.A1 = G.TATE; G.A1 <= n - 1; G.A1 = G.A1 + 1) G.GY5(G.A1) = G.GY5(G.A1 + 1);
    return picked;
}

bool divides(float a, float b) {
    return std::fmod(std::fabs(b), std::fabs(a)) == 0;
}

void swap_values(float& a, float& b) {
    const float t = a;
    a = b;
    b = t;
}

}  // namespace

void MAKE_RANDOM_SYSTEM() {
    for (;;) {
        // The solution, each unknown from -5 to -1 or 1 to 5.
        G.DSM1 = random_from_one(5);
        G.DSM2 = random_from_one(5);
        random_sign(G.DSM1);
        random_sign(G.DSM2);

        // The pool is refilled on every attempt; 7 comes before 6 on purpose,
        // and picks reach only the first entries, so 8 and 9 never come out.
        const float pool[7] = {2, 3, 5, 7, 6, 8, 9};
        for (int i = 0; i < 7; ++i) G.GY5(static_cast<float>(i + 1)) = pool[i];

        G.GX3(1) = pool_pick(3, 7);
        random_sign(G.GX3(1));
        G.GX3(3) = pool_pick(2, 6);
        random_sign(G.GX3(3));
        G.GX3(2) = pool_pick(3, 5);
        random_sign(G.GX3(2));
        G.GX3(4) = pool_pick(2, 4);
        random_sign(G.GX3(4));

        // A coefficient that divides the other of its unknown would make the
        // elimination trivial: draw the whole system again.
        if (divides(G.GX3(3), G.GX3(1)) || divides(G.GX3(1), G.GX3(3)) ||
            divides(G.GX3(4), G.GX3(2)) || divides(G.GX3(2), G.GX3(4)))
            continue;

        // Shuffle: swap the unknowns, the equations, both, or neither.
        G.TATE = random_from_one(4);
        if (G.TATE == 2 || G.TATE == 3) {
            swap_values(G.GX3(1), G.GX3(3));
            swap_values(G.GX3(2), G.GX3(4));
        }
        if (G.TATE == 1 || G.TATE == 3) {
            swap_values(G.GX3(1), G.GX3(2));
            swap_values(G.GX3(3), G.GX3(4));
        }

        G.GY3(1) = G.GX3(1) * G.DSM1 + G.GX3(2) * G.DSM2;
        G.GY3(2) = G.GX3(3) * G.DSM1 + G.GX3(4) * G.DSM2;
        return;
    }
}
