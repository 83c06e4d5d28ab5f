// Answer ①: ten systems on seven pages. (1) to (3) through the solver,
// (4) and (5) by substitution, (6) in a and b by a column subtraction, and
// (7) to (10) tidied on the left and solved on the right.
#include "courses/applications/common/answer_page.h"
#include "courses/applications/unit7/unit7.h"

using namespace page;

void MASTERY_TEN_SYSTEMS_ANSWER() {
    // Page 1.
    answers::mastery_page(SJ("1"), 40, 67);
    answers::run_after(SJ("(1)"), 40, G.B2 + 60, 40, {1, 1, 8, 1, -1, -2});
    pause();
    answers::column(640, 721);
    answers::run_after(SJ("(2)"), 640, 30, 640, {2, 6, 3, 6, 3, 4});
    pause();

    // Page 2.
    answers::mastery_page(SJ("1"), 40, 67);
    answers::run_after(SJ("(3)"), 40, G.B2 + 60, 40, {4, -3, 50, 3, -2, 50});
    pause();
    answers::column(640, 640);
    worked_system(SJ("(4)"), 602, 30, 640, SJ("y=3x-5…①"), SJ("x+y=7…②"),
                  {
                      Row::line(3, 50, SJ("①を②に代入して")),
                      Row::line(0, 50, SJ("x+3x-5=7")),
                      Row::line(0, 50, SJ("x+3x=7+5")),
                      Row::line(0, 50, SJ("4x=12")),
                      Row::line(0, 50, SJ("x=3")),
                      Row::line(3, 50, SJ("x=3 を①に代入して")),
                      Row::line(0, 50, SJ("y=3*3-5=9-5")),
                      Row::line(0, 50, SJ("y=4")),
                      Row::line(5, 50, SJ("(x,y)=(3,4)")),
                  });
    pause();

    // Page 3.
    answers::mastery_page(SJ("1"), 40, 67);
    worked_system(SJ("(5)"), 40, G.B2 + 60, 67, SJ("y=2x+3…①"), SJ("y=6x-1…②"),
                  {
                      Row::line(3, 50, SJ("①を②に代入して")),
                      Row::line(0, 50, SJ("2x+3=6x-1")),
                      Row::line(0, 50, SJ("2x-6x=-1-3")),
                      Row::line(0, 50, SJ("-4x=-4")),
                      Row::line(0, 50, SJ("x=1")),
                      Row::line(3, 50, SJ("x=1 を①に代入して")),
                      Row::line(0, 50, SJ("y=2*1+3=2+3")),
                      Row::line(0, 50, SJ("y=5")),
                      Row::line(5, 50, SJ("(x,y)=(1,5)")),
                  });
    pause();
    answers::column(640, 640);
    labelled_system(3, SJ("(6)"), 602, 30, SJ("10=5a+b…①"), SJ("1=2a+b…②"), 0);
    line(3, 50, SJ("①-②"));
    column_working(G.B1, G.B2 + 50, SJ("10=5a+b"), SJ(" 1=2a+b"));
    sign_row(3, G.B1, G.B2 - 25, SJ("+ - -  -"));
    at(0, G.XJ2, G.B2 + 50, SJ(" 9=3a"));
    at(0, G.XJ2, G.B2 + 50, SJ(" 3=a"));
    line(3, 50, SJ("a=3 を②に代入して"));
    line(0, 50, SJ("1=2*3+b=6+b"));
    line(0, 50, SJ("1-6=b"));
    line(0, 50, SJ("b=-5"));
    line(5, 50, SJ("(a,b)=(3,-5)"));
    pause();

    // Pages 4 to 7: no title; each system tidied on the left, solved on
    // the right.
    answers::untitled_page(SJ("(7)"));
    // clang-format off
    answers::tidy_and_solve(40, 80,
                            {.first = SJ("3(x-2y)=y-17…①"),
                             .second = SJ("6x+5y=4…②"),
                             .tidying = {Row::line(3, 50, SJ("①から")),
                                         Row::line(0, 50, SJ("3x-6y=y-17")),
                                         Row::line(0, 50, SJ("3x-6y-y=-17")),
                                         Row::line(0, 50, SJ("3x-7y=-17…③")),
                                         Row::line(3, 50, SJ("③を使って連立方程式をつくると"))},
                             .system = {3, -7, -17, 6, 5, 4},
                             .label1 = SJ("③"),
                             .label2 = SJ("②")});
    // clang-format on
    pause();

    answers::untitled_page(SJ("(8)"));
    // clang-format off
    answers::tidy_and_solve(40, 80,
                            {.first = SJ("3x-2y=3…①"),
                             .second = SJ("ﾀ1/2ﾀx+ﾀ3/4ﾀy=7…②"),
                             .step = 70,
                             .tidying = {Row::line(3, 70, SJ("4*②から")),
                                         Row::line(0, 50, SJ("2x+3y=28…③")),
                                         Row::line(3, 50, SJ("③を使って連立方程式をつくると"))},
                             .system = {3, -2, 3, 2, 3, 28},
                             .label1 = SJ("①"),
                             .label2 = SJ("③")});
    // clang-format on
    pause();

    answers::untitled_page(SJ("(9)"));
    // clang-format off
    answers::tidy_and_solve(40, 80,
                            {.first = SJ("0.5x-0.3y=1…①"),
                             .second = SJ("x=3y+2…②"),
                             .tidying = {Row::line(3, 50, SJ("10*①から")),
                                         Row::line(0, 50, SJ("5x-3y=10…③")),
                                         Row::line(3, 50, SJ("②から")),
                                         Row::line(0, 50, SJ("x-3y=2…④")),
                                         Row::line(3, 50, SJ("③,④を使って")),
                                         Row::line(3, 50, SJ("連立方程式をつくると"))},
                             .system = {5, -3, 10, 1, -3, 2},
                             .label1 = SJ("③"),
                             .label2 = SJ("④")});
    // clang-format on
    pause();

    answers::untitled_page(SJ("(10)"));
    // clang-format off
    answers::tidy_and_solve(40, 80,
                            {.first = SJ("5x+2y=2(x+2y)+8…①"),
                             .second = SJ("ﾀx/4ﾀ+ﾀy/3ﾀ=ﾀ1/6ﾀ…②"),
                             .step = 70,
                             .tidying = {Row::line(3, 50, SJ("①から")),
                                         Row::line(0, 50, SJ("5x+2y=2x+4y+8")),
                                         Row::line(0, 50, SJ("5x-2x+2y-4y=8")),
                                         Row::line(0, 50, SJ("3x-2y=8…③")),
                                         Row::line(3, 60, SJ("12*②から")),
                                         Row::line(0, 50, SJ("3x+4y=2…④")),
                                         Row::line(3, 50, SJ("③,④を使って")),
                                         Row::line(3, 50, SJ("連立方程式をつくると"))},
                             .system = {3, -2, 8, 3, 4, 2},
                             .label1 = SJ("③"),
                             .label2 = SJ("④")});
    // clang-format on
}
