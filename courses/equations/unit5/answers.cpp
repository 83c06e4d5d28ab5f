// Sections ②, ④, ⑤ and ⑦: the answers to questions 8, 9 and 10 and the
// ingenuity pages. Each page shows its given system and tidies it at once
// (the ingenuity pages a step per key), then hands the tidied system to the
// solver in the right-hand column.
#include <vector>

#include "courses/equations/unit5/unit5.h"
#include "engine/shell/page.h"
#include "engine/solver/hand_over.h"

using namespace page;

namespace {

// An answer page: on a cleared page (1600 by 1800) the title in colour 3 at
// (margin, 30), the rows, then the page's system solved in its column (its
// working from `work_x`, its brace two blanks right of `column_margin`).
struct AnswerPage {
    float margin;
    Str title;
    std::vector<Row> rows;
    float work_x, column_margin;
    System pair;
    Str label1, label2;
};

// Shows the pages one after the other, with a key pause between two pages;
// the last page stays on screen without one.
void show_answer_pages(const std::vector<AnswerPage>& pages) {
    for (size_t n = 0; n < pages.size(); ++n) {
        const AnswerPage& p = pages[n];
        if (n > 0) pause();
        clear(0, 0, 1600, 1800);
        G.B1 = p.margin;
        G.B2 = 30;
        at(3, p.margin, 30, p.title);
        draw_rows(p.rows);
        solve_in_column(p.work_x, p.column_margin, p.pair, p.label1, p.label2);
    }
}

}  // namespace

void UNIT5_Q8_ANSWERS() {
    static const std::vector<AnswerPage> pages = {
        // clang-format off
        {40, SJ("問8　解答(1)"),
         {Row::system_brace(40, 80, 100),
          Row::at(0, 80, 80, SJ("4x+7y=39…①")),
          Row::at(0, 80, 130, SJ("2(x-y)=3x+3y…②")),
          Row::at(3, 40, 180, SJ("②を整理すると")),
          Row::at(0, 40, 230, SJ("2x-2y-3x-3y=0")),
          Row::at(0, 40, 280, SJ("-x-5y=0 …③")),
          Row::at(3, 40, 330, SJ("③を使って連立方程式をつくると"))},
         640, 640, {4, 7, 39, -1, -5, 0}, SJ("①"), SJ("③")},
        {40, SJ("問8　解答(2)"),
         {Row::system_brace(40, 80, 100),
          Row::at(0, 80, 80, SJ("3(x+y)=2x-1 …①")),
          Row::at(0, 80, 130, SJ("x+y=-5 …②")),
          Row::at(3, 40, 180, SJ("①を整理すると")),
          Row::at(0, 40, 230, SJ("3x+3y-2x=-1")),
          Row::at(0, 40, 280, SJ("x+3y=-1 …③")),
          Row::at(3, 40, 330, SJ("③を使って連立方程式をつくると"))},
         640, 640, {1, 3, -1, 1, 1, -5}, SJ("③"), SJ("②")},
        {40, SJ("問8　解答(3)"),
         {Row::system_brace(40, 80, 100),
          Row::at(0, 80, 80, SJ("3(x+2y)=5(x-4) …①")),
          Row::at(0, 80, 130, SJ("x+3y=-2 …②")),
          Row::at(3, 40, 180, SJ("①を整理すると")),
          Row::at(0, 40, 230, SJ("3x+6y=5x-20")),
          Row::at(0, 40, 280, SJ("3x+6y-5x=-20")),
          Row::at(0, 40, 330, SJ("-2x+6y=-20 …③")),
          Row::at(3, 40, 380, SJ("③を使って連立方程式をつくると"))},
         640, 640, {-2, 6, -20, 1, 3, -2}, SJ("③"), SJ("②")},
        {40, SJ("問8　解答(4)"),
         {Row::system_brace(40, 80, 100),
          Row::at(0, 80, 80, SJ("2x-(x+7y)=13 …①")),
          Row::at(0, 80, 130, SJ("2(x+3y)-5y=-4 …②")),
          Row::at(3, 40, 180, SJ("①を整理すると")),
          Row::at(0, 40, 230, SJ("2x-x-7y=13")),
          Row::at(0, 40, 280, SJ("x-7y=13 …③")),
          Row::at(3, 40, 330, SJ("②を整理すると")),
          Row::at(0, 40, 380, SJ("2x+6y-5y=-4")),
          Row::at(0, 40, 430, SJ("2x+y=-4 …④")),
          Row::at(3, 40, 480, SJ("③,④を使って連立方程式をつくると"))},
         640, 640, {1, -7, 13, 2, 1, -4}, SJ("③"), SJ("④")},
        // clang-format on
    };
    show_answer_pages(pages);
}

