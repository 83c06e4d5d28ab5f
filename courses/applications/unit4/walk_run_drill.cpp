// Section ④: the walk-and-run drill. Each pass draws a new problem (A walks
// from home at one speed, then runs to the station at another and arrives
// after some minutes: how far did A walk, and how far run?) and works it step
// by step: the problem on the right, the route diagram and the table on the
// left, the equations on the right and then moved to the left, the solver on
// the right and the answer under the moved equations.
#include "courses/applications/unit4/route.h"
#include "courses/applications/unit4/unit4.h"
#include "engine/shell/page.h"
#include "engine/solver/hand_over.h"

using namespace page;
using namespace speed;

namespace {

// The two columns of the page.
constexpr float kLeft = 40, kRight = 680;
// The route: home, where A starts running, the station.
constexpr float kHome = 76, kChange = 266, kStation = 570;

const Str& text(float k) { return G.A1$(k); }

// Step 1: the problem, on the right.
void show_problem() {
    clear(kRight, 0, 1600, 1800);
    at(3, kRight, 30, SJ("例2 "));
    cont(0, SJ("Aさんは10時に家を出発して、"));
    at(0, kRight, 80, text(6) + SJ("mはなれた駅に向かいました。"));
    at(0, kRight, 130, SJ("はじめは分速") + text(1) + SJ("mで歩き、途中から"));
    at(0, kRight, 180, SJ("分速") + text(2) + SJ("mで走りました。駅に10時"));
    at(0, kRight, 230, text(5) + SJ("分に着いたとき、歩いた道のりと"));
    at(0, kRight, 280, SJ("走った道のりは何mですか。"));
    pause();
}

// Step 2: the route diagram, on the left.
void show_route() {
    clear(0, 0, kRight, 1800);
    pause();
    fixed(0, kLeft, 80, SJ("10時"));
    fixed(0, kHome - 40, kRouteY - 24, SJ("家"));
    fixed(0, kStation + 4, kRouteY - 24, SJ("駅"));
    route_line(kHome, kStation);
    dotted_arc(kHome, kStation, kAbove, kFineStep, 90, text(6) + "m", 0, 0);
    pause();
    fixed(0, kHome + 20, kRouteY, SJ("毎分") + text(1) + "m");
    pause();
    split_route(kHome, kChange, kStation);
    fixed(3, 304, kRouteY, SJ("毎分") + text(2) + "m");
    pause();
    fixed(0, 382, 60, SJ("10時") + text(5) + SJ("分"));
    pause();
    dotted_arc(kHome, kChange, kAbove, kCoarseStep, 20, SJ("xm"), 5, 0);
    dotted_arc(kChange, kStation, kAbove, kCoarseStep, 20, SJ("ym"), 5, 0);
    pause();
    dotted_arc(kHome, kStation, kBelow, kFineStep, 90, text(5) + SJ("分"), 0, 0);
    pause();
    dotted_arc(kHome, kChange, kBelow, kCoarseStep, 60, Str(), 0, 7);
    dotted_arc(kChange, kStation, kBelow, kCoarseStep, 60, Str(), 0, 7);
    pause();
    dotted_arc(kHome, kChange, kBelow, kCoarseStep, 60, SJ("ﾀx/") + text(1) + SJ("ﾀ分"), 5, 7);
    pause();
    dotted_arc(kChange, kStation, kBelow, kCoarseStep, 60, SJ("ﾀy/") + text(2) + SJ("ﾀ分"), 5, 7, 40);
    pause();
}

// Step 3: the table, under the route.
void show_table() {
    const SpeedTable table{
        kLeft, 228, 13, {SJ("歩き"), SJ("走り"), SJ("全体")}, {SJ("道のり(m)"), SJ("速さ(m／分)"), SJ("時間(分)")}};
    table_frame(table);
    pause();
    const Str values[3][3] = {
        {SJ("x"), SJ("y"), text(6)},
        {text(1), text(2), SJ("／")},
        {SJ("ﾀx/") + text(1) + SJ("ﾀ"), SJ("ﾀy/") + text(2) + SJ("ﾀ"), text(5)},
    };
    for (int row = 1; row <= 3; ++row)
        for (int column = 1; column <= 3; ++column) {
            pause();
            value_cell(table, row, column, values[row - 1][column - 1]);
        }
    pause();
}

// The equations from the top of a column at `left`, a key after each row
// when `with_pauses` (the second time, moved to the left, they come at once).
void show_equations(float left, bool with_pauses) {
    auto step = [&] {
        if (with_pauses) pause();
    };
    G.B1 = left;
    G.B2 = 30;
    at(7, G.B1, G.B2, SJ("歩いた道のりをxm,"));
    line(7, 50, SJ("走った道のりをymとすると、"));
    step();
    line(0, 50, SJ("道のりの関係から"));
    step();
    line(3, 50, "x+y=" + text(6) + SJ("…①"));
    step();
    line(0, 50, SJ("時間の関係から"));
    step();
    line(3, 50, SJ("ﾀx/") + text(1) + SJ("ﾀ+ﾀy/") + text(2) + SJ("ﾀ=") + text(5) + SJ("…②"));
    step();
    line(0, 60, SJ("②の分母をはらって"));
    step();
    line(0, 50, text(7) + SJ("(ﾀx/") + text(1) + SJ("ﾀ+ﾀy/") + text(2) + SJ("ﾀ)=") + text(7) + "*" + text(5));
    step();
    line(3, 70, text(8) + "x+" + text(9) + "y=" + text(10) + SJ("…③"));
    step();
}

// Steps 6 and 7: the solver on the right, taking a key after every step; the
// conclusion under it and the answer under the moved equations.
void solve_and_answer() {
    clear(kRight, 0, 1320, 1300);
    at(3, kRight, 30, SJ("式　"));
    G.II = kRight;
    G.B1 = 761;
    G.LLT = 1;
    solve({1, 1, G.T(6), G.T(8), G.T(9), G.T(10)}, Str(), SJ("③"), 1);
    G.AA = 0;
    G.LLT = 0;
    pause();
    at(0, G.B1, G.B2, SJ("これらは問題に適している。"));
    pause();
    at(5, kLeft, G.B2 - 20, SJ("答　歩いた道のり") + G.REI0Y$ + "m");
    at(5, 116, G.B2 + 50, SJ("走った道のり") + G.N$ + "m");
}

void show_pass() {
    show_problem();
    show_route();
    show_table();
    clear(kRight, 0, 2520, 1800);
    show_equations(kRight, true);
    // From the page's edge, not the column's: "家" is drawn from a little
    // left of the column, and nothing else lies there now.
    clear(0, 0, kRight, 1800);
    show_equations(kLeft, false);
    solve_and_answer();
}

}  // namespace

