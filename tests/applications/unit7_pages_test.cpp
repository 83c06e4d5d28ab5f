// Unit 7's answer pages as they stand when each is finished (or at the end
// of the page named).
#include <gtest/gtest.h>

#include <string>

#include "tests/applications/answers_support.h"
#include "tests/common/sign_rows.h"

using namespace answers_test;

namespace {

TEST(Unit7Pages, TenSystemsThirdPageSubstitutesAndSubtractsByHand) {
    ASSERT_TRUE(show(kMastery, 1, 17));
    EXPECT_TRUE(at_pause());
    Layout page;
    mastery_title(page, "1");
    page.at(40, 90, 3, "(5)");
    const float five = page.end_x() + 40;
    page.at(five, 90, 0, "y=2x+3…①").at(five, 140, 0, "y=6x-1…②");
    const char* five_lines[][2] = {{"3", "①を②に代入して"}, {"0", "2x+3=6x-1"}, {"0", "2x-6x=-1-3"},
                                   {"0", "-4x=-4"},         {"0", "x=1"},       {"3", "x=1 を①に代入して"},
                                   {"0", "y=2*1+3=2+3"},    {"0", "y=5"},       {"5", "(x,y)=(1,5)"}};
    for (int i = 0; i < 9; ++i) page.at(67, 190 + 50.0f * i, five_lines[i][0][0] - '0', five_lines[i][1]);
    page.at(602, 30, 3, "(6)");
    const float six = page.end_x() + 40;
    page.at(six, 30, 0, "10=5a+b…①").at(six, 80, 0, "1=2a+b…②").at(640, 130, 3, "①-②");
    // The column subtraction: rows at 694, its sign at 640, the sign row 25
    // above the lower row, the results at the rows' x.
    page.at(694, 180, 0, "10=5a+b").at(694, 230, 0, " 1=2a+b").at(640, 236, 0, "-").at(667, 236, 0, ")");
    page.at(640, 205, 3, "+ - -  -").at(694, 280, 0, " 9=3a").at(694, 330, 0, " 3=a");
    const char* six_lines[][2] = {
        {"3", "a=3 を②に代入して"}, {"0", "1=2*3+b=6+b"}, {"0", "1-6=b"}, {"0", "b=-5"}, {"5", "(a,b)=(3,-5)"}};
    for (int i = 0; i < 5; ++i) page.at(640, 380 + 50.0f * i, six_lines[i][0][0] - '0', six_lines[i][1]);
    expect_page(page);
    EXPECT_EQ(braces_at(five - 40, 90), 1);
    EXPECT_EQ(braces_at(six - 40, 30), 1);
    EXPECT_EQ(probe::expect_sign_rows_placed(), 1u);
    save_page("unit7-1-3");
}

// The solver's changed signs in Talisse: each elimination of the set's first
// pages, by the solver.
TEST(Unit7Pages, TheSolversSignRowsStandNearerTheSubtractedRow) {
    for (int presses : {7, 12}) {
        SCOPED_TRACE(presses);
        ASSERT_TRUE(show(kMastery, 1, presses));
        EXPECT_EQ(probe::expect_sign_rows_placed(), 4u);
    }
}

TEST(Unit7Pages, TenSystemsLaterPagesHaveNoTitleAndTheirOwnLineSteps) {
    struct Case {
        int presses;
        std::vector<std::tuple<float, float, int, const char*>> rows;
    };
    const Case cases[] = {
        // clang-format off
        {22, {{40, 30, 3, "(7)"}, {80, 80, 0, "3(x-2y)=y-17…①"}, {80, 130, 0, "6x+5y=4…②"}, {40, 330, 0, "3x-7y=-17…③"}}},
        // (8): the second equation and the caption 70 below.
        {27, {{40, 30, 3, "(8)"}, {80, 150, 0, "ﾀ1/2ﾀx+ﾀ3/4ﾀy=7…②"}, {40, 220, 3, "4*②から"}, {40, 270, 0, "2x+3y=28…③"}}},
        {32, {{40, 30, 3, "(9)"}, {40, 180, 3, "10*①から"}, {40, 330, 0, "x-3y=2…④"}, {40, 430, 3, "連立方程式をつくると"}}},
        // (10): the second equation 70 below, the caption 60.
        {37, {{40, 30, 3, "(10)"}, {80, 150, 0, "ﾀx/4ﾀ+ﾀy/3ﾀ=ﾀ1/6ﾀ…②"}, {40, 350, 0, "3x-2y=8…③"}, {40, 410, 3, "12*②から"}, {40, 560, 3, "連立方程式をつくると"}}},
        // clang-format on
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.presses);
        ASSERT_TRUE(show(kMastery, 1, c.presses));
        Layout page;
        for (const auto& [x, y, colour, text] : c.rows) page.at(x, y, colour, text);
        expect_rows(page);
        EXPECT_FALSE(shows("学びを身につけよう"));
        EXPECT_EQ(braces_at(40, 80), 1);
        EXPECT_EQ(braces_at(662, 30), 1);
    }
    save_page("unit7-1-7");
}