void UNIT5_Q9_ANSWERS() {
    static const std::vector<AnswerPage> pages = {
        // clang-format off
        // ① times 20.
        {76, SJ("問9　解答(1)"),
         {Row::system_brace(76, 80, 100),
          Row::at(0, 116, 80, SJ("ﾀx/4ﾀ-ﾀy/5ﾀ=1 …①")),
          Row::at(0, 116, 140, SJ("3x+4y=-52 …②")),
          Row::at(3, 76, 200, SJ("①の分母をはらうと")),
          Row::at(0, 76, 260, SJ("20*ﾀx/4ﾀ-20*ﾀy/5ﾀ=20*1")),
          Row::at(0, 76, 320, SJ("5x-4y=20 …③")),
          Row::at(3, 76, 370, SJ("③を使って連立方程式をつくると"))},
         640, 640, {5, -4, 20, 3, 4, -52}, SJ("③"), SJ("②")},
        // ② times 21.
        {76, SJ("問9　解答(2)"),
         {Row::system_brace(76, 80, 125),
          Row::at(0, 116, 80, SJ("4x+y=10 …①")),
          Row::at(0, 116, 140, SJ("ﾀ2/3ﾀx+ﾀy/7ﾀ=2 …②")),
          Row::at(3, 76, 200, SJ("②の分母をはらうと")),
          Row::at(0, 76, 260, SJ("21*ﾀ2/3ﾀx+21*ﾀy/7ﾀ=21*2")),
          Row::at(0, 76, 320, SJ("14x+3y=42 …③")),
          Row::at(3, 76, 370, SJ("③を使って連立方程式をつくると"))},
         640, 640, {4, 1, 10, 14, 3, 42}, SJ("①"), SJ("③")},
        // ② times 100, the working over two lines.
        {76, SJ("問9　解答(3)"),
         {Row::system_brace(76, 80, 115),
          Row::at(0, 116, 80, SJ("x+y=11 …①")),
          Row::at(0, 116, 150, SJ("ﾀ8/100ﾀx+ﾀ9/100ﾀy=1 …②")),
          Row::at(3, 76, 220, SJ("100*②")),
          Row::at(0, 76, 290, SJ("100*ﾀ8/100ﾀx+100*ﾀ9/100ﾀy")),
          Row::at(0, 346, 360, SJ("=100*1")),
          Row::at(0, 76, 410, SJ("8x+9y=100 …③")),
          Row::at(3, 76, 460, SJ("③を使って連立方程式をつくると"))},
         640, 640, {1, 1, 11, 8, 9, 100}, SJ("①"), SJ("③")},
        // ① times 4 and ② times 6.
        {40, SJ("問9　解答(4)"),
         {Row::system_brace(40, 80, 125),
          Row::at(0, 80, 80, SJ("ﾀx/2ﾀ-ﾀy/4ﾀ=1 …①")),
          Row::at(0, 80, 150, SJ("ﾀx/3ﾀ+ﾀy/2ﾀ=2 …②")),
          Row::at(3, 40, 220, SJ("4*①")),
          Row::at(0, 40, 270, SJ("2x-y=4 …③")),
          Row::at(3, 40, 340, SJ("6*②")),
          Row::at(0, 40, 390, SJ("2x+3y=12 …④")),
          Row::at(3, 40, 440, SJ("③④を使って連立方程式をつくると"))},
         640, 640, {2, -1, 4, 2, 3, 12}, SJ("③"), SJ("④")},
        // clang-format on
    };
    show_answer_pages(pages);
}

