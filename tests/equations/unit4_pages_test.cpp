// Unit 4 of Morvane run headless from the main menu: the finished page and
// key pauses of every fixed section (the menu is in unit_cycle_test.cpp).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/equations/unit4_support.h"

using namespace unit4_test;

namespace {

// ------------------------------------------------------- key counts

struct KeyCount {
    int section;
    int presses;
    const char* last_text;  // drawn by the last key, with the menu line
};

TEST(Unit4Sections, EachFixedSectionTakesItsKeyPressesAndEndsAtTheSectionMenu) {
    const KeyCount cases[] = {
        // clang-format off
        {1, 20, "x=2*60+30=120+30"},
        {2, 14, "1つの文字を消去する方法"},
        {4, 0, "答 (x,y)=(-1,1)"},
        {6, 0, "答 (x,y)=(-3,-1)"},
        {7, 16, "★3yでも代入できる。"},
        // clang-format on
    };
    for (const KeyCount& c : cases) {
        SCOPED_TRACE("section " + std::to_string(c.section));
        if (c.presses > 0) {
            ASSERT_TRUE(run_morvane(open_section(c.section) + presses(c.presses - 1)));
            EXPECT_TRUE(at_pause());
            EXPECT_FALSE(page_shows(c.last_text));
        }
        ASSERT_TRUE(run_morvane(open_section(c.section) + presses(c.presses)));
        EXPECT_TRUE(at_section_menu());
        EXPECT_TRUE(page_shows(c.last_text));
        EXPECT_EQ(plat::pending_keys(), 0u);
    }
}

TEST(Unit4Sections, OnlySectionOneLeavesTheDrawWidthChanged) {
    ASSERT_TRUE(run_morvane(open_section(7) + presses(16) + "4\r2\r" + presses(14)));
    EXPECT_EQ(plat::current_draw_width(), 3);
    ASSERT_TRUE(run_morvane(open_section(1) + presses(20) + "4\r"));
    EXPECT_EQ(plat::current_draw_width(), 5);
}

// ------------------------------------------------------ the pages

TEST(Unit4Sections, PencilAndNotebookPage) {
    ASSERT_TRUE(run_morvane(open_section(1) + presses(20)));
    Layout page;
    page.at(38, 30, 7, "鉛筆1本とノート1冊の値段は？");
    // Pictograms advance 38 (notebook) and 27 (pencil), whatever the text.
    page.at(38, 90, 0, "ｷ").at(76, 90, 0, "をノート、").at(76 + 170, 90, 0, "ｶ");
    page.at(76 + 197, 90, 0, "を鉛筆とすると");
    page.at(38, 170, 0, "ｷｷ").at(114, 170, 0, "+").at(141, 170, 0, "ｶｶｶｶｶ").at(276, 170, 0, "=600…①");
    page.at(38, 250, 0, "ｷ").at(76, 250, 0, "=").at(108, 250, 0, "ｶｶ").at(162, 250, 0, "+30…②");
    page.at(38, 330, 0, "ｶｶｶｶ").at(146, 330, 0, "+60").then(0, "+").at(254, 330, 0, "ｶｶｶｶｶ");
    page.at(389, 330, 3, "=600…③");
    page.at(38, 410, 0, "ｶｶｶｶｶｶｶｶｶ").at(281, 410, 3, "=540…④");
    page.at(38, 490, 0, "ｶ").at(65, 490, 3, "=60…⑤");
    page.at(38, 570, 0, "ｷ").at(76, 570, 3, "=150…⑥");
    page.at(608, 30, 3, "ノート1冊x円、鉛筆1本y円とすると");
    page.at(800, 80, 0, "2x+5y=600…①").at(800, 130, 0, "x=2y+30…②");
    page.at(760, 180, 3, "②を①に代入して");
    page.at(760, 230, 0, "2(2y+30)+5y=600");
    page.at(760, 280, 0, "4y+60+5y=600…③");
    page.at(760, 330, 0, "   4y+5y=600-60");
    page.at(760, 380, 0, "      9y=540…④");
    page.at(760, 430, 0, "       y=60…⑤");
    page.at(760, 480, 3, "y=60 を②に代入して");
    page.at(760, 530, 0, "x=2*60+30=120+30");
    page.at(760, 580, 0, "x=150…⑥");
    expect_page(page);
    save_page("section1");
}

TEST(Unit4Sections, PencilAndNotebookPageFillsItsLetteredRowsOutOfOrder) {
    // After the braced system (11 + 2 keys): the results come first, then the
    // lines above them, then the last two rows together with no key.
    const char* order[] = {"4y+60+5y=600…③",  "      9y=540…④",  "       y=60…⑤", "x=150…⑥",
                           "   4y+5y=600-60", "2(2y+30)+5y=600", "②を①に代入して"};
    for (int k = 0; k < 7; ++k) {
        SCOPED_TRACE(k);
        ASSERT_TRUE(run_morvane(open_section(1) + presses(13 + k)));
        EXPECT_TRUE(page_shows(order[k]));
        if (k + 1 < 7) {
            EXPECT_FALSE(page_shows(order[k + 1]));
        }
        EXPECT_FALSE(page_shows("y=60 を②に代入して"));
    }
}

TEST(Unit4Sections, StepsPage) {
    ASSERT_TRUE(run_morvane(open_section(2) + presses(14)));
    Layout page;
    page.at(608, 30, 3, "解き方を確認しよう。");
    page.at(116, 30, 0, "2x+5y=600…①").at(116, 80, 0, "x=2y+30…②");
    page.at(76, 130, 3, "②を①に代入して");
    // The "=" of the five working lines stand one under another at x 373.
    page.at(76, 180, 0, "2(2y+30)+5y=600");
    page.at(76, 230, 0, "   4y+60+5y=600");
    page.at(76, 280, 0, "      4y+5y=600-60");
    page.at(76, 330, 0, "         9y=540");
    page.at(76, 380, 0, "          y=60");
    page.at(76, 430, 3, "y=60 を②に代入して");
    page.at(76, 480, 0, "x=2*60+30=120+30");
    page.at(76, 530, 0, "x=150");
    page.at(106, 580, 5, "答 (x,y)=(150,60)");
    page.at(608, 90, 7, "(1)").then(0, "式を代入してxを消去する。");
    page.at(608, 150, 7, "(2)").then(0, "yの値を求める。");
    page.at(608, 210, 7, "(3)").then(0, "yの値を代入し、xの値を求める。");
    page.at(608, 270, 7, "(4)").then(0, "答を書く。");
    page.at(608, 330, 5, "代入法");
    page.at(608, 380, 0, "一方の式を他方の式に代入して");
    page.at(608, 430, 0, "1つの文字を消去する方法");
    expect_page(page);
    EXPECT_EQ(page.items()[4].x + advance("2(2y+30)+5y"), 373);
    save_page("section2");
}

TEST(Unit4Sections, StepsPageDrawsEachStepWhenTheWorkingReachesIt) {
    // Step (1) comes with the 2nd key, after the substituted line; step (3)
    // with the 9th, before x is worked out; the definition after the 14th.
    ASSERT_TRUE(run_morvane(open_section(2) + presses(2)));
    EXPECT_TRUE(page_shows("式を代入してxを消去する。"));
    EXPECT_FALSE(page_shows("   4y+60+5y=600"));
    ASSERT_TRUE(run_morvane(open_section(2) + presses(9)));
    EXPECT_TRUE(page_shows("yの値を代入し、xの値を求める。"));
    EXPECT_FALSE(page_shows("x=2*60+30=120+30"));
    ASSERT_TRUE(run_morvane(open_section(2) + presses(13)));
    EXPECT_TRUE(page_shows("答を書く。"));
    EXPECT_FALSE(page_shows("代入法"));
}

TEST(Unit4Sections, Question6Answers) {
    ASSERT_TRUE(run_morvane(open_section(4)));
    Layout page;
    page.at(38, 30, 7, "問6");
    // Each system 40 right of where its part label ended.
    page.at(228, 30, 3, "(1)").at(228 + 81 + 40, 30, 0, "9x-2y=12…①").at(349, 80, 0, "y=3x…②");
    const char* left[] = {"②を①に代入して",    "9x-2*3x=12", "9x-6x=12", "3x=12",          "x=4",
                          "x=4 を②に代入して", "y=3*4",      "y=12",     "答 (x,y)=(4,12)"};
    for (int k = 0; k < 9; ++k) page.at(266, 130 + 50 * k, k == 0 || k == 5 ? 3 : k == 8 ? 5 : 0, left[k]);
    page.at(760, 30, 3, "(2)").at(760 + 81 + 40, 30, 0, "x=-5y+4…①").at(881, 80, 0, "2x+y=-1…②");
    const char* right[] = {"①を②に代入して",    "2(-5y+4)+y=-1", "-10y+8+y=-1", "-10y+y=-1-8",    "-9y=-9", "y=1",
                           "y=1 を①に代入して", "x=-5*1+4=-5+4", "x=-1",        "答 (x,y)=(-1,1)"};
    for (int k = 0; k < 10; ++k) page.at(798, 130 + 50 * k, k == 0 || k == 6 ? 3 : k == 9 ? 5 : 0, right[k]);
    expect_page(page);
    // Nothing of column (1) reaches column (2)'s label.
    for (const auto& t : page_texts()) {
        if (t.x < 760) {
            EXPECT_LT(t.x + advance(t.utf8), 760) << t.utf8;
        }
    }
    save_page("section4");
}

TEST(Unit4Sections, Question7Answers) {
    ASSERT_TRUE(run_morvane(open_section(6)));
    Layout page;
    page.at(38, 30, 7, "問7");
    page.at(152, 30, 3, "(1)").at(273, 30, 0, "y-x=4…①").at(273, 80, 0, "5x-3y=2…②");
    page.at(190, 130, 3, "①から　").then(0, "y=x+4…①'");
    const char* left[] = {"①'を②に代入して",    "5x-3(x+4)=2", "5x-3x-12=2",     "5x-3x=2+12", "2x=14", "x=7",
                          "x=7 を①'に代入して", "y=7+4=11",    "答 (x,y)=(7,11)"};
    for (int k = 0; k < 9; ++k) page.at(190, 180 + 50 * k, k == 0 || k == 6 ? 3 : k == 8 ? 5 : 0, left[k]);
    page.at(684, 30, 3, "(2)").at(805, 30, 0, "3x+2y=-11…①").at(805, 80, 0, "3y-x=0…②");
    page.at(722, 130, 3, "②から　").then(0, "x=3y…②'");
    const char* right[] = {"②'を①に代入して",     "3*3y+2y=-11", "9y+2y=-11",       "11y=-11", "y=-1",
                           "y=-1 を②'に代入して", "x=3*(-1)=-3", "答 (x,y)=(-3,-1)"};
    for (int k = 0; k < 8; ++k) page.at(722, 180 + 50 * k, k == 0 || k == 5 ? 3 : k == 7 ? 5 : 0, right[k]);
    expect_page(page);
    save_page("section6");
}

TEST(Unit4Sections, DiscussionPage) {
    ASSERT_TRUE(run_morvane(open_section(7) + presses(16)));
    Layout page;
    page.at(38, 30, 3, "どのように解く？").at(350, 30, 0, "y=4x-11…①").at(350, 80, 0, "8x-3y=25…②");
    page.at(38, 80, 7, "<加減法>");
    page.at(38, 130, 3, "①*3 3y=12x-33…①'");
    page.at(38, 180, 3, "①'+② 8x=12x-8");
    page.at(92, 230, 0, "   3y=12x-33").at(92, 280, 0, "8x-3y=    25");
    page.at(38, 286, 0, "+").then(0, ")");
    page.at(38, 330, 0, "  8x   =12x-8");
    page.at(38, 380, 0, "8x-12x=-8");
    page.at(38, 430, 0, "-4x=-8").at(245, 430, 3, "x=2");
    page.at(38, 480, 3, "x=2 を①に代入して");
    page.at(38, 530, 3, "y=").then(0, "4*2-11=8-11=").then(3, "-3");
    page.at(38, 580, 5, "答 (x,y)=(2,-3)");
    page.at(722, 30, 7, "<代入法>");
    page.at(722, 80, 3, "①*3 3y=12x-33…①'");
    page.at(688, 130, 3, "①'の3yで②の3yをおきかえると");
    page.at(722, 180, 3, "8x-(12x-33)=25");
    page.at(722, 230, 0, "8x-12x+33=25");
    page.at(722, 280, 0, "8x-12x=25-33");
    page.at(722, 330, 0, "-4x=-8").at(929, 330, 3, "x=2");
    page.at(722, 380, 3, "x=2 を①に代入して");
    page.at(722, 430, 3, "y=").then(0, "4*2-11=8-11=").then(3, "-3");
    page.at(722, 480, 5, "答 (x,y)=(2,-3)");
    page.at(570, 530, 5, "★yを消去して解いている。");
    page.at(570, 580, 5, "★3yでも代入できる。");
    expect_page(page);
    // The addition's sign stands left of its lower row, its rule under both
    // rows (each 329 wide) from x 65 to 424.
    bool rule = false;
    for (const auto& op : ops(plat::OpKind::Line)) {
        rule |= op.ay == 330 && op.by == 330 && std::min(op.ax, op.bx) == 65 && std::max(op.ax, op.bx) == 424;
    }
    EXPECT_TRUE(rule);
    // The columns' bookmarks.
    EXPECT_EQ(G.GX3(1), 38);
    EXPECT_EQ(G.GY3(1), 180);
    EXPECT_EQ(G.GX3(2), 722);
    EXPECT_EQ(G.GY3(2), 180);
    save_page("section7");
}

TEST(Unit4Sections, DiscussionPageShowsTheWholeAdditionInOneStep) {
    // Three keys bring the addition with its result: no pause inside it.
    ASSERT_TRUE(run_morvane(open_section(7) + presses(3)));
    EXPECT_TRUE(page_shows("8x-3y=    25"));
    EXPECT_TRUE(page_shows("  8x   =12x-8"));
    EXPECT_FALSE(page_shows("8x-12x=-8"));
    EXPECT_TRUE(at_pause());
}

}  // namespace
