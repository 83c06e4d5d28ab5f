// Unit 6 of Morvane run headless from the main menu: the screens of practice
// problem 1 and the page of practice problem 2, and the systems they hand to
// the solver (the menu is in unit_cycle_test.cpp).
#include <gtest/gtest.h>

#include <string>

#include "tests/equations/worked_support.h"

using namespace worked_test;

namespace {

const char* const kMenuLine = "P46 練習問題 ①,②解答　　　③終了";
std::string open_section(int n) { return "6\r" + std::to_string(n) + "\r"; }
bool at_unit_menu() { return at_menu(kMenuLine); }
bool shows(const char* text) {
    return page_has([&](const auto& t) { return t.utf8 == text; });
}

// ------------------------------------------------------- key counts

TEST(Unit6Sections, EachSectionTakesItsKeysAndComesBackToTheMenu) {
    const struct { int section, presses; } cases[] = {{1, 18}, {2, 4}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.section);
        ASSERT_TRUE(run_morvane(open_section(c.section) + presses(c.presses - 1)));
        EXPECT_TRUE(at_pause());
        ASSERT_TRUE(run_morvane(open_section(c.section) + presses(c.presses)));
        EXPECT_TRUE(at_unit_menu());
        EXPECT_EQ(plat::pending_keys(), 0u);
    }
    // The same section again starts from its first page.
    ASSERT_TRUE(run_morvane(open_section(1) + presses(18) + "1\r"));
    EXPECT_TRUE(shows("P46 練習問題") && !shows("(6)"));
}

// ------------------------------------------------ the solver's pages

TEST(Unit6Sections, EverySystemIsSolvedInItsColumn) {
    const SolvedPage pages[] = {
        {"problem 1 (1)", open_section(1) + presses(5), 121, 80, 40, "①", "②", "②", "(x,y)=(3,-8)"},
        {"problem 1 (5)", open_section(1) + presses(13), 662, 30, 608, "①", "③", "①", "(x,y)=(4,-5)"},
        {"problem 1 (6)", open_section(1) + presses(18), 662, 30, 608, "①", "③", "①", "(x,y)=(-5,-8)"},
        {"problem 2", open_section(2) + presses(4), 734, 30, 680, "③", "④", "③", "(x,y)=(-6,8)"},
    };
    for (const SolvedPage& p : pages) expect_solved(p);
}

// ------------------------------------------------------ the pages

Layout title(const char* number) {
    Layout page;
    page.cell(40, 272, 31, 0, "P46 練習問題").cell(322, 40, 30, 13, number);
    return page;
}

void expect_title_boxes() {
    const auto title = boxes_filled(13), number = boxes_filled(3);
    ASSERT_EQ(title.size(), 1u);
    ASSERT_EQ(number.size(), 1u);
    EXPECT_EQ(title[0].l, 40);
    EXPECT_EQ(title[0].t, 30);
    EXPECT_EQ(title[0].r, 312);
    EXPECT_EQ(title[0].b, 76);
    EXPECT_EQ(number[0].l, 322);
    EXPECT_EQ(number[0].t, 30);
    EXPECT_EQ(number[0].r, 362);
    EXPECT_EQ(number[0].b, 74);
}

// The substitution column of (2), (3) or (4) from `left`.
void substitution_column(Layout& page, float left, const char* label, const char* first, const char* second,
                         std::initializer_list<std::pair<int, const char*>> working) {
    page.at(left, 30, 3, label);
    page.at(left + 121, 30, 0, first).at(left + 121, 80, 0, second);
    float y = 130;
    for (const auto& [colour, text] : working) {
        page.at(left + 81, y, colour, text);
        y += 50;
    }
}

void column_2(Layout& page) {
    // clang-format off
    substitution_column(page, 640, "(2)", "2x+5y=18 …①", "x=2y …②",
                        {{3, "②を①に代入して"}, {0, "2*2y+5y=18"}, {0, "4y+5y=18"}, {0, "9y=18"}, {0, "y=2"},
                         {3, "y=2 を②に代入して"}, {0, "x=2*2=4"}, {5, "(x,y)=(4,2)"}});
    // clang-format on
}
void column_3(Layout& page) {
    // clang-format off
    substitution_column(page, 40, "(3)", "4x-5y=3 …①", "5y=8x-11 …②",
                        {{3, "②を①に代入して"}, {0, "4x-(8x-11)=3"}, {0, "4x-8x+11=3"}, {0, "-4x=3-11=-8"},
                         {0, "x=2"}, {3, "x=2 を②に代入して"}, {0, "5y=8*2-11"}, {0, "5y=16-11=5"}, {0, "y=1"},
                         {5, "(x,y)=(2,1)"}});
    // clang-format on
}
void column_4(Layout& page) {
    // clang-format off
    substitution_column(page, 640, "(4)", "y=3x-2 …①", "y=2x+3 …②",
                        {{3, "①を②に代入して"}, {0, "3x-2=2x+3"}, {0, "3x-2x=3+2"}, {0, "x=5"},
                         {3, "x=5 を②に代入して"}, {0, "y=2*5+3"}, {0, "y=10+3"}, {0, "y=13"},
                         {5, "(x,y)=(5,13)"}});
    // clang-format on
}