void UNIT5_DISCUSSION_PAGES() {
    static const std::vector<AnswerPage> pages = {
        // clang-format off
        // Both sides times 10.
        {40, SJ("工夫(1)"),
         {Row::system_brace(40, 80, 100),
          Row::at(0, 80, 80, SJ("0.3x+0.4y=0.5 …①")),
          Row::at(0, 80, 140, SJ("x-2y=-5 …②"), kPause),
          Row::at(3, 40, 200, SJ("10*①")),
          Row::at(0, 40, 260, SJ("10*0.3x+10*0.4y")),
          Row::at(0, 364, 310, SJ("=10*0.5")),
          Row::at(0, 40, 370, SJ("3x+4y=5 …③")),
          Row::at(3, 40, 420, SJ("③を使って連立方程式をつくると"))},
         640, 640, {3, 4, 5, 1, -2, -5}, SJ("③"), SJ("②")},
        // Both sides times 100.
        {40, SJ("工夫(2)"),
         {Row::system_brace(40, 80, 100),
          Row::at(0, 80, 80, SJ("0.1x+0.04y=15 …①")),
          Row::at(0, 80, 150, SJ("3x-2y=50 …②"), kPause),
          Row::at(3, 40, 220, SJ("100*①")),
          Row::at(0, 40, 280, SJ("100*0.1x+100*0.04y")),
          Row::at(0, 310, 330, SJ("=100*15")),
          Row::at(0, 40, 380, SJ("10x+4y=1500 …③")),
          Row::at(3, 40, 430, SJ("③を使って連立方程式をつくると"))},
         600, 627, {10, 4, 1500, 3, -2, 50}, SJ("③"), SJ("②")},
        // The x term moved across, the decimal equation doubled.
        {40, SJ("工夫(3)"),
         {Row::system_brace(40, 80, 100),
          Row::at(0, 80, 80, SJ("y=-x+2 …①")),
          Row::at(0, 80, 150, SJ("0.5x+y=2.5 …②"), kPause),
          Row::at(3, 40, 220, SJ("①より")),
          Row::at(0, 40, 270, SJ("x+y=2 …③"), kPause),
          Row::at(3, 40, 340, SJ("2*②")),
          Row::at(0, 40, 390, SJ("x+2y=5 …④")),
          Row::at(3, 40, 440, SJ("③④を使って連立方程式をつくると"))},
         600, 627, {1, 1, 2, 1, 2, 5}, SJ("③"), SJ("④")},
        // Both sides divided by 10 and by 100.
        {40, SJ("工夫(4)"),
         {Row::system_brace(40, 80, 100),
          Row::at(0, 80, 80, SJ("-20x+10y=10 …①")),
          Row::at(0, 80, 150, SJ("500x=200(y-3) …②"), kPause),
          Row::at(3, 40, 220, SJ("①/10")),
          Row::at(0, 40, 270, SJ("-2x+y=1 …③"), kPause),
          Row::at(3, 40, 340, SJ("②/100")),
          Row::at(0, 40, 390, SJ("5x=2(y-3)")),
          Row::at(0, 40, 440, SJ("5x=2y-6")),
          Row::at(0, 40, 490, SJ("5x-2y=-6 …④")),
          Row::at(3, 40, 540, SJ("③④を使って連立方程式をつくると"))},
         600, 627, {-2, 1, 1, 5, -2, -6}, SJ("③"), SJ("④")},
        // clang-format on
    };
    show_answer_pages(pages);
}

void UNIT5_Q10_ANSWERS() {
    static const std::vector<AnswerPage> pages = {
        // clang-format off
        // 4 used twice.
        {40, SJ("問10　解答(1)"),
         {Row::at(3, 40, 80, SJ("4を2回使って連立方程式をつくると")),
          Row::system_brace(40, 130, 100),
          Row::at(0, 80, 130, SJ("5x+2y=4 …①")),
          Row::at(0, 80, 180, SJ("-x-y+3=4 …②")),
          Row::at(3, 40, 240, SJ("②から")),
          Row::at(0, 40, 300, SJ("-x-y=4-3")),
          Row::at(0, 40, 350, SJ("-x-y=1 …③")),
          Row::at(0, 40, 400, SJ("したがって、"))},
         680, 707, {5, 2, 4, -1, -1, 1}, SJ("①"), SJ("③")},
        // 38 used twice: the solver's system is the page's.
        {40, SJ("問10　解答(2)"),
         {Row::at(3, 40, 80, SJ("38を2回使って連立方程式をつくると"))},
         640, 667, {3, -7, 38, 13, -5, 38}, SJ("①"), SJ("②")},
        // 5+3y used twice.
        {40, SJ("問10　解答(3)"),
         {Row::at(3, 40, 80, SJ("5+3y を2回使って連立方程式をつくると")),
          Row::system_brace(40, 130, 100),
          Row::at(0, 80, 130, SJ("3x+2y=5+3y …①")),
          Row::at(0, 80, 180, SJ("2x+11=5+3y …②")),
          Row::at(3, 40, 240, SJ("①から")),
          Row::at(0, 40, 300, SJ("3x+2y-3y=5")),
          Row::at(0, 40, 350, SJ("3x-y=5 …③")),
          Row::at(3, 40, 410, SJ("②から")),
          Row::at(0, 40, 470, SJ("2x-3y=5-11")),
          Row::at(0, 40, 520, SJ("2x-3y=-6 …④")),
          Row::at(0, 40, 570, SJ("したがって、"))},
         680, 707, {3, -1, 5, 2, -3, -6}, SJ("③"), SJ("④")},
        // clang-format on
    };
    show_answer_pages(pages);
}
