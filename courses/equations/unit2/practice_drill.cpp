// Section ⑦: the unit's closing drill. Problems alternate between a letter
// that adding removes (the first, third, ... of a visit) and one that
// subtracting removes; it ends with the definition of the method.
#include <cmath>

#include "courses/equations/common/random_system.h"
#include "courses/equations/unit2/unit2.h"
#include "engine/shell/page.h"
#include "engine/solver/hand_over.h"

using namespace page;

void PRACTICE_SYSTEM() {
    using namespace random_system;
    solution_draw();
    refill_pool();
    G.GX3(1) = pool_pick(5, 7);
    random_sign(G.GX3(1));
    G.GX3(2) = pool_pick(4, 6);
    random_sign(G.GX3(2));
    G.GX3(4) = pool_pick(3, 5);
    random_sign(G.GX3(4));
    // x's pair: opposite on an odd problem, equal on an even one.
    G.GX3(3) = std::fmod(G.TKAI1, 2.0f) == 1 ? -G.GX3(1) : G.GX3(1);
    shuffle();
    // The magnitudes keep both right sides within 65: the bound never rejects.
    right_sides_within_bound();
}

void UNIT2_PRACTICE_LOOP() {
    clear(0, 0, 1600, 1800);
    G.TKAI1 = 1;
    drill(
        [] {
            PRACTICE_SYSTEM();
            G.B1 = 40;
            G.B2 = 30;
            clear(0, 0, 1320, 1300);
            at(3, G.B1, G.B2, SJ("連立方程式を解きなさい。"));
            G.II = 600;
            G.B2 = 30;
            at(3, G.II, G.B2, SJ("例1　"));
            G.GY3(31) = G.DSM2;
            solve(drawn_system(), {}, {}, 1);
            G.AA = 0;
        },
        [] { G.TKAI1 = G.TKAI1 + 1; });
    pause();

    // The definition of the method, over the last problem.
    G.II = 40;
    G.B1 = G.II + 40;
    G.B2 = G.GY3(31);
    at(5, G.II, G.B2 + 60, SJ("加減法"));
    line(0, 50, SJ("連立方程式を解くのに、"));
    line(0, 50, SJ("左辺どうし、"));
    line(0, 50, SJ("右辺どうしをそれぞれ、"));
    line(0, 50, SJ("たすかひくかして、"));
    line(0, 50, SJ("1つの文字を消去する方法"));
    pause();
    at(3, G.II, G.B2 + 80, SJ("教科書P41 問3　をしなさい。"));
}
