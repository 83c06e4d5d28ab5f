// Unit 3 of Morvane run headless from the main menu: the finished page and
// key pauses of every fixed section (the menu is in unit_cycle_test.cpp).
#include <gtest/gtest.h>

#include <string>

#include "tests/common/sign_rows.h"
#include "tests/equations/unit3_support.h"

using namespace unit3_test;

namespace {

// ------------------------------------------------------- key counts

TEST(Unit3Sections, EachFixedSectionTakesItsKeysAndEndsAtTheMenu) {
    const SectionKeys cases[] = {
        {open_section(1), 9, "係数の絶対値を同じにすればよい。"},
        {open_section(3), 9, "(x,y)=(1,-2)"},
        {open_section(4), 14, "係数の絶対値を同じにすればよい。"},
        {open_section(6), 14, "(x,y)=(1,-1)"},
    };
    for (const SectionKeys& c : cases) {
        expect_section_keys(morvane_course(), kMenuLine, c);
        EXPECT_EQ(G.JYOU, 0);
    }
}

// ------------------------------------------------------ the pages

// The rows both worked examples share: title, system, column subtraction.
Layout example_page(const char* first, const char* second, const char* hint, const char* operation, const char* upper,
                    const char* lower, const char* signs) {
    Layout page;
    page.at(608, 30, 3, "どうすれば消去できる？");
    page.at(116, 30, 0, first).at(116, 80, 0, second);
    page.at(608, 80, 7, hint);
    page.at(76, 130, 3, operation);
    page.at(130, 180, 0, upper).at(76, 236, 0, "-").then(0, ")").at(130, 230, 0, lower);
    page.at(76, 205, 3, signs);
    page.at(608, 210, 5, "係数の絶対値を同じにすればよい。");
    return page;
}

TEST(Unit3Sections, FindExamplePage) {
    ASSERT_TRUE(run_morvane(open_section(1) + presses(9)));
    Layout page =
        example_page("x+2y=4…①", "2x+3y=5…②", "①を 2x+4y=8 にすればいい", "①*2-②", "2x+4y=8", "2x+3y=5", "+-  -  -");
    page.at(130, 280, 3, "    y=3");
    page.at(76, 330, 3, "y=3 を①に代入して");
    page.at(76, 380, 0, "x+2*3=4").at(76, 430, 0, "x+6=4").at(76, 480, 0, "x=4-6=-2");
    page.at(76, 530, 5, "答 (x,y)=(-2,3)");
    page.at(608, 160, 5, "何倍かして、");
    expect_page(page);
    EXPECT_EQ(probe::expect_sign_rows_placed(), 1u);
    save_page("section1");
}

TEST(Unit3Sections, HowToPageSignsStandOverTheSubtractedTerms) {
    ASSERT_TRUE(run_morvane(open_section(4) + presses(14)));
    // Over 12x-10y=56 (from x 130): "+" over the operation sign, "-" before
    // 12x, "+" over the "-" of -10y (x 211), "-" over "=" before 56 (x 319).
    Layout page = example_page("4x+7y=-2…①", "6x-5y=28…②", "①も②も xの係数を12 にすればいい", "①*3-②*2", "12x+21y=-6",
                               "12x-10y=56", "+-   +   -");
    page.at(130, 280, 0, "    31y=-62").at(130, 330, 0, "      y=-2");
    page.at(76, 380, 3, "y=-2 を①に代入して");
    page.at(76, 430, 0, "4x+7*(-2)=-2").at(76, 480, 0, "4x-14=-2").at(76, 530, 0, "4x=-2+14=12");
    page.at(76, 580, 0, " x=3").at(page.end_x() + 50, 580, 5, "答 (x,y)=(3,-2)");
    page.at(608, 160, 5, "何倍かして、x,yのどちらかの");
    expect_page(page);
    EXPECT_EQ(probe::expect_sign_rows_placed(), 1u);
    save_page("section4");
}

TEST(Unit3Sections, HowToPagePausesInsideTheSubtractionAndTheFirstPageDoesNot) {
    // Keys 1 to 3 bring the hint, the operation line and the upper row alone.
    ASSERT_TRUE(run_morvane(open_section(4) + presses(3)));
    EXPECT_TRUE(page_shows("12x+21y=-6"));
    EXPECT_FALSE(page_shows("12x-10y=56"));
    ASSERT_TRUE(run_morvane(open_section(4) + presses(4)));
    EXPECT_TRUE(page_shows("12x-10y=56"));
    EXPECT_FALSE(page_shows("+-   +   -"));
    ASSERT_TRUE(run_morvane(open_section(4) + presses(5)));
    EXPECT_TRUE(page_shows("+-   +   -"));
    // Section ① afterwards: the key after the hint brings the whole
    // subtraction and its signs.
    ASSERT_TRUE(run_morvane(open_section(4) + presses(14) + "1\r" + presses(2)));
    EXPECT_TRUE(page_shows("2x+4y=8"));
    EXPECT_TRUE(page_shows("2x+3y=5"));
    EXPECT_TRUE(page_shows("+-  -  -"));
    EXPECT_FALSE(page_shows("    y=3"));
    EXPECT_TRUE(at_pause());
}

TEST(Unit3Sections, AnswerPagesShowTheSolversMultipliers) {
    struct Answers {
        int section, presses;
        const char* question;
        std::vector<const char*> operations, answers, gone;
    };
    const Answers cases[] = {
        {3, 9, "問4", {"①*7-②", "①+②*3"}, {"(x,y)=(3,1)", "(x,y)=(1,-2)"}, {}},
        // (3) replaces (1) in the left column; (2) stays on the right.
        {6, 14, "問5", {"①*3+②*4", "①*5-②*2"}, {"(x,y)=(-1,2)", "(x,y)=(1,-1)"}, {"(x,y)=(2,1)", "①*3+②*2"}},
    };
    for (const Answers& c : cases) {
        SCOPED_TRACE(c.question);
        ASSERT_TRUE(run_morvane(open_section(c.section) + presses(c.presses)));
        for (const char* t : c.operations) EXPECT_TRUE(page_shows(t)) << t;
        for (const char* t : c.answers) EXPECT_TRUE(page_shows(t)) << t;
        for (const char* t : c.gone) EXPECT_FALSE(page_shows(t)) << t;
        expect_rows(Layout().at(640, 30, 3, "(2)"));
        save_page("section" + std::to_string(c.section));
    }
    ASSERT_TRUE(run_morvane(open_section(6) + presses(9)));
    expect_rows(Layout().at(40, 30, 7, "問5").then(3, "(1)"));
    EXPECT_TRUE(page_shows("①*3+②*2"));
    EXPECT_TRUE(page_shows("(x,y)=(2,1)"));
}

}  // namespace