void MAKE_WALK_RUN_PROBLEM() {
    G.T(1) = 10 * plat::random_whole(4, 4);
    G.T(2) = 10 * plat::random_whole(3, 8);
    // The pair walking 70, running 80 is not used: it becomes walking 50.
    if (G.T(1) == 70 && G.T(2) == 80) G.T(1) = 50;
    G.T(3) = plat::random_whole(4, 8);
    G.T(4) = plat::random_whole(4, 6);
    G.T(5) = G.T(3) + G.T(4);
    G.T(6) = G.T(1) * G.T(3) + G.T(2) * G.T(4);

    // The times x/T(1) and y/T(2) over their least common denominator.
    G.DS = 1;
    G.A31 = G.T(1);
    G.YAK1 = 1;
    G.LB8 = G.T(2);
    COMBINE_FRACTIONS();
    G.T(7) = G.R1B;
    G.T(8) = G.KJ2;
    G.T(9) = G.X2;
    G.T(10) = G.T(7) * G.T(5);

    G.GX3(1) = 1;
    G.GX3(2) = 1;
    G.GX3(3) = G.T(8);
    G.GX3(4) = G.T(9);
    G.GY3(1) = G.T(6);
    G.GY3(2) = G.T(10);

    NUMBERS_TO_TEXT();
    // A coefficient 1 is not written before its letter.
    if (G.T(8) == 1) G.A1$(8).clear();
    if (G.T(9) == 1) G.A1$(9).clear();
}

void WALK_RUN_PRACTICE_LOOP() {
    draw::set_width(5);
    clear(0, 0, 1600, 1800);
    drill([] {
        MAKE_WALK_RUN_PROBLEM();
        show_pass();
    });
}
