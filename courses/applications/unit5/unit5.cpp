#include "courses/applications/unit5/unit5.h"

#include "courses/applications/common/answer_page.h"

using namespace page;

namespace {

// Every page opens the same way: cleared, its boxed title, a pause.
void practice_page(const Str& number) {
    answers::titled_page(SJ("P53 練習問題"), 272, number, 40, 40);
    pause();
}

}  // namespace

void PRACTICE_SECTION_MENU() {
    section_menu(SJ("P53 練習問題 ①　②　③　④終了"), {NUMBER_SUM_ANSWER, RECYCLING_ANSWER, SHIRT_HAT_ANSWER});
}

void NUMBER_SUM_ANSWER() {
    practice_page(SJ("1"));
    at(0, 40, 80, SJ("2つの数を、それぞれx,yとすると,"));
    pause();
    line(0, 50, SJ("和が100 だから"));
    pause();
    line(3, 50, SJ("x+y=100"));
    pause();
    line(0, 50, SJ("一方の数が他方の数の2倍より"));
    line(0, 50, SJ("10大きいから"));
    pause();
    line(3, 50, SJ("x=2y+10"));
    line(0, 50, SJ(""));
    answers::given_system(40, G.B2, SJ("x+y=100…①"), SJ("x=2y+10…②"));
    pause();

    answers::column(40, 684);
    at(3, G.B1, G.B2, SJ("②を①に代入して"));
    line(0, 50, SJ("2y+10+y=100"));
    line(0, 50, SJ("2y+y=100-10"));
    line(0, 50, SJ("3y=90"));
    line(3, 50, SJ("y=30"));
    pause();
    line(3, 50, SJ("y=30 を②に代入して"));
    line(0, 50, SJ("x=2*30+10"));
    line(0, 50, SJ("x=60+10=70"));
    line(3, 50, SJ("(x,y)=(70,30)"));
    pause();
    line(0, 50, SJ("これらは問題に適している。"));
    line(5, 50, SJ("答　70と30"));
}

void RECYCLING_ANSWER() {
    practice_page(SJ("2"));
    at(0, 40, 80, SJ("新聞紙xkg、雑誌ykgとすると、"));
    line(0, 50, SJ("重さの合計が960kg だから"));
    line(3, 50, SJ("x+y+220=960…①"));
    pause();
    line(0, 50, SJ("金額の合計が6640円 だから"));
    line(3, 50, SJ("7x+6y+8*220=6640…②"));
    pause();
    line(0, 50, SJ("①より x+y=960-220=740"));
    line(3, 50, SJ("x+y=740…③"));
    pause();
    line(0, 50, SJ("②より 7x+6y+1760=6640"));
    line(0, 50, SJ("7x+6y=6640-1760=4880"));
    line(3, 50, SJ("7x+6y=4880…④"));
    pause();

    answers::column(640, 667);
    answers::run_after(SJ(" "), 640, 30, 640, {1, 1, 740, 7, 6, 4880}, SJ("③"), SJ("④"));
    pause();
    at(0, G.II, G.B2 + 50, SJ("これらは問題に適している。"));
    at(5, 40, G.B2, SJ("答　新聞紙 440kg、雑誌 300kg"));
}

void SHIRT_HAT_ANSWER() {
    practice_page(SJ("3"));
    at(0, 40, 80, SJ("値札のシャツの金額をx円、"));
    line(0, 50, SJ("値札の帽子の金額をy円とすると"));
    line(0, 50, SJ("値札の金額の合計が3100円 だから"));
    line(3, 50, SJ("x+y=3100…①"));
    pause();
    line(0, 50, SJ("代金の合計が2300円 だから"));
    line(3, 70, SJ("ﾀ80/100ﾀx+ﾀ70/100ﾀy=2300…②"));
    pause();
    line(0, 60, SJ("②*10より"));
    line(3, 50, SJ("8x+7y=23000…③"));
    pause();

    answers::column(640, 667);
    answers::run_after(SJ(" "), 640, 30, 640, {1, 1, 3100, 8, 7, 23000}, SJ("①"), SJ("③"));
    pause();
    at(0, G.II, G.B2 + 50, SJ("これらは問題に適している。"));
    at(5, 40, G.B2 - 50, SJ("答　シャツ 1300円"));
    at(5, 40, G.B2 + 50, SJ("　　帽子　1800円"));
}
