// Answer ④: four systems solved by substitution, every line written out.
#include "courses/applications/common/answer_page.h"
#include "courses/applications/unit6/unit6.h"

using namespace page;
using answers::Line;

namespace {

// One question: its label 38 left of the margin `b1` on the line y0, the
// system braced after it, and the working under it, a line each.
void question(float b1, float y0, const Str& label, const Str& first, const Str& second,
              std::initializer_list<Line> working) {
    G.B1 = b1;
    labelled_system(3, label, b1 - 38, y0, first, second, 0);
    answers::lines(working);
}

}  // namespace

void CHECK_SUBSTITUTION_ANSWER() {
    answers::check_page(SJ("4"), 40, 94);
    question(94, G.B2 + 60, SJ("(1)"), SJ("y=2x …①"), SJ("x+y=12 …②"),
             {
                 {50, 3, SJ("①を②に代入して")},
                 {50, 0, SJ("x+2x=12")},
                 {50, 0, SJ("3x=12")},
                 {50, 0, SJ("x=4")},
                 {50, 3, SJ("x=4 を①に代入して")},
                 {50, 0, SJ("y=2*4")},
                 {50, 0, SJ("y=8")},
                 {50, 5, SJ("(x,y)=(4,8)")},
             });
    question(798, 30, SJ("(2)"), SJ("2x-y=6 …①"), SJ("x=y-3 …②"),
             {
                 {50, 3, SJ("②を①に代入して")},
                 {50, 0, SJ("2(y-3)-y=6")},
                 {50, 0, SJ("2y-6-y=6")},
                 {50, 0, SJ("2y-y=6+6")},
                 {50, 0, SJ("y=12")},
                 {50, 3, SJ("y=12 を②に代入して")},
                 {50, 0, SJ("x=12-3")},
                 {50, 0, SJ("x=9")},
                 {50, 5, SJ("(x,y)=(9,12)")},
             });
    pause();

    answers::check_page(SJ("4"), 40, 94);
    question(94, G.B2 + 60, SJ("(3)"), SJ("x+y=6 …①"), SJ("x-3y=2 …②"),
             {
                 {50, 3, SJ("①から x=6-y…③")},
                 {50, 3, SJ("③を②に代入して")},
                 {50, 0, SJ("6-y-3y=2")},
                 {50, 0, SJ("-4y=2-6=-4")},
                 {50, 0, SJ("y=1")},
                 {50, 3, SJ("y=1 を③に代入して")},
                 {50, 0, SJ("x=6-1")},
                 {50, 0, SJ("x=5")},
                 {50, 5, SJ("(x,y)=(5,1)")},
             });
    question(798, 30, SJ("(4)"), SJ("5x+2y=8 …①"), SJ("y-x=-3 …②"),
             {
                 {50, 3, SJ("②から y=x-3…③")},
                 {50, 3, SJ("③を①に代入して")},
                 {50, 0, SJ("5x+2(x-3)=8")},
                 {50, 0, SJ("5x+2x-6=8")},
                 {50, 0, SJ("7x=8+6=14")},
                 {50, 0, SJ("x=2")},
                 {50, 3, SJ("x=2 を③に代入して")},
                 {50, 0, SJ("y=2-3")},
                 {50, 0, SJ("y=-1")},
                 {50, 5, SJ("(x,y)=(2,-1)")},
             });
}
