// Section ①: the price of a pencil and of a notebook, worked first with
// pictures (ｷ a notebook, ｶ a pencil) and then with x and y. The lettered
// working stands on fixed rows and fills in out of order: the results that
// echo the pictures first, then the lines that lead to them, moving up.
#include "courses/equations/unit4/unit4.h"
#include "engine/shell/page.h"

using namespace page;

namespace {

// A row of the lettered column: row k stands at 50 + t0014(k).
void row(float colour, float k, const Str& text) { at(colour, G.B1, G.t0014(k) + 50, text); }

}  // namespace

void UNIT4_FIND_METHOD_PAGE() {
    clear(0, 0, 1600, 1800);
    G.B1 = 38;
    G.B2 = 30;
    draw::set_width(5);

    // Pictures. A piece made only of pictograms draws in their own colours.
    at(7, G.B1, G.B2, SJ("鉛筆1本とノート1冊の値段は？"));
    line(0, 60, SJ("ｷ"));
    cont(0, SJ("をノート、"));
    cont(0, SJ("ｶ"));
    cont(0, SJ("を鉛筆とすると"));
    pause();
    line(0, 80, SJ("ｷｷ"));
    cont(0, "+");
    cont(0, SJ("ｶｶｶｶｶ"));
    cont(0, SJ("=600…①"));
    pause();
    line(0, 80, SJ("ｷ"));
    cont(0, "=");
    cont(0, SJ("ｶｶ"));
    cont(0, SJ("+30…②"));
    pause();
    line(0, 80, SJ("ｶｶｶｶ"));
    cont(0, "+60");
    cont(0, "+");
    cont(0, SJ("ｶｶｶｶｶ"));
    pause();
    cont(3, SJ("=600…③"));
    pause();
    line(0, 80, SJ("ｶｶｶｶｶｶｶｶｶ"));
    pause();
    cont(3, SJ("=540…④"));
    pause();
    line(0, 80, SJ("ｶ"));
    pause();
    cont(3, SJ("=60…⑤"));
    pause();
    line(0, 80, SJ("ｷ"));
    pause();
    cont(3, SJ("=150…⑥"));
    pause();

    // Letters, on rows 50 apart but for the room the second equation takes.
    G.B1 = 760;
    G.B2 = 30;
    G.t0014(1) = 30;
    G.t0014(2) = G.t0014(1) + 100;
    for (G.A1 = 3; G.A1 <= 10; G.A1 = G.A1 + 1) G.t0014(G.A1) = G.t0014(G.A1 - 1) + 50;
    at(3, G.B1 - 152, G.B2, SJ("ノート1冊x円、鉛筆1本y円とすると"));
    pause();
    braced_system(G.B1, G.t0014(1) + 50, SJ("2x+5y=600…①"), SJ("x=2y+30…②"));
    pause();
    row(0, 4, SJ("4y+60+5y=600…③"));
    pause();
    row(0, 6, SJ("      9y=540…④"));
    pause();
    row(0, 7, SJ("       y=60…⑤"));
    pause();
    row(0, 10, SJ("x=150…⑥"));
    pause();
    row(0, 5, SJ("   4y+5y=600-60"));
    pause();
    row(0, 3, SJ("2(2y+30)+5y=600"));
    pause();
    row(3, 2, SJ("②を①に代入して"));
    pause();
    row(3, 8, SJ("y=60 を②に代入して"));
    row(0, 9, SJ("x=2*60+30=120+30"));
}
