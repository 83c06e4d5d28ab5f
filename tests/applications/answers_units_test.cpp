// Talisse's answer units 5 to 7 run headless from the main menu: their
// section menus, the keys every answer takes, every solver run's result,
// and the pen width their cells are drawn with.
#include <gtest/gtest.h>

#include <string>

#include "tests/applications/answers_support.h"

using namespace answers_test;

namespace {

// ------------------------------------------------------------ menus

TEST(AnswerMenus, EachUnitShowsItsMenuOverABlankPageAndAsksAgainOutOfRange) {
    for (const Unit* u : {&kPractice, &kCheck, &kMastery}) {
        SCOPED_TRACE(u->item);
        const std::string past_end = std::to_string(u->answers + 2) + "\r";
        for (const std::string& bad : {std::string(), std::string("0\r"), past_end, std::string("-1\r"),
                                       std::string("1/2\r"), std::string("1/0\r"), std::string("\r")}) {
            SCOPED_TRACE(bad);
            ASSERT_TRUE(run_talisse(enter(u->item) + bad));
            EXPECT_TRUE(page_texts().empty());  // no aim page
            EXPECT_TRUE(at_menu(u->menu_line));
        }
    }
}

TEST(AnswerMenus, AnOutOfRangeNumberAfterAnAnswerKeepsItsPage) {
    ASSERT_TRUE(run_talisse(open_answer(kCheck, 2)));
    const size_t shown = page_texts().size();
    ASSERT_TRUE(run_talisse(open_answer(kCheck, 2) + "10\r0\r"));
    EXPECT_EQ(page_texts().size(), shown);
    EXPECT_TRUE(shows("答　アとウ"));
    EXPECT_TRUE(at_menu(kCheck.menu_line));
}

TEST(AnswerMenus, TheLastItemLeavesForTheMainMenuWhichOpensTheUnitOnABlankPage) {
    for (const Unit* u : {&kPractice, &kCheck, &kMastery}) {
        SCOPED_TRACE(u->item);
        ASSERT_TRUE(run_talisse(open_answer(*u, u->answers + 1)));
        bool main_menu = false;
        for (const auto& t : plat::visible_notes()) main_menu |= t.utf8 == "7　学びを身につけよう";
        EXPECT_TRUE(main_menu);
        EXPECT_FALSE(strip_shows(u->menu_line));
        // An answer, out and in again: the menu over a cleared page.
        ASSERT_TRUE(run_talisse(open_answer(*u, 3) + presses(20) + enter(u->answers + 1) + enter(u->item)));
        EXPECT_TRUE(page_texts().empty());
        EXPECT_TRUE(at_menu(u->menu_line));
    }
}

// ------------------------------------------------------- key counts

struct KeyCount {
    int unit, answer, presses;
    const char* last_text;  // drawn by the last key
};

TEST(AnswerSections, EachAnswerTakesItsKeysAndEndsAtItsMenu) {
    // Page pauses plus four fixed pauses for every solver run.
    const KeyCount cases[] = {
        {5, 1, 8, "答　70と30"},
        {5, 2, 6 + 4, "答　新聞紙 440kg、雑誌 300kg"},
        {5, 3, 5 + 4, "　　帽子　1800円"},
        {6, 1, 1, "ﾀ7/2ﾀ"},
        {6, 2, 0, "答　アとウ"},
        {6, 3, 3 + 16, "(x,y)=(-1,0)"},
        {6, 4, 1, "(x,y)=(2,-1)"},
        {6, 5, 3 + 16, "(x,y)=(1,2)"},
        {6, 6, 4, "(x,y)=(-2,3)"},
        {6, 7, 3 + 4, "　　もも4個"},
        {6, 8, 4 + 4, "答　男子300人,女子200人"},
        {7, 1, 9 + 28, "(x,y)=(2,-1)"},
        {7, 2, 2 + 8, "(x,y)=(3,4)"},
        {7, 3, 0, "答 a=8,b=5"},
        {7, 4, 6 + 4, "答　もとの整数は23"},
        {7, 5, 22 + 4, "　　昨年の女子部員20人"},
        {7, 6, 6 + 4, "　　列車の速さは時速90km"},
        {7, 7, 4 + 4, "5個"},
    };
    for (const KeyCount& c : cases) {
        SCOPED_TRACE(std::to_string(c.unit) + " answer " + std::to_string(c.answer));
        const Unit& u = unit(c.unit);
        if (c.presses > 0) {
            ASSERT_TRUE(show(u, c.answer, c.presses - 1));
            EXPECT_TRUE(at_pause());
            EXPECT_FALSE(shows(c.last_text));
        }
        ASSERT_TRUE(show(u, c.answer, c.presses));
        EXPECT_TRUE(at_menu(u.menu_line));
        EXPECT_TRUE(shows(c.last_text));
        EXPECT_EQ(plat::pending_keys(), 0u);
    }
}

// ------------------------------------------------------- solver runs

// A page whose solver runs have all finished after `presses` keys: the
// operation line of each run (where the working states it; empty where
// not) and its solution line.
struct Runs {
    int unit, answer, presses;
    std::vector<std::pair<std::string, std::string>> runs;
};

TEST(AnswerSections, EverySolverRunEndsWithTheAnswersSolution) {
    const Runs pages[] = {
        {5, 2, 10, {{"③*7-④", "(x,y)=(440,300)"}}},
        {5, 3, 9, {{"①*8-③", "(x,y)=(1300,1800)"}}},
        {6, 3, 9, {{"", "(x,y)=(12,1)"}, {"", "(x,y)=(2,-1)"}}},
        {6, 3, 19, {{"", "(x,y)=(3,4)"}, {"", "(x,y)=(-1,0)"}}},
        {6, 5, 4, {{"①-③", "(x,y)=(-3,-2)"}}},
        {6, 5, 9, {{"③-②", "(x,y)=(3,1)"}}},
        {6, 5, 14, {{"①-③", "(x,y)=(-4,-8)"}}},
        {6, 5, 19, {{"③-②*5", "(x,y)=(1,2)"}}},
        {6, 6, 4, {{"①*4-②", "(x,y)=(-2,3)"}}},
        {6, 7, 7, {{"①*100-②", "(x,y)=(6,4)"}}},
        {6, 8, 8, {{"①*2-③", "(x,y)=(300,200)"}}},
        {7, 1, 9, {{"", "(x,y)=(3,5)"}, {"", "(x,y)=(ﾀ1/2ﾀ,ﾀ1/3ﾀ)"}}},
        {7, 1, 14, {{"", "(x,y)=(50,50)"}}},
        {7, 1, 22, {{"", "(x,y)=(-1,2)"}}},
        {7, 1, 27, {{"", "(x,y)=(5,6)"}}},
        {7, 1, 32, {{"", "(x,y)=(2,0)"}}},
        {7, 1, 37, {{"", "(x,y)=(2,-1)"}}},
        {7, 2, 4, {{"", "(x,y)=(1,-2)"}}},
        {7, 2, 10, {{"", "(x,y)=(3,4)"}}},
        {7, 4, 10, {{"③+④", "(x,y)=(2,3)"}}},
        {7, 5, 26, {{"①*9-③", "(x,y)=(30,20)"}}},
        {7, 6, 10, {{"①-②", "(x,y)=(240,25)"}}},
        {7, 7, 8, {{"①-③", "(x,y)=(16,5)"}}},
    };
    for (const Runs& p : pages) {
        SCOPED_TRACE(std::to_string(p.unit) + " answer " + std::to_string(p.answer) + " after " +
                     std::to_string(p.presses));
        ASSERT_TRUE(show(unit(p.unit), p.answer, p.presses));
        EXPECT_TRUE(at_pause() || at_menu(unit(p.unit).menu_line));
        int pairs = 0;
        for (const auto& t : page_texts()) pairs += t.colour == 5 && t.utf8.rfind("(x,y)=(", 0) == 0;
        EXPECT_EQ(pairs, static_cast<int>(p.runs.size()));
        for (const auto& [operation, pair] : p.runs) {
            if (!operation.empty()) {
                bool found = false;
                for (const auto& t : page_texts()) found |= t.utf8 == operation && t.colour == 3;
                EXPECT_TRUE(found) << operation;
            }
            bool found = false;
            for (const auto& t : page_texts()) found |= t.utf8 == pair && t.colour == 5;
            EXPECT_TRUE(found) << pair;
            EXPECT_FALSE(shows("解けません"));
        }
    }
}

TEST(AnswerSections, RunsThatStartOnLine90EndOnLine610AboveTheStrip) {
    struct Case {
        int unit, answer, presses;
        const char* pair;
    };
    const Case cases[] = {
        {6, 3, 9, "(x,y)=(12,1)"}, {6, 3, 19, "(x,y)=(3,4)"}, {7, 1, 9, "(x,y)=(3,5)"}, {7, 1, 14, "(x,y)=(50,50)"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pair);
        ASSERT_TRUE(show(unit(c.unit), c.answer, c.presses));
        float y = -1;
        for (const auto& t : page_texts())
            if (t.utf8 == c.pair) y = t.y;
        EXPECT_EQ(y, 610);
    }
}

// ------------------------------------------------------- pen width

float title_cell_width(float x) {
    for (const auto& op : ops(plat::OpKind::Box))
        if (op.fill == 13 && op.ax == x && op.ay == 30) return op.width;
    return -1;
}

TEST(AnswerSections, CellBordersTakeThePenInForceAndTheGoStonesAnswerLeavesItWide) {
    // After start-up the pen is 3; answer ⑦ of unit 7 sets 5 and keeps it,
    // so the next answer page's title cells are edged 5.
    ASSERT_TRUE(show(kPractice, 1, 8));
    EXPECT_EQ(title_cell_width(40), 3);
    ASSERT_TRUE(show(kMastery, 7, 8));
    EXPECT_EQ(title_cell_width(30), 5);
    EXPECT_EQ(plat::current_draw_width(), 5);
    ASSERT_TRUE(run_talisse(open_answer(kMastery, 7) + presses(8) + "8\r" + open_answer(kPractice, 1) + presses(8)));
    EXPECT_EQ(title_cell_width(40), 5);
    // The table of members (its label cells filled 11), before the solver.
    ASSERT_TRUE(run_talisse(open_answer(kMastery, 7) + presses(8) + "5\r" + presses(20)));
    int label_cells = 0;
    for (const auto& op : ops(plat::OpKind::Box)) {
        if (op.fill != 11) continue;
        ++label_cells;
        EXPECT_EQ(op.width, 5);
    }
    EXPECT_EQ(label_cells, 3);
}

}  // namespace
