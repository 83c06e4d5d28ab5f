// Unit 3's drills: the ratio generator's draws in their order, what every
// system it returns satisfies, and both drills run headless over many seeds.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "courses/equations/common/random_system.h"
#include "courses/equations/unit3/unit3.h"
#include "tests/equations/generator_model.h"
#include "tests/equations/unit3_support.h"

using namespace unit3_test;

namespace {

using namespace generator_model;

// The ratio generator written out from its rule; `attempts` counts them.
System ratio_model(const Draw& draw, int* attempts = nullptr) {
    for (;;) {
        if (attempts) ++*attempts;
        const auto [x, y] = solution(draw);
        const float a1 = signed_value(draw(2, 1), draw);
        const float m = draw(3, 2);
        const float a2 = signed_value(a1 * m, draw);
        const float b1 = signed_value(draw(3, 3), draw);
        float b2 = signed_value(b1 * m - 3, draw);
        const int q = static_cast<int>(std::fabs(b2)), d = static_cast<int>(std::fabs(b1));
        if (q % d == 0 && q / d < m) b2 -= 1;
        const System s = shuffled(x, y, a1, b1, a2, b2, draw);
        if (std::fabs(s.c1) <= 99 && std::fabs(s.c2) <= 99) return s;
    }
}

TEST(Unit3RatioRule, TheCorrectionAndTheBound) {
    // draws: x, y, x sign, y sign, a1, a1 sign, m, a2 sign, b1, b1 sign,
    // b2 sign, shuffle (4: as drawn)
    struct Case {
        std::vector<float> draws;
        float b2;
    };
    const Case cases[] = {
        {{1, 1, 1, 1, 1, 1, 2, 1, 3, 1, 1, 4}, 2},   // b1 3, m 2: 3 -> 2
        {{1, 1, 1, 1, 1, 1, 2, 1, 3, 1, 0, 4}, -4},  // its sign drawn negative: -3 -> -4
        {{1, 1, 1, 1, 1, 1, 4, 1, 3, 1, 1, 4}, 8},   // m 4: 9 -> 8
        {{1, 1, 1, 1, 1, 1, 2, 1, 3, 0, 1, 4}, -9},  // b1 -3: -9 kept
        {{1, 1, 1, 1, 1, 1, 3, 1, 5, 1, 1, 4}, 12},  // b1 5: kept
    };
    for (const Case& c : cases) {
        size_t used = 0;
        EXPECT_EQ(ratio_model(scripted(c.draws, &used)).b2, c.b2);
        EXPECT_EQ(used, 12u);
    }
    // a1 2, m 4, b1 -5 at x = y = 5: c2 = 8*5 + 23*5 = 155 draws again.
    std::vector<float> draws = {5, 5, 1, 1, 2, 1, 4, 1, 5, 0, 0, 4};
    const std::vector<float> second = {1, 1, 1, 1, 1, 1, 2, 1, 3, 1, 1, 4};
    draws.insert(draws.end(), second.begin(), second.end());
    size_t used = 0;
    int attempts = 0;
    EXPECT_EQ(ratio_model(scripted(draws, &used), &attempts), (System{1, 1, 1, 3, 2, 2, 4, 4}));
    EXPECT_EQ(attempts, 2);
    EXPECT_EQ(used, 24u);
}

class Unit3Generators : public ::testing::Test {
protected:
    void SetUp() override {
        plat::use_headless({"", std::nullopt, std::nullopt});
        start_up(morvane_course());
    }
};

TEST_F(Unit3Generators, RatioDrawsInTheOrderOfItsRule) {
    for (int seed = 0; seed < 400; ++seed) {
        $PaRandomize(static_cast<float>(seed));
        RATIO_SYSTEM();
        const System got = returned();
        const float next = $PaRnd();
        $PaRandomize(static_cast<float>(seed));
        ASSERT_EQ(got, ratio_model(plat::random_whole)) << "seed " << seed;
        ASSERT_EQ(next, $PaRnd()) << "seed " << seed;
    }
}

TEST_F(Unit3Generators, RatioSystemsNeedExactlyOneEquationMultiplied) {
    $PaRandomize(3);
    for (int i = 0; i < 20000; ++i) {
        RATIO_SYSTEM();
        const System s = returned();
        ASSERT_TRUE(std::fabs(s.x) >= 1 && std::fabs(s.x) <= 5 && std::fabs(s.y) >= 1 && std::fabs(s.y) <= 5);
        ASSERT_NE(s.a1 * s.b2 - s.a2 * s.b1, 0);
        const int a1 = static_cast<int>(std::fabs(s.a1)), a2 = static_cast<int>(std::fabs(s.a2));
        const int b1 = static_cast<int>(std::fabs(s.b1)), b2 = static_cast<int>(std::fabs(s.b2));
        ASSERT_NE(a1, a2);
        ASSERT_NE(b1, b2);
        // One pair has a magnitude that divides the other: one equation is
        // multiplied by a whole number.
        ASSERT_TRUE(a1 % a2 == 0 || a2 % a1 == 0 || b1 % b2 == 0 || b2 % b1 == 0);
        ASSERT_LE(std::fabs(s.c1), 99);
        ASSERT_LE(std::fabs(s.c2), 99);
        ASSERT_EQ(s.c1, s.a1 * s.x + s.b1 * s.y);
        ASSERT_EQ(s.c2, s.a2 * s.x + s.b2 * s.y);
    }
}

// ------------------------------------------------------------ the drills run

struct Drill {
    int section;
    const char* label;
    const char* closing;
    void (*generator)();
};
const Drill kDrills[] = {
    {2, "例2　", "教科書P40 問4　をしなさい。", RATIO_SYSTEM},
    {5, "例題1　", "教科書P42 問5　をしなさい。", MAKE_RANDOM_SYSTEM},
};

TEST(Unit3Drills, EachProblemIsWorkedToTheDrawnSolution) {
    for (const Drill& d : kDrills) {
        for (int seed = 0; seed < 60; ++seed) {
            SCOPED_TRACE("section " + std::to_string(d.section) + " seed " + std::to_string(seed));
            ASSERT_TRUE(run_morvane(open_section(d.section) + presses(40), static_cast<float>(seed)));
            ASSERT_TRUE(at_next_step());
            expect_rows(Layout().at(40, 30, 3, "連立方程式を解きなさい。").at(560, 30, 3, d.label));
            // The operation line: one multiplier in ②, both in ⑤.
            int stars = -1;
            for (const auto& t : page_texts())
                if (t.colour == 3 && t.utf8.rfind("①", 0) == 0 && t.utf8.find("②") != std::string::npos)
                    stars = static_cast<int>(std::count(t.utf8.begin(), t.utf8.end(), '*'));
            EXPECT_EQ(stars, d.section == 2 ? 1 : 2);
            $PaRandomize(static_cast<float>(seed));
            d.generator();
            EXPECT_EQ(answer_line(), answer_of(G.DSM1, G.DSM2));
            if (::testing::Test::HasFailure()) return;
            if (seed < 2) save_page("section" + std::to_string(d.section) + "-seed" + std::to_string(seed));
        }
    }
}

TEST(Unit3Drills, OnlyExactlyOneEndsWithThePointerToTheTextbook) {
    for (const Drill& d : kDrills) {
        SCOPED_TRACE(d.section);
        expect_drill_ends(morvane_course(), open_section(d.section) + presses(40), Layout().at(44, 610, 3, d.closing),
                          kMenuLine, d.label);
    }
}

}  // namespace
