// Answers ⑦ and ⑧: word problems set up on the left, solved on the right.
#include "courses/applications/common/answer_page.h"
#include "courses/applications/unit6/unit6.h"

using namespace page;

void CHECK_APPLES_PEACHES_ANSWER() {
    answers::check_page(SJ("7"), 40, 40);
    line(0, 50, SJ("りんごをx個、ももをy個とすると、"));
    line(3, 50, SJ("(1) "));
    cont(0, SJ("個数の合計が10個 だから"));
    line(3, 50, SJ("x+y=10…①"));
    pause();
    line(0, 50, SJ("代金の合計が1200円 だから"));
    line(3, 50, SJ("100x+150y=1200 …②"));
    pause();

    answers::column(640, 667);
    answers::run_after(SJ("(2)"), 640, 30, 640, {1, 1, 10, 100, 150, 1200}, SJ("①"), SJ("②"));
    pause();
    line(0, 50, SJ("これらは問題に適している。"));
    at(5, 40, G.B2 - 50, SJ("答　りんご6個"));
    at(5, 40, G.B2 + 50, SJ("　　もも4個"));
}

void CHECK_BOYS_GIRLS_ANSWER() {
    answers::check_page(SJ("8"), 40, 40);
    line(0, 50, SJ("昨年の男子の人数をx人、"));
    line(0, 50, SJ("女子の人数をy人とすると、"));
    line(3, 50, SJ("(1) "));
    cont(0, SJ("あわせて500人 だから"));
    line(3, 50, SJ("x+y=500…①"));
    pause();
    line(0, 50, SJ("男子が80％,女子が120％で、"));
    line(0, 50, SJ("生徒数が480人 だから"));
    line(3, 60, SJ("ﾀ80/100ﾀx+ﾀ120/100ﾀy=480 …②"));
    pause();
    line(0, 60, SJ("②*2.5"));
    line(3, 50, SJ("2x+3y=1200 …③"));
    pause();

    answers::column(640, 667);
    answers::run_after(SJ("(2)"), 640, 30, 640, {1, 1, 500, 2, 3, 1200}, SJ("①"), SJ("③"));
    pause();
    line(0, 50, SJ("これらは問題に適している。"));
    at(5, 40, G.B2, SJ("答　男子300人,女子200人"));
}
