// Section ①: the shots problem, and three questions that lead from it to a
// system, each answered after a key.
#include "courses/applications/unit1/unit1.h"
#include "engine/shell/page.h"

using namespace page;

namespace {

// A question: its label and, on the same line, the question itself.
void question(const Str& label, const Str& text) {
    at(7, G.II, G.B2 + 70, label);
    cont(3, text);
}

}  // namespace

void SHOTS_QUESTION_PAGE() {
    clear(0, 0, 1760, 1800);
    G.II = 30;
    G.B1 = G.II + 36;
    G.B2 = 20;
    at(7, G.II, G.B2, SJ("P47 "));
    cont(3, SJ("2点シュートと3点シュートのうちわけは？"));
    at(0, G.II, G.B2 + 50, SJ("車いすバスケットボールの試合で、ルーネ選手は、放った2点シュートと"));
    at(0, G.II, G.B2 + 50, SJ("3点シュートにより、19得点をあげる大活躍でした。"));
    pause();

    question(SJ("① "), SJ("これだけでそれぞれのシュートの本数を求められる?"));
    pause();
    line(7, 50, SJ("得点だけでは求められない。"));
    pause();

    question(SJ("② "), SJ("何がわかれば求められる?"));
    pause();
    line(7, 50, SJ("2点シュートと3点シュートをあわせた本数"));
    pause();

    question(SJ("③ "), SJ("2点シュートと3点シュートをあわせて8本、得点の合計が19点です。"));
    pause();
    line(7, 70, SJ("連立方程式をつくって求めよう。"));
}
