// Unit 1 of Morvane run headless from the main menu: the finished page and
// key pauses of every fixed section (the menu is in unit_cycle_test.cpp).
#include <gtest/gtest.h>

#include <string>

#include "tests/equations/unit1_support.h"

using namespace unit1_test;

namespace {

std::string digits(int n) { return std::to_string(n); }

// ------------------------------------------------------- key counts

struct KeyCount {
    int section;
    int presses;
    const char* last_text;  // drawn by the last key
};

TEST(Unit1Sections, EachSectionTakesItsKeyPressesAndEndsAtTheSectionMenu) {
    const KeyCount cases[] = {
        {1, 40, "答　4人班が 6班　　3人班が 4班"},
        {2, 20, "(1,ﾀ32/3ﾀ),(2,ﾀ28/3ﾀ),… などは、すべて解である。"},
        {3, 21, "…解を求めること"},
        {5, 12, "教科書P38 問4　をしなさい。"},
        {6, 4, "答　ウ"},
        {7, 0, "答　(ウ)"},
    };
    for (const KeyCount& c : cases) {
        SCOPED_TRACE("section " + digits(c.section));
        auto shows_last = [&] {
            for (const auto& t : page_texts())
                if (t.utf8 == c.last_text) return true;
            return false;
        };
        if (c.presses > 0) {
            ASSERT_TRUE(run_morvane(open_section(c.section) + presses(c.presses - 1)));
            EXPECT_TRUE(at_pause());
            EXPECT_FALSE(strip_shows(kMenuLine));
            EXPECT_FALSE(shows_last());
        }
        ASSERT_TRUE(run_morvane(open_section(c.section) + presses(c.presses)));
        EXPECT_TRUE(at_section_menu());
        EXPECT_TRUE(shows_last());
        EXPECT_EQ(plat::pending_keys(), 0u);
    }
}

TEST(Unit1Sections, TheDrawWidthOfSectionsOneToThreeStaysAfterThem) {
    // Start-up sets 3; sections ① to ③ set 5 and leave it; the others keep
    // what they find.
    ASSERT_TRUE(run_morvane(open_section(5) + presses(12)));
    EXPECT_EQ(plat::current_draw_width(), 3);
    for (int s = 1; s <= 3; ++s) {
        const int keys[] = {0, 40, 20, 21};
        SCOPED_TRACE(s);
        ASSERT_TRUE(run_morvane(open_section(s) + presses(keys[s]) + "5\r" + presses(12) + "7\r"));
        EXPECT_EQ(plat::current_draw_width(), 5);
    }
}

// ------------------------------------------------------ the pages

TEST(Unit1Sections, GroupsPage) {
    ASSERT_TRUE(run_morvane(open_section(1) + presses(40)));
    Layout page;
    page.at(36, 15, 0, "P34 ").then(3, "4人班,3人班の数は？").then(7, "(36人を10班に分けるとき)");
    const char* headers[] = {"4人班の数", "3人班の数", "合計人数"};
    for (int row = 0; row < 3; ++row) {
        const float text_y = 195 + 50 * row + 3;
        page.cell(36, 190, text_y, 0, headers[row]);
        for (int k = 0; k <= 10; ++k) {
            const int value = row == 0 ? k : row == 1 ? 10 - k : 4 * k + 3 * (10 - k);
            page.cell(226 + 60 * k, 60, text_y, k == 6 ? 5 : 0, digits(value));
        }
    }
    page.at(36, 65, 7, "考え①");
    const float thought_x = page.end_x() + 30;
    page.at(thought_x, 65, 0, "4人班が5班のとき、3人班は　").then(0, "10-5=5(班)");
    page.at(thought_x, 115, 0, "合計人数は ").then(0, "4*5+3*5=20+15=35(人)");
    page.at(36, 365, 7, "考え②");
    page.at(page.end_x() + 30, 365, 0, "4人班がx班とすると、3人班は　");
    page.at(36, 415, 0, "(10-x)班で、合計人数が36人だから");
    page.at(36, 475, 0, "4x+3(10-x)=36");
    const float right = page.end_x() + 30;
    page.at(36, 535, 0, "4x+30-3x=36");
    page.at(36, 595, 0, "4x-3x=36-30");
    page.at(right, 475, 0, "x=6");
    page.at(right, 535, 0, "3人班は 10-6=4");
    page.at(right, 595, 5, "答　4人班が 6班　　3人班が 4班");
    expect_page(page);

    // The column of the answer is filled 13, like the headers.
    int answer_cells = 0;
    for (const Rect& r : boxes_filled(13)) answer_cells += r.l == 226 + 360 && r.r == 226 + 420;
    EXPECT_EQ(answer_cells, 3);
    save_page("section1");
}

TEST(Unit1Sections, GroupsPageFillsTheTableCellByCell) {
    // 7 keys: the first way has drawn "5" and "35" into column 5.
    ASSERT_TRUE(run_morvane(open_section(1) + presses(7)));
    int filled = 0;
    for (const auto& t : page_texts()) filled += t.y == 248 || t.y == 298 ? 1 : 0;
    EXPECT_EQ(filled, 2 + 2);  // two headers and two values
    // Two pauses in a row before the first cell of row 2: the one that ends
    // the first way (the 7th key) and the one in front of the cell.
    for (const auto& t : page_texts()) EXPECT_FALSE(t.y == 248 && t.utf8 == "10");
    ASSERT_TRUE(run_morvane(open_section(1) + presses(8)));
    bool ten = false;
    for (const auto& t : page_texts()) ten |= t.y == 248 && t.utf8 == "10" && t.x == 226 + 3;
    EXPECT_TRUE(ten);
}

TEST(Unit1Sections, LinearEquationPage) {
    ASSERT_TRUE(run_morvane(open_section(2) + presses(20)));
    Layout page;
    page.at(40, 30, 7, "Q1 ").then(0, "4人班を").then(3, "x班,").then(0, "3人班を").then(3, "y班");
    page.then(0, "として等式をつくりなさい。");
    page.at(104, 80, 0, "クラスの人数が36人 だから　").then(3, "4x+3y=36…①").then(7, " 問１をしなさい。");
    page.cell(310, 76, 153, 0, "x").cell(310, 76, 218, 0, "y");
    const char* ys[] = {"12", "ﾀ32/3ﾀ", "ﾀ28/3ﾀ", "8", "ﾀ20/3ﾀ", "ﾀ16/3ﾀ", "4", "ﾀ8/3ﾀ", "ﾀ4/3ﾀ"};
    for (int k = 0; k <= 8; ++k) {
        page.cell(386 + 76 * k, 76, 153, 0, digits(k));
        if (k % 3 == 0) page.cell(386 + 76 * k, 76, 218, 0, ys[k]);
        else page.inside(386 + 76 * k, 76, 215, 0, ys[k]);
    }
    page.at(40, 130, 0, "3y=").then(0, "36-4x");
    page.at(40, 200, 3, "y=ﾀ36-4x/3ﾀ");
    page.at(40, 280, 7, "<二元一次方程式、解>");
    page.at(40, 340, 0, "1 ").then(5, "二元一次方程式").then(0, "…2つの文字をふくむ一次方程式  例 ");
    page.then(3, "4x+3y=36");
    page.at(40, 400, 0, "2 ").then(5, "解").then(0, "…二元一次方程式を成り立たせる").then(3, "文字の値の組");
    page.then(0, "  例 ").then(3, "(0,12) ");
    page.at(104, 460, 0, "4x+3y=36の 左辺にx=0,y=12を代入すると");
    page.at(104, 510, 0, "4x+3y=4*0+3*12=36 ").then(3, "左辺＝右辺").then(0, "となり、方程式が成り立つ");
    page.at(104, 580, 0, "(1,ﾀ32/3ﾀ),(2,ﾀ28/3ﾀ),… などは、すべて解である。");
    expect_page(page);
    save_page("section2");
}

TEST(Unit1Sections, LinearEquationPageRevealsYValuesOneByOne) {
    auto y_values = [] {
        int n = 0;
        for (const auto& t : page_texts()) n += (t.y == 215 || t.y == 218) && t.x > 386 ? 1 : 0;
        return n;
    };
    ASSERT_TRUE(run_morvane(open_section(2) + presses(2)));
    EXPECT_EQ(y_values(), 2);
    ASSERT_TRUE(run_morvane(open_section(2) + presses(6)));  // the loop's own first pause
    EXPECT_EQ(y_values(), 2);
    ASSERT_TRUE(run_morvane(open_section(2) + presses(7)));
    EXPECT_EQ(y_values(), 3);
    ASSERT_TRUE(run_morvane(open_section(2) + presses(13)));
    EXPECT_EQ(y_values(), 9);
}

TEST(Unit1Sections, SystemPageQuestions) {
    // 17 keys: the first page is complete, at the first of its two last pauses.
    ASSERT_TRUE(run_morvane(open_section(3) + presses(17)));
    Layout page;
    page.at(40, 30, 7, "Q1 ").then(3, "4x+3y=36…①");
    const char* ys[] = {"12", "ﾀ32/3ﾀ", "ﾀ28/3ﾀ", "8", "ﾀ20/3ﾀ", "ﾀ16/3ﾀ", "4", "ﾀ8/3ﾀ", "ﾀ4/3ﾀ"};
    page.cell(116, 76, 103, 0, "x").cell(116, 76, 168, 0, "y");
    page.cell(116, 76, 363, 0, "x").cell(116, 76, 413, 0, "y");
    for (int k = 0; k <= 8; ++k) {
        const float left = 192 + 76 * k;
        const int colour = k == 6 ? 5 : 0;
        page.cell(left, 76, 103, colour, digits(k));
        if (k % 3 == 0) page.cell(left, 76, 168, colour, ys[k]);
        else page.inside(left, 76, 165, 0, ys[k]);
        page.cell(left, 76, 363, colour, digits(k));
        page.cell(left, 76, 413, colour, digits(10 - k));
    }
    page.at(40, 240, 7, "Q2 ").then(0, "あわせて").then(3, "10班").then(0, "から等式をつくりなさい。");
    page.at(104, 290, 3, "x+y=10…②").then(7, " 問2をしなさい。");
    page.at(104, 470, 7, " 問3をしなさい。");
    page.at(40, 550, 3, "(6,4) は①と②の共通な解になっている。");
    page.at(40, 600, 5, "二元一次方程式の解は、組み合わせると1つに決まる。");
    expect_page(page);
    EXPECT_TRUE(at_pause());

    // The highlight: exactly the four cells of x = 6, filled 11.
    const auto cells = boxes_filled(11);
    ASSERT_EQ(cells.size(), 4u);
    const float tops[] = {100, 150, 360, 410}, bottoms[] = {150, 230, 410, 460};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(cells[i].l, 648);
        EXPECT_EQ(cells[i].r, 724);
        EXPECT_EQ(cells[i].t, tops[i]);
        EXPECT_EQ(cells[i].b, bottoms[i]);
    }
    save_page("section3-questions");

