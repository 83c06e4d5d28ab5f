// Answers ③ and ④: the constants of a system from its solution, and the
// two-digit number whose digits are swapped.
#include "courses/applications/common/answer_page.h"
#include "courses/applications/unit7/unit7.h"

using namespace page;

void MASTERY_FIND_CONSTANTS_ANSWER() {
    answers::mastery_page(SJ("3"), 40, 67);
    answers::given_system(G.B1, G.B2 + 50, SJ("ax+6y=6…①"), SJ("-3x+by=34…②"));
    line(0, 60, SJ("解が(x,y)=(-3,5) だから"));
    line(3, 50, SJ("①,②に、x=-3,y=5 を代入して"));
    answers::given_system(G.B1, G.B2 + 70, SJ("-3a+30=6…③"), SJ("9+5b=34…④"));
    line(3, 50, SJ("③から"));
    line(0, 50, SJ("-3a=6-30"));
    line(0, 50, SJ("-3a=-24"));
    line(3, 50, SJ("a=8"));

    G.B1 = 722;
    G.B2 = 30;
    line(3, 50, SJ("④から"));
    line(0, 50, SJ("5b=34-9"));
    line(0, 50, SJ("5b=25"));
    line(3, 50, SJ("b=5"));
    line(5, 70, SJ("答 a=8,b=5"));
}

void MASTERY_DIGIT_SWAP_ANSWER() {
    answers::mastery_page(SJ("4"), 40, 67);
    pause();
    line(0, 50, SJ("もとの整数を"));
    cont(3, SJ("10x+y "));
    cont(0, SJ("とすると,"));
    pause();
    line(0, 50, SJ("各位の数の和の4倍より3大きいから"));
    pause();
    line(3, 50, SJ("10x+y=4(x+y)+3…①"));
    pause();
    line(0, 50, SJ("入れかえた数は"));
    cont(3, SJ("10y+x "));
    line(0, 50, SJ("もとの整数より9大きいから"));
    pause();
    line(3, 50, SJ("10y+x=10x+y+9…②"));
    line(3, 50, SJ("①から"));
    cont(0, SJ(" 6x-3y=3"));
    line(0, 50, SJ("2x-y=1…③"));
    line(3, 50, SJ("②から"));
    cont(0, SJ(" -9x+9y=9"));
    line(0, 50, SJ("-x+y=1…④"));

    answers::column(680, 680);
    answers::run_after(SJ("  "), 680, 30, 680, {2, -1, 1, -1, 1, 1}, SJ("③"), SJ("④"));
    pause();
    line(0, 50, SJ("これらは問題に適している。"));
    at(5, 120, G.B2, SJ("答　もとの整数は23"));
}
