// Section ②: the worked answer of textbook question 2, puddings and jellies.
// The two facts become x+y=10 and 130x+100y=1120 on the left, the solver
// works the system on the right, and the answer goes beside its last lines.
#include "courses/applications/unit2/unit2.h"
#include "engine/shell/page.h"
#include "engine/solver/hand_over.h"

using namespace page;

void PRICE_Q2_ANSWER() {
    clear(0, 0, 1600, 1800);
    G.B1 = 38;
    G.B2 = 30;
    draw::set_width(5);
    at(3, G.B1, G.B2, SJ("教科書P50 問2　解答"));
    pause();
    line(0, 50, SJ("プリンをx個、"));
    line(0, 50, SJ("ゼリーをy個とすると、"));
    pause();
    line(0, 50, SJ("あわせて10個 だから"));
    pause();
    line(3, 50, "x+y=10");
    pause();
    line(0, 50, SJ("代金の合計が1120円 だから"));
    pause();
    line(3, 50, "130x+100y=1120");
    pause();

    G.II = 640;
    G.B1 = G.II + 27;
    G.B2 = 30;
    G.YMOTO = 3;
    blank(G.II, G.B2, " ");
    solve({1, 1, 10, 130, 100, 1120});
    pause();

    // The solver leaves B1 at its left edge and B2 on its last line.
    line(0, 50, SJ("この解は問題にあっている。"));
    fixed(5, 120, G.B2 - 50, SJ("答　プリン4個,"));
    at(5, 120, G.B2, SJ("　　ゼリー6個"));
}
