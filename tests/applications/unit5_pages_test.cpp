// Unit 5's answer pages as they stand when each is finished.
#include <gtest/gtest.h>

#include "tests/applications/answers_support.h"

using namespace answers_test;

namespace {

TEST(Unit5Pages, NumberSumAnswerSetsUpAndSubstitutesInTwoColumns) {
    ASSERT_TRUE(show(kPractice, 1, 8));
    Layout page;
    practice_title(page, "1");
    page.at(40, 80, 0, "2つの数を、それぞれx,yとすると,");
    page.at(40, 130, 0, "和が100 だから");
    page.at(40, 180, 3, "x+y=100");
    page.at(40, 230, 0, "一方の数が他方の数の2倍より");
    page.at(40, 280, 0, "10大きいから");
    page.at(40, 330, 3, "x=2y+10");
    // The braced system: both equations at x 80, under each other.
    page.at(80, 380, 0, "x+y=100…①").at(80, 430, 0, "x=2y+10…②");
    const char* right[][2] = {{"3", "②を①に代入して"}, {"0", "2y+10+y=100"},
                              {"0", "2y+y=100-10"},    {"0", "3y=90"},
                              {"3", "y=30"},           {"3", "y=30 を②に代入して"},
                              {"0", "x=2*30+10"},      {"0", "x=60+10=70"},
                              {"3", "(x,y)=(70,30)"},  {"0", "これらは問題に適している。"},
                              {"5", "答　70と30"}};
    for (int i = 0; i < 11; ++i) page.at(684, 30 + 50.0f * i, right[i][0][0] - '0', right[i][1]);
    expect_page(page);
    EXPECT_EQ(braces_at(40, 380), 1);
    save_page("unit5-1");
}

TEST(Unit5Pages, SolverAnswersCloseFromTheSolversLastLine) {
    // Both runs start after a blank at (640, 30): their brace stands at 667.
    ASSERT_TRUE(show(kPractice, 2, 10));
    Layout recycling;
    practice_title(recycling, "2");
    recycling.at(40, 80, 0, "新聞紙xkg、雑誌ykgとすると、").at(40, 180, 3, "x+y+220=960…①");
    recycling.at(40, 280, 3, "7x+6y+8*220=6640…②").at(40, 380, 3, "x+y=740…③");
    recycling.at(40, 480, 0, "7x+6y=6640-1760=4880").at(40, 530, 3, "7x+6y=4880…④");
    recycling.at(670, 550, 5, "(x,y)=(440,300)");
    recycling.at(640, 600, 0, "これらは問題に適している。").at(40, 600, 5, "答　新聞紙 440kg、雑誌 300kg");
    expect_rows(recycling);
    EXPECT_EQ(braces_at(667, 30), 1);
    save_page("unit5-2");

    ASSERT_TRUE(show(kPractice, 3, 9));
    Layout shirt;
    practice_title(shirt, "3");
    shirt.at(40, 230, 3, "x+y=3100…①").at(40, 280, 0, "代金の合計が2300円 だから");
    shirt.at(40, 350, 3, "ﾀ80/100ﾀx+ﾀ70/100ﾀy=2300…②").at(40, 410, 0, "②*10より");
    shirt.at(40, 460, 3, "8x+7y=23000…③");
    shirt.at(670, 550, 5, "(x,y)=(1300,1800)").at(640, 600, 0, "これらは問題に適している。");
    shirt.at(40, 550, 5, "答　シャツ 1300円").at(40, 600, 5, "　　帽子　1800円");
    expect_rows(shirt);
    EXPECT_EQ(braces_at(667, 30), 1);
    save_page("unit5-3");
}

TEST(Unit5Pages, TheSameAnswerTwiceIsDrawnAfreshOnACleanPage) {
    ASSERT_TRUE(run_talisse(open_answer(kPractice, 1) + presses(8) + "1\r" + presses(8)));
    int sentences = 0;
    for (const auto& t : page_texts()) sentences += t.utf8 == "答　70と30";
    EXPECT_EQ(sentences, 1);
    EXPECT_TRUE(at_menu(kPractice.menu_line));
}

}  // namespace
