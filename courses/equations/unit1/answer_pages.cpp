// Sections ⑤ to ⑦: the worked example of judging a pair against two
// systems, and the answers to the textbook's question 4 and practice problem.
#include "courses/equations/unit1/unit1.h"
#include "engine/shell/page.h"

using namespace page;

void UNIT1_EXAMPLE1_PAGE() {
    clear(0, 0, 1760, 1800);
    G.B1 = 38;
    G.B2 = 30;
    at(0, G.B1, G.B2, SJ("例1　次の連立方程式で、(1,3)　を解とするのはどれですか。"));
    labelled_system(3, SJ("①"), G.B1, G.B2 + 60, SJ("x-y=-2"), SJ("2x+y=6"));
    labelled_system(3, SJ("②"), G.YI1 + 114, G.B2 - 50, SJ("-x+3y=8"), SJ("5x-2y=-1"));
    pause();
    line(5, 50, SJ("＜解き方＞"));
    cont(3, SJ("それぞれの式の左辺に、x=1,y=3 を代入し、"));
    at(3, G.B1 + 190, G.B2 + 50, SJ("右辺の値と等しいかを調べる。"));
    pause();

    // First column: system ①.
    line(7, 50, SJ("① x=1,y=3 を代入すると"));
    G.t0014(1) = G.B2;
    line(0, 50, SJ(" x-y=1-3="));
    pause();
    cont(0, SJ("-2 …"));
    cont(3, SJ("○"));
    pause();
    line(0, 50, SJ(" 2x+y=2*1+3"));
    pause();
    line(0, 50, SJ("=2+3=5 …"));
    cont(3, SJ("×"));
    pause();
    line(5, 50, SJ("解ではない"));
    pause();

    // Second column: system ②, level with the first.
    G.B1 = 646;
    G.B2 = G.t0014(1);
    at(7, G.B1, G.B2, SJ("② x=1,y=3 を代入すると"));
    line(0, 50, SJ(" -x+3y=-1+3*3"));
    pause();
    line(0, 50, SJ("=-1+9=8 …"));
    cont(3, SJ("○"));
    pause();
    line(0, 50, SJ(" 5x-2y=5*1-2*3"));
    pause();
    line(0, 50, SJ("=5-6=-1 …"));
    cont(3, SJ("○"));
    pause();
    line(5, 50, SJ("解である"));
    pause();
    at(7, 44, 570, SJ("教科書P38 問4　をしなさい。"));
}

void UNIT1_Q4_ANSWERS() {
    clear(0, 0, 1760, 1800);
    G.II = 40;
    G.B1 = G.II + 34 + 27;
    G.B2 = 30;
    at(7, G.B1, G.B2, SJ("教科書P38 問4　解答"));
    line(3, 50, SJ("x=3,y=4 を代入すると、"));
    pause();

    at(7, G.II, G.B2 + 50, SJ("ア"));
    cont(3, SJ(" 左辺="));
    cont(0, SJ("x+y=3+4=7"));
    line(3, 50, SJ("=右辺…○"));
    line(3, 50, SJ("左辺="));
    cont(0, SJ("x+2y=3+2*4"));
    line(0, 50, SJ("=3+8=11"));
    cont(3, SJ("≠右辺…×"));
    pause();

    at(7, G.II, G.B2 + 70, SJ("イ"));
    cont(3, SJ(" 左辺="));
    cont(0, SJ("3x-y=3*3-4"));
    line(0, 50, SJ("=9-4=5"));
    cont(3, SJ("≠右辺…×"));
    line(3, 50, SJ("左辺="));
    cont(0, SJ("2x-5y=2*3-5*4"));
    line(0, 50, SJ("=6-20=-14"));
    cont(3, SJ("≠右辺…×"));
    pause();

    // Right column.
    G.II = 600;
    G.B1 = G.II + 34 + 27;
    G.B2 = 30;
    at(7, G.II, G.B2 + 50, SJ("ウ"));
    cont(3, SJ(" 左辺="));
    cont(0, SJ("4x-y=4*3-4"));
    line(0, 50, SJ("=12-4=8"));
    cont(3, SJ("=右辺…○"));
    line(3, 50, SJ("左辺="));
    cont(0, SJ("-x+3y=-3+3*4"));
    line(0, 50, SJ("=-3+12=9"));
    cont(3, SJ("=右辺…○"));
    pause();
    line(0, 70, SJ("したがって"));
    line(5, 60, SJ("答　ウ"));
}

void UNIT1_PRACTICE_ANSWER() {
    clear(0, 0, 1760, 1800);
    G.II = 40;
    G.B1 = G.II + 34 + 27;
    G.B2 = 30;
    at(7, G.B1, G.B2, SJ("教科書P38 練習問題　解答"));
    line(0, 60, SJ("二元一次方程式の解は、この式を成り立たせる文字の値の組であり、"));
    line(3, 60, SJ("文字の値の範囲は、数全体の集合だから"));
    line(5, 60, SJ("答　(ウ)"));
}
