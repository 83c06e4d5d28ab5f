// Answer ②: three A=B=C equations split into two equations each; (1) and
// (3) through the solver, (2) by hand.
#include "courses/applications/common/answer_page.h"
#include "courses/applications/unit7/unit7.h"

using namespace page;

void MASTERY_ABC_ANSWER() {
    answers::mastery_page(SJ("2"), 40, 67);
    at(3, 40, G.B2 + 60, SJ("(1)"));
    cont(0, SJ("-1を2回使うと"));
    // clang-format off
    answers::tidy_and_solve(G.B1, G.B2 + 50,
                            {.first = SJ("4x-y-7=-1…①"),
                             .second = SJ("3x+2y=-1…②"),
                             .tidying = {Row::line(3, 50, SJ("①から")),
                                         Row::line(0, 50, SJ("4x-y=-1+7")),
                                         Row::line(0, 50, SJ("4x-y=6…③")),
                                         Row::line(3, 50, SJ("③を使って連立方程式をつくると"))},
                             .system = {4, -1, 6, 3, 2, -1},
                             .label1 = SJ("③"),
                             .label2 = SJ("②")});
    // clang-format on
    pause();

    answers::untitled_page(SJ("(2)"));
    cont(0, SJ("1を2回使うと"));
    answers::given_system(40, G.B2 + 70, SJ("ﾀx+y/4ﾀ=1…①"), SJ("ﾀx+1/3ﾀ=1…②"), 70);
    line(3, 70, SJ("4*①から"));
    line(0, 50, SJ("x+y=4…③"));
    line(3, 70, SJ("3*②から"));
    line(0, 50, SJ("x+1=3"));
    line(3, 50, SJ("x"));
    cont(0, SJ("=3-1"));
    cont(3, SJ("=2"));
    answers::column(608, 608);
    line(3, 50, SJ("この値を③に代入して"));
    line(0, 50, SJ("2+y=4"));
    line(3, 50, SJ("y"));
    cont(0, SJ("=4-2"));
    cont(3, SJ("=2"));
    line(5, 50, SJ("(x,y)=(2,2)"));
    pause();

    answers::untitled_page(SJ("(3)"));
    cont(0, SJ("(5+3y)を2回使うと"));
    // clang-format off
    answers::tidy_and_solve(40, G.B2 + 50,
                            {.first = SJ("3x+2y=5+3y…①"),
                             .second = SJ("2x+11=5+3y…②"),
                             .tidying = {Row::line(3, 50, SJ("①から")),
                                         Row::line(0, 50, SJ("3x+2y-3y=5")),
                                         Row::line(0, 50, SJ("3x-y=5…③")),
                                         Row::line(3, 50, SJ("②から")),
                                         Row::line(0, 50, SJ("2x-3y=5-11")),
                                         Row::line(0, 50, SJ("2x-3y=-6…④")),
                                         Row::line(3, 50, SJ("③,④を使って")),
                                         Row::line(3, 50, SJ("連立方程式をつくると"))},
                             .system = {3, -1, 5, 2, -3, -6},
                             .label1 = SJ("③"),
                             .label2 = SJ("④")});
    // clang-format on
}
