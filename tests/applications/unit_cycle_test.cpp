// The unit cycle of Talisse's units 1 to 3, one table row per unit: entry on
// the aim page, the section menu asking again on a number out of range, its
// last item back to the main menu, and sections returning to the menu line
// under their last page.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/applications/support.h"

using namespace apps_test;

namespace {

struct Unit {
    int number;
    const char* menu_line;
    int items;
    Layout aim;
    int short_section;  // a section and the presses that finish it
    int short_presses;
    const char* section_last_text;
};

std::vector<Unit> units() {
    std::vector<Unit> out;
    Layout intro;
    intro.at(44, 240, 5, "<めあて>").at(76, 305, 0, "連立方程式を利用する手順をつかもう。");
    out.push_back({1, kIntroMenu, 4, intro, 1, 6, "連立方程式をつくって求めよう。"});
    Layout price;
    price.at(44, 240, 3, "<めあて>").at(44, 305, 0, "連立方程式を利用して、代金に関する問題を解こう。");
    out.push_back({2, kPriceMenu, 3, price, 2, 7 + 4, "　　ゼリー6個"});
    Layout ratio;
    ratio.at(44, 240, 3, "<めあて>").at(44, 305, 0, "連立方程式を利用して、割合に関する問題を解こう。");
    out.push_back({3, kRatioMenu, 3, ratio, 2, 23 + 4, "　　スポーツドリンクが250本"});
    return out;
}

TEST(TalisseUnitCycle, EntryShowsTheAimPageOnItsOwnAndAsksForASection) {
    for (const Unit& u : units()) {
        SCOPED_TRACE(u.number);
        ASSERT_TRUE(run_talisse(open_unit(u.number)));
        expect_page(u.aim);
        EXPECT_TRUE(at_menu(u.menu_line));
        save_page("unit" + std::to_string(u.number) + "-aim");
    }
}

TEST(TalisseUnitCycle, NumbersOutOfRangeAskAgainOverTheUnchangedPage) {
    for (const Unit& u : units()) {
        const std::string too_big = std::to_string(u.items + 1);
        for (const std::string& typed : {std::string("0"), too_big, std::string("-1"), std::string(""),
                                         std::string("1/0"), std::string("/"), too_big + "/1"}) {
            SCOPED_TRACE(std::to_string(u.number) + ": \"" + typed + "\"");
            ASSERT_TRUE(run_talisse(open_unit(u.number) + typed + "\r"));
            expect_page(u.aim);
            EXPECT_TRUE(at_menu(u.menu_line));
        }
    }
}

TEST(TalisseUnitCycle, TheLastItemLeavesForTheMainMenuWhichOpensTheUnitAfresh) {
    for (const Unit& u : units()) {
        SCOPED_TRACE(u.number);
        for (const std::string& leave : {enter(u.items), std::to_string(2 * u.items) + "/2\r"}) {
            ASSERT_TRUE(run_talisse(open_unit(u.number) + leave));
            EXPECT_TRUE(main_menu_shown());
            EXPECT_FALSE(strip_shows(u.menu_line));
        }
        // A section, back at the menu over its last page (no aim page), then
        // out and in again: the aim page on a cleared page.
        const std::string section = open_section(u.number, u.short_section) + presses(u.short_presses);
        ASSERT_TRUE(run_talisse(section));
        EXPECT_TRUE(at_menu(u.menu_line));
        EXPECT_FALSE(page_shows("<めあて>"));
        EXPECT_TRUE(page_shows(u.section_last_text));
        ASSERT_TRUE(run_talisse(section + enter(u.items) + open_unit(u.number)));
        expect_page(u.aim);
    }
}

}  // namespace
