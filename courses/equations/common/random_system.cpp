#include "courses/equations/common/random_system.h"

#include <cmath>

namespace random_system {

namespace {

bool divides(float a, float b) { return std::fmod(std::fabs(b), std::fabs(a)) == 0; }

void swap_values(float& a, float& b) {
    const float t = a;
    a = b;
    b = t;
}

}  // namespace

void solution_draw() {
    G.DSM1 = plat::random_whole(5, 1);
    G.DSM2 = plat::random_whole(5, 1);
    random_sign(G.DSM1);
    random_sign(G.DSM2);
}

void random_sign(float& value) {
    G.XW = plat::random_whole(2, 0);
    if (G.XW == 0) value = -value;
}

void refill_pool() {
    // 7 comes before 6 on purpose: the picks reach only the first entries.
    const float pool[7] = {2, 3, 5, 7, 6, 8, 9};
    for (int i = 0; i < 7; ++i) G.GY5(static_cast<float>(i + 1)) = pool[i];
}

float pool_pick(float k, float n) {
    G.TATE = plat::random_whole(k, 1);
    const float picked = G.GY5(G.TATE);
    for (G.A1 = G.TATE; G.A1 <= n - 1; G.A1 = G.A1 + 1) G.GY5(G.A1) = G.GY5(G.A1 + 1);
    return picked;
}

void shuffle() {
    G.TATE = plat::random_whole(4, 1);
    if (G.TATE == 2 || G.TATE == 3) {
        swap_values(G.GX3(1), G.GX3(3));
        swap_values(G.GX3(2), G.GX3(4));
    }
    if (G.TATE == 1 || G.TATE == 3) {
        swap_values(G.GX3(1), G.GX3(2));
        swap_values(G.GX3(3), G.GX3(4));
    }
}

bool right_sides_within_bound() {
    G.GY3(1) = G.GX3(1) * G.DSM1 + G.GX3(2) * G.DSM2;
    G.GY3(2) = G.GX3(3) * G.DSM1 + G.GX3(4) * G.DSM2;
    return std::fabs(G.GY3(1)) <= 99 && std::fabs(G.GY3(2)) <= 99;
}

}  // namespace random_system

void MAKE_RANDOM_SYSTEM() {
    using namespace random_system;
    for (;;) {
        solution_draw();
        // Picks reach only the first entries of the pool, so 8 and 9 never
        // come out.
        refill_pool();
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
        if (divides(G.GX3(3), G.GX3(1)) || divides(G.GX3(1), G.GX3(3)) || divides(G.GX3(4), G.GX3(2)) ||
            divides(G.GX3(2), G.GX3(4)))
            continue;

        shuffle();
        if (right_sides_within_bound()) return;
    }
}
