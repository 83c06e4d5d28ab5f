// The unit cycle of Morvane's units 1 to 6, one table row per unit: entry on
// the aim page (unit 6 has none) with the section menu, numbers out of range
// asking again over the unchanged page, the last item back to the main menu,
// sections returning to the menu line under their last page, and a fraction
// entry choosing by its value.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "courses/equations/unit2/unit2.h"
#include "courses/equations/unit4/unit4.h"
#include "programs/morvane/morvane.h"
#include "tests/common/course_harness.h"

using namespace harness;

namespace {

struct Choice {
    const char* typed;      // a fraction or decimal entry at the unit's menu
    const char* page_text;  // a text only the section it chooses shows
};

struct Unit {
    int number;
    const char* menu_line;
    int items;                   // the last item leaves
    const char* main_menu_item;  // the unit's item in the main menu
    Layout aim;                  // empty for a unit without an aim page
    int section;                 // a section, the presses that finish it
    int section_presses;         // and a text of its last page
    const char* section_last_text;
    std::vector<Choice> choices;
};

Layout aim_page(int sign_colour, float sentence_x, const std::vector<const char*>& sentences) {
    Layout page;
    page.at(44, 240, sign_colour, "<めあて>");
    float y = 240;
    for (const char* s : sentences) {
        y += 65;
        page.at(sentence_x, y, 0, s);
    }
    return page;
}

std::vector<Unit> units() {
    return {
        {1,
         "①班の数　②二元一次方程式　③連立方程式　④解判別　⑤例１　⑥問4　⑦練習問題　⑧終了",
         8,
         "1　連立方程式とその解",
         aim_page(5, 76, {"二元一次方程式と解、連立方程式と解の意味をつかもう。"}),
         7,
         0,
         "答　(ウ)",
         {{"4/2", "として等式をつくりなさい。"}, {"7.9", "答　(ウ)"}}},
        {2,
         "①Q見いだし　②説明　③ひいて　④問１　⑤たして　⑥問２　⑦練習　⑧問３　⑨終了",
         9,
         "2　加減法1",
         aim_page(3, 44,
                  {"1 2つの方程式から、文字を1つだけふくむ方程式をつくろう。", "2 連立方程式を加減法で解こう。"}),
         4,
         9,
         "(x,y)=(-1,-1)",
         {{"6/2", "右辺どうしをひいて、"}}},
        {3,
         "①例見いだし　②例2　③問4　④どうすれば　⑤例題１　⑥問5　⑦終了",
         7,
         "3　加減法2",
         aim_page(3, 44, {"たしてもひいても文字が消去できないとき、どうしたらよいか考えよう。"}),
         3,
         9,
         "(x,y)=(1,-2)",
         {{"6/2", "問4"}}},
        {4,
         "①Q見いだし　②説明　③例3　④問6　⑤例題2　⑥問7　⑦話しあおう　⑧終了",
         8,
         "4　代入法",
         aim_page(3, 44, {"連立方程式を代入法で解こう。"}),
         4,
         0,
         "答 (x,y)=(-1,1)",
         {{"6/3", "解き方を確認しよう。"}}},
        {5,
         "①かっこ　②問8　③分数　④問9　⑤話しあおう　⑥A=B=C　⑦問10　⑧終了",
         8,
         "5　いろいろな連立方程式",
         aim_page(3, 44, {"いろいろな連立方程式を工夫して解こう。"}),
         6,
         10,
         "教科書P46 問10　をしなさい。",
         {{"7/2", "例題4　次の連立方程式を解きなさい。"}}},
        {6,
         "P46 練習問題 ①,②解答　　　③終了",
         3,
         "6　練習問題",
         Layout{},
         2,
         4,
         "(x,y)=(-6,8)",
         {{"4/4", "P46 練習問題"}, {"5/2", "2を2回使って連立方程式をつくると"}}},
    };
}

std::string open_unit(const Unit& u) { return enter(u.number); }
std::string open_section(const Unit& u) { return enter(u.number) + enter(u.section) + presses(u.section_presses); }

bool main_menu_shown(const Unit& u) {
    for (const auto& t : plat::visible_notes())
        if (t.utf8 == u.main_menu_item) return true;
    return false;
}

TEST(MorvaneUnitCycle, EntryShowsTheAimPageAndTheSectionMenuAtOnce) {
    for (const Unit& u : units()) {
        SCOPED_TRACE(u.number);
        ASSERT_TRUE(run(morvane_course(), open_unit(u)));
        expect_page(u.aim);
        EXPECT_TRUE(at_menu(u.menu_line));
        const auto strip = strip_texts();
        EXPECT_TRUE(std::any_of(strip.begin(), strip.end(), [&](const auto& t) {
            return t.utf8 == u.menu_line && t.x == 16 && t.y == 666 && t.colour == 0;
        }));
        EXPECT_EQ(plat::pending_keys(), 0u);
    }
}

TEST(MorvaneUnitCycle, NumbersOutOfRangeAskAgainOverTheUnchangedPage) {
    for (const Unit& u : units()) {
        const std::string n = std::to_string(u.items);
        const std::string too_big = std::to_string(u.items + 1);
        for (const std::string& typed :
             {std::string("0"), std::string("-1"), std::string("0.5"), std::string("1/2"), too_big, n + ".5",
              std::to_string(2 * u.items + 1) + "/2", std::to_string(2 * u.items + 2) + "/2", std::string("100"),
              std::string(""), std::string("1/0")}) {
            SCOPED_TRACE(std::to_string(u.number) + ": \"" + typed + "\"");
            ASSERT_TRUE(run(morvane_course(), open_unit(u) + typed + "\r"));
            expect_page(u.aim);
            EXPECT_TRUE(at_menu(u.menu_line));
            EXPECT_EQ(plat::pending_keys(), 0u);
        }
    }
}

TEST(MorvaneUnitCycle, TheLastItemLeavesForTheMainMenuWhichOpensTheUnitAfresh) {
    for (const Unit& u : units()) {
        SCOPED_TRACE(u.number);
        for (const std::string& leave : {enter(u.items), std::to_string(2 * u.items) + "/2\r"}) {
            ASSERT_TRUE(run(morvane_course(), open_unit(u) + leave));
            EXPECT_TRUE(main_menu_shown(u));
            EXPECT_FALSE(strip_shows(u.menu_line));
        }
        // A section, back at the menu over its last page (no aim page); a
        // number out of range leaves that page as it is.
        for (const std::string& after : {std::string(""), std::string("0\r")}) {
            ASSERT_TRUE(run(morvane_course(), open_section(u) + after));
            EXPECT_TRUE(at_menu(u.menu_line));
            EXPECT_FALSE(page_shows("<めあて>"));
            EXPECT_TRUE(page_shows(u.section_last_text));
        }
        // Out and in again: the aim page alone on a cleared page.
        ASSERT_TRUE(run(morvane_course(), open_section(u) + enter(u.items) + open_unit(u)));
        expect_page(u.aim);
        EXPECT_TRUE(at_menu(u.menu_line));
    }
}

TEST(MorvaneUnitCycle, AFractionEntryChoosesByItsValue) {
    for (const Unit& u : units()) {
        for (const Choice& c : u.choices) {
            SCOPED_TRACE(std::to_string(u.number) + ": " + c.typed);
            ASSERT_TRUE(run(morvane_course(), open_unit(u) + c.typed + "\r"));
            EXPECT_TRUE(page_shows(c.page_text));
            EXPECT_FALSE(page_shows("<めあて>"));
        }
    }
}

// What a unit keeps of its own starts afresh with the program, as the shared
// state does.
TEST(MorvaneUnitCycle, StartUpPutsBackTheUnitsOwnState) {
    unit2::XT = -1;
    unit4::TXX = 3;
    ASSERT_TRUE(run(morvane_course(), ""));
    EXPECT_EQ(unit2::XT, 0);
    EXPECT_EQ(unit4::TXX, 0);
}

}  // namespace
