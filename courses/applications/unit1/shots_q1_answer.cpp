// Section ③: the worked answer of textbook question 1. The letters stand for
// the points scored with each kind of shot; the number of shots gives the
// second equation, cleared of its fractions, and the solver works the system
// on the right half. The left half then turns the points into shots and
// checks both totals.
#include "courses/applications/unit1/unit1.h"
#include "engine/shell/page.h"
#include "engine/solver/hand_over.h"

using namespace page;

namespace {

const char* const kTitle = "教科書P49 問1　解答";

// A caption on a new line and, after a key, its formula on the same line.
void captioned(float step, const Str& caption, const Str& formula) {
    line(0, step, caption);
    pause();
    cont(3, formula);
    pause();
}

// A computation on a new line (after a key): caption, working, result.
void computed(float x, float step, const Str& caption, const Str& working, const Str& result) {
    at(0, x, G.B2 + step, caption);
    pause();
    cont(0, working);
    cont(3, result);
    pause();
}

}  // namespace

void SHOTS_Q1_ANSWER() {
    clear(0, 0, 1600, 1800);
    G.B1 = 38;
    G.B2 = 30;
    draw::set_width(5);
    at(3, G.B1, G.B2, SJ(kTitle));
    pause();
    line(0, 50, SJ("2点シュートであげた得点をx点、"));
    line(0, 50, SJ("3点シュートであげた得点をy点"));
    line(0, 50, SJ("とすると"));
    pause();
    captioned(50, SJ("得点の関係から　"), SJ("x+y=19…①"));
    captioned(70, SJ("2点シュートの本数は　"), SJ("ﾀx/2ﾀ本"));
    captioned(70, SJ("3点シュートの本数は　"), SJ("ﾀy/3ﾀ本"));
    captioned(70, SJ("あわせて8本 だから "), SJ("ﾀx/2ﾀ+ﾀy/3ﾀ=8…②"));
    captioned(70, SJ("②*6 "), SJ("3x+2y=48…②'"));
    line(3, 50, SJ("①,②'を使って連立方程式をつくると"));

    G.II = 640;
    G.B1 = G.II;
    G.B2 = 30;
    G.YMOTO = 3;
    blank(G.B1, G.B2, "  ");
    solve({1, 1, 19, 3, 2, 48}, SJ("①"), SJ("②'"));
    pause();

    // The check beside the working, which the half-page clear leaves.
    clear(0, 0, 620, 1800);
    G.II = 38;
    G.B1 = 38;
    G.B2 = 30;
    draw::set_width(5);
    at(3, G.B1, G.B2, SJ(kTitle));
    computed(G.B1, 70, SJ("2点シュートの本数は　"), SJ("ﾀ10/2ﾀ="), SJ("5(本)"));
    computed(G.B1, 70, SJ("3点シュートの本数は　"), SJ("ﾀ9/3ﾀ="), SJ("3(本)"));
    computed(G.II, 60, SJ("合わせて "), "5+3=", SJ("8(本)"));
    computed(G.II, 60, SJ("点数の合計は "), "10+9=", SJ("19(点)"));
    at(0, G.II, G.B2 + 60, SJ("この解は問題にあっている。"));
    pause();
    line(5, 60, SJ("答　2点シュート5本,"));
    line(5, 50, SJ("　　3点シュート3本"));
}
