// Sections ① to ③: the worked example 例題3 (50 km, by bicycle at 20 km/h and
// running at 10 km/h, in 3 hours), the same trip in 2 hours, whose solution
// does not fit, and question 問4 (92 km at 40 and 50 km/h in 2 hours). The
// three are one page with different texts: the route diagram built step by
// step, the table filled cell by cell, the equations in a right-hand column,
// then the left part cleared for the solver and the verdict.
#include <array>

#include "courses/applications/unit4/route.h"
#include "courses/applications/unit4/unit4.h"
#include "engine/shell/page.h"
#include "engine/solver/hand_over.h"

using namespace page;
using namespace speed;

namespace {

// The route: start, where the way changes, goal.
constexpr float kStart = 76, kChange = 380, kGoal = 570;
// The right-hand column of equations, and the right edge of the table, up to
// which the left part is cleared for the solver.
constexpr float kColumn = 722, kTableRight = 646;

struct RouteExample {
    Str title;
    int title_pauses;
    std::array<Str, 3> letters;                        // start, change, goal
    Str distance_label;                                // over the whole route
    std::array<Str, 2> speeds;                         // under the two legs
    Str time_label;                                    // under the whole route
    std::array<Str, 2> unknowns;                       // x and y stand for the two distances
    std::array<Str, 2> leg_times;                      // under the two legs
    std::array<Str, 2> leg_names;                      // heads of the table's leg columns
    std::array<Str, 3> distances, speed_cells, times;  // the table's values
    std::array<Str, 5> equations;                      // ①, ②, the multiplier, ② multiplied, ③
    System system;                                     // ① and ③
    Str verdict;
    float verdict_colour;
    Str first_line;      // beside the solver's last line, in colour 5
    bool pause_between;  // a key before the second line
    Str second_line;     // beside the verdict
    float second_colour;
};

void fill_row(const SpeedTable& table, int row, const std::array<Str, 3>& texts) {
    for (int column = 1; column <= 3; ++column) {
        pause();
        value_cell(table, row, column, texts[column - 1]);
    }
}

void show_route_example(const RouteExample& p) {
    // clang-format off
    const SpeedTable table{38, 266, 14, {p.leg_names[0], p.leg_names[1], SJ("全体")},
                           {SJ("道のり(km)"), SJ("速さ(km／時)"), SJ("時間(時間)")}};
    // clang-format on
    clear(0, 0, 1600, 1800);
    G.B1 = 38;
    G.B2 = 30;
    draw::set_width(5);
    at(3, G.B1, G.B2, p.title);
    for (int k = 0; k < p.title_pauses; ++k) pause();

    // The route with its length, then the two legs with their speeds.
    fixed(0, kStart - 40, kRouteY - 24, p.letters[0]);
    fixed(0, kGoal + 4, kRouteY - 24, p.letters[2]);
    route_line(kStart, kGoal);
    dotted_arc(kStart, kGoal, kAbove, kFineStep, 90, p.distance_label, 0, 0);
    pause();
    fixed(0, kStart + 20, kRouteY, p.speeds[0]);
    pause();
    fixed(0, kChange - 14, kRouteY - 50, p.letters[1]);
    split_route(kStart, kChange, kGoal);
    fixed(3, kChange, kRouteY, p.speeds[1]);
    pause();
    dotted_arc(kStart, kGoal, kBelow, kFineStep, 90, p.time_label, 0, 0, 20);
    pause();

    // The unknowns, and the distances they stand for.
    fixed(0, kColumn, 30, p.unknowns[0]);
    fixed(0, kColumn, 80, p.unknowns[1]);
    pause();
    dotted_arc(kStart, kChange, kAbove, kCoarseStep, 20, SJ("xkm"), 5, 0);
    dotted_arc(kChange, kGoal, kAbove, kCoarseStep, 20, SJ("ykm"), 5, 0);
    pause();

    // The table, filled a cell at a time; the leg times come with their arcs.
    table_frame(table);
    pause();
    fill_row(table, 1, p.distances);
    fill_row(table, 2, p.speed_cells);
    pause();
    dotted_arc(kStart, kChange, kBelow, kCoarseStep, 60, Str(), 0, 7);
    dotted_arc(kChange, kGoal, kBelow, kCoarseStep, 60, Str(), 0, 7);
    pause();
    dotted_arc(kStart, kChange, kBelow, kCoarseStep, 60, p.leg_times[0], 5, 7);
    pause();
    dotted_arc(kChange, kGoal, kBelow, kCoarseStep, 60, p.leg_times[1], 5, 7);
    fill_row(table, 3, p.times);
    pause();

    // The equations, under the unknowns.
    G.B1 = kColumn;
    G.B2 = 80;
    line(0, 50, SJ("道のりの関係から"));
    pause();
    line(3, 50, p.equations[0]);
    pause();
    line(0, 50, SJ("時間の関係から"));
    pause();
    line(3, 50, p.equations[1]);
    pause();
    line(0, 60, p.equations[2]);
    pause();
    at(0, G.B1 - 40, G.B2 + 50, p.equations[3]);
    pause();
    line(3, 70, p.equations[4]);
    pause();
    pause();

    // The solver where the diagram and the table were.
    clear(0, 0, kTableRight, 1800);
    G.II = 40;
    G.B1 = G.II + 27;
    G.B2 = 30;
    blank(G.II, G.B2, " ");
    solve(p.system, SJ("①"), SJ("③"));
    pause();
    line(p.verdict_colour, 50, p.verdict);
    fixed(5, kTableRight, G.B2 - 50, p.first_line);
    if (p.pause_between) pause();
    at(p.second_colour, kTableRight, G.B2, p.second_line);
}

}  // namespace