TEST(Unit7Pages, AbcAnswerFinishesItsSecondEquationByHand) {
    ASSERT_TRUE(show(kMastery, 2, 5));
    EXPECT_TRUE(at_pause());
    Layout page;
    page.at(40, 30, 3, "(2)").then(0, "1を2回使うと");
    page.at(80, 100, 0, "ﾀx+y/4ﾀ=1…①").at(80, 170, 0, "ﾀx+1/3ﾀ=1…②");
    page.at(40, 240, 3, "4*①から").at(40, 290, 0, "x+y=4…③").at(40, 360, 3, "3*②から").at(40, 410, 0, "x+1=3");
    page.at(40, 460, 3, "x").then(0, "=3-1").then(3, "=2");
    page.at(608, 80, 3, "この値を③に代入して").at(608, 130, 0, "2+y=4");
    page.at(608, 180, 3, "y").then(0, "=4-2").then(3, "=2").at(608, 230, 5, "(x,y)=(2,2)");
    expect_page(page);
    EXPECT_EQ(braces_at(40, 100), 1);
    save_page("unit7-2-2");

    ASSERT_TRUE(show(kMastery, 2, 10));
    Layout third;
    third.at(40, 30, 3, "(3)").then(0, "(5+3y)を2回使うと").at(80, 80, 0, "3x+2y=5+3y…①");
    third.at(80, 130, 0, "2x+11=5+3y…②").at(40, 530, 3, "連立方程式をつくると");
    expect_rows(third);
    save_page("unit7-2-3");
}

TEST(Unit7Pages, FindConstantsAnswerIsDrawnAtOnce) {
    ASSERT_TRUE(show(kMastery, 3, 0));
    Layout page;
    mastery_title(page, "3");
    page.at(107, 80, 0, "ax+6y=6…①").at(107, 130, 0, "-3x+by=34…②");
    page.at(67, 190, 0, "解が(x,y)=(-3,5) だから").at(67, 240, 3, "①,②に、x=-3,y=5 を代入して");
    page.at(107, 310, 0, "-3a+30=6…③").at(107, 360, 0, "9+5b=34…④");
    page.at(67, 410, 3, "③から").at(67, 460, 0, "-3a=6-30").at(67, 510, 0, "-3a=-24").at(67, 560, 3, "a=8");
    page.at(722, 80, 3, "④から").at(722, 130, 0, "5b=34-9").at(722, 180, 0, "5b=25").at(722, 230, 3, "b=5");
    page.at(722, 300, 5, "答 a=8,b=5");
    expect_page(page);
    EXPECT_EQ(braces_at(67, 80), 1);
    EXPECT_EQ(braces_at(67, 310), 1);
    save_page("unit7-3");
}

TEST(Unit7Pages, DigitSwapAnswerPutsItsAnswerAt120OnTheCheckLine) {
    ASSERT_TRUE(show(kMastery, 4, 10));
    Layout page;
    mastery_title(page, "4");
    page.at(67, 80, 0, "もとの整数を").then(3, "10x+y ").then(0, "とすると,");
    page.at(67, 230, 0, "入れかえた数は").then(3, "10y+x ");
    page.at(67, 380, 3, "①から").then(0, " 6x-3y=3").at(67, 530, 0, "-x+y=1…④");
    page.at(680, 600, 0, "これらは問題に適している。").at(120, 600, 5, "答　もとの整数は23");
    expect_rows(page);
    EXPECT_EQ(braces_at(734, 30), 1);
    save_page("unit7-4");
}

