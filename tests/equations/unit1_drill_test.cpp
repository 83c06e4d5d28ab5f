// Section ④ of unit 1, the drill on whether a pair solves a system, run
// headless over many seeds.
#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <set>
#include <string>

#include "tests/equations/unit1_support.h"

using namespace unit1_test;

namespace {

std::string num(float v) { return std::to_string(static_cast<int>(v)); }
// Texts joined (keeps GCC's optimiser from a false overlap warning on
// literal + temporary).
std::string cat(std::initializer_list<std::string> parts) {
    std::string out;
    for (const std::string& p : parts) out += p;
    return out;
}
std::string with_plus(float v) {
    const std::string digits = num(v);
    return v > 0 ? "+" + digits : digits;
}
std::string in_parens(float v) {
    const std::string digits = num(v);
    return v < 0 ? "(" + digits + ")" : digits;
}

const char* const kSolution = "どの方程式も成り立つから 解である。";
const char* const kNotSolution = "どの方程式も成り立つとはいえないから 解ではない。";

// One problem as the page shows it, read back from the shared state.
struct Problem {
    float a1, b1, c1, a2, b2, c2, x, y;
};
Problem shown_problem() { return {G.T(1), G.T(2), G.T(3), G.T(11), G.T(12), G.T(13), G.F(1), G.F(2)}; }

// The page of a problem, built from its numbers.
Layout problem_page(const Problem& p) {
    Layout page;
    page.at(80, 20, 7, "Q3 ").then(3, cat({"(", num(p.x), ",", num(p.y), ")"}));
    page.then(0, " は、次の連立方程式の解ですか。");
    page.at(248, 70, 0, cat({num(p.a1), "x", with_plus(p.b1), "y=", num(p.c1), "…①"}));
    page.at(248, 120, 0, cat({num(p.a2), "x", with_plus(p.b2), "y=", num(p.c2), "…②"}));
    const float rows[2][3] = {{p.a1, p.b1, p.c1}, {p.a2, p.b2, p.c2}};
    bool both = true;
    for (int e = 0; e < 2; ++e) {
        const float a = rows[e][0], b = rows[e][1], c = rows[e][2];
        const std::string label = e == 0 ? "①" : "②";
        const float top = 180 + 180 * e;
        page.at(208, top, 3, cat({"x=", num(p.x), ",y=", num(p.y), "を", label, "の左辺に代入して"}));
        page.at(80, top + 60, 0,
                cat({label, "の左辺=", num(a), "*", in_parens(p.x), with_plus(b), "*", in_parens(p.y)}));
        const float left = a * p.x + b * p.y;
        page.at(208, top + 120, 0, cat({"=", num(a * p.x), with_plus(b * p.y), "="})).then(3, num(left));
        page.then(7, left == c ? "=右辺" : "≠右辺");
        both = both && left == c;
    }
    page.at(208, 550, 5, both ? kSolution : kNotSolution);
    return page;
}

TEST(Unit1Drill, EveryProblemChecksTheGeneratedPairRight) {
    const std::set<int> pool = {2, 3, 5, 6, 7};
    int holds = 0, solutions = 0, problems = 0;
    std::set<int> shifts;
    bool wrote_solution = false, wrote_other = false;
    for (int seed = 0; seed < 300; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        ASSERT_TRUE(run_morvane(open_section(4) + presses(11), static_cast<float>(seed)));
        ASSERT_TRUE(at_next_step());
        const Problem p = shown_problem();
        ++problems;
        // The pair solves the system before the shift, from the pool.
        for (float v : {p.a1, p.b1, p.a2, p.b2}) ASSERT_TRUE(pool.count(static_cast<int>(std::fabs(v))));
        ASSERT_TRUE(std::fabs(p.x) >= 1 && std::fabs(p.x) <= 5 && std::fabs(p.y) >= 1 && std::fabs(p.y) <= 5);
        ASSERT_EQ(G.GY3(1), p.a1 * p.x + p.b1 * p.y);
        ASSERT_EQ(G.GY3(2), p.a2 * p.x + p.b2 * p.y);
        const float d1 = p.c1 - G.GY3(1), d2 = p.c2 - G.GY3(2);
        ASSERT_TRUE(std::fabs(d1) <= 2 && std::fabs(d2) <= 2);
        shifts.insert(static_cast<int>(d1));
        shifts.insert(static_cast<int>(d2));
        holds += (d1 == 0) + (d2 == 0);
        solutions += d1 == 0 && d2 == 0;

        const Layout page = problem_page(p);
        expect_page(page);
        if (::testing::Test::HasFailure()) return;
        if (!wrote_solution && d1 == 0 && d2 == 0) {
            save_page("section4-solution");
            wrote_solution = true;
        }
        if (!wrote_other && (d1 != 0) != (d2 != 0) && (p.x < 0 || p.y < 0)) {
            save_page("section4-not-solution");
            wrote_other = true;
        }
    }
    // Each right side is shifted by -2 to 2, kept 5 times in 9.
    EXPECT_EQ(shifts, (std::set<int>{-2, -1, 0, 1, 2}));
    EXPECT_NEAR(holds / (2.0 * problems), 5.0 / 9, 0.08);
    EXPECT_NEAR(solutions / double(problems), 25.0 / 81, 0.08);
}

TEST(Unit1Drill, OnlyExactlyOneEndsTheDrill) {
    for (const char* end : {"1\r", "2/2\r", "01\r", "1.0\r"}) {
        SCOPED_TRACE(end);
        ASSERT_TRUE(run_morvane(open_section(4) + presses(11) + end, 3));
        EXPECT_TRUE(at_section_menu());
        EXPECT_FALSE(at_next_step());
        expect_page(problem_page(shown_problem()));  // the last problem stays
    }
    for (const char* again : {"2\r", "\r", "0\r", "1.5\r", "11\r", "-1\r"}) {
        SCOPED_TRACE(again);
        ASSERT_TRUE(run_morvane(open_section(4) + presses(11) + again, 3));
        EXPECT_TRUE(at_pause());
        // A new problem: its question and system only, on a cleared page.
        EXPECT_EQ(page_texts().size(), 5u);
    }
}

TEST(Unit1Drill, EachProblemTakesElevenKeys) {
    const std::string second = presses(11) + "2\r";
    ASSERT_TRUE(run_morvane(open_section(4) + second + presses(10), 5));
    EXPECT_TRUE(at_pause());
    ASSERT_TRUE(run_morvane(open_section(4) + second + presses(11), 5));
    EXPECT_TRUE(at_next_step());
    expect_page(problem_page(shown_problem()));
    ASSERT_TRUE(run_morvane(open_section(4) + second + presses(11) + "1\r", 5));
    EXPECT_TRUE(at_section_menu());
}

TEST(Unit1Drill, StartsOnAClearedPageAfterAnotherSection) {
    ASSERT_TRUE(run_morvane(open_section(1) + presses(40) + "4\r" + presses(11), 9));
    expect_page(problem_page(shown_problem()));
    // The next-step box is drawn at width 2; the section's 5 comes back.
    ASSERT_TRUE(run_morvane(open_section(1) + presses(40) + "4\r" + presses(11) + "1\r", 9));
    EXPECT_EQ(plat::current_draw_width(), 5);
}

}  // namespace