    // Q2's y row: empty first, then one value per key after an extra pause.
    auto q2_values = [] {
        int n = 0;
        for (const auto& t : page_texts()) n += t.y == 413 && t.x > 192 ? 1 : 0;
        return n;
    };
    ASSERT_TRUE(run_morvane(open_section(3) + presses(4)));
    EXPECT_EQ(q2_values(), 0);
    ASSERT_TRUE(run_morvane(open_section(3) + presses(5)));
    EXPECT_EQ(q2_values(), 1);
    ASSERT_TRUE(run_morvane(open_section(3) + presses(13)));
    EXPECT_EQ(q2_values(), 9);
}

TEST(Unit1Sections, SystemPageDefinitions) {
    ASSERT_TRUE(run_morvane(open_section(3) + presses(21)));
    Layout page;
    page.at(44, 30, 3, "<連立方程式、解>");
    page.at(44, 90, 0, "1 ").then(5, "連立方程式").then(0, "…2つの方程式を組にしたもの");
    page.at(108, 140, 0, "例　");
    const float equations = page.end_x() + 40;
    page.at(equations, 140, 3, "4x+3y=36…①").at(equations, 190, 3, "x+y=10…②");
    page.at(44, 250, 0, "2 ").then(5, "解").then(0, "…2つの方程式のどちらも成り立たせる").then(3, "文字の値の組");
    page.at(108, 300, 0, "例　").then(3, "(6,4) ");
    page.at(44, 360, 0, "3 ").then(5, "連立方程式を解く").then(0, "…解を求めること");
    expect_page(page);
    save_page("section3-definitions");
}

