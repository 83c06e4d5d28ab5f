// Section ②: the shots problem solved in the four steps of a word problem.
// Page 1 builds the two relations from labelled boxes, writes them as a
// system and eliminates by hand in the right column; page 2 sums up the
// steps and checks the solution against the problem. The working is fixed
// text: the solver is not used.
#include "courses/applications/unit1/unit1.h"
#include "engine/shell/page.h"

using namespace page;

namespace {

// The enlarged "=" between the boxes: drawn directly, four times as large,
// in the font the last text left selected, and a fixed step to the right.
void big_equals() {
    draw::text(G.YI1 + 10, G.B2 + 10, "=", 4, 4, 3);
    G.YI1 = G.YI1 + 64;
}

// One relation as boxes: "2点シュート / <what>" + "3点シュート / <what>" =
// `total`, 60 below the current line. The boxes' borders take the draw width
// in force; the "+" stands lower than their line, 10 after the first box.
void relation(const Str& what, const Str& total) {
    two_line_box(G.B1, G.B2 + 60, 228, 90, 13, 0, SJ("2点シュート"), what);
    fixed(3, G.YI1 + 10, G.B2 + 20, "+");
    two_line_box(G.DSM1 + 10, G.B2, 228, 90, 13, 0, SJ("3点シュート"), what);
    big_equals();
    pause();
    at(3, G.YI1, G.B2 + 20, total);
    G.B2 = G.DSM2 + 30;
    pause();
}

// The system beside a brace, on the line 50 below: an empty piece puts the
// cursor at the margin, the brace stands there and the equations 40 right.
void system_below(const Str& first, const Str& second) {
    line(0, 50, "");
    braced_system(G.YI1, G.B2, first, second);
}

void first_page() {
    clear(0, 0, 1320, 1300);
    G.B1 = 44;
    G.B2 = 30;
    at(3, G.B1, G.B2, SJ("連立方程式で解いてみよう。"));
    pause();
    line(5, 50, SJ("① 数量の間の関係をみつける"));
    line(0, 50, SJ("・入れたシュートの本数の関係"));
    pause();
    relation(SJ("の本数"), SJ("8(本)"));
    line(0, 50, SJ("・点数の関係"));
    pause();
    relation(SJ("の得点"), SJ("19(点)"));

    line(5, 50, SJ("② x,yを決め、連立方程式をつくる"));
    pause();
    line(0, 50, SJ("入れた2点シュートの本数をx本、"));
    line(0, 50, SJ("3点シュートの本数をy本とすると"));
    pause();
    line(0, 50, SJ("本数の関係から　"));
    pause();
    cont(0, "x+y=8");
    G.B1 = 760;
    G.B2 = 30;
    pause();
    at(0, G.B1 - 40, G.B2, SJ("点数の関係から　"));
    pause();
    cont(0, "2x+3y=19");
    pause();

    line(5, 50, SJ("③ 連立方程式を解く"));
    system_below(SJ("x+y=8…①"), SJ("2x+3y=19…②"));
    pause();
    G.B1 = 798;
    line(3, 50, SJ("①*2-②"));
    pause();
    column_working(G.B1, G.B2 + 50, "2x+2y=16", "2x+3y=19", "-");
    sign_row(3, G.B1, G.B2 - 25, "+-  -  -");
    pause();
    at(0, G.XJ2, G.B2 + 50, "   -y=-3");
    pause();
    at(0, G.XJ2, G.B2 + 50, "    y=3");
    pause();
    line(3, 50, SJ("y=3 を①に代入して"));
    pause();
    line(0, 50, "x+3=8");
    pause();
    line(0, 50, "x=8-3=5");
    pause();
    line(3, 50, "(x,y)=(5,3)");
    pause();
    pause();
}

void second_page() {
    clear(0, 0, 1320, 1300);
    G.B1 = 44;
    G.B2 = 30;
    at(3, G.B1, G.B2, SJ("連立方程式で解いてみよう。"));
    line(5, 50, SJ("① 数量の間の関係をみつける"));
    line(0, 50, SJ("本数の関係と点数の関係"));
    line(5, 50, SJ("② x,yを決め、連立方程式をつくる"));
    line(0, 50, SJ("入れた2点シュートの本数をx本、"));
    line(0, 50, SJ("3点シュートの本数をy本とすると"));
    system_below("x+y=8", "2x+3y=19");
    line(5, 50, SJ("③ 連立方程式を解く"));
    line(0, 50, "(x,y)=(5,3)");
    pause();
    line(5, 50, SJ("④解が問題に適しているか確かめ、答をかく"));
    pause();

    G.II = 722;
    G.B1 = G.II + 38;
    G.B2 = 30;
    at(0, G.II, G.B2, SJ("2点シュートと3点シュートの"));
    at(0, G.II, G.B2 + 50, SJ("本数は合わせて"));
    pause();
    line(0, 50, SJ("5+3=8(本)"));
    pause();
    at(0, G.II, G.B2 + 50, SJ("点数の合計は"));
    pause();
    line(0, 50, " 2*5+3*3");
    line(0, 50, SJ("=10+9=19(点)"));
    pause();
    at(0, G.II, G.B2 + 50, SJ("この解は問題にあっている。"));
    pause();
    line(5, 50, SJ("答　2点シュート5本,"));
    line(5, 50, SJ("　　3点シュート3本"));
    pause();
    line(7, 60, SJ("教科書P49 問1 をやろう。"));
}

}  // namespace

void SHOTS_SOLUTION_PAGES() {
    first_page();
    second_page();
}
