// Sections ② and ⑤: random drills in which one equation (②, the ratio
// system) or both (⑤, the coprime-pool system) must be multiplied.
#include <cmath>

#include "courses/equations/common/random_system.h"
#include "courses/equations/unit3/unit3.h"
#include "engine/shell/page.h"
#include "engine/solver/hand_over.h"

using namespace page;

namespace {

// A new system from `generator` worked by the solver, until the student
// types 1; then the pointer to the textbook question.
void unit3_drill(void (*generator)(), const Str& label, const Str& closing) {
    clear(0, 0, 1600, 1800);
    drill([&] {
        generator();
        drill_problem({SJ("連立方程式を解きなさい。")}, 560, label);
    });
    pause();
    at(3, 44, 610, closing);
}

}  // namespace

void RATIO_SYSTEM() {
    using namespace random_system;
    do {
        solution_draw();
        G.GX3(1) = plat::random_whole(2, 1);
        random_sign(G.GX3(1));
        G.GX3(5) = plat::random_whole(3, 2);
        G.GX3(3) = G.GX3(1) * G.GX3(5);
        random_sign(G.GX3(3));
        G.GX3(2) = plat::random_whole(3, 3);
        random_sign(G.GX3(2));
        G.GX3(4) = G.GX3(2) * G.GX3(5) - 3;
        random_sign(G.GX3(4));
        // b1 = 3 leaves |b2| = 3(m - 1), a multiple of b1 below m times it:
        // one less keeps the y pair from dividing.
        const float b1 = std::fabs(G.GX3(2)), b2 = std::fabs(G.GX3(4));
        if (std::fmod(b2, b1) == 0 && b2 / b1 < G.GX3(5)) G.GX3(4) = G.GX3(4) - 1;
        shuffle();
    } while (!right_sides_within_bound());
}

void UNIT3_EXAMPLE2_LOOP() { unit3_drill(RATIO_SYSTEM, SJ("例2　"), SJ("教科書P40 問4　をしなさい。")); }

void UNIT3_PROBLEMS_LOOP() { unit3_drill(MAKE_RANDOM_SYSTEM, SJ("例題1　"), SJ("教科書P42 問5　をしなさい。")); }
