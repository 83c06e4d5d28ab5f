// The answers to practice problems 1 and 2: systems solved by the solver,
// by substitution written out line by line, and after clearing fractions
// and decimals.
#include <vector>

#include "courses/equations/unit6/unit6.h"
#include "engine/shell/page.h"
#include "engine/solver/hand_over.h"

using namespace page;

namespace {

// A screen of its own for a system whose second equation is tidied into ③:
// the tidying on the left, then ① and ③ solved from x 608.
void tidied_system_screen(const std::vector<Row>& left_column, const System& pair) {
    clear(0, 0, 1760, 1800);
    G.II = 40;
    G.B1 = 40;
    G.B2 = 30;
    draw_rows(left_column);
    solve_in_column(608, 608, pair, SJ("①"), SJ("③"));
}

// The title of a practice problem's answers, boxed, with its number.
void practice_title(const Str& number) { boxed_title(40, 30, SJ("P46 練習問題"), 272, number, 40); }

}  // namespace

void UNIT6_PROBLEM1_ANSWERS() {
    // Screen 1: the title, (1) through the solver on the left, (2) on the
    // right. A system worked by hand has its working 81 right of its label.
    clear(0, 0, 1760, 1800);
    G.II = 40;
    G.B1 = G.II + 81;
    G.B2 = 30;
    practice_title(SJ("1"));
    pause();
    at(3, G.II, G.B2 + 50, SJ("(1)"));
    solve({4, 1, 4, 1, 1, -5});
    pause();
    worked_system(SJ("(2)"), 640, 30, 721, SJ("2x+5y=18 …①"), SJ("x=2y …②"),
                  {
                      Row::line(3, 50, SJ("②を①に代入して")),
                      Row::line(0, 50, SJ("2*2y+5y=18")),
                      Row::line(0, 50, SJ("4y+5y=18")),
                      Row::line(0, 50, SJ("9y=18")),
                      Row::line(0, 50, SJ("y=2")),
                      Row::line(3, 50, SJ("y=2 を②に代入して")),
                      Row::line(0, 50, SJ("x=2*2=4")),
                      Row::line(5, 50, SJ("(x,y)=(4,2)")),
                  });
    pause();

    // Screen 2: (3) in place of (1), then (4) in place of (2).
    clear(0, 0, 640, 1800);
    worked_system(SJ("(3)"), 40, 30, 121, SJ("4x-5y=3 …①"), SJ("5y=8x-11 …②"),
                  {
                      Row::line(3, 50, SJ("②を①に代入して")),
                      Row::line(0, 50, SJ("4x-(8x-11)=3")),
                      Row::line(0, 50, SJ("4x-8x+11=3")),
                      Row::line(0, 50, SJ("-4x=3-11=-8")),
                      Row::line(0, 50, SJ("x=2")),
                      Row::line(3, 50, SJ("x=2 を②に代入して")),
                      Row::line(0, 50, SJ("5y=8*2-11")),
                      Row::line(0, 50, SJ("5y=16-11=5")),
                      Row::line(0, 50, SJ("y=1")),
                      Row::line(5, 50, SJ("(x,y)=(2,1)")),
                  });
    pause();
    clear(640, 0, 640, 1800);
    worked_system(SJ("(4)"), 640, 30, 721, SJ("y=3x-2 …①"), SJ("y=2x+3 …②"),
                  {
                      Row::line(3, 50, SJ("①を②に代入して")),
                      Row::line(0, 50, SJ("3x-2=2x+3")),
                      Row::line(0, 50, SJ("3x-2x=3+2")),
                      Row::line(0, 50, SJ("x=5")),
                      Row::line(3, 50, SJ("x=5 を②に代入して")),
                      Row::line(0, 50, SJ("y=2*5+3")),
                      Row::line(0, 50, SJ("y=10+3")),
                      Row::line(0, 50, SJ("y=13")),
                      Row::line(5, 50, SJ("(x,y)=(5,13)")),
                  });
    pause();

    // Screen 3: (5), its fractions cleared into ③.
    // clang-format off
    tidied_system_screen({
        Row::at(3, 40, 30, SJ("(5)")),
        Row::system_brace(40, 80, 100),
        Row::at(0, 80, 80, SJ("3x+2y=2 …①")),
        Row::at(0, 80, 150, SJ("ﾀ5/4ﾀx-ﾀy/5ﾀ=6 …②")),
        Row::at(3, 40, 220, SJ("20*②")),
        Row::at(0, 40, 290, SJ("20*ﾀ5/4ﾀx-20*ﾀy/5ﾀ=20*6")),
        Row::at(0, 40, 360, SJ("25x-4y=120 …③")),
        Row::at(3, 40, 410, SJ("③を使って連立方程式をつくると")),
    }, {3, 2, 2, 25, -4, 120});
    // clang-format on
    pause();

    // Screen 4: (6), its decimals cleared into ③.
    // clang-format off
    tidied_system_screen({
        Row::at(3, 40, 30, SJ("(6)")),
        Row::system_brace(40, 90, 100),
        Row::at(0, 80, 90, SJ("x-3y=19 …①")),
        Row::at(0, 80, 140, SJ("0.2x-0.5y=3 …②")),
        Row::at(3, 40, 190, SJ("10*②")),
        Row::at(0, 40, 240, SJ("10*0.2x-10*0.5y=10*3")),
        Row::at(0, 40, 290, SJ("2x-5y=30 …③")),
        Row::at(3, 40, 340, SJ("③を使って連立方程式をつくると")),
    }, {1, -3, 19, 2, -5, 30});
    // clang-format on
}

void UNIT6_PROBLEM2_ANSWERS() {
    clear(0, 0, 1760, 1800);
    G.II = 40;
    G.B1 = G.II;
    G.B2 = 30;
    practice_title(SJ("2"));
    draw_rows({
        Row::at(3, 40, 80, SJ("2を2回使って連立方程式をつくると")),
        Row::system_brace(40, 130, 100),
        Row::at(0, 80, 130, SJ("ﾀx/3ﾀ+ﾀy/2ﾀ=2 …①")),
        Row::at(0, 80, 190, SJ("0.6x+0.7y=2 …②")),
        Row::at(3, 40, 240, SJ("①*6")),
        Row::at(0, 40, 310, SJ("ﾀx/3ﾀ*6+ﾀy/2ﾀ*6=2*6")),
        Row::at(0, 40, 370, SJ("2x+3y=12 …③")),
        Row::at(3, 40, 420, SJ("②*10")),
        Row::at(0, 40, 470, SJ("0.6x*10+0.7y*10=2*10")),
        Row::at(0, 40, 520, SJ("6x+7y=20 …④")),
        Row::at(0, 40, 570, SJ("したがって、")),
    });
    solve_in_column(680, 680, {2, 3, 12, 6, 7, 20}, SJ("③"), SJ("④"));
}