void CYCLE_RUN_EXAMPLE_PAGE() {
    show_route_example({
        // clang-format off
        SJ("教科書P52 例題3をやってみよう。"), 1,
        {SJ("S"), SJ("A"), SJ("G")},
        SJ("50km"), {SJ("時速20km"), SJ("時速10km")}, SJ("3時間"),
        {SJ("自転車で進んだ道のりをxkm,"), SJ("走った道のりをykmとすると、")},
        {SJ("ﾀx/20ﾀ時間"), SJ("ﾀy/10ﾀ時間")},
        {SJ("自転車"), SJ("走り")},
        {SJ("x"), SJ("y"), SJ("50")}, {SJ("20"), SJ("10"), SJ("／")}, {SJ("ﾀx/20ﾀ"), SJ("ﾀy/10ﾀ"), SJ("3")},
        {SJ("x+y=50…①"), SJ("ﾀx/20ﾀ+ﾀy/10ﾀ=3…②"), SJ("20*②"), SJ("20*ﾀx/20ﾀ+20*ﾀy/10ﾀ=20*3"),
         SJ("x+2y=60…③")},
        {1, 1, 50, 1, 2, 60},
        SJ("この解は問題にあっている。"), 0,
        SJ("答　自転車で進んだ道のり40km,"), false, SJ("　　走った道のり10km"), 5,
        // clang-format on
    });
}

void TWO_HOURS_DISCUSSION_PAGE() {
    show_route_example({
        // clang-format off
        SJ("P52 2時間で完走したときの答は?"), 2,
        {SJ("S"), SJ("A"), SJ("G")},
        SJ("50km"), {SJ("時速20km"), SJ("時速10km")}, SJ("2時間"),
        {SJ("自転車で進んだ道のりをxkm,"), SJ("走った道のりをykmとすると、")},
        {SJ("ﾀx/20ﾀ時間"), SJ("ﾀy/10ﾀ時間")},
        {SJ("自転車"), SJ("走り")},
        {SJ("x"), SJ("y"), SJ("50")}, {SJ("20"), SJ("10"), SJ("／")}, {SJ("ﾀx/20ﾀ"), SJ("ﾀy/10ﾀ"), SJ("2")},
        {SJ("x+y=50…①"), SJ("ﾀx/20ﾀ+ﾀy/10ﾀ=2…②"), SJ("20*②"), SJ("20*ﾀx/20ﾀ+20*ﾀy/10ﾀ=20*2"),
         SJ("x+2y=40…③")},
        {1, 1, 50, 1, 2, 40},
        SJ("この解は問題にあっていない。"), 3,
        SJ("2時間で完走することはできない。"), true, SJ("教科書P53 問4 をやろう。"), 7,
        // clang-format on
    });
}

void ROUTE_Q4_ANSWER() {
    show_route_example({
        // clang-format off
        SJ("教科書P53 問4"), 1,
        {SJ("A"), SJ("B"), SJ("C")},
        SJ("92km"), {SJ("時速40km"), SJ("時速50km")}, SJ("2時間"),
        {SJ("AB間の道のりをxkm,"), SJ("BC間の道のりをykmとすると、")},
        {SJ("ﾀx/40ﾀ時間"), SJ("ﾀy/50ﾀ時間")},
        {SJ("AB間"), SJ("BC間")},
        {SJ("x"), SJ("y"), SJ("92")}, {SJ("40"), SJ("50"), SJ("／")}, {SJ("ﾀx/40ﾀ"), SJ("ﾀy/50ﾀ"), SJ("2")},
        {SJ("x+y=92…①"), SJ("ﾀx/40ﾀ+ﾀy/50ﾀ=2…②"), SJ("200*②"), SJ("200*ﾀx/40ﾀ+200*ﾀy/50ﾀ=200*2"),
         SJ("5x+4y=400…③")},
        {1, 1, 92, 5, 4, 400},
        SJ("この解は問題にあっている。"), 0,
        SJ("答　A,B間の道のりが32km,"), false, SJ("　　B,C間の道のりが60km"), 5,
        // clang-format on
    });
}
