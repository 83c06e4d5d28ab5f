// Answers ⑤ and ⑥: systems brought into plain form, then solved.
#include "courses/applications/common/answer_page.h"
#include "courses/applications/unit6/unit6.h"

using namespace page;

void CHECK_SIMPLIFY_ANSWER() {
    answers::check_page(SJ("5"), 40, 67);
    at(3, G.II, G.B2 + 60, SJ("(1)"));
    // clang-format off
    answers::tidy_and_solve(G.B1, G.B2 + 50,
                            {.first = SJ("3x-7y=5 …①"),
                             .second = SJ("5x-(x+7y)=2 …②"),
                             .tidying = {Row::line(3, 50, SJ("②から")),
                                         Row::line(0, 50, SJ("5x-x-7y=2")),
                                         Row::line(0, 50, SJ("4x-7y=2 …③")),
                                         Row::line(3, 50, SJ("③を使って連立方程式をつくると"))},
                             .system = {3, -7, 5, 4, -7, 2},
                             .label1 = SJ("①"),
                             .label2 = SJ("③")});
    // clang-format on
    pause();

    answers::untitled_page(SJ("(2)"));
    // clang-format off
    answers::tidy_and_solve(40, 80,
                            {.first = SJ("x+2(y-1)=3 …①"),
                             .second = SJ("x-3y=0 …②"),
                             .tidying = {Row::line(3, 50, SJ("①から")),
                                         Row::line(0, 50, SJ("x+2y-2=3")),
                                         Row::line(0, 50, SJ("x+2y=3+2")),
                                         Row::line(0, 50, SJ("x+2y=5 …③")),
                                         Row::line(3, 50, SJ("③を使って連立方程式をつくると"))},
                             .system = {1, 2, 5, 1, -3, 0},
                             .label1 = SJ("③"),
                             .label2 = SJ("②")});
    // clang-format on
    pause();

    answers::untitled_page(SJ("(3)"));
    // clang-format off
    answers::tidy_and_solve(40, 80,
                            {.first = SJ("x-y=4 …①"),
                             .second = SJ("ﾀ1/10ﾀx-ﾀ3/10ﾀy=2 …②"),
                             .step = 70,
                             .height = 120,
                             .tidying = {Row::line(3, 100, SJ("②*10")),
                                         Row::line(0, 50, SJ("x-3y=20 …③")),
                                         Row::line(3, 50, SJ("③を使って連立方程式をつくると"))},
                             .system = {1, -1, 4, 1, -3, 20},
                             .label1 = SJ("①"),
                             .label2 = SJ("③")});
    // clang-format on
    pause();

    answers::untitled_page(SJ("(4)"));
    // clang-format off
    answers::tidy_and_solve(40, 80,
                            {.first = SJ("0.5x+0.4y=1.3 …①"),
                             .second = SJ("x-2y=-3 …②"),
                             .tidying = {Row::line(3, 50, SJ("①*10")),
                                         Row::line(0, 50, SJ("5x+4y=13 …③")),
                                         Row::line(3, 50, SJ("③を使って連立方程式をつくると"))},
                             .system = {5, 4, 13, 1, -2, -3},
                             .label1 = SJ("③"),
                             .label2 = SJ("②")});
    // clang-format on
}

void CHECK_ABC_ANSWER() {
    answers::check_page(SJ("6"), 40, 67);
    line(3, 50, SJ("1を2回使って連立方程式をつくると"));
    answers::column(640, 667);
    answers::run_after(SJ("  "), G.B1, G.B2, 640, {1, 1, 1, 4, 3, 1}, SJ("①"), SJ("②"));
}
