// Answer ④: four systems solved by substitution, every line written out,
// each with its label 38 left of the working's margin.
#include "courses/applications/common/answer_page.h"
#include "courses/applications/unit6/unit6.h"

using namespace page;

void CHECK_SUBSTITUTION_ANSWER() {
    answers::check_page(SJ("4"), 40, 94);
    worked_system(SJ("(1)"), 56, G.B2 + 60, 94, SJ("y=2x …①"), SJ("x+y=12 …②"),
                  {
                      Row::line(3, 50, SJ("①を②に代入して")),
                      Row::line(0, 50, SJ("x+2x=12")),
                      Row::line(0, 50, SJ("3x=12")),
                      Row::line(0, 50, SJ("x=4")),
                      Row::line(3, 50, SJ("x=4 を①に代入して")),
                      Row::line(0, 50, SJ("y=2*4")),
                      Row::line(0, 50, SJ("y=8")),
                      Row::line(5, 50, SJ("(x,y)=(4,8)")),
                  });
    worked_system(SJ("(2)"), 760, 30, 798, SJ("2x-y=6 …①"), SJ("x=y-3 …②"),
                  {
                      Row::line(3, 50, SJ("②を①に代入して")),
                      Row::line(0, 50, SJ("2(y-3)-y=6")),
                      Row::line(0, 50, SJ("2y-6-y=6")),
                      Row::line(0, 50, SJ("2y-y=6+6")),
                      Row::line(0, 50, SJ("y=12")),
                      Row::line(3, 50, SJ("y=12 を②に代入して")),
                      Row::line(0, 50, SJ("x=12-3")),
                      Row::line(0, 50, SJ("x=9")),
                      Row::line(5, 50, SJ("(x,y)=(9,12)")),
                  });
    pause();

    answers::check_page(SJ("4"), 40, 94);
    worked_system(SJ("(3)"), 56, G.B2 + 60, 94, SJ("x+y=6 …①"), SJ("x-3y=2 …②"),
                  {
                      Row::line(3, 50, SJ("①から x=6-y…③")),
                      Row::line(3, 50, SJ("③を②に代入して")),
                      Row::line(0, 50, SJ("6-y-3y=2")),
                      Row::line(0, 50, SJ("-4y=2-6=-4")),
                      Row::line(0, 50, SJ("y=1")),
                      Row::line(3, 50, SJ("y=1 を③に代入して")),
                      Row::line(0, 50, SJ("x=6-1")),
                      Row::line(0, 50, SJ("x=5")),
                      Row::line(5, 50, SJ("(x,y)=(5,1)")),
                  });
    worked_system(SJ("(4)"), 760, 30, 798, SJ("5x+2y=8 …①"), SJ("y-x=-3 …②"),
                  {
                      Row::line(3, 50, SJ("②から y=x-3…③")),
                      Row::line(3, 50, SJ("③を①に代入して")),
                      Row::line(0, 50, SJ("5x+2(x-3)=8")),
                      Row::line(0, 50, SJ("5x+2x-6=8")),
                      Row::line(0, 50, SJ("7x=8+6=14")),
                      Row::line(0, 50, SJ("x=2")),
                      Row::line(3, 50, SJ("x=2 を③に代入して")),
                      Row::line(0, 50, SJ("y=2-3")),
                      Row::line(0, 50, SJ("y=-1")),
                      Row::line(5, 50, SJ("(x,y)=(2,-1)")),
                  });
}
