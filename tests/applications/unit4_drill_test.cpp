// Section ④ of unit 4, the walk-and-run drill: its problems over many draws,
// and its passes run headless for every pair of speeds it can draw.
#include <gtest/gtest.h>

#include <map>
#include <numeric>
#include <string>
#include <utility>

#include "courses/applications/unit4/unit4.h"
#include "tests/applications/unit4_support.h"
#include "tests/common/page_probe.h"

using namespace unit4_test;

namespace {

std::string num(float v) { return std::to_string(static_cast<int>(v)); }
std::string cat(std::initializer_list<std::string> parts) {
    std::string out;
    for (const std::string& p : parts) out += p;
    return out;
}

// A problem as the drill should draw it: the four draws in order, walking
// 70 with running 80 replaced by 50 with 80.
struct Walk {
    int walk, run, walked, ran;
    int drawn_walk;  // before the replacement
    int minutes() const { return walked + ran; }
    int distance() const { return walk * walked + run * ran; }
    int lcm() const { return std::lcm(walk, run); }
    bool x_first() const { return run % walk == 0; }
};
Walk draw_walk() {
    Walk w{};
    w.walk = w.drawn_walk = 10 * static_cast<int>(plat::random_whole(4, 4));
    w.run = 10 * static_cast<int>(plat::random_whole(3, 8));
    if (w.walk == 70 && w.run == 80) w.walk = 50;
    w.walked = static_cast<int>(plat::random_whole(4, 8));
    w.ran = static_cast<int>(plat::random_whole(4, 6));
    return w;
}
// The drill's first problem for `seed`: the program draws nothing before it.
Walk first_problem(float seed) {
    EXPECT_TRUE(run_talisse("", seed));
    return draw_walk();
}
// Keys a pass waits for: its own 32 and the solver's, one after each of its
// steps (fewer when it finds x first).
int pass_keys(const Walk& w) { return w.x_first() ? 40 : 45; }

TEST(Unit4WalkRunProblem, EveryDrawGivesAUsableProblemInItsStatedSets) {
    std::map<std::pair<int, int>, int> pairs;
    const int problems = 2400;
    for (int seed = 0; seed < problems / 100; ++seed) {
        ASSERT_TRUE(run_talisse("", static_cast<float>(seed)));
        for (int k = 0; k < 100; ++k) {
            MAKE_WALK_RUN_PROBLEM();
            const int walk = static_cast<int>(G.T(1)), run = static_cast<int>(G.T(2));
            SCOPED_TRACE(std::to_string(walk) + " " + std::to_string(run));
            ASSERT_TRUE(walk == 40 || walk == 50 || walk == 60 || walk == 70);
            ASSERT_TRUE(run == 80 || run == 90 || run == 100);
            ASSERT_TRUE(G.T(3) >= 8 && G.T(3) <= 11 && G.T(4) >= 6 && G.T(4) <= 9);
            ++pairs[{walk, run}];
            // The times over their least common denominator.
            const int lcm = std::lcm(walk, run);
            ASSERT_EQ(G.T(5), G.T(3) + G.T(4));
            ASSERT_EQ(G.T(6), G.T(1) * G.T(3) + G.T(2) * G.T(4));
            ASSERT_EQ(G.T(7), lcm);
            ASSERT_EQ(G.T(8), lcm / walk);
            ASSERT_EQ(G.T(9), lcm / run);
            ASSERT_EQ(G.T(10), lcm * G.T(5));
            ASSERT_TRUE(G.T(6) >= 800 && G.T(6) <= 1670 && G.T(10) <= 14000);
            // The pair handed to the solver, and the texts of ③'s coefficients.
            ASSERT_EQ(G.GX3(1), 1);
            ASSERT_EQ(G.GX3(2), 1);
            ASSERT_EQ(G.GX3(3), G.T(8));
            ASSERT_EQ(G.GX3(4), G.T(9));
            ASSERT_EQ(G.GY3(1), G.T(6));
            ASSERT_EQ(G.GY3(2), G.T(10));
            ASSERT_EQ(harness::utf8(G.A1$(8)), num(G.T(8)));
            ASSERT_EQ(harness::utf8(G.A1$(9)), G.T(9) == 1 ? "" : num(G.T(9)));
            ASSERT_EQ(harness::utf8(G.A1$(6)), num(G.T(6)));
        }
    }
    // Eleven pairs: 50 with 80 twice as often as each other one, 70 with 80 never.
    EXPECT_EQ(pairs.size(), 11u);
    EXPECT_EQ(pairs.count({70, 80}), 0u);
    for (const auto& [pair, n] : pairs)
        EXPECT_NEAR(n / double(problems), pair == std::make_pair(50, 80) ? 1.0 / 6 : 1.0 / 12, 0.025)
            << pair.first << " " << pair.second;
}

TEST(Unit4WalkRunProblem, TakesItsFourDrawsInOrderAndNoMore) {
    int replaced = 0;
    for (int seed = 0; seed < 200; ++seed) {
        SCOPED_TRACE(seed);
        const Walk w = first_problem(static_cast<float>(seed));
        const float next = plat::random_whole(1000, 0);
        ASSERT_TRUE(run_talisse("", static_cast<float>(seed)));
        MAKE_WALK_RUN_PROBLEM();
        EXPECT_EQ(G.T(1), w.walk);
        EXPECT_EQ(G.T(2), w.run);
        EXPECT_EQ(G.T(3), w.walked);
        EXPECT_EQ(G.T(4), w.ran);
        EXPECT_EQ(plat::random_whole(1000, 0), next);
        replaced += w.drawn_walk == 70 && w.run == 80;
    }
    EXPECT_GT(replaced, 0);
}

// ------------------------------------------------------------ passes

// The equations of a pass from the top of the column at `left`.
void equations(Layout& page, float left, const Walk& w) {
    const std::string a = num(w.walk), b = num(w.run), t = num(w.minutes()), l = num(w.lcm());
    const int p = w.lcm() / w.walk, q = w.lcm() / w.run;
    page.at(left, 30, 7, "歩いた道のりをxm,").at(left, 80, 7, "走った道のりをymとすると、");
    page.at(left, 130, 0, "道のりの関係から").at(left, 180, 3, cat({"x+y=", num(w.distance()), "…①"}));
    page.at(left, 230, 0, "時間の関係から").at(left, 280, 3, cat({"ﾀx/", a, "ﾀ+ﾀy/", b, "ﾀ=", t, "…②"}));
    page.at(left, 340, 0, "②の分母をはらって");
    page.at(left, 390, 0, cat({l, "(ﾀx/", a, "ﾀ+ﾀy/", b, "ﾀ)=", l, "*", t}));
    page.at(left, 460, 3, cat({num(p), "x+", q == 1 ? "" : num(q), "y=", num(w.lcm() * w.minutes()), "…③"}));
}

// The problem on the right.
void problem(Layout& page, const Walk& w) {
    page.at(680, 30, 3, "例2 ").then(0, "Aさんは10時に家を出発して、");
    page.at(680, 80, 0, num(w.distance()) + "mはなれた駅に向かいました。");
    page.at(680, 130, 0, "はじめは分速" + num(w.walk) + "mで歩き、途中から");
    page.at(680, 180, 0, "分速" + num(w.run) + "mで走りました。駅に10時");
    page.at(680, 230, 0, num(w.minutes()) + "分に着いたとき、歩いた道のりと");
    page.at(680, 280, 0, "走った道のりは何mですか。");
}

// The y of the conclusion under the solver's work, which is where the
// solver's last line ends up.
float conclusion_y() {
    for (const auto& t : page_texts())
        if (t.utf8 == "これらは問題に適している。") return t.y;
    return -1;
}

TEST(Unit4Drill, EveryPairOfSpeedsIsWorkedToItsSolution) {
    std::map<std::pair<int, int>, bool> seen;
    for (int seed = 0; seed < 400 && seen.size() < 11; ++seed) {
        const Walk w = first_problem(static_cast<float>(seed));
        if (seen.count({w.walk, w.run})) continue;
        seen[{w.walk, w.run}] = true;
        SCOPED_TRACE(cat({"seed ", num(seed), ": ", num(w.walk), " and ", num(w.run)}));
        const int keys = pass_keys(w);
        ASSERT_TRUE(run_talisse(open_section(4) + presses(keys - 1), static_cast<float>(seed)));
        EXPECT_TRUE(at_pause());
        ASSERT_TRUE(run_talisse(open_section(4) + presses(keys), static_cast<float>(seed)));
        ASSERT_TRUE(at_next_step());

        // The equations moved to the left, the solver's work on the right,
        // its conclusion on the line it left free, the answer on the left
        // from 20 above that line, its second line 50 below the first.
        const float c = conclusion_y();
        ASSERT_GT(c, 460);
        Layout page;
        equations(page, 40, w);
        page.at(680, 30, 3, "式　");
        page.at(680, c, 0, "これらは問題に適している。");
        page.at(40, c - 20, 5, "答　歩いた道のり" + num(w.walk * w.walked) + "m");
        page.at(116, c + 30, 5, "走った道のり" + num(w.run * w.ran) + "m");
        expect_rows(page);
        EXPECT_FALSE(page_shows("走った道のりは何mですか。"));
        // Clear of the next-step box, which starts at y 639.
        EXPECT_LE(c + 30 + 50, 639);
        save_page(cat({"drill-", num(w.walk), "-", num(w.run)}));
    }
    EXPECT_EQ(seen.size(), 11u);
}

// Seed 0's first problem, for the tests of one pass.
struct Fixture {
    float seed;
    Walk w;
};
Fixture any_pass(bool x_first) {
    for (int seed = 0;; ++seed) {
        const Walk w = first_problem(static_cast<float>(seed));
        if (w.x_first() == x_first) return {static_cast<float>(seed), w};
    }
}

TEST(Unit4Drill, TheFigureScreenShowsProblemDiagramAndTable) {
    const Fixture f = any_pass(false);
    const Walk& w = f.w;
    // 21 keys: the last value cell is in and the pass waits after it.
    ASSERT_TRUE(run_talisse(open_section(4) + presses(21), f.seed));
    EXPECT_TRUE(at_pause());
    Layout page;
    problem(page, w);
    page.at(40, 80, 0, "10時").at(36, 206, 0, "家").at(574, 206, 0, "駅");
    page.at(96, 230, 0, "毎分" + num(w.walk) + "m").at(304, 230, 3, "毎分" + num(w.run) + "m");
    page.at(382, 60, 0, cat({"10時", num(w.minutes()), "分"}));
    arc_label(page, 76, 570, true, 90, 0, num(w.distance()) + "m");
    arc_label(page, 76, 266, true, 20, 5, "xm");
    arc_label(page, 266, 570, true, 20, 5, "ym");
    arc_label(page, 76, 570, false, 90, 0, num(w.minutes()) + "分");
    arc_label(page, 76, 266, false, 60, 5, "ﾀx/" + num(w.walk) + "ﾀ分");
    arc_label(page, 266, 570, false, 60, 5, "ﾀy/" + num(w.run) + "ﾀ分", 40);
    // The table: label column 228 wide from 40, values 114 wide from 268.
    page.cell(268, 114, 403, 0, "歩き").cell(382, 114, 403, 0, "走り").cell(496, 114, 403, 0, "全体");
    page.cell(40, 228, 453, 0, "道のり(m)").cell(40, 228, 503, 0, "速さ(m／分)").cell(40, 228, 563, 0, "時間(分)");
    page.cell(268, 114, 453, 0, "x").cell(382, 114, 453, 0, "y").cell(496, 114, 453, 0, num(w.distance()));
    page.cell(268, 114, 503, 0, num(w.walk)).cell(382, 114, 503, 0, num(w.run)).cell(496, 114, 503, 0, "／");
    page.inside(268, 114, 560, 0, "ﾀx/" + num(w.walk) + "ﾀ").inside(382, 114, 560, 0, "ﾀy/" + num(w.run) + "ﾀ");
    page.cell(496, 114, 563, 0, num(w.minutes()));
    expect_page(page);
    EXPECT_EQ(boxes_filled(13).size(), 4u + 3u);  // the blank corner too
    EXPECT_EQ(route_lines(), (std::vector<Segment>{{76, 570, 0}, {76, 266, 0}, {266, 570, 3}}));
    EXPECT_EQ(dots_on(76, 570, -90, 0), 59);
    EXPECT_EQ(dots_on(76, 570, 90, 0), 59);
    EXPECT_EQ(dots_on(76, 266, 60, 7), 35);
    EXPECT_EQ(dots_on(266, 570, 60, 7), 35);
    EXPECT_TRUE(route_dots_only_at({76, 266, 570}));
    save_page("drill-figure");
}

TEST(Unit4Drill, TheDistanceArcsComeBeforeTheWholeTime) {
    const Fixture f = any_pass(true);
    // 6 keys: the two distance arcs over the legs are in, the time arc under
    // the whole route is not; it comes with the 7th.
    ASSERT_TRUE(run_talisse(open_section(4) + presses(6), f.seed));
    EXPECT_EQ(dots_on(76, 266, -20, 0), 35);
    EXPECT_EQ(dots_on(266, 570, -20, 0), 35);
    EXPECT_EQ(dots_on(76, 570, 90, 0), 0);
    ASSERT_TRUE(run_talisse(open_section(4) + presses(7), f.seed));
    EXPECT_EQ(dots_on(76, 570, 90, 0), 59);
    EXPECT_EQ(dots_on(76, 266, 60, 7), 0);
}

TEST(Unit4Drill, TheWorkedExampleOfSixtyAndNinety) {
    // The numbers of the textbook's example: 60 and 90 m a minute, 9 and 7 minutes.
    float seed = -1;
    for (int s = 0; s < 5000 && seed < 0; ++s) {
        const Walk w = first_problem(static_cast<float>(s));
        if (w.walk == 60 && w.run == 90 && w.walked == 9 && w.ran == 7) seed = static_cast<float>(s);
    }
    ASSERT_GE(seed, 0);
    ASSERT_TRUE(run_talisse(open_section(4) + presses(45), seed));
    Layout page;
    page.at(40, 80, 7, "走った道のりをymとすると、");
    page.at(40, 180, 3, "x+y=1170…①").at(40, 280, 3, "ﾀx/60ﾀ+ﾀy/90ﾀ=16…②");
    page.at(40, 390, 0, "180(ﾀx/60ﾀ+ﾀy/90ﾀ)=180*16").at(40, 460, 3, "3x+2y=2880…③");
    page.at(40, 530, 5, "答　歩いた道のり540m").at(116, 580, 5, "走った道のり630m");
    expect_rows(page);
    save_page("drill-60-90-example");
}

TEST(Unit4Drill, ANewPassClearsTheLeftColumnOnlyAfterItsFirstKey) {
    const Fixture f = any_pass(true);
    const std::string first = open_section(4) + presses(pass_keys(f.w)) + "2\r";
    ASSERT_TRUE(run_talisse(first, f.seed));
    EXPECT_TRUE(at_pause());
    // The previous answer is still on the left, the new problem on the right.
    const Walk& w = f.w;
    Layout previous;
    previous.at(40, 530, 5, "答　歩いた道のり" + num(w.walk * w.walked) + "m");
    expect_rows(previous);
    EXPECT_TRUE(page_shows("走った道のりは何mですか。"));
    for (const auto& t : page_texts()) EXPECT_TRUE(t.x < 40 + 640 || t.x >= 680) << t.utf8;
    ASSERT_TRUE(run_talisse(first + presses(1), f.seed));
    for (const auto& t : page_texts()) EXPECT_GE(t.x, 680) << t.utf8;
}

TEST(Unit4Drill, OnlyOneEndsItStraightAtTheMenu) {
    const Fixture f = any_pass(true);
    const std::string pass = open_section(4) + presses(pass_keys(f.w));
    for (const char* end : {"1\r", "2/2\r"}) {
        SCOPED_TRACE(end);
        ASSERT_TRUE(run_talisse(pass + end, f.seed));
        EXPECT_TRUE(at_section_menu());
        EXPECT_TRUE(page_shows("これらは問題に適している。"));
        EXPECT_EQ(plat::current_draw_width(), 5);
    }
    for (const char* again : {"\r", "0\r", "3\r"}) {
        SCOPED_TRACE(again);
        ASSERT_TRUE(run_talisse(pass + again, f.seed));
        EXPECT_TRUE(at_pause());
    }
}

TEST(Unit4Drill, MovingTheEquationsLeavesNoPartOfTheRoute) {
    const Fixture f = any_pass(false);
    // 29 keys: the route is on the left, "家" drawn from 36, left of the
    // column's 40; 30: the equations have moved there over a box from the
    // page's edge, and the solver waits. (Lower down, the fraction bar of ②
    // reaches a little left of 40 on its own.)
    const auto drawn_left_of_column = [] {
        int n = 0;
        for (const plat::DrawOp& op : ops(plat::OpKind::Text)) n += op.ax < 40 && op.ay >= 150 && op.ay < 260;
        return n;
    };
    ASSERT_TRUE(run_talisse(open_section(4) + presses(29), f.seed));
    EXPECT_EQ(drawn_left_of_column(), 1);
    ASSERT_TRUE(run_talisse(open_section(4) + presses(30), f.seed));
    EXPECT_EQ(drawn_left_of_column(), 0);
    for (float scale : {1.0f, 1.37f, 2.0f}) {
        SCOPED_TRACE(scale);
        EXPECT_FALSE(probe::ink_box(plat::rasterise(scale, 0, 150, 40, 260), 0, 150, 40, 260).any);
    }
}

}  // namespace