TEST(Unit1Sections, ExampleOnePage) {
    ASSERT_TRUE(run_morvane(open_section(5) + presses(12)));
    Layout page;
    page.at(38, 30, 0, "例1　次の連立方程式で、(1,3)　を解とするのはどれですか。");
    page.at(38, 90, 3, "①");
    const float first = page.end_x() + 78;
    page.at(first, 90, 0, "x-y=-2").at(first, 140, 0, "2x+y=6");
    page.at(page.end_x() + 114, 90, 3, "②");
    const float second = page.end_x() + 78;
    page.at(second, 90, 0, "-x+3y=8").at(second, 140, 0, "5x-2y=-1");
    page.at(38, 190, 5, "＜解き方＞").then(3, "それぞれの式の左辺に、x=1,y=3 を代入し、");
    page.at(228, 240, 3, "右辺の値と等しいかを調べる。");
    page.at(38, 290, 7, "① x=1,y=3 を代入すると");
    page.at(38, 340, 0, " x-y=1-3=").then(0, "-2 …").then(3, "○");
    page.at(38, 390, 0, " 2x+y=2*1+3");
    page.at(38, 440, 0, "=2+3=5 …").then(3, "×");
    page.at(38, 490, 5, "解ではない");
    page.at(646, 290, 7, "② x=1,y=3 を代入すると");
    page.at(646, 340, 0, " -x+3y=-1+3*3");
    page.at(646, 390, 0, "=-1+9=8 …").then(3, "○");
    page.at(646, 440, 0, " 5x-2y=5*1-2*3");
    page.at(646, 490, 0, "=5-6=-1 …").then(3, "○");
    page.at(646, 540, 5, "解である");
    page.at(44, 570, 7, "教科書P38 問4　をしなさい。");
    expect_page(page);
    save_page("section5");
}

