// Unit 4 of Talisse run headless from the main menu: the aim page, the
// section menu, and the three route pages (例題3, 話しあおう, 問4): their
// diagram and table, their equations, the solver's work and their key counts.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "tests/applications/unit4_support.h"

using namespace unit4_test;

namespace {

// ------------------------------------------------------------ menu

Layout aim_page() {
    Layout page;
    page.at(44, 240, 3, "<めあて>").at(44, 305, 0, "連立方程式を利用して、速さ・時間・道のりに関する問題を解こう。");
    return page;
}

TEST(Unit4Menu, EntryShowsTheAimPageAndAsksAtOnce) {
    ASSERT_TRUE(run_talisse(open_unit()));
    expect_page(aim_page());
    EXPECT_TRUE(at_section_menu());
}

TEST(Unit4Menu, NumbersOutOfRangeAskAgainAndLeaveThePage) {
    for (const char* keys : {"0\r", "6\r", "-2\r", "\r", "5.5\r", "1/2\r"}) {
        SCOPED_TRACE(keys);
        ASSERT_TRUE(run_talisse(open_unit() + keys));
        expect_page(aim_page());
        EXPECT_TRUE(at_section_menu());
    }
}

TEST(Unit4Menu, ItemFiveLeavesForTheMainMenuWhichOpensTheUnitAfresh) {
    ASSERT_TRUE(run_talisse(open_unit() + "5\r"));
    EXPECT_TRUE(page_shows("4　速さ・時間・道のりの問題"));
    EXPECT_FALSE(strip_shows(kMenuLine));
    // A section, out, and in again: the aim page on a cleared page.
    ASSERT_TRUE(run_talisse(open_section(3) + presses(34) + "5\r" + open_unit()));
    expect_page(aim_page());
}

// ------------------------------------------------------- route pages

struct RoutePage {
    int section;
    const char* name;
    int keys;          // presses to the section menu
    int title_pauses;  // keys before the route is drawn
    const char* title;
    std::array<const char*, 3> letters;  // start, change, goal
    const char* distance;                // over the whole route
    std::array<const char*, 2> speeds;
    const char* time;  // under the whole route
    std::array<const char*, 2> unknowns;
    std::array<const char*, 2> leg_times;
    std::array<const char*, 2> leg_names;
    std::array<const char*, 3> distances, speed_cells, times;
    std::array<const char*, 5> equations;
    const char* pair;  // the solver's closing line
    const char* verdict;
    int verdict_colour;
    const char* first_line;
    const char* second_line;
    int second_colour;
};

const RoutePage kPages[] = {
    // clang-format off
    {1, "example3", 34, 1, "教科書P52 例題3をやってみよう。", {"S", "A", "G"}, "50km", {"時速20km", "時速10km"},
     "3時間", {"自転車で進んだ道のりをxkm,", "走った道のりをykmとすると、"}, {"ﾀx/20ﾀ時間", "ﾀy/10ﾀ時間"},
     {"自転車", "走り"}, {"x", "y", "50"}, {"20", "10", "／"}, {"ﾀx/20ﾀ", "ﾀy/10ﾀ", "3"},
     {"x+y=50…①", "ﾀx/20ﾀ+ﾀy/10ﾀ=3…②", "20*②", "20*ﾀx/20ﾀ+20*ﾀy/10ﾀ=20*3", "x+2y=60…③"}, "(x,y)=(40,10)",
     "この解は問題にあっている。", 0, "答　自転車で進んだ道のり40km,", "　　走った道のり10km", 5},
    {2, "two-hours", 36, 2, "P52 2時間で完走したときの答は?", {"S", "A", "G"}, "50km", {"時速20km", "時速10km"},
     "2時間", {"自転車で進んだ道のりをxkm,", "走った道のりをykmとすると、"}, {"ﾀx/20ﾀ時間", "ﾀy/10ﾀ時間"},
     {"自転車", "走り"}, {"x", "y", "50"}, {"20", "10", "／"}, {"ﾀx/20ﾀ", "ﾀy/10ﾀ", "2"},
     {"x+y=50…①", "ﾀx/20ﾀ+ﾀy/10ﾀ=2…②", "20*②", "20*ﾀx/20ﾀ+20*ﾀy/10ﾀ=20*2", "x+2y=40…③"}, "(x,y)=(60,-10)",
     "この解は問題にあっていない。", 3, "2時間で完走することはできない。", "教科書P53 問4 をやろう。", 7},
    {3, "question4", 34, 1, "教科書P53 問4", {"A", "B", "C"}, "92km", {"時速40km", "時速50km"}, "2時間",
     {"AB間の道のりをxkm,", "BC間の道のりをykmとすると、"}, {"ﾀx/40ﾀ時間", "ﾀy/50ﾀ時間"}, {"AB間", "BC間"},
     {"x", "y", "92"}, {"40", "50", "／"}, {"ﾀx/40ﾀ", "ﾀy/50ﾀ", "2"},
     {"x+y=92…①", "ﾀx/40ﾀ+ﾀy/50ﾀ=2…②", "200*②", "200*ﾀx/40ﾀ+200*ﾀy/50ﾀ=200*2", "5x+4y=400…③"},
     "(x,y)=(32,60)", "この解は問題にあっている。", 0, "答　A,B間の道のりが32km,", "　　B,C間の道のりが60km", 5},
    // clang-format on
};

// The equation column: the unknowns at 722, the derivation under them.
void equation_column(Layout& page, const RoutePage& p) {
    page.at(722, 30, 0, p.unknowns[0]).at(722, 80, 0, p.unknowns[1]);
    page.at(722, 130, 0, "道のりの関係から").at(722, 180, 3, p.equations[0]);
    page.at(722, 230, 0, "時間の関係から").at(722, 280, 3, p.equations[1]);
    page.at(722, 340, 0, p.equations[2]).at(682, 390, 0, p.equations[3]).at(722, 460, 3, p.equations[4]);
}

// The whole first screen, just before the left part is cleared for the solver.
Layout figure_page(const RoutePage& p) {
    Layout page;
    page.at(38, 30, 3, p.title);
    page.at(36, 206, 0, p.letters[0]).at(574, 206, 0, p.letters[2]).at(366, 180, 0, p.letters[1]);
    page.at(96, 230, 0, p.speeds[0]).at(380, 230, 3, p.speeds[1]);
    arc_label(page, 76, 570, true, 90, 0, p.distance);
    arc_label(page, 76, 570, false, 90, 0, p.time, 20);
    arc_label(page, 76, 380, true, 20, 5, "xkm");
    arc_label(page, 380, 570, true, 20, 5, "ykm");
    arc_label(page, 76, 380, false, 60, 5, p.leg_times[0]);
    arc_label(page, 380, 570, false, 60, 5, p.leg_times[1]);
    // The table: label column 266 wide from 38, values 114 wide from 304.
    page.cell(304, 114, 403, 0, p.leg_names[0]).cell(418, 114, 403, 0, p.leg_names[1]).cell(532, 114, 403, 0, "全体");
    page.cell(38, 266, 453, 0, "道のり(km)").cell(38, 266, 503, 0, "速さ(km／時)").cell(38, 266, 563, 0, "時間(時間)");
    for (int c = 0; c < 3; ++c) {
        page.cell(304 + 114 * c, 114, 453, 0, p.distances[c]).cell(304 + 114 * c, 114, 503, 0, p.speed_cells[c]);
        if (c < 2) page.inside(304 + 114 * c, 114, 560, 0, p.times[c]);
        else page.cell(532, 114, 563, 0, p.times[c]);
    }
    equation_column(page, p);
    return page;
}

TEST(Unit4RoutePages, TheFigureScreenShowsDiagramTableAndEquations) {
    for (const RoutePage& p : kPages) {
        SCOPED_TRACE(p.name);
        // The first of the two keys after ③ changes nothing.
        const int before_clear = p.title_pauses + 26;
        for (int k : {before_clear, before_clear + 1}) {
            ASSERT_TRUE(run_talisse(open_section(p.section) + presses(k)));
            EXPECT_TRUE(at_pause());
            expect_page(figure_page(p));
        }
        // 61 dots on the whole route (step 3), 37 on each leg (step 5); the
        // lower leg arcs were drawn twice, bare and then labelled, on the same dots.
        EXPECT_EQ(dots_on(76, 570, -90, 0), 59);
        EXPECT_EQ(dots_on(76, 570, 90, 0), 59);
        EXPECT_EQ(dots_on(76, 380, -20, 0), 35);
        EXPECT_EQ(dots_on(380, 570, -20, 0), 35);
        EXPECT_EQ(dots_on(76, 380, 60, 7), 35);
        EXPECT_EQ(dots_on(380, 570, 60, 7), 35);
        EXPECT_TRUE(route_dots_only_at({76, 380, 570}));
        EXPECT_EQ(route_lines(), (std::vector<Segment>{{76, 570, 0}, {76, 380, 0}, {380, 570, 3}}));
        int point_dots = 0;
        for (const auto& op : ops(plat::OpKind::Circle))
            point_dots += op.r == 6 && op.ax == 380 && op.ay == 230 && op.filled && op.fill == 0 && op.colour == 0;
        EXPECT_EQ(point_dots, 1);
        // The empty corner cell is filled 14, the heads and labels 13.
        EXPECT_EQ(boxes_filled(14).size(), 1u);
        EXPECT_EQ(boxes_filled(13).size(), 6u);
        save_page(p.name + std::string("-figure"));
    }
}

TEST(Unit4RoutePages, TheSolverWorksInTheClearedLeftPartAndTheVerdictFollows) {
    for (const RoutePage& p : kPages) {
        SCOPED_TRACE(p.name);
        ASSERT_TRUE(run_talisse(open_section(p.section) + presses(p.keys)));
        EXPECT_TRUE(at_section_menu());
        EXPECT_EQ(plat::pending_keys(), 0u);
        Layout page;
        equation_column(page, p);
        page.at(70, 550, 5, p.pair);
        page.at(40, 600, p.verdict_colour, p.verdict);
        page.at(646, 550, 5, p.first_line).at(646, 600, p.second_colour, p.second_line);
        expect_rows(page);
        // The diagram and the table are gone; nothing is left right of the
        // solver's column up to the table's right edge.
        for (const char* gone : {p.title, p.speeds[0], p.distance, "道のり(km)", p.leg_names[0]})
            EXPECT_FALSE(page_shows(gone)) << gone;
        for (const auto& t : page_texts()) EXPECT_TRUE(t.x < 646 ? t.y >= 30 : true);
        EXPECT_EQ(plat::current_draw_width(), 5);
        save_page(p.name);

        // One key fewer: the last line is not there yet.
        ASSERT_TRUE(run_talisse(open_section(p.section) + presses(p.keys - 1)));
        EXPECT_TRUE(at_pause());
        EXPECT_FALSE(page_shows(p.second_line));
    }
}

// Text in the table's 50-high rows ("道のり(km)") and over the fraction bars
// of its 60-high time cells keeps clear of the cells' borders.
TEST(Unit4RoutePages, TableTextKeepsClearOfTheCellBorders) {
    for (const RoutePage& p : kPages) {
        SCOPED_TRACE(p.name);
        ASSERT_TRUE(run_talisse(open_section(p.section) + presses(p.title_pauses + 26)));
        EXPECT_EQ(probe::text_touching_borders(4, 30, 395, 660, 630), 0);
    }
}

// The page's last lines stand at y 600 and the input field's erase box
// starts at 640 (its label and entry 8 lower): a wrong number or a BackSpace
// at the section menu leaves them whole.
TEST(Unit4RoutePages, TheMenuFieldsEraseBoxLeavesTheLastLinesWhole) {
    for (const RoutePage& p : kPages) {
        SCOPED_TRACE(p.name);
        ASSERT_TRUE(run_talisse(open_section(p.section) + presses(p.keys)));
        // Nothing of them where the box paints above the field's label and
        // entry (from 1008 across, down to 648).
        EXPECT_FALSE(probe::ink_box(plat::rasterise(2, 1000, 630, 1260, 648), 1008, 640, 1248, 648).any);
        const plat::Image before = plat::rasterise(2, 0, 590, 1366, 648);
        for (const char* keys : {"9\r", "3\b", "\b"}) {
            SCOPED_TRACE(keys);
            ASSERT_TRUE(run_talisse(open_section(p.section) + presses(p.keys) + keys));
            EXPECT_TRUE(at_section_menu());
            EXPECT_EQ(plat::rasterise(2, 0, 590, 1366, 648).pixels, before.pixels);
        }
    }
}

TEST(Unit4RoutePages, TheDiscussionRejectsItsSolutionInTwoSteps) {
    ASSERT_TRUE(run_talisse(open_section(2) + presses(35)));
    Layout page;
    page.at(40, 600, 3, "この解は問題にあっていない。").at(646, 550, 5, "2時間で完走することはできない。");
    expect_rows(page);
    EXPECT_FALSE(page_shows("教科書P53 問4 をやろう。"));
}

TEST(Unit4RoutePages, TheDrillLeavesNothingBehindForTheExample) {
    // The drill's last arc is shifted 40 and its solver runs with a key after
    // every step and without its closing pair; 例題3 after it is unchanged.
    const std::string drill = open_section(4) + presses(45) + "1\r";
    ASSERT_TRUE(run_talisse(drill + "1\r" + presses(1), 3));
    Layout page;
    arc_label(page, 76, 570, true, 90, 0, "50km");
    expect_rows(page);
    ASSERT_TRUE(run_talisse(drill + "1\r" + presses(34), 3));
    EXPECT_TRUE(at_section_menu());
    EXPECT_TRUE(page_shows("(x,y)=(40,10)"));
}

}  // namespace
