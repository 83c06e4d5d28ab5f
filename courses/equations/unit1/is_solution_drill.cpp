// Section ④: a drill on whether a pair is a solution of a system. Each
// problem takes a random system with the pair that solves it and shifts each
// right side by a small amount that is more often zero than not, then checks
// the pair in both equations step by step.
#include "courses/equations/common/random_system.h"
#include "courses/equations/unit1/unit1.h"
#include "engine/shell/page.h"

using namespace page;

namespace {

// The shift of a right side: -2 to 6 equally likely, of which 3 to 6 count
// as 0, so that an equation holds 5 times in 9.
float right_side_shift() {
    G.XW = plat::random_whole(9, -2);
    if (G.XW > 2) G.XW = 0;
    return G.XW;
}

void make_problem() {
    MAKE_RANDOM_SYSTEM();
    G.T(1) = G.GX3(1);
    G.T(2) = G.GX3(2);
    G.T(3) = G.GY3(1);
    G.T(11) = G.GX3(3);
    G.T(12) = G.GX3(4);
    G.T(13) = G.GY3(2);
    G.F(1) = G.DSM1;
    G.F(2) = G.DSM2;

    G.T(3) = G.T(3) + right_side_shift();
    G.T(51) = G.XW == 0 ? 1 : 0;
    G.T(13) = G.T(13) + right_side_shift();
    G.T(52) = G.XW == 0 ? 1 : 0;
    G.T(50) = G.T(51) == 1 && G.T(52) == 1 ? 1 : 0;

    // The left sides at the pair.
    G.T(4) = G.T(1) * G.F(1);
    G.T(5) = G.T(2) * G.F(2);
    G.T(6) = G.T(4) + G.T(5);
    G.T(14) = G.T(11) * G.F(1);
    G.T(15) = G.T(12) * G.F(2);
    G.T(16) = G.T(14) + G.T(15);

    NUMBERS_TO_TEXT();
    for (float k : {2.0f, 5.0f, 12.0f, 15.0f})
        if (G.T(k) > 0) G.A1$(k) = "+" + G.A1$(k);
    for (float k : {1.0f, 2.0f}) G.TITLE$(k + 10) = G.F(k) < 0 ? "(" + G.TITLE$(k) + ")" : G.TITLE$(k);
    G.A1$(51) = G.T(51) == 1 ? SJ("=右辺") : SJ("≠右辺");
    G.A1$(52) = G.T(52) == 1 ? SJ("=右辺") : SJ("≠右辺");
    G.A1$(50) = G.T(50) == 1 ? SJ("どの方程式も成り立つから 解である。")
                             : SJ("どの方程式も成り立つとはいえないから 解ではない。");
}

// Substitutes the pair into the left side of one equation and compares it
// with the right side. The equation's texts start at A1$(first): a, b, c,
// a·x, b·y and their sum (first is 1 for ①, 11 for ②).
void check_equation(float first, const Str& label) {
    const Str x = G.TITLE$(1);
    const Str y = G.TITLE$(2);
    line(3, 60, "x=" + x + ",y=" + y + SJ("を") + label + SJ("の左辺に代入して"));
    pause();
    at(0, G.II, G.B2 + 60,
       label + SJ("の左辺=") + G.A1$(first) + "*" + G.TITLE$(11) + G.A1$(first + 1) + "*" + G.TITLE$(12));
    pause();
    line(0, 60, "=" + G.A1$(first + 3) + G.A1$(first + 4) + "=");
    pause();
    cont(3, G.A1$(first + 5));
    pause();
    cont(7, G.A1$(first == 1 ? 51 : 52));
    pause();
}

void show_problem() {
    G.II = 80;
    G.B1 = G.II + 128;
    G.B2 = 20;
    clear(0, 20, 1320, 2400);
    at(7, G.II, G.B2, SJ("Q3 "));
    cont(3, "(" + G.TITLE$(1) + "," + G.TITLE$(2) + ")");
    cont(0, SJ(" は、次の連立方程式の解ですか。"));

    braced_system(G.B1, G.B2 + 50, G.A1$(1) + "x" + G.A1$(2) + "y=" + G.A1$(3) + SJ("…①"),
                  G.A1$(11) + "x" + G.A1$(12) + "y=" + G.A1$(13) + SJ("…②"));
    pause();

    check_equation(1, SJ("①"));
    check_equation(11, SJ("②"));

    line(5, 70, G.A1$(50));
}

}  // namespace

void UNIT1_IS_SOLUTION_LOOP() {
    clear(0, 0, 1760, 1300);
    drill([] {
        make_problem();
        show_problem();
    });
}
