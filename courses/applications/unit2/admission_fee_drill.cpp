// Section ①: a drill of admission-fee problems. Each problem draws an adult
// fee, a child fee of 50 to 70 % of it and two groups of visitors, shows
// the problem on the right half, builds its two equations on the left half,
// lets the solver work the system on the right and writes the answer.
#include "courses/applications/unit2/unit2.h"
#include "engine/shell/page.h"
#include "engine/solver/hand_over.h"

using namespace page;

namespace {

// Six draws in this order: the adult-fee step k, the child fee's tenths p,
// then the two groups. The fees pass through DSM1 and DSM2.
void make_problem() {
    G.DSM1 = plat::random_whole(5, 5);
    G.DSM2 = plat::random_whole(3, 5);
    G.DSM1 = G.DSM1 * 100 + 1000;
    G.DSM2 = G.DSM1 * G.DSM2 / 10;
    G.T(1) = plat::random_whole(4, 3);
    G.T(2) = plat::random_whole(2, 1);
    G.T(3) = plat::random_whole(2, 1);
    G.T(4) = plat::random_whole(4, 3);
    G.F(1) = G.T(1) * G.DSM1 + G.T(2) * G.DSM2;
    G.F(2) = G.T(3) * G.DSM1 + G.T(4) * G.DSM2;

    NUMBERS_TO_TEXT();
    // A coefficient of 1 is not written.
    for (float k = 1; k <= 4; ++k) G.A1$(k + 10) = G.T(k) == 1 ? Str() : G.A1$(k);
}

// One group: "おとな a人と小学生 b人で c円".
Str group(float adults, float children, float total) {
    return SJ("おとな") + G.A1$(adults) + SJ("人と小学生") + G.A1$(children) + SJ("人で") + G.TITLE$(total) + SJ("円");
}

void show_problem() {
    G.II = 620;
    G.B2 = 30;
    clear(620, 0, 1600, 1800);
    at(3, G.II, G.B2, SJ("例題1 "));
    cont(0, SJ("あるレジャー施設の入園料は、"));
    at(0, G.II, G.B2 + 50, SJ("おとな") + G.A1$(1) + SJ("人と小学生") + G.A1$(2) + SJ("人で"));
    at(0, G.II, G.B2 + 50, G.TITLE$(1) + SJ("円、おとな") + G.A1$(3) + SJ("人と小学生"));
    at(0, G.II, G.B2 + 50, G.A1$(4) + SJ("人で") + G.TITLE$(2) + SJ("円です。おとな1人と"));
    at(0, G.II, G.B2 + 50, SJ("小学生1人の入園料を求めなさい。"));
    pause();

    // The previous problem's left half stays until here.
    G.B1 = 30;
    G.B2 = 30;
    clear(0, 0, 620, 1800);
    at(7, G.B1, G.B2, SJ("おとな1人の入園料をx円,"));
    line(7, 50, SJ("小学生1人の入園料をy円とすると、"));
    pause();
    line(0, 50, group(1, 2, 1));
    pause();
    line(3, 50, G.A1$(11) + "x+" + G.A1$(12) + "y=" + G.TITLE$(1));
    pause();
    line(0, 50, group(3, 4, 2));
    pause();
    line(3, 50, G.A1$(13) + "x+" + G.A1$(14) + "y=" + G.TITLE$(2));
    const float second_equation_y = G.B2;  // the solver moves B2

    // The working replaces the problem text on the right half.
    G.II = 620;
    G.B1 = G.II + 81;
    G.B2 = 30;
    clear(620, 0, 1320, 1300);
    at(3, G.II, G.B2, SJ("式　"));
    // Every step of the working waits, and its closing pair line is left
    // out: the answer is written on the left. Both switches go back to 0 at
    // once, since other pages' working relies on them being 0.
    G.LLT = 1;
    solve({G.T(1), G.T(2), G.F(1), G.T(3), G.T(4), G.F(2)}, {}, {}, 1);
    G.AA = 0;
    G.LLT = 0;

    G.B1 = 30;
    G.B2 = second_equation_y + 50;
    pause();
    line(0, 50, SJ("これらは問題にあっている。"));
    pause();
    line(5, 50, SJ("答　おとな1人") + G.REI0Y$ + SJ("円"));
    at(5, G.B1 + 76, G.B2 + 50, SJ("小学生1人") + G.N$ + SJ("円"));
}

}  // namespace

void ADMISSION_FEE_LOOP() {
    clear(0, 0, 1600, 1800);
    draw::set_width(5);
    drill([] {
        make_problem();
        show_problem();
    });
    at(7, 44, 570, SJ("教科書P50 問2　をしなさい。"));
}