TEST(Unit1Sections, QuestionFourAnswers) {
    ASSERT_TRUE(run_morvane(open_section(6) + presses(4)));
    Layout page;
    page.at(101, 30, 7, "教科書P38 問4　解答").at(101, 80, 3, "x=3,y=4 を代入すると、");
    page.at(40, 130, 7, "ア").then(3, " 左辺=").then(0, "x+y=3+4=7");
    page.at(101, 180, 3, "=右辺…○");
    page.at(101, 230, 3, "左辺=").then(0, "x+2y=3+2*4");
    page.at(101, 280, 0, "=3+8=11").then(3, "≠右辺…×");
    page.at(40, 350, 7, "イ").then(3, " 左辺=").then(0, "3x-y=3*3-4");
    page.at(101, 400, 0, "=9-4=5").then(3, "≠右辺…×");
    page.at(101, 450, 3, "左辺=").then(0, "2x-5y=2*3-5*4");
    page.at(101, 500, 0, "=6-20=-14").then(3, "≠右辺…×");
    page.at(600, 80, 7, "ウ").then(3, " 左辺=").then(0, "4x-y=4*3-4");
    page.at(661, 130, 0, "=12-4=8").then(3, "=右辺…○");
    page.at(661, 180, 3, "左辺=").then(0, "-x+3y=-3+3*4");
    page.at(661, 230, 0, "=-3+12=9").then(3, "=右辺…○");
    page.at(661, 300, 0, "したがって").at(661, 360, 5, "答　ウ");
    expect_page(page);
    save_page("section6");

    // Before the first key only the heading and the sentence.
    ASSERT_TRUE(run_morvane(open_section(6)));
    EXPECT_EQ(page_texts().size(), 2u);
}

TEST(Unit1Sections, PracticeAnswer) {
    ASSERT_TRUE(run_morvane(open_section(7)));
    Layout page;
    page.at(101, 30, 7, "教科書P38 練習問題　解答");
    page.at(101, 90, 0, "二元一次方程式の解は、この式を成り立たせる文字の値の組であり、");
    page.at(101, 150, 3, "文字の値の範囲は、数全体の集合だから");
    page.at(101, 210, 5, "答　(ウ)");
    expect_page(page);
    EXPECT_TRUE(at_section_menu());
    save_page("section7");
}

TEST(Unit1Sections, ASectionChosenAgainRunsOnAClearedPage) {
    ASSERT_TRUE(run_morvane(open_section(6) + presses(4) + "6\r"));
    EXPECT_EQ(page_texts().size(), 2u);
    ASSERT_TRUE(run_morvane(open_section(1) + presses(40) + "7\r7\r"));
    EXPECT_EQ(page_texts().size(), 4u);
}

}  // namespace
