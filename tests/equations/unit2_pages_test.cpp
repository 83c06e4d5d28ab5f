// Unit 2 of Morvane run headless from the main menu: the finished page and
// key pauses of every fixed section (the menu is in unit_cycle_test.cpp).
#include <gtest/gtest.h>

#include <string>

#include "tests/equations/unit2_support.h"

using namespace unit2_test;

namespace {

// ------------------------------------------------------- key counts

TEST(Unit2Sections, EachFixedSectionTakesItsKeysAndEndsAtTheMenu) {
    const SectionKeys cases[] = {
        {open_section(1), 17, "文字を1つだけにすれば解ける。"},
        {open_section(2), 13, "yを消去する"},
        {open_section(4), 9, "(x,y)=(-1,-1)"},
        {open_section(6), 9, "(x,y)=(1,1)"},
        {open_section(8), 14, "(x,y)=(ﾀ3/2ﾀ,ﾀ1/2ﾀ)"},
    };
    for (const SectionKeys& c : cases) expect_section_keys(morvane_course(), kMenuLine, c);
}

// ------------------------------------------------------ the pages

TEST(Unit2Sections, FindMethodPage) {
    ASSERT_TRUE(run_morvane(open_section(1) + presses(17)));
    Layout page;
    page.at(38, 30, 3, "教科書P39 ひろげよう");
    // A notebook advances 38.
    page.at(38, 90, 0, "ｶ").then(0, "を鉛筆、").then(0, "ｷ").at(239, 90, 0, "をノートとすると");
    page.at(38, 170, 0, "ｶｶｶ").at(149, 170, 0, "ｷ").at(217, 170, 0, "→250円…①");
    page.at(114, 250, 0, "ｶ").at(171, 250, 0, "ｷ").at(239, 250, 0, "→150円…②");
    page.at(38, 330, 0, "ｶｶ").at(228, 330, 0, "→").then(0, "100円…③");
    page.at(38, 410, 0, "ｶ").at(239, 410, 0, "→").then(0, "50円…④");
    page.at(38, 490, 0, "ｷ").at(106, 490, 0, "→").then(0, "150円-50円=100円…⑤");
    page.at(646, 30, 3, "鉛筆1本x円、ノート1冊y円とすると");
    page.at(800, 80, 0, "3x+y=250…①").at(800, 130, 0, " x+y=150…②");
    page.at(814, 280, 0, "2x   =100…③").at(814, 330, 0, " x    =50…④");
    page.at(760, 480, 0, "y=150-50=100…⑤");
    page.at(646, 180, 3, "①-②");
    page.at(814, 180, 0, "3x+y=250").at(760, 236, 0, "-").then(0, ")").at(814, 230, 0, " x+y=150");
    page.at(760, 430, 0, "50+y=150");
    page.at(760, 380, 3, "x=50 を②に代入して");
    page.at(760, 530, 5, "文字を1つだけにすれば解ける。");
    expect_page(page);
    // The rule of the subtraction lies on the top of row ③.
    bool rule = false;
    for (const auto& op : ops(plat::OpKind::Line)) rule |= op.ay == 280 && op.by == 280 && op.ax == 787;
    EXPECT_TRUE(rule);
    EXPECT_EQ(plat::current_draw_width(), 5);
    save_page("section1");
}

TEST(Unit2Sections, FindMethodPageDrawsTheSubtractionWithItsCaption) {
    // Nine keys for the pictures, five for the system and its results: the
    // next key brings "①-②" and the whole subtraction, nothing after it.
    ASSERT_TRUE(run_morvane(open_section(1) + presses(13)));
    EXPECT_FALSE(page_shows("①-②"));
    ASSERT_TRUE(run_morvane(open_section(1) + presses(14)));
    EXPECT_TRUE(page_shows("①-②"));
    EXPECT_TRUE(page_shows("3x+y=250"));
    EXPECT_TRUE(page_shows(" x+y=150"));
    EXPECT_FALSE(page_shows("50+y=150"));
}

TEST(Unit2Sections, StepsPage) {
    ASSERT_TRUE(run_morvane(open_section(2) + presses(13)));
    Layout page;
    page.at(608, 30, 3, "解き方を確認しよう。");
    page.at(116, 30, 0, "3x+y=250…①").at(116, 80, 0, " x+y=150…②");
    page.at(76, 130, 3, "①-②");
    page.at(130, 180, 0, "3x+y=250").at(76, 236, 0, "-").then(0, ")").at(130, 230, 0, " x+y=150");
    page.at(130, 280, 0, "2x  =100").at(130, 330, 0, " x  =50");
    page.at(608, 90, 7, "(1)").then(0, "①-②でxだけの式に変形する。");
    page.at(608, 210, 7, "(2)").then(0, "xの値を求める。");
    page.at(608, 270, 7, "(3)").then(0, "代入し、yの値を求める。");
    page.at(608, 330, 7, "(4)").then(0, "答を書く。");
    page.at(76, 380, 3, "x=50 を②に代入して");
    page.at(76, 430, 0, "50+y=150").at(76, 480, 0, "y=150-50").at(76, 530, 0, "y=100");
    page.at(76, 580, 5, "答 (x,y)=(50,100)");
    page.at(722, 150, 5, "yを消去する");
    expect_page(page);
    save_page("section2");
}

TEST(Unit2Sections, AnswerPagesShowTheSolverBesideEachLabel) {
    // The brace of (1) stands where "問1(1)" ends; (2) at the right column.
    ASSERT_TRUE(run_morvane(open_section(4) + presses(9)));
    Layout q1;
    q1.at(40, 30, 7, "問1").then(3, "(1)").at(640, 30, 3, "(2)");
    expect_rows(q1);
    EXPECT_TRUE(page_shows("(x,y)=(3,2)"));
    bool brace = false;
    for (const auto& op : ops(plat::OpKind::Polyline)) brace |= !op.pts.empty() && op.pts[0].first == 182 + 35;
    EXPECT_TRUE(brace);
    save_page("section4");

    ASSERT_TRUE(run_morvane(open_section(6) + presses(9)));
    Layout q2;
    q2.at(40, 30, 7, "問2").then(3, "(1)").at(640, 30, 3, "(2)");
    expect_rows(q2);
    EXPECT_TRUE(page_shows("(x,y)=(3,-5)"));
    EXPECT_TRUE(page_shows("(x,y)=(1,1)"));
    save_page("section6");
}

TEST(Unit2Sections, QuestionThreeRewritesTheSubstitutionWithFractions) {
    ASSERT_TRUE(run_morvane(open_section(8) + presses(14)));
    // The solver's sentence starts at s; its lines from there down in the
    // left column are covered and the section's own take their place.
    const float s = G.GY3(1);
    ASSERT_GT(s, 200);
    Layout own;
    own.at(40, s + 10, 7, "この値を①に代入して");
    own.at(40, s + 80, 0, "ﾀ3/2ﾀ+y=2");
    own.at(40, s + 150, 3, "y").then(0, "=2-ﾀ3/2ﾀ");
    own.at(67, s + 220, 0, "=ﾀ4/2ﾀ-ﾀ3/2ﾀ");
    expect_rows(own);
    int below = 0;
    for (const auto& t : page_texts()) below += t.x < 480 && t.y >= s ? 1 : 0;
    EXPECT_EQ(below, 7);
    // The value found by substitution in the solver's colour for it, the
    // answer 30 to its right.
    float value_end = 0;
    for (const auto& t : page_texts())
        if (t.utf8 == "=ﾀ1/2ﾀ") {
            EXPECT_EQ(t.colour, 3);
            EXPECT_EQ(t.y, s + 220);
            value_end = t.x + 32 + 32;
        }
    bool answer = false;
    for (const auto& t : page_texts())
        answer |= t.utf8 == "(x,y)=(ﾀ3/2ﾀ,ﾀ1/2ﾀ)" && t.colour == 5 && t.x == value_end + 30 && t.y == s + 220;
    EXPECT_TRUE(answer);
    // The right column keeps the working of (2); the left shows (3), not (1).
    EXPECT_TRUE(page_shows("(x,y)=(5,-2)"));
    EXPECT_FALSE(page_shows("(x,y)=(3,-4)"));
    EXPECT_FALSE(page_shows("問3"));
    save_page("section8");
}

}  // namespace