TEST(Unit7Pages, ClubMembersAnswerFillsItsTableThenSolvesInTheClearedLeft) {
    ASSERT_TRUE(show(kMastery, 5, 20));
    Layout table;
    mastery_title(table, "5", 38);
    const char* labels[] = {"昨年部員数(人)", "今年割合(％)", "今年部員数(人)"};
    const char* heads[] = {"男子", "女子", "合計"};
    for (int k = 0; k < 3; ++k) {
        table.cell(304 + 152 * k, 152, 103, 0, heads[k]);
        table.cell(38, 266, 153 + 50 * k + (k == 2 ? 10 : 0), 0, labels[k]);
    }
    const char* row2[] = {"x", "y", "50"};
    const char* row3[] = {"90", "120", "／"};
    for (int k = 0; k < 3; ++k)
        table.cell(304 + 152 * k, 152, 153, 0, row2[k]).cell(304 + 152 * k, 152, 203, 0, row3[k]);
    table.inside(304, 152, 260, 0, "ﾀ90/100ﾀx").inside(456, 152, 260, 0, "ﾀ120/100ﾀy").cell(608, 152, 263, 0, "51");
    table.at(65, 330, 0, "昨年の男子部員をx人,").at(65, 380, 0, "女子部員をy人とすると、");
    table.at(65, 430, 0, "昨年の部員数の関係から").at(65, 480, 3, "x+y=50…①").at(65, 530, 0, "今年の部員数の関係から");
    table.at(65, 590, 3, "ﾀ90/100ﾀx+ﾀ120/100ﾀy=51…②");
    table.at(798, 30, 0, "10*②から").at(798, 100, 3, "9x+12y=510…③");
    expect_page(table);
    save_page("unit7-5-table");

    // The values come one key each, after two keys for the first.
    ASSERT_TRUE(show(kMastery, 5, 2));
    EXPECT_FALSE(shows("x"));
    ASSERT_TRUE(show(kMastery, 5, 3));
    EXPECT_TRUE(shows("x"));

    ASSERT_TRUE(show(kMastery, 5, 26));
    EXPECT_FALSE(shows("学びを身につけよう"));
    EXPECT_FALSE(shows("昨年部員数(人)"));
    Layout end;
    end.at(798, 30, 0, "10*②から").at(798, 100, 3, "9x+12y=510…③");
    end.at(40, 600, 0, "この解は問題にあっている。");
    const float answer_x = end.end_x() + 60;
    end.at(answer_x, 550, 5, "答　昨年の男子部員30人,").at(answer_x, 600, 5, "　　昨年の女子部員20人");
    expect_rows(end);
    EXPECT_EQ(braces_at(67, 30), 1);
    save_page("unit7-5");
}

TEST(Unit7Pages, TrainAnswerReplacesItsLeftColumnBelowTheTitle) {
    ASSERT_TRUE(show(kMastery, 6, 9));
    EXPECT_TRUE(shows("x-60y=-1260…①"));
    EXPECT_TRUE(at_pause());
    ASSERT_TRUE(show(kMastery, 6, 10));
    EXPECT_FALSE(shows("x-60y=-1260…①"));
    EXPECT_FALSE(shows("列車の長さをxm,"));
    Layout page;
    mastery_title(page, "6");
    page.at(67, 130, 0, "列車の速さは").then(3, "秒速25m").then(0, " だから").at(67, 180, 3, "時速は");
    page.at(67, 230, 0, " 25*60*60/1000").at(67, 280, 0, "=").then(3, "90(km／時)");
    page.at(67, 350, 5, "答　列車の長さは240m").at(67, 400, 5, "　　列車の速さは時速90km");
    page.at(710, 550, 5, "(x,y)=(240,25)").at(680, 600, 0, "これらは問題に適している。");
    expect_rows(page);
    EXPECT_EQ(braces_at(734, 30), 1);
    save_page("unit7-6");
}

TEST(Unit7Pages, GoStonesAnswerAlternatesItsMarginsAndColoursItsBags) {
    ASSERT_TRUE(show(kMastery, 7, 8));
    Layout page;
    mastery_title(page, "7", 30);
    page.at(30, 90, 3, "い").then(0, "の袋にx個,").then(3, "ろ").then(0, "の袋にy個の");
    page.at(57, 140, 0, "碁石が入っているとすると、").at(30, 190, 0, "碁石は全部で21個 だから");
    page.at(57, 240, 3, "x+y=21…①").at(30, 290, 0, "「はい」といった回数が13回 だから");
    page.at(57, 360, 3, "ﾀx/2ﾀ+y=13…②").at(57, 420, 0, "2*②から").at(57, 470, 3, "x+2y=26…③");
    page.at(680, 600, 0, "これらは問題に適している。");
    page.at(40, 600, 5, "答 ").then(3, "い").then(0, "の袋").then(5, "16個").then(0, ",").then(3, "ろ");
    page.then(0, "の袋").then(5, "5個");
    expect_rows(page);
    save_page("unit7-7");
}

}  // namespace
