// Answers ⑥ and ⑦: the train over a bridge and through a tunnel, and the
// go stones in two bags.
#include "courses/applications/common/answer_page.h"
#include "courses/applications/unit7/unit7.h"

using namespace page;

void MASTERY_TRAIN_ANSWER() {
    answers::mastery_page(SJ("6"), 40, 67);
    pause();
    line(0, 50, SJ("列車の長さをxm,"));
    line(0, 50, SJ("速さを秒速ymとすると、"));
    pause();
    line(0, 50, SJ("鉄橋を渡り終わるまでの長さは"));
    line(3, 50, SJ("1260+x(m)"));
    cont(0, SJ(" だから"));
    pause();
    line(0, 50, SJ("1260+x=60y"));
    line(3, 50, SJ("x-60y=-1260…①"));
    pause();
    line(0, 50, SJ("トンネルを出てしまうまでの長さは"));
    line(3, 50, SJ("2010+x(m)"));
    cont(0, SJ(" だから"));
    pause();
    line(0, 50, SJ("2010+x=90y"));
    line(3, 50, SJ("x-90y=-2010…②"));

    answers::column(680, 680);
    answers::run_after(SJ("  "), 680, 30, 680, {1, -60, -1260, 1, -90, -2010}, SJ("①"), SJ("②"));
    line(0, 50, SJ("これらは問題に適している。"));
    pause();

    // The left column, from its first line down, gives way to the speed in
    // kilometres an hour; the title and the solver's work stay.
    const float left = 40, top = 80, work_x = 680;
    clear(left, top, work_x - left, 1800 - top);
    G.II = 40;
    G.B1 = 67;
    G.B2 = top;
    line(0, 50, SJ("列車の速さは"));
    cont(3, SJ("秒速25m"));
    cont(0, SJ(" だから"));
    line(3, 50, SJ("時速は"));
    line(0, 50, SJ(" 25*60*60/1000"));
    line(0, 50, SJ("="));
    cont(3, SJ("90(km／時)"));
    line(5, 70, SJ("答　列車の長さは240m"));
    line(5, 50, SJ("　　列車の速さは時速90km"));
}

void MASTERY_GO_STONES_ANSWER() {
    // The wider pen, set before the title cells, stays after the answer.
    draw::set_width(5);
    answers::titled_page(answers::mastery_title(), 360, SJ("7"), 30, 57);
    pause();
    at(3, G.II, G.B2 + 60, SJ("い"));
    cont(0, SJ("の袋にx個,"));
    cont(3, SJ("ろ"));
    cont(0, SJ("の袋にy個の"));
    line(0, 50, SJ("碁石が入っているとすると、"));
    pause();
    at(0, G.II, G.B2 + 50, SJ("碁石は全部で21個 だから"));
    line(3, 50, SJ("x+y=21…①"));
    pause();
    at(0, G.II, G.B2 + 50, SJ("「はい」といった回数が13回 だから"));
    line(3, 70, SJ("ﾀx/2ﾀ+y=13…②"));
    line(0, 60, SJ("2*②から"));
    pause();
    line(3, 50, SJ("x+2y=26…③"));

    answers::column(680, 680);
    answers::run_after(SJ("  "), 680, 30, 680, {1, 1, 21, 1, 2, 26}, SJ("①"), SJ("③"));
    line(0, 50, SJ("これらは問題に適している。"));
    at(5, 40, G.B2, SJ("答 "));
    cont(3, SJ("い"));
    cont(0, SJ("の袋"));
    cont(5, SJ("16個"));
    cont(0, SJ(","));
    cont(3, SJ("ろ"));
    cont(0, SJ("の袋"));
    cont(5, SJ("5個"));
}
