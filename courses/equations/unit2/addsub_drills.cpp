// Sections ③ and ⑤: twin drills on systems in which one letter has the
// coefficient 1 or -1 in both equations, the same in ③ (subtracting removes
// it) and opposite in ⑤ (adding removes it).
#include <cmath>

#include "courses/equations/common/random_system.h"
#include "courses/equations/unit2/unit2.h"
#include "engine/shell/page.h"
#include "engine/solver/hand_over.h"

using namespace page;

namespace unit2 {
float XT = 0;
const bool registered = on_reset_globals([] { XT = 0; });
}  // namespace unit2

namespace {

// Negates `value` on a coin of 0; the coin stays in t0001.
void coefficient_sign(float& value) {
    G.t0001 = plat::random_whole(2, 0);
    if (G.t0001 == 0) value = -value;
}

void swap_values(float& a, float& b) {
    const float t = a;
    a = b;
    b = t;
}

// One drill: a new system worked by the solver, until the student types 1;
// then the pointer to the textbook question.
void addsub_drill(float xt, const Str& right_sides, const Str& label, const Str& closing) {
    clear(0, 0, 1600, 1800);
    drill([&] {
        unit2::XT = xt;
        RANDOM_ADDSUB_SYSTEM();
        drill_problem({SJ("左辺どうし、"), right_sides, SJ("連立方程式を解きなさい。")}, 600, label);
    });
    pause();
    at(7, 44, 540, closing);
}

}  // namespace

void RANDOM_ADDSUB_SYSTEM() {
    random_system::solution_draw();
    G.T(1) = plat::random_whole(5, 1);
    coefficient_sign(G.T(1));
    G.T(2) = 1;
    coefficient_sign(G.T(2));
    G.T(3) = plat::random_whole(5, 2);
    coefficient_sign(G.T(3));
    // Equal magnitudes would remove both letters at once: move a2 by one on
    // its signed value (3 to 4, -3 to -2, -2 to -1).
    if (std::fabs(G.T(1)) == std::fabs(G.T(3))) G.T(3) = G.T(3) + 1;
    G.T(4) = unit2::XT == -1 ? G.T(2) : -G.T(2);
    // Half the time the ±1 letter is x.
    G.XW = plat::random_whole(2, 0);
    if (G.XW == 0) {
        swap_values(G.T(1), G.T(2));
        swap_values(G.T(3), G.T(4));
    }
    for (int i = 1; i <= 4; ++i) G.GX3(static_cast<float>(i)) = G.T(static_cast<float>(i));
    G.GY3(1) = G.GX3(1) * G.DSM1 + G.GX3(2) * G.DSM2;
    G.GY3(2) = G.GX3(3) * G.DSM1 + G.GX3(4) * G.DSM2;
}

void UNIT2_SUBTRACT_LOOP() {
    addsub_drill(-1, SJ("右辺どうしをひいて、"), SJ("練習"), SJ("教科書P40 問1　をしなさい。"));
}

void UNIT2_ADD_LOOP() { addsub_drill(1, SJ("右辺どうしをたして、"), SJ("例1"), SJ("教科書P40 問2　をしなさい。")); }
