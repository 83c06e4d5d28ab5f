// Sections ③ and ⑤ of unit 4, the substitution drills, run headless: the
// four generators' pages on pinned draws (the worked pages, a collected
// coefficient of 1 and of -1, coefficients of ±1 elsewhere), the no-repeat
// rule across generators, rejections, visits and sections, the turns of the
// two forms, the endings, and many seeded problems checked against their
// systems.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "courses/equations/unit4/unit4.h"
#include "tests/equations/unit4_support.h"

using namespace unit4_test;

namespace {

// Key pauses of a problem: 9 for the examples of ③, 10 for the problems of
// ⑤ (their ② is rearranged first).
int pauses_of(int section) { return section == 3 ? 9 : 10; }

// A neutral first problem (an x form with y = 5) for cases that pin the second.
std::vector<float> first_problem() { return attempt(true, 5, 1, 1, 2, 1); }

// Keys to the end of the first problem of `section` (second: of the second,
// after 2 in the first next-step box), less `short_by` presses.
std::string keys_to_problem(int section, bool second, int short_by = 0) {
    std::string keys = open_section(section);
    if (second) keys += presses(pauses_of(section)) + "2\r";
    return keys + presses(pauses_of(section) - short_by);
}

// The texts of one generated page, in page order: title, ①, ②, [②' for the
// problems], caption, substituted, expanded, moved, collected, quotient (""
// when none is drawn), caption, two back-substitution lines, answer.
Layout generator_page(bool problem, const std::vector<std::string>& t, int collected_colour) {
    Layout page;
    size_t i = 0;
    page.at(114, 30, 3, t[i++]);
    page.at(154, 90, 0, t[i++]);
    page.at(154, 140, 0, t[i++]);
    float y = 210;
    if (problem) {
        page.at(114, 210, 3, "②から　").then(0, t[i++]);
        y = 270;
    }
    page.at(114, y, 3, t[i++]);
    page.at(114, y + 50, 0, t[i++]);
    page.at(114, y + 110, 0, t[i++]);
    page.at(114, y + 170, 0, t[i++]);
    page.at(114, y + 230, collected_colour, t[i++]);
    if (!t[i].empty()) page.at(114, y + 230 + (problem ? 70 : 80), 3, t[i]);
    ++i;
    page.at(600, 140, 3, t[i++]);
    page.at(600, 200, 0, t[i++]);
    page.at(600, 260, 3, t[i++]);
    page.at(600, 340, 5, t[i++]);
    return page;
}

struct Worked {
    const char* name;
    int section;
    bool second;
    std::vector<float> draws;
    std::vector<std::string> texts;
    int collected_colour;
};

TEST(Unit4Generators, WorkedPagesOnPinnedDraws) {
    const Worked cases[] = {
        // clang-format off
        {"example-x", 3, false, attempt(true, 2, -3, 1, 4, 5),
         {"例3　次の連立方程式を解きなさい。", "4x+5y=-10…①", "x=-3y+1…②", "②を ① に代入して、", "4(-3y+1)+5y=-10",
          "-12y+4+5y=-10", "-12y+5y=-10-4", "-7y=-14", "y=ﾀ-14/-7ﾀ=2", "y=2 を②に代入して", "x=-3*2+1",
          " =-6+1=-5", "答 (x,y)=(-5,2)"},
         0},
        {"example-y", 3, true, joined({first_problem(), attempt(false, -2, 3, -1, 2, 3)}),
         {"例3　次の連立方程式を解きなさい。", "2x+3y=-25…①", "y=3x-1…②", "②を ① に代入して、", "2x+3(3x-1)=-25",
          "2x+9x-3=-25", "2x+9x=-25+3", "11x=-22", "x=ﾀ-22/11ﾀ=-2", "x=-2 を②に代入して", "y=3*(-2)-1",
          " =-6-1=-7", "答 (x,y)=(-2,-7)"},
         0},
        {"problem-x", 5, false, attempt(true, 2, 3, -1, 2, -3),
         {"例題2　次の連立方程式を解きなさい。", "2x-3y=4…①", "x-3y=-1…②", "x=3y-1…②'", "②'を ① に代入して、",
          "2(3y-1)-3y=4", "6y-2-3y=4", "6y-3y=4+2", "3y=6", "y=ﾀ6/3ﾀ=2", "y=2 を②'に代入して", "x=3*2-1",
          " =6-1=5", "答 (x,y)=(5,2)"},
         0},
        {"problem-y", 5, true, joined({first_problem(), attempt(false, 3, -2, 4, 1, -1)}),
         {"例題1　次の連立方程式を解きなさい。", "x-y=5…①", "y+2x=4…②", "y=-2x+4…②'", "②'を ① に代入して、",
          "x-(-2x+4)=5", "x+2x-4=5", "x+2x=5+4", "3x=9", "x=ﾀ9/3ﾀ=3", "x=3 を②'に代入して", "y=-2*3+4",
          " =-6+4=-2", "答 (x,y)=(3,-2)"},
         0},
        // clang-format on
    };
    for (const Worked& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(run_morvane(keys_to_problem(c.section, c.second, 1), 1, c.draws));
        EXPECT_TRUE(at_pause());
        ASSERT_TRUE(run_morvane(keys_to_problem(c.section, c.second), 1, c.draws));
        EXPECT_TRUE(at_next_step());
        expect_page(generator_page(c.section == 5, c.texts, c.collected_colour));
        EXPECT_EQ(G.B1, 600);
        EXPECT_EQ(G.B2, 340);
        save_page(c.name);
    }
}

// Pinned problems whose texts depend on a coefficient of 1 or -1: a few
// rows of each page, and the page's key pauses, which a collected
// coefficient of 1 keeps although it draws no quotient.
struct Edge {
    const char* name;
    int section;
    bool second;
    std::vector<float> draws;
    std::vector<Expect> rows;
    bool no_quotient;
};

TEST(Unit4Generators, CoefficientsOfOneAndMinusOne) {
    const Edge cases[] = {
        // clang-format off
        // p + qa = 1: the collected line gives x itself.
        {"example-y-k1", 3, true, joined({first_problem(), attempt(false, 4, 1, -3, -1, 2)}),
         {{90, 154, 0, "-x+2y=-2…①"}, {260, 114, 0, "-x+2(x-3)=-2"}, {320, 114, 0, "-x+2x-6=-2"},
          {380, 114, 0, "-x+2x=-2+6"}, {440, 114, 3, "x=4"}, {200, 600, 0, "y=1*4-3"}},
         true},
        // p + qa = -1 and r = 0: the quotient keeps its denominator -1.
        {"example-y-k-1", 3, true, joined({first_problem(), attempt(false, 1, 2, 1, -3, 1)}),
         {{90, 154, 0, "-3x+y=0…①"}, {380, 114, 0, "-3x+2x=0-1"}, {440, 114, 0, "-x=-1"},
          {520, 114, 3, "x=ﾀ-1/-1ﾀ=1"}},
         false},
        // a = 1, q = -1 and y = 0.
        {"example-y-a1", 3, true, joined({first_problem(), attempt(false, 2, 1, -2, 3, -1)}),
         {{90, 154, 0, "3x-y=6…①"}, {140, 154, 0, "y=x-2…②"}, {260, 114, 0, "3x-(x-2)=6"},
          {320, 114, 0, "3x-x+2=6"}, {200, 600, 0, "y=1*2-2"}, {260, 600, 3, " =2-2=0"},
          {340, 600, 5, "答 (x,y)=(2,0)"}},
         false},
        // x form, pa + q = -1, y < 0 in brackets after the ×.
        {"example-x-k-1", 3, false, attempt(true, -3, 2, 1, -2, 3),
         {{260, 114, 0, "-2(2y+1)+3y=1"}, {320, 114, 0, "-4y-2+3y=1"}, {440, 114, 0, "-y=3"},
          {520, 114, 3, "y=ﾀ3/-1ﾀ=-3"}, {200, 600, 0, "x=2*(-3)+1"}},
         false},
        // x form, a = 1 and pa + q = 1.
        {"example-x-k1", 3, false, attempt(true, 3, 1, -2, 4, -3),
         {{140, 154, 0, "x=y-2…②"}, {260, 114, 0, "4(y-2)-3y=-5"}, {440, 114, 3, "y=3"},
          {200, 600, 0, "x=1*3-2"}, {260, 600, 3, " =3-2=1"}},
         true},
        // Problem x form, a = -1, q = 1: ② reads x+y, ②' x=-y, the factor -1 kept.
        {"problem-x-a-1", 5, false, attempt(true, -1, -1, 4, -2, 1),
         {{90, 154, 0, "-2x+y=-11…①"}, {140, 154, 0, "x+y=4…②"}, {210, 250, 0, "x=-y+4…②'"},
          {320, 114, 0, "-2(-y+4)+y=-11"}, {380, 114, 0, "2y-8+y=-11"}, {440, 114, 0, "2y+y=-11+8"},
          {570, 114, 3, "y=ﾀ-3/3ﾀ=-1"}, {200, 600, 0, "x=-1*(-1)+4"}, {260, 600, 3, " =1+4=5"}},
         false},
        // Problem x form, a = 1 and pa + q = 1.
        {"problem-x-k1", 5, false, attempt(true, 3, 1, -2, 4, -3),
         {{140, 154, 0, "x-y=-2…②"}, {210, 250, 0, "x=y-2…②'"}, {500, 114, 3, "y=3"}},
         true},
        // Problem y form, a = 1 and p + qa = 1.
        {"problem-y-k1", 5, true, joined({first_problem(), attempt(false, 4, 1, -3, -1, 2)}),
         {{140, 154, 0, "y-x=-3…②"}, {210, 250, 0, "y=x-3…②'"}, {500, 114, 3, "x=4"}},
         true},
        // Problem y form, a = -1 and p + qa = -1.
        {"problem-y-k-1", 5, true, joined({first_problem(), attempt(false, 1, -1, 2, 1, 2)}),
         {{140, 154, 0, "y+x=2…②"}, {210, 250, 0, "y=-x+2…②'"}, {320, 114, 0, "x+2(-x+2)=3"},
          {380, 114, 0, "x-2x+4=3"}, {500, 114, 0, "-x=-1"}, {570, 114, 3, "x=ﾀ-1/-1ﾀ=1"},
          {200, 600, 0, "y=-1*1+2"}},
         false},
        // clang-format on
    };
    for (const Edge& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(run_morvane(keys_to_problem(c.section, c.second, 1), 1, c.draws));
        EXPECT_TRUE(at_pause());
        ASSERT_TRUE(run_morvane(keys_to_problem(c.section, c.second), 1, c.draws));
        EXPECT_TRUE(at_next_step());
        EXPECT_EQ(plat::pending_keys(), 0u);
        Layout page;
        for (const Expect& e : c.rows) page.at(e.x, e.y, e.colour, e.text);
        expect_rows(page);
        // The quotient line is drawn unless the collected coefficient is 1.
        bool quotient = false;
        for (const auto& t : page_texts()) quotient |= t.x == 114 && (t.y == 520 || t.y == 570);
        EXPECT_EQ(quotient, !c.no_quotient);
        save_page(c.name);
    }
}

// ------------------------------------------------------------ TXX

std::string answer_x() {
    for (const auto& t : page_texts())
        if (t.y == 340 && t.x == 600) return t.utf8;
    return "";
}

TEST(Unit4Generators, NoRepeatRuleAcrossGeneratorsRejectionsVisitsAndSections) {
    // The y form's x is compared with the x form's y before it: 2 is drawn
    // again, 3 is taken.
    const std::vector<float> x_first = attempt(true, 2, 1, 1, 2, 1);  // y = 2, x = 3
    {
        std::vector<float> offered_two = {draw_for(2, 5, 1), 0.75f};
        ASSERT_TRUE(
            run_morvane(keys_to_problem(3, true), 1, joined({x_first, offered_two, attempt(false, 3, 1, 1, 2, 1)})));
        EXPECT_EQ(answer_x(), "答 (x,y)=(3,4)");
        EXPECT_EQ(unit4::TXX, 3);
    }
    // An attempt rejected for p + qa = 0 still counts: after its x = 4, the
    // previous problem's 2 may come straight back.
    {
        ASSERT_TRUE(run_morvane(keys_to_problem(3, true), 1,
                                joined({x_first, attempt(false, 4, 1, -2, -1, 1), attempt(false, 2, 1, 1, 2, 1)})));
        EXPECT_EQ(answer_x(), "答 (x,y)=(2,3)");
    }
    // Nothing resets it: neither a new visit of section ③ nor section ⑤.
    for (int next : {3, 5}) {
        SCOPED_TRACE(next);
        const std::string keys =
            open_section(3) + presses(9) + "1\r" + presses(1) + std::to_string(next) + "\r" + presses(pauses_of(next));
        std::vector<float> offered_two = {draw_for(2, 5, 1), 0.75f};
        ASSERT_TRUE(run_morvane(keys, 1, joined({x_first, offered_two, attempt(true, 4, 1, 1, 2, 1)})));
        EXPECT_TRUE(at_next_step());
        EXPECT_EQ(answer_x(), "答 (x,y)=(5,4)");  // the x form again, first of the visit
    }
}

// ------------------------------------------------------------ the drill loops

TEST(Unit4Drills, FormsTakeTurnsFromTheXFormOnEveryVisit) {
    for (int section : {3, 5}) {
        SCOPED_TRACE(section);
        const int n = pauses_of(section);
        // 2, 1/0 and 1.5 are not 1: the next problem follows.
        const char* answers[] = {"2\r", "1/0\r", "1.5\r"};
        std::vector<std::string> heads;
        std::string drawn;
        for (int k = 0; k < 4; ++k) {
            // The keys up to the end of problem k.
            std::string part = open_section(section);
            for (int j = 0; j <= k; ++j) part += presses(n) + (j < k ? answers[j] : "");
            ASSERT_TRUE(run_morvane(part, 7));
            ASSERT_TRUE(at_next_step());
            for (const auto& t : page_texts())
                if (t.x == 154 && t.y == 140) drawn = t.utf8.substr(0, 1);
            heads.push_back(drawn);
            if (section == 5) {
                const std::string title =
                    k % 2 == 0 ? "例題2　次の連立方程式を解きなさい。" : "例題1　次の連立方程式を解きなさい。";
                EXPECT_TRUE(page_shows(title)) << k;
            }
        }
        EXPECT_EQ(heads, (std::vector<std::string>{"x", "y", "x", "y"}));
    }
}

TEST(Unit4Drills, EndingsPointToTheTextbookAndReturnToTheMenu) {
    // Section ③: one key, then the pointer at (44, 610).
    ASSERT_TRUE(run_morvane(open_section(3) + presses(9) + "1\r"));
    EXPECT_TRUE(at_pause());
    EXPECT_FALSE(page_shows("教科書P43 問6　をしなさい。"));
    ASSERT_TRUE(run_morvane(open_section(3) + presses(9) + "1.0\r" + presses(1)));
    EXPECT_TRUE(at_section_menu());
    Layout s3;
    s3.at(44, 610, 7, "教科書P43 問6　をしなさい。").at(600, 340, 5, answer_x());
    expect_rows(s3);
    EXPECT_EQ(plat::pending_keys(), 0u);

    // Section ⑤, after a y-form problem: the rule under the answer with one
    // key, the pointer with a second.
    const std::string five = open_section(5) + presses(10) + "2\r" + presses(10) + "1\r";
    ASSERT_TRUE(run_morvane(five + presses(1)));
    EXPECT_TRUE(at_pause());
    Layout rule;
    rule.at(600, 400, 3, "一方の式を1つの文字について解き、").at(600, 450, 3, "それをもう一方の式に代入する。");
    expect_rows(rule);
    EXPECT_FALSE(page_shows("教科書P43 問7　をしなさい。"));
    ASSERT_TRUE(run_morvane(five + presses(2)));
    EXPECT_TRUE(at_section_menu());
    rule.at(600, 520, 7, "教科書P43 問7　をしなさい。");
    expect_rows(rule);
    EXPECT_EQ(plat::pending_keys(), 0u);
    save_page("section5-end");
}

// ------------------------------------------------------------ many seeds

float number(const Str& text) { return std::stof(text); }

TEST(Unit4Generators, EverySeededProblemIsSolvedByItsShownSolution) {
    struct Generator {
        int section;
        bool second;
        bool x_form;
    };
    const Generator generators[] = {{3, false, true}, {3, true, false}, {5, false, true}, {5, true, false}};
    for (const Generator& g : generators) {
        for (int seed = 0; seed < 100; ++seed) {
            SCOPED_TRACE("section " + std::to_string(g.section) + (g.second ? " second" : " first") + " seed " +
                         std::to_string(seed));
            ASSERT_TRUE(run_morvane(keys_to_problem(g.section, g.second), static_cast<float>(seed)));
            ASSERT_TRUE(at_next_step());
            const float x = number(G.REI0Y$), y = number(G.N$);
            const float p = G.T(1), q = G.T(2), a = G.T(3), r = G.T(5), b = G.T(6);
            const float first = g.x_form ? y : x;
            EXPECT_GE(std::fabs(first), 1);
            EXPECT_LE(std::fabs(first), 5);
            EXPECT_EQ(unit4::TXX, first);
            for (float v : {a, b}) EXPECT_TRUE(std::fabs(v) >= 1 && std::fabs(v) <= 4) << v;
            EXPECT_TRUE(std::fabs(q) >= 1 && std::fabs(q) <= 5) << q;
            EXPECT_TRUE(std::fabs(p) >= (g.x_form ? 2 : 1) && std::fabs(p) <= (g.x_form ? 6 : 5)) << p;
            EXPECT_EQ(p * x + q * y, r);
            EXPECT_EQ(g.x_form ? x : y, a * first + b);
            EXPECT_NE(G.T(10), 0);
            EXPECT_EQ(G.T(11), G.T(10) * first);
            EXPECT_EQ(answer_x(), "答 (x,y)=(" + std::to_string(static_cast<int>(x)) + "," +
                                      std::to_string(static_cast<int>(y)) + ")");
        }
    }
}

}  // namespace
