// Sections ④ and ⑥: the worked answers to questions 6 and 7, two systems
// side by side, drawn at once. Each has its part label 38 left of its
// column's margin and its working 50 apart at the margin.
#include "courses/equations/unit4/unit4.h"
#include "engine/shell/page.h"

using namespace page;

void UNIT4_Q6_ANSWERS() {
    clear(0, 0, 1600, 1800);
    fixed(7, 38, 30, SJ("問6"));
    worked_system("(1)", 228, 30, 266, SJ("9x-2y=12…①"), SJ("y=3x…②"),
                  {
                      Row::line(3, 50, SJ("②を①に代入して")),
                      Row::line(0, 50, "9x-2*3x=12"),
                      Row::line(0, 50, "9x-6x=12"),
                      Row::line(0, 50, "3x=12"),
                      Row::line(0, 50, "x=4"),
                      Row::line(3, 50, SJ("x=4 を②に代入して")),
                      Row::line(0, 50, "y=3*4"),
                      Row::line(0, 50, "y=12"),
                      Row::line(5, 50, SJ("答 (x,y)=(4,12)")),
                  });
    worked_system("(2)", 760, 30, 798, SJ("x=-5y+4…①"), SJ("2x+y=-1…②"),
                  {
                      Row::line(3, 50, SJ("①を②に代入して")),
                      Row::line(0, 50, "2(-5y+4)+y=-1"),
                      Row::line(0, 50, "-10y+8+y=-1"),
                      Row::line(0, 50, "-10y+y=-1-8"),
                      Row::line(0, 50, "-9y=-9"),
                      Row::line(0, 50, "y=1"),
                      Row::line(3, 50, SJ("y=1 を①に代入して")),
                      Row::line(0, 50, "x=-5*1+4=-5+4"),
                      Row::line(0, 50, "x=-1"),
                      Row::line(5, 50, SJ("答 (x,y)=(-1,1)")),
                  });
}

void UNIT4_Q7_ANSWERS() {
    clear(0, 0, 1600, 1800);
    fixed(7, 38, 30, SJ("問7"));
    worked_system("(1)", 152, 30, 190, SJ("y-x=4…①"), SJ("5x-3y=2…②"),
                  {
                      Row::line(3, 50, SJ("①から　")),
                      Row::cont(0, SJ("y=x+4…①'")),
                      Row::line(3, 50, SJ("①'を②に代入して")),
                      Row::line(0, 50, "5x-3(x+4)=2"),
                      Row::line(0, 50, "5x-3x-12=2"),
                      Row::line(0, 50, "5x-3x=2+12"),
                      Row::line(0, 50, "2x=14"),
                      Row::line(0, 50, "x=7"),
                      Row::line(3, 50, SJ("x=7 を①'に代入して")),
                      Row::line(0, 50, "y=7+4=11"),
                      Row::line(5, 50, SJ("答 (x,y)=(7,11)")),
                  });
    worked_system("(2)", 684, 30, 722, SJ("3x+2y=-11…①"), SJ("3y-x=0…②"),
                  {
                      Row::line(3, 50, SJ("②から　")),
                      Row::cont(0, SJ("x=3y…②'")),
                      Row::line(3, 50, SJ("②'を①に代入して")),
                      Row::line(0, 50, "3*3y+2y=-11"),
                      Row::line(0, 50, "9y+2y=-11"),
                      Row::line(0, 50, "11y=-11"),
                      Row::line(0, 50, "y=-1"),
                      Row::line(3, 50, SJ("y=-1 を②'に代入して")),
                      Row::line(0, 50, "x=3*(-1)=-3"),
                      Row::line(5, 50, SJ("答 (x,y)=(-3,-1)")),
                  });
}
