// Unit 2's drills: the generators' draws in their order, what every system
// they return satisfies, and the drills run headless over many seeds.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <utility>
#include <vector>

#include "courses/equations/unit2/unit2.h"
#include "tests/equations/generator_model.h"
#include "tests/equations/unit2_support.h"

using namespace unit2_test;

namespace {

using namespace generator_model;

// The add/subtract generator written out from its rule.
System addsub_model(float xt, const Draw& draw) {
    const auto [x, y] = solution(draw);
    float a1 = signed_value(draw(5, 1), draw);
    float b1 = signed_value(1, draw);
    float a2 = signed_value(draw(5, 2), draw);
    if (std::fabs(a1) == std::fabs(a2)) a2 += 1;
    float b2 = xt == -1 ? b1 : -b1;
    if (draw(2, 0) == 0) {
        std::swap(a1, b1);
        std::swap(a2, b2);
    }
    return {x, y, a1, b1, a2, b2, a1 * x + b1 * y, a2 * x + b2 * y};
}

// The practice generator written out from its rule, for problem `number`.
System practice_model(int number, const Draw& draw) {
    const auto [x, y] = solution(draw);
    Pool pool;
    const float a1 = pool.pick(5, draw), b1 = pool.pick(4, draw), b2 = pool.pick(3, draw);
    const float a2 = number % 2 == 1 ? -a1 : a1;
    return shuffled(x, y, a1, b1, a2, b2, draw);
}

class Unit2Generators : public ::testing::Test {
protected:
    void SetUp() override {
        plat::use_headless({"", std::nullopt, std::nullopt});
        start_up(morvane_course());
    }
};

TEST(Unit2GeneratorRule, EqualMagnitudesMoveTheSecondCoefficientOnItsSignedValue) {
    // draws: x, y, x sign, y sign, a1, a1 sign, b1 sign, a2, a2 sign, swap
    struct Case {
        std::vector<float> draws;
        float a1, a2;
    };
    const Case cases[] = {
        {{1, 1, 1, 1, 3, 1, 1, 3, 1, 1}, 3, 4},    // 3, 3 -> 4
        {{1, 1, 1, 1, 3, 1, 1, 3, 0, 1}, 3, -2},   // 3, -3 -> -2
        {{1, 1, 1, 1, 2, 0, 1, 2, 0, 1}, -2, -1},  // -2, -2 -> -1
        {{1, 1, 1, 1, 4, 1, 1, 5, 0, 1}, 4, -5},   // different: kept
    };
    for (const Case& c : cases) {
        size_t used = 0;
        const System s = addsub_model(-1, scripted(c.draws, &used));
        EXPECT_EQ(used, 10u);
        EXPECT_EQ(s.a1, c.a1);
        EXPECT_EQ(s.a2, c.a2);
    }
}

TEST_F(Unit2Generators, AddSubtractDrawsTenNumbersInTheOrderOfItsRule) {
    for (float xt : {-1.0f, 1.0f}) {
        for (int seed = 0; seed < 300; ++seed) {
            unit2::XT = xt;
            $PaRandomize(static_cast<float>(seed));
            RANDOM_ADDSUB_SYSTEM();
            const System got = returned();
            const float next = $PaRnd();
            $PaRandomize(static_cast<float>(seed));
            ASSERT_EQ(got, addsub_model(xt, plat::random_whole)) << "seed " << seed;
            ASSERT_EQ(next, $PaRnd()) << "seed " << seed;
        }
    }
}

TEST_F(Unit2Generators, AddSubtractSystemsHaveOneLetterThatCancels) {
    $PaRandomize(11);
    std::set<float> a2_seen;
    for (float xt : {-1.0f, 1.0f}) {
        for (int i = 0; i < 5000; ++i) {
            unit2::XT = xt;
            RANDOM_ADDSUB_SYSTEM();
            const System s = returned();
            ASSERT_TRUE(std::fabs(s.x) >= 1 && std::fabs(s.x) <= 5 && std::fabs(s.y) >= 1 && std::fabs(s.y) <= 5);
            // The ±1 letter: equal coefficients to subtract, opposite to add.
            const bool x_unit = std::fabs(s.a1) == 1 && std::fabs(s.a2) == 1 && std::fabs(s.b1) != std::fabs(s.b2);
            const bool y_unit = std::fabs(s.b1) == 1 && std::fabs(s.b2) == 1 && std::fabs(s.a1) != std::fabs(s.a2);
            ASSERT_TRUE(x_unit != y_unit);
            const float first = x_unit ? s.a1 : s.b1, second = x_unit ? s.a2 : s.b2;
            ASSERT_EQ(second, xt == -1 ? first : -first);
            const float drawn2 = x_unit ? s.b2 : s.a2;
            a2_seen.insert(drawn2);
            ASSERT_TRUE((drawn2 >= -6 && drawn2 <= -1) || (drawn2 >= 2 && drawn2 <= 6)) << drawn2;
            ASSERT_NE(s.a1 * s.b2 - s.a2 * s.b1, 0);
            ASSERT_EQ(s.c1, s.a1 * s.x + s.b1 * s.y);
            ASSERT_EQ(s.c2, s.a2 * s.x + s.b2 * s.y);
        }
    }
    EXPECT_TRUE(a2_seen.count(-1));  // only from -2 against |a1| = 2
}

TEST_F(Unit2Generators, PracticeDrawsElevenNumbersAndAlternatesThePair) {
    for (int number : {1, 2, 3}) {
        for (int seed = 0; seed < 200; ++seed) {
            G.TKAI1 = static_cast<float>(number);
            $PaRandomize(static_cast<float>(seed));
            PRACTICE_SYSTEM();
            const System got = returned();
            const float next = $PaRnd();
            $PaRandomize(static_cast<float>(seed));
            ASSERT_EQ(got, practice_model(number, plat::random_whole)) << "seed " << seed;
            ASSERT_EQ(next, $PaRnd()) << "seed " << seed;
        }
    }
    const std::set<int> allowed = {2, 3, 5, 6, 7};
    $PaRandomize(5);
    for (int i = 0; i < 6000; ++i) {
        G.TKAI1 = static_cast<float>(1 + i % 2);
        PRACTICE_SYSTEM();
        const System s = returned();
        for (float v : {s.a1, s.b1, s.a2, s.b2}) ASSERT_TRUE(allowed.count(static_cast<int>(std::fabs(v)))) << v;
        // One letter's pair of one magnitude, opposite on odd problems.
        const bool x_pair = std::fabs(s.a1) == std::fabs(s.a2);
        const bool y_pair = std::fabs(s.b1) == std::fabs(s.b2);
        ASSERT_TRUE(x_pair != y_pair);
        const float p1 = x_pair ? s.a1 : s.b1, p2 = x_pair ? s.a2 : s.b2;
        ASSERT_EQ(p2, i % 2 == 0 ? -p1 : p1);
        ASSERT_EQ(std::set<float>({std::fabs(s.a1), std::fabs(s.b1), std::fabs(s.a2), std::fabs(s.b2)}).size(), 3u);
        ASSERT_LE(std::fabs(s.c1), 65);
        ASSERT_LE(std::fabs(s.c2), 65);
        ASSERT_EQ(s.c1, s.a1 * s.x + s.b1 * s.y);
    }
}

// ------------------------------------------------------------ the drills run

struct Drill {
    int section;
    const char* second_line;
    const char* label;
    const char* operation;
    const char* closing;
    float xt;
};
const Drill kDrills[] = {
    {3, "右辺どうしをひいて、", "練習", "①-②", "教科書P40 問1　をしなさい。", -1},
    {5, "右辺どうしをたして、", "例1", "①+②", "教科書P40 問2　をしなさい。", 1},
};

TEST(Unit2Drills, EachProblemIsWorkedToTheDrawnSolution) {
    for (const Drill& d : kDrills) {
        for (int seed = 0; seed < 60; ++seed) {
            SCOPED_TRACE("section " + std::to_string(d.section) + " seed " + std::to_string(seed));
            ASSERT_TRUE(run_morvane(open_section(d.section) + presses(40), static_cast<float>(seed)));
            ASSERT_TRUE(at_next_step());
            Layout page;
            page.at(40, 30, 3, "左辺どうし、").at(40, 80, 3, d.second_line).at(40, 130, 3, "連立方程式を解きなさい。");
            page.at(600, 30, 3, d.label);
            expect_rows(page);
            bool operation = false;
            for (const auto& t : page_texts()) operation |= t.utf8 == d.operation && t.colour == 3;
            EXPECT_TRUE(operation);
            // The same seed gives the same system: the answer is its solution.
            unit2::XT = d.xt;
            $PaRandomize(static_cast<float>(seed));
            RANDOM_ADDSUB_SYSTEM();
            EXPECT_EQ(answer_line(), answer_of(G.DSM1, G.DSM2));
            if (::testing::Test::HasFailure()) return;
            if (seed < 2) save_page("section" + std::to_string(d.section) + "-seed" + std::to_string(seed));
        }
    }
}

TEST(Unit2Drills, OnlyExactlyOneEndsWithThePointerToTheTextbook) {
    for (const Drill& d : kDrills) {
        SCOPED_TRACE(d.section);
        expect_drill_ends(morvane_course(), open_section(d.section) + presses(40), Layout().at(44, 540, 7, d.closing),
                          kMenuLine, d.second_line);
    }
}

TEST(Unit2Drills, PracticeAddsFirstThenAlternatesAndEndsWithTheDefinition) {
    auto operation = [] {
        for (const auto& t : page_texts())
            if (t.colour == 3 && (t.utf8 == "①+②" || t.utf8 == "①-②")) return t.utf8;
        return std::string();
    };
    std::string keys = open_section(7);
    const char* expected[] = {"①+②", "①-②", "①+②"};
    for (int n = 0; n < 3; ++n) {
        keys += presses(40);
        ASSERT_TRUE(run_morvane(keys, 4));
        ASSERT_TRUE(at_next_step());
        EXPECT_EQ(operation(), expected[n]) << "problem " << n + 1;
        expect_rows(Layout().at(40, 30, 3, "連立方程式を解きなさい。").at(600, 30, 3, "例1　"));
        keys += "2\r";
    }
    // Ending, and a second visit that adds again.
    keys += presses(40) + "1\r";
    ASSERT_TRUE(run_morvane(keys + presses(1), 4));
    EXPECT_TRUE(at_pause());
    Layout summary;
    summary.at(40, 90, 5, "加減法").at(80, 140, 0, "連立方程式を解くのに、").at(80, 190, 0, "左辺どうし、");
    summary.at(80, 240, 0, "右辺どうしをそれぞれ、").at(80, 290, 0, "たすかひくかして、");
    summary.at(80, 340, 0, "1つの文字を消去する方法");
    expect_rows(summary);
    EXPECT_FALSE(page_shows("教科書P41 問3　をしなさい。"));
    ASSERT_TRUE(run_morvane(keys + presses(2), 4));
    expect_rows(Layout().at(40, 420, 3, "教科書P41 問3　をしなさい。"));
    EXPECT_TRUE(at_section_menu());
    save_page("section7-end");
    ASSERT_TRUE(run_morvane(keys + presses(2) + "7\r" + presses(40), 4));
    EXPECT_EQ(operation(), "①+②");
}

}  // namespace
