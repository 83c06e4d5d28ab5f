// Unit 6's answer pages as they stand when each is finished (or at the end
// of the page named).
#include <gtest/gtest.h>

#include <string>

#include "tests/applications/answers_support.h"

using namespace answers_test;

namespace {

TEST(Unit6Pages, RearrangeAnswerTabulatesYForXFromMinusTwoToThree) {
    ASSERT_TRUE(show(kCheck, 1, 0));
    EXPECT_TRUE(at_pause());  // after the title only
    EXPECT_EQ(page_texts().size(), 2u);

    ASSERT_TRUE(show(kCheck, 1, 1));
    Layout page;
    check_title(page, "1");
    page.at(40, 100, 0, "x+2y=9 2y=9-x ").then(3, "y=ﾀ9-x/2ﾀ ");
    page.cell(116, 76, 173, 0, "x").cell(116, 76, 238, 0, "y");
    const char* xs[] = {"-2", "-1", "0", "1", "2", "3"};
    const char* ys[] = {"ﾀ11/2ﾀ", "5", "ﾀ9/2ﾀ", "4", "ﾀ7/2ﾀ", "3"};
    for (int k = 0; k <= 5; ++k) {
        page.cell(192 + 76 * k, 76, 173, 0, xs[k]);
        if (k % 2 == 0) page.inside(192 + 76 * k, 76, 235, 5, ys[k]);
        else page.cell(192 + 76 * k, 76, 238, 5, ys[k]);
    }
    expect_rows(page);
    bool tail = false;
    for (const auto& t : page_texts()) tail |= t.utf8 == "に代入すると" && t.y == 100 && t.colour == 0;
    EXPECT_TRUE(tail);
    // 12 value cells filled 15 with borders 3; the y row 80 high.
    int values = 0;
    for (const Rect& r : boxes_filled(15)) values += r.r - r.l == 76 && (r.b - r.t == 50 || r.b - r.t == 80);
    EXPECT_EQ(values, 12);
    save_page("unit6-1");
}

TEST(Unit6Pages, WhichSolutionAnswerChecksEachEquationWithoutAPause) {
    ASSERT_TRUE(show(kCheck, 2, 0));
    Layout page;
    check_title(page, "2");
    page.at(94, 90, 3, "x=4,y=2 をア～エの").at(94, 140, 3, "左辺と右辺に代入すると");
    page.at(40, 190, 3, "ア").at(121, 190, 0, "x+y").then(0, "=4+2=6　　").then(3, "○");
    page.at(121, 240, 0, "2x+y").at(94, 290, 0, "=2*4+2").then(0, "=8+2=10　　").then(3, "○");
    page.at(40, 350, 3, "イ").at(121, 350, 0, "x+3y").at(94, 400, 0, "=4+3*2").then(0, "=4+6=10　　");
    page.then(3, "×");
    page.at(121, 450, 0, "x-y").then(0, "=4-2=2　　").then(3, "○");
    page.at(600, 90, 3, "ウ").at(681, 90, 0, "左辺=x=4").at(654, 140, 0, "右辺=2y=2*2=4");
    page.at(654, 190, 3, "左辺＝右辺　　○");
    page.at(681, 240, 0, "y-x").then(0, "=2-4=-2　　").then(3, "○");
    page.at(600, 290, 3, "エ").at(681, 290, 0, "x+2y").at(654, 340, 0, "=4+2*2").then(0, "=4+4=8　　");
    page.then(3, "×");
    page.at(681, 390, 0, "左辺=y=2").at(654, 440, 0, "右辺=x+2=4+2=6").at(654, 490, 3, "左辺≠右辺　　×");
    page.at(654, 570, 5, "答　アとウ");
    expect_page(page);
    save_page("unit6-2");
}

TEST(Unit6Pages, SubstitutionAnswerBracesEachSystemAfterItsLabel) {
    // The second page: (3) on the left, (4) on the right; the labels' ends
    // carry the braces, the equations 40 right of them.
    ASSERT_TRUE(show(kCheck, 4, 1));
    Layout page;
    check_title(page, "4");
    page.at(56, 90, 3, "(3)");
    const float left = page.end_x() + 40;
    page.at(left, 90, 0, "x+y=6 …①").at(left, 140, 0, "x-3y=2 …②");
    const char* left_lines[][2] = {
        {"3", "①から x=6-y…③"},     {"3", "③を②に代入して"}, {"0", "6-y-3y=2"}, {"0", "-4y=2-6=-4"}, {"0", "y=1"},
        {"3", "y=1 を③に代入して"}, {"0", "x=6-1"},          {"0", "x=5"},      {"5", "(x,y)=(5,1)"}};
    for (int i = 0; i < 9; ++i) page.at(94, 190 + 50.0f * i, left_lines[i][0][0] - '0', left_lines[i][1]);
    page.at(760, 30, 3, "(4)");
    const float right = page.end_x() + 40;
    page.at(right, 30, 0, "5x+2y=8 …①").at(right, 80, 0, "y-x=-3 …②");
    const char* right_lines[][2] = {{"3", "②から y=x-3…③"},     {"3", "③を①に代入して"}, {"0", "5x+2(x-3)=8"},
                                    {"0", "5x+2x-6=8"},         {"0", "7x=8+6=14"},      {"0", "x=2"},
                                    {"3", "x=2 を③に代入して"}, {"0", "y=2-3"},          {"0", "y=-1"},
                                    {"5", "(x,y)=(2,-1)"}};
    for (int i = 0; i < 10; ++i) page.at(798, 130 + 50.0f * i, right_lines[i][0][0] - '0', right_lines[i][1]);
    expect_page(page);
    EXPECT_EQ(braces_at(left - 40, 90), 1);
    EXPECT_EQ(braces_at(right - 40, 30), 1);
    save_page("unit6-4");
}

TEST(Unit6Pages, SimplifyAnswersTidyOnTheLeftAndSolveFromColumn608) {
    // Page 1: the label under the title, the system braced at (67, 140).
    ASSERT_TRUE(show(kCheck, 5, 4));
    Layout first;
    check_title(first, "5");
    first.at(40, 90, 3, "(1)").at(107, 140, 0, "3x-7y=5 …①").at(107, 190, 0, "5x-(x+7y)=2 …②");
    first.at(67, 240, 3, "②から").at(67, 340, 0, "4x-7y=2 …③").at(67, 390, 3, "③を使って連立方程式をつくると");
    expect_rows(first);
    EXPECT_EQ(braces_at(67, 140), 1);
    EXPECT_EQ(braces_at(662, 30), 1);  // the solver's, after two blanks at 608
    save_page("unit6-5-1");

    // Page 3: a second equation of stacked fractions; the brace is 120 high
    // and the caption stands 100 below.
    ASSERT_TRUE(show(kCheck, 5, 14));
    Layout third;
    third.at(40, 30, 3, "(3)").at(80, 80, 0, "x-y=4 …①").at(80, 150, 0, "ﾀ1/10ﾀx-ﾀ3/10ﾀy=2 …②");
    third.at(40, 250, 3, "②*10").at(40, 300, 0, "x-3y=20 …③").at(40, 350, 3, "③を使って連立方程式をつくると");
    expect_rows(third);
    EXPECT_EQ(braces_at(40, 80, 120), 1);
    EXPECT_EQ(braces_at(662, 30), 1);
    EXPECT_FALSE(shows("学びをたしかめよう"));  // pages 2 to 4 have no title
    save_page("unit6-5-3");

    // Answer ⑥: one line on the left, the run's brace at 721.
    ASSERT_TRUE(show(kCheck, 6, 4));
    Layout abc;
    check_title(abc, "6");
    abc.at(67, 80, 3, "1を2回使って連立方程式をつくると");
    expect_rows(abc);
    EXPECT_EQ(braces_at(721, 30), 1);
    save_page("unit6-6");
}

TEST(Unit6Pages, WordProblemAnswersCloseBelowTheSolversLastLine) {
    ASSERT_TRUE(show(kCheck, 7, 7));
    Layout apples;
    check_title(apples, "7");
    apples.at(40, 80, 0, "りんごをx個、ももをy個とすると、");
    apples.at(40, 130, 3, "(1) ").then(0, "個数の合計が10個 だから").at(40, 180, 3, "x+y=10…①");
    apples.at(40, 280, 3, "100x+150y=1200 …②").at(640, 30, 3, "(2)");
    apples.at(640, 600, 0, "これらは問題に適している。").at(40, 550, 5, "答　りんご6個").at(40, 600, 5, "　　もも4個");
    expect_rows(apples);
    save_page("unit6-7");

    ASSERT_TRUE(show(kCheck, 8, 8));
    Layout boys;
    check_title(boys, "8");
    boys.at(40, 180, 3, "(1) ").then(0, "あわせて500人 だから");
    boys.at(40, 390, 3, "ﾀ80/100ﾀx+ﾀ120/100ﾀy=480 …②").at(40, 450, 0, "②*2.5").at(40, 500, 3, "2x+3y=1200 …③");
    boys.at(640, 600, 0, "これらは問題に適している。").at(40, 600, 5, "答　男子300人,女子200人");
    expect_rows(boys);
    save_page("unit6-8");
}

}  // namespace
