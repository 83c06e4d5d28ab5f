// Talisse unit 3: the participation-rate drill over many seeds (the shown
// equations have the solution the answer states, rates and counts in their
// ranges, the total whole, the cleared equation exact), its flow, its table
// filled cell by cell, and the page of textbook question 3.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "tests/applications/support.h"

using namespace apps_test;

namespace {

const std::string kDrill = open_section(3, 1);
const std::string kToNextStep = presses(150);

int to_int(const std::string& s) { return std::stoi(s); }

// Matches `text` against `pattern`, whose groups are whole numbers.
std::vector<int> numbers(const std::string& text, const char* pattern) {
    std::smatch m;
    std::vector<int> out;
    EXPECT_TRUE(std::regex_match(text, m, std::regex(pattern))) << text;
    for (size_t i = 1; i < m.size(); ++i) out.push_back(to_int(m[i]));
    if (out.empty()) out.assign(8, 0);
    return out;
}

TEST(TalisseUnit3, ParticipationDrillOverManySeeds) {
    for (int seed = 0; seed < 60; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        ASSERT_TRUE(run_talisse(kDrill + kToNextStep, static_cast<float>(seed)));
        ASSERT_TRUE(at_next_step());
        // The right column: ① the year, ② the rates (P whole), ×100, the
        // divisor q, ③.
        const int year = numbers(text_at(680, 180, 3), "x\\+y=(\\d+)…①")[0];
        const auto second = numbers(text_at(680, 290, 3), "ﾀ(\\d+)/100ﾀx\\+ﾀ(\\d+)/100ﾀy=(\\d+)…②");
        const int p1 = second[0], p2 = second[1], took_part = second[2];
        EXPECT_EQ(text_at(680, 410, 0),
                  std::to_string(p1) + "x+" + std::to_string(p2) + "y=" + std::to_string(took_part) + "00");
        const int q = numbers(text_at(680, 480, 0), "両辺を(\\d+)でわって")[0];
        const auto third = numbers(text_at(680, 550, 3), "(\\d+)x\\+(\\d+)y=(\\d+)…③");
        const int k1 = third[0], k2 = third[1], right = third[2];
        const auto answer = numbers(text_at(40, G.B2, 5), "答　男子(\\d+)人,女子(\\d+)人");
        const int boys = answer[0], girls = answer[1];

        EXPECT_TRUE(p1 >= 40 && p1 <= 60 && p1 % 5 == 0) << p1;
        EXPECT_TRUE(p2 >= 55 && p2 <= 75 && p2 % 5 == 0) << p2;
        EXPECT_NE(p1, p2);
        for (int n : {boys, girls}) EXPECT_TRUE(n >= 60 && n <= 90 && n % 10 == 0) << n;
        EXPECT_EQ(boys + girls, year);
        EXPECT_EQ(p1 * boys + p2 * girls, 100 * took_part);
        // ③ is the ×100 equation divided by q, by the least common
        // denominator of the reduced rates (q = 100 / L).
        EXPECT_TRUE(q == 5 || q == 10 || q == 20 || q == 25) << q;
        EXPECT_EQ(k1 * q, p1);
        EXPECT_EQ(k2 * q, p2);
        EXPECT_EQ(right * q, 100 * took_part);
        EXPECT_EQ(k1 * boys + k2 * girls, right);
        EXPECT_EQ(text_at(40, G.B2 - 50, 0), "これらは問題に適している。");
        for (const auto& t : page_texts()) EXPECT_EQ(t.utf8.find("(x,y)=("), std::string::npos) << t.utf8;
        EXPECT_EQ(G.LLT, 0);
        EXPECT_EQ(G.AA, 0);
    }
}

TEST(TalisseUnit3, ParticipationDrillFillsItsTableCellByCell) {
    // The question and the empty table; then each cell after a key, the
    // first after two.
    ASSERT_TRUE(run_talisse(kDrill + presses(1), 3));
    EXPECT_TRUE(at_pause());
    const auto totals = numbers(text_at(40, 80, 0), "男女あわせて(\\d+)人です。そのうち、");
    const auto rates = numbers(text_at(40, 180, 0), "ある生徒は(\\d+)人で、男子の(\\d+)％、");
    const auto girls_rate = numbers(text_at(40, 230, 0), "女子の(\\d+)％にあたります。");
    const std::string year = std::to_string(totals[0]), took = std::to_string(rates[0]);
    const std::string p1 = std::to_string(rates[1]), p2 = std::to_string(girls_rate[0]);
    Layout table;
    table.at(40, 30, 3, "例題2 ").then(0, "ある中学校の2年生の生徒数は");
    table.cell(200, 128, 403, 0, "男子").cell(328, 128, 403, 0, "女子").cell(456, 128, 403, 0, "合計");
    table.cell(40, 160, 453, 0, "全体(人)").cell(40, 160, 503, 0, "参加(％)").cell(40, 160, 563, 0, "参加(人)");
    expect_rows(table);
    EXPECT_EQ(boxes_filled(15).size(), 9u);
    ASSERT_TRUE(run_talisse(kDrill + presses(2), 3));
    EXPECT_FALSE(page_shows("x"));
    ASSERT_TRUE(run_talisse(kDrill + presses(11), 3));
    table.cell(200, 128, 453, 0, "x").cell(328, 128, 453, 0, "y").cell(456, 128, 453, 0, year);
    table.cell(200, 128, 503, 0, p1).cell(328, 128, 503, 0, p2).cell(456, 128, 503, 0, "／");
    table.inside(200, 128, 560, 0, "ﾀ" + p1 + "/100ﾀx").inside(328, 128, 560, 0, "ﾀ" + p2 + "/100ﾀy");
    table.cell(456, 128, 563, 0, took);
    expect_rows(table);
    EXPECT_TRUE(at_pause());
    save_page("unit3-drill-table");
}

TEST(TalisseUnit3, ParticipationDrillFlow) {
    // A new problem keeps the previous equations on the right until its
    // right column is cleared.
    for (const char* again : {"2\r", "1/0\r"}) {
        ASSERT_TRUE(run_talisse(kDrill + kToNextStep, 4));
        const std::string third = text_at(680, 550, 3);
        ASSERT_FALSE(third.empty());
        ASSERT_TRUE(run_talisse(kDrill + kToNextStep + again + presses(11), 4));
        EXPECT_EQ(text_at(680, 550, 3), third);
        EXPECT_EQ(text_at(40, 30, 3), "例題2 ");
        ASSERT_TRUE(run_talisse(kDrill + kToNextStep + again + presses(12), 4));
        EXPECT_TRUE(text_at(680, 550, 3).empty());
        EXPECT_EQ(text_at(680, 30, 7), "2年生の男子の人数をx人,");
    }
    // 1 ends it: a key, the pointer, the menu line.
    ASSERT_TRUE(run_talisse(kDrill + kToNextStep + "1\r", 4));
    EXPECT_TRUE(at_pause());
    EXPECT_FALSE(page_shows("教科書P51 問3　をしなさい。"));
    ASSERT_TRUE(run_talisse(kDrill + kToNextStep + "1\r" + presses(1), 4));
    EXPECT_TRUE(at_menu(kRatioMenu));
    EXPECT_EQ(text_at(484, 600, 7), "教科書P51 問3　をしなさい。");
    save_page("unit3-drill-end");
    // The answer page after the drill shows its pair line.
    ASSERT_TRUE(run_talisse(kDrill + kToNextStep + "1\r" + presses(1) + "2\r" + presses(27), 4));
    EXPECT_EQ(text_at(70, 550, 5), "(x,y)=(150,250)");
}

TEST(TalisseUnit3, QuestionThreeTableAndEquations) {
    // Two keys with nothing drawn between them before the first cell.
    ASSERT_TRUE(run_talisse(open_section(3, 2) + presses(2)));
    EXPECT_FALSE(page_shows("x"));
    Layout page;
    page.at(38, 30, 3, "教科書P51 問3");
    page.cell(304, 152, 103, 0, "お茶").cell(456, 152, 103, 0, "ドリンク").cell(608, 152, 103, 0, "合計");
    page.cell(38, 266, 153, 0, "先月の本数(本)").cell(38, 266, 203, 0, "今月の割合(％)");
    page.cell(38, 266, 263, 0, "今月の本数(本)");
    page.at(38, 330, 0, "先月売れたお茶をx本、").at(38, 380, 0, "スポーツドリンクをy本とすると");
    Layout empty_table = page;  // the last cells of rows 3 and 4 hold one blank
    empty_table.cell(608, 152, 203, 0, " ").cell(608, 152, 263, 0, " ");
    expect_page(empty_table);
    EXPECT_EQ(boxes_filled(14).size(), 1u);  // the corner cell

    ASSERT_TRUE(run_talisse(open_section(3, 2) + presses(18)));
    page.cell(304, 152, 153, 0, "x").cell(456, 152, 153, 0, "y").cell(608, 152, 153, 0, "400");
    page.cell(304, 152, 203, 0, "80").cell(456, 152, 203, 0, "90").cell(608, 152, 203, 0, "／");
    page.inside(304, 152, 260, 0, "ﾀ80/100ﾀx").inside(456, 152, 260, 0, "ﾀ90/100ﾀy");
    page.cell(608, 152, 263, 0, "345");
    page.at(38, 430, 0, "先月売れた本数の関係から　").then(3, "x+y=400…①");
    page.at(38, 480, 0, "今月売れた本数の関係から").at(38, 550, 3, "ﾀ80/100ﾀx+ﾀ90/100ﾀy=345…②");
    page.at(798, 30, 0, "②の分母をはらって");
    expect_page(page);
    save_page("unit3-q3-table");
}

TEST(TalisseUnit3, QuestionThreeSolvesBesideTheClearedEquations) {
    ASSERT_TRUE(run_talisse(open_section(3, 2) + presses(27)));
    EXPECT_TRUE(at_menu(kRatioMenu));
    Layout page;
    page.at(798, 30, 0, "②の分母をはらって").at(798, 90, 0, "10*ﾀ80/100ﾀx+");
    page.at(798, 170, 0, " 10*ﾀ90/100ﾀy=10*345").at(798, 240, 3, "8x+9y=3450…③");
    page.at(104, 130, 3, "①*8-③").at(70, 550, 5, "(x,y)=(150,250)");
    page.at(40, 600, 0, "この解は問題にあっている。");
    page.at(646, 550, 5, "答　先月売れたお茶が150本,").at(646, 600, 5, "　　スポーツドリンクが250本");
    expect_rows(page);
    EXPECT_FALSE(page_shows("先月売れたお茶をx本、"));
    const auto braces = ops(plat::OpKind::Polyline);
    ASSERT_FALSE(braces.empty());
    EXPECT_EQ(braces[0].pts[3].first, 40 + 27 + 8);
    EXPECT_EQ(plat::current_draw_width(), 5);
    save_page("unit3-q3");
}

}  // namespace
