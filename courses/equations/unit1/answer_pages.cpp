// Sections ⑤ to ⑦: the worked example of judging a pair against two
// systems, and the answers to the textbook's question 4 and practice problem.
#include "courses/equations/unit1/page.h"
#include "courses/equations/unit1/unit1.h"

using namespace unit1;

namespace {

// A circled label, a brace 38 right of its end and the two equations 78
// right of its end, the first on the label's line and the second 50 below.
void labelled_system(const Str& label, float x, float y, const Str& first, const Str& second) {
    chain(3, x, y, label);
    G.YMOTO = 0;
    G.DSM1 = G.YI1 + 38;
    G.DSM2 = G.B2;
    G.TANI = 100;
    DRAW_BRACE();
    G.YI1 = G.YI1 + 78;
    draw_text(0, G.YI1, G.B2, first);
    G.B2 = G.DSM2;
    chain(0, G.YI1, G.B2 + 50, second);
}

}  // namespace

void UNIT1_EXAMPLE1_PAGE() {
    clear_box(0, 0, 1760, 1800);
    G.B1 = 38;
    G.B2 = 30;
    chain(0, G.B1, G.B2, SJ("例1　次の連立方程式で、(1,3)　を解とするのはどれですか。"));
    labelled_system(SJ("①"), G.B1, G.B2 + 60, SJ("x-y=-2"), SJ("2x+y=6"));
    labelled_system(SJ("②"), G.YI1 + 114, G.B2 - 50, SJ("-x+3y=8"), SJ("5x-2y=-1"));
    PAUSE_FOR_KEY();
    chain(5, G.B1, G.B2 + 50, SJ("＜解き方＞"));
    follow(3, SJ("それぞれの式の左辺に、x=1,y=3 を代入し、"));
    chain(3, G.B1 + 190, G.B2 + 50, SJ("右辺の値と等しいかを調べる。"));
    PAUSE_FOR_KEY();

    // First column: system ①.
    chain(7, G.B1, G.B2 + 50, SJ("① x=1,y=3 を代入すると"));
    G.t0014(1) = G.B2;
    chain(0, G.B1, G.B2 + 50, SJ(" x-y=1-3="));
    PAUSE_FOR_KEY();
    follow(0, SJ("-2 …"));
    follow(3, SJ("○"));
    PAUSE_FOR_KEY();
    chain(0, G.B1, G.B2 + 50, SJ(" 2x+y=2*1+3"));
    PAUSE_FOR_KEY();
    chain(0, G.B1, G.B2 + 50, SJ("=2+3=5 …"));
    follow(3, SJ("×"));
    PAUSE_FOR_KEY();
    chain(5, G.B1, G.B2 + 50, SJ("解ではない"));
    PAUSE_FOR_KEY();

    // Second column: system ②, level with the first.
    G.B1 = 646;
    G.B2 = G.t0014(1);
    chain(7, G.B1, G.B2, SJ("② x=1,y=3 を代入すると"));
    chain(0, G.B1, G.B2 + 50, SJ(" -x+3y=-1+3*3"));
    PAUSE_FOR_KEY();
    chain(0, G.B1, G.B2 + 50, SJ("=-1+9=8 …"));
    follow(3, SJ("○"));
    PAUSE_FOR_KEY();
    chain(0, G.B1, G.B2 + 50, SJ(" 5x-2y=5*1-2*3"));
    PAUSE_FOR_KEY();
    chain(0, G.B1, G.B2 + 50, SJ("=5-6=-1 …"));
    follow(3, SJ("○"));
    PAUSE_FOR_KEY();
    chain(5, G.B1, G.B2 + 50, SJ("解である"));
    PAUSE_FOR_KEY();
    chain(7, 44, 570, SJ("教科書P38 問4　をしなさい。"));
}

void UNIT1_Q4_ANSWERS() {
    clear_box(0, 0, 1760, 1800);
    G.II = 40;
    G.B1 = G.II + 34 + 27;
    G.B2 = 30;
    chain(7, G.B1, G.B2, SJ("教科書P38 問4　解答"));
    chain(3, G.B1, G.B2 + 50, SJ("x=3,y=4 を代入すると、"));
    PAUSE_FOR_KEY();

    chain(7, G.II, G.B2 + 50, SJ("ア"));
    follow(3, SJ(" 左辺="));
    follow(0, SJ("x+y=3+4=7"));
    chain(3, G.B1, G.B2 + 50, SJ("=右辺…○"));
    chain(3, G.B1, G.B2 + 50, SJ("左辺="));
    follow(0, SJ("x+2y=3+2*4"));
    chain(0, G.B1, G.B2 + 50, SJ("=3+8=11"));
    follow(3, SJ("≠右辺…×"));
    PAUSE_FOR_KEY();

    chain(7, G.II, G.B2 + 70, SJ("イ"));
    follow(3, SJ(" 左辺="));
    follow(0, SJ("3x-y=3*3-4"));
    chain(0, G.B1, G.B2 + 50, SJ("=9-4=5"));
    follow(3, SJ("≠右辺…×"));
    chain(3, G.B1, G.B2 + 50, SJ("左辺="));
    follow(0, SJ("2x-5y=2*3-5*4"));
    chain(0, G.B1, G.B2 + 50, SJ("=6-20=-14"));
    follow(3, SJ("≠右辺…×"));
    PAUSE_FOR_KEY();

    // Right column.
    G.II = 600;
    G.B1 = G.II + 34 + 27;
    G.B2 = 30;
    chain(7, G.II, G.B2 + 50, SJ("ウ"));
    follow(3, SJ(" 左辺="));
    follow(0, SJ("4x-y=4*3-4"));
    chain(0, G.B1, G.B2 + 50, SJ("=12-4=8"));
    follow(3, SJ("=右辺…○"));
    chain(3, G.B1, G.B2 + 50, SJ("左辺="));
    follow(0, SJ("-x+3y=-3+3*4"));
    chain(0, G.B1, G.B2 + 50, SJ("=-3+12=9"));
    follow(3, SJ("=右辺…○"));
    PAUSE_FOR_KEY();
    chain(0, G.B1, G.B2 + 70, SJ("したがって"));
    chain(5, G.B1, G.B2 + 60, SJ("答　ウ"));
}

void UNIT1_PRACTICE_ANSWER() {
    clear_box(0, 0, 1760, 1800);
    G.II = 40;
    G.B1 = G.II + 34 + 27;
    G.B2 = 30;
    chain(7, G.B1, G.B2, SJ("教科書P38 練習問題　解答"));
    chain(0, G.B1, G.B2 + 60, SJ("二元一次方程式の解は、この式を成り立たせる文字の値の組であり、"));
    chain(3, G.B1, G.B2 + 60, SJ("文字の値の範囲は、数全体の集合だから"));
    chain(5, G.B1, G.B2 + 60, SJ("答　(ウ)"));
}