TEST(Unit6Sections, ProblemOneFirstTwoScreens) {
    // The boxed title alone until the first key.
    ASSERT_TRUE(run_morvane(open_section(1)));
    expect_page(title("1"));
    expect_title_boxes();

    // Screen 1: (1) by the solver on the left, (2) by substitution on the right.
    ASSERT_TRUE(run_morvane(open_section(1) + presses(6)));
    Layout screen1 = title("1");
    screen1.at(40, 80, 3, "(1)");
    column_2(screen1);
    expect_rows(screen1);
    EXPECT_TRUE(has_brace(721, 30));
    save_png("unit6-problem1-screen1");

    // Screen 2: (3) replaces the left half, (2) stays whole beside it.
    ASSERT_TRUE(run_morvane(open_section(1) + presses(7)));
    Layout left_cleared;
    column_3(left_cleared);
    column_2(left_cleared);
    expect_page(left_cleared);
    EXPECT_TRUE(has_brace(121, 30) && has_brace(721, 30));

    // Then (4) replaces (2), and (3) stays.
    ASSERT_TRUE(run_morvane(open_section(1) + presses(8)));
    Layout screen2;
    column_3(screen2);
    column_4(screen2);
    expect_page(screen2);
    save_png("unit6-problem1-screen2");
}

TEST(Unit6Sections, ProblemOneClearsFractionsAndDecimals) {
    ASSERT_TRUE(run_morvane(open_section(1) + presses(13)));
    Layout five;
    five.at(40, 30, 3, "(5)").at(80, 80, 0, "3x+2y=2 …①").at(80, 150, 0, "ﾀ5/4ﾀx-ﾀy/5ﾀ=6 …②");
    five.at(40, 220, 3, "20*②").at(40, 290, 0, "20*ﾀ5/4ﾀx-20*ﾀy/5ﾀ=20*6").at(40, 360, 0, "25x-4y=120 …③");
    five.at(40, 410, 3, "③を使って連立方程式をつくると");
    expect_rows(five);
    EXPECT_TRUE(has_brace(40, 80));
    EXPECT_FALSE(shows("(3)"));
    save_png("unit6-problem1-screen3");

    ASSERT_TRUE(run_morvane(open_section(1) + presses(18)));
    Layout six;
    six.at(40, 30, 3, "(6)").at(80, 90, 0, "x-3y=19 …①").at(80, 140, 0, "0.2x-0.5y=3 …②");
    six.at(40, 190, 3, "10*②").at(40, 240, 0, "10*0.2x-10*0.5y=10*3").at(40, 290, 0, "2x-5y=30 …③");
    six.at(40, 340, 3, "③を使って連立方程式をつくると");
    expect_rows(six);
    EXPECT_TRUE(has_brace(40, 90));
    save_png("unit6-problem1-screen4");
}

TEST(Unit6Sections, ProblemTwoPage) {
    // The left column comes with the title, before the solver's first wait.
    ASSERT_TRUE(run_morvane(open_section(2)));
    Layout page = title("2");
    page.at(40, 80, 3, "2を2回使って連立方程式をつくると");
    page.at(80, 130, 0, "ﾀx/3ﾀ+ﾀy/2ﾀ=2 …①").at(80, 190, 0, "0.6x+0.7y=2 …②");
    page.at(40, 240, 3, "①*6").at(40, 310, 0, "ﾀx/3ﾀ*6+ﾀy/2ﾀ*6=2*6").at(40, 370, 0, "2x+3y=12 …③");
    page.at(40, 420, 3, "②*10").at(40, 470, 0, "0.6x*10+0.7y*10=2*10").at(40, 520, 0, "6x+7y=20 …④");
    page.at(40, 570, 0, "したがって、");
    expect_rows(page);
    expect_title_boxes();
    EXPECT_TRUE(has_brace(40, 130));
    EXPECT_TRUE(at_pause());
    ASSERT_TRUE(run_morvane(open_section(2) + presses(4)));
    save_png("unit6-problem2");
}

}  // namespace
