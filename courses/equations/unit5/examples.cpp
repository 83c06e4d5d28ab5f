// Sections ①, ③ and ⑥: the worked examples 3, 4 and 5, built up one step
// per key. Examples 3 and 5 hand their tidied system to the solver; example 4
// solves its system by substitution in a column of its own.
#include "courses/equations/unit5/unit5.h"
#include "engine/shell/page.h"
#include "engine/solver/hand_over.h"

using namespace page;

void UNIT5_BRACKETS_EXAMPLE() {
    clear(0, 0, 1600, 1800);
    G.B1 = 40;
    G.B2 = 30;
    draw_rows({
        Row::at(3, 40, 30, SJ("例題3　次の連立方程式を解きなさい。")),
        Row::system_brace(40, 80, 100),
        Row::at(0, 80, 80, SJ("4x-y=13…①")),
        Row::at(0, 80, 130, SJ("2x-3(1-y)=0…②"), kPause),
        Row::at(3, 40, 180, SJ("②を整理すると"), kPause),
        Row::at(0, 40, 230, SJ("2x-3+3y=0"), kPause),
        Row::at(0, 40, 280, SJ("2x+3y=3…②'"), kPause),
        Row::at(3, 40, 330, SJ("②'を使って連立方程式をつくると")),
    });
    solve_in_column(640, 640, {4, -1, 13, 2, 3, 3}, SJ("①"), SJ("②'"));
    pause();
    // The rule ends level with the working's last line.
    const float y = G.B2;
    draw_rows({
        Row::at(5, 40, y - 50, SJ("かっこのある連立方程式は、")),
        Row::at(5, 40, y, SJ("かっこをはずし、整理してから解く。"), kPause),
        Row::at(3, 44, 600, SJ("教科書P44 問8　をしなさい。")),
    });
}

void UNIT5_FRACTIONS_EXAMPLE() {
    clear(0, 0, 1600, 1800);
    G.B1 = 76;
    G.B2 = 30;
    draw_rows({
        Row::at(3, 76, 30, SJ("例題4　次の連立方程式を解きなさい。")),
        Row::system_brace(76, 80, 120),
        Row::at(0, 116, 80, SJ("x=2y+5…①")),
        Row::at(0, 116, 150, SJ("ﾀx/3ﾀ-ﾀy/2ﾀ=2…②"), kPause),
        Row::at(3, 76, 210, SJ("②の両辺に６をかけて分母をはらうと"), kPause),
        Row::at(0, 76, 280, SJ("6*ﾀx/3ﾀ+6*(-ﾀy/2ﾀ)=6*2"), kPause),
        Row::at(0, 76, 340, SJ("2x-3y=12…②'"), kPause),
        Row::at(3, 76, 390, SJ("②'を使って連立方程式をつくると")),
    });
    // The substitution in the right-hand column.
    G.B1 = 760;
    G.B2 = 30;
    pause();
    draw_rows({
        Row::system_brace(760, 30, 100),
        Row::at(0, 800, 30, SJ("x=2y+5…①")),
        Row::at(0, 800, 80, SJ("2x-3y=12…②'"), kPause),
        Row::at(3, 760, 130, SJ("①を②'に代入して"), kPause),
        Row::at(0, 760, 180, SJ("2(2y+5)-3y=12"), kPause),
        Row::at(0, 760, 230, SJ("4y+10-3y=12"), kPause),
        Row::at(0, 760, 280, SJ("4y-3y=12-10"), kPause),
        Row::at(3, 760, 330, SJ("y=2")),
        Row::at(3, 760, 380, SJ("y=2 を①に代入して"), kPause),
        Row::at(3, 760, 430, SJ("x"), kPause),
        Row::cont(0, SJ("=2*2+5=4+5")),
        Row::cont(3, SJ("=9")),
        Row::at(5, 760, 480, SJ("答 (x,y)=(9,2)"), kPause),
        // The rule below the left column, from the answer line's height.
        Row::at(5, 40, 480, SJ("係数に分数や小数のある連立方程式は、")),
        Row::at(5, 40, 530, SJ("係数が全部整数になるように変形してから解く。"), kPause),
        Row::at(3, 40, 580, SJ("教科書P45 問9　をしなさい。")),
    });
}

void UNIT5_ABC_EXAMPLE() {
    clear(0, 0, 1600, 1800);
    G.B1 = 40;
    G.B2 = 30;
    draw_rows({
        Row::at(3, 40, 30, SJ("例題5　次の連立方程式を解きなさい。")),
        Row::at(0, 40, 80, SJ("x+y=3x-2y+20=25"), kPause),
        Row::at(3, 40, 140, SJ("25を2回使って連立方程式をつくると"), kPause),
        Row::system_brace(40, 190, 100),
        Row::at(0, 80, 190, SJ("x+y=25…①")),
        Row::at(0, 80, 240, SJ("3x-2y+20=25…②"), kPause),
        Row::at(3, 40, 300, SJ("②から")),
        Row::at(0, 40, 360, SJ("3x-2y=25-20")),
        Row::at(0, 40, 410, SJ("3x-2y=5…③"), kPause),
        Row::at(0, 40, 460, SJ("したがって、")),
    });
    solve_in_column(680, 707, {1, 1, 25, 3, -2, 5}, SJ("①"), SJ("③"));
    pause();
    // The rule and the pointer from the working's last line.
    const float y = G.B2;
    draw_rows({
        Row::at(5, 40, y - 50, SJ("A=B=C の形の連立方程式は、")),
        Row::at(5, 40, y, SJ("A,B,Cのうち一番簡単な式を2回使う。"), kPause),
        Row::at(3, 40, y + 50, SJ("教科書P46 問10　をしなさい。")),
    });
}
