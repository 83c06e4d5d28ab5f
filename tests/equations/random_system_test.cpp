// The random system generator: its draws, in their order, and what every
// system it returns satisfies.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <set>
#include <utility>
#include <vector>

#include "courses/equations/common/random_system.h"
#include "engine/platform/screen.h"
#include "programs/morvane/morvane.h"

namespace {

struct System {
    float x, y, a1, b1, a2, b2, c1, c2;
    bool operator==(const System&) const = default;
};

// The generator's rule written out from its description, driven by a source
// of random whole numbers draw(n, k) = floor(r*n + k).
System model(const std::function<float(float, float)>& draw) {
    for (;;) {
        float x = draw(5, 1), y = draw(5, 1);
        if (draw(2, 0) == 0) x = -x;
        if (draw(2, 0) == 0) y = -y;
        std::vector<float> pool = {2, 3, 5, 7, 6, 8, 9};
        auto pick = [&](float k) {
            const size_t pos = static_cast<size_t>(draw(k, 1)) - 1;
            float v = pool.at(pos);
            pool.erase(pool.begin() + static_cast<long>(pos));
            if (draw(2, 0) == 0) v = -v;
            return v;
        };
        float a1 = pick(3), a2 = pick(2), b1 = pick(3), b2 = pick(2);
        auto divides = [](float p, float q) {
            return static_cast<int>(std::fabs(q)) % static_cast<int>(std::fabs(p)) == 0;
        };
        if (divides(a1, a2) || divides(a2, a1) || divides(b1, b2) || divides(b2, b1)) continue;
        const int shuffle = static_cast<int>(draw(4, 1));
        if (shuffle == 1) {
            std::swap(a1, b1);
            std::swap(a2, b2);
        } else if (shuffle == 2) {
            std::swap(a1, a2);
            std::swap(b1, b2);
        } else if (shuffle == 3) {
            const System s = {x, y, b2, a2, b1, a1, 0, 0};
            a1 = s.a1, b1 = s.b1, a2 = s.a2, b2 = s.b2;
        }
        return {x, y, a1, b1, a2, b2, a1 * x + b1 * y, a2 * x + b2 * y};
    }
}

// A draw source that hands out the given whole numbers in turn.
std::function<float(float, float)> scripted(std::vector<float> values, size_t* used) {
    return [values, used](float n, float k) {
        const float v = values.at((*used)++);
        EXPECT_TRUE(v >= k && v <= k + n - 1) << v << " drawn from " << n << ", " << k;
        return v;
    };
}

TEST(RandomSystemRule, WorkedExampleInEveryShuffleCase) {
    const std::vector<float> attempt = {2, 1, 1, 0, 2, 1, 2, 0, 2, 1, 1, 1};
    const System expected[] = {
        {2, -1, 7, 3, 2, -5, 11, 9},    // 1: unknowns swapped
        {2, -1, -5, 2, 3, 7, -12, -1},  // 2: equations swapped
        {2, -1, 2, -5, 7, 3, 9, 11},    // 3: both
        {2, -1, 3, 7, -5, 2, -1, -12},  // 4: as drawn
    };
    for (int c = 1; c <= 4; ++c) {
        std::vector<float> draws = attempt;
        draws.push_back(static_cast<float>(c));
        size_t used = 0;
        EXPECT_EQ(model(scripted(draws, &used)), expected[c - 1]) << "case " << c;
        EXPECT_EQ(used, 13u);
    }
}

TEST(RandomSystemRule, ARejectedAttemptDrawsEverythingAgain) {
    // 2 and 5 for x, 3 and 6 for y: 3 divides 6.
    std::vector<float> draws = {4, 3, 1, 1, 1, 1, 2, 1, 1, 1, 2, 1};
    const std::vector<float> second = {2, 1, 1, 0, 2, 1, 2, 0, 2, 1, 1, 1, 4};
    draws.insert(draws.end(), second.begin(), second.end());
    size_t used = 0;
    EXPECT_EQ(model(scripted(draws, &used)), (System{2, -1, 3, 7, -5, 2, -1, -12}));
    EXPECT_EQ(used, 25u);
}

class RandomSystem : public ::testing::Test {
protected:
    void SetUp() override {
        plat::use_headless({"", std::nullopt, std::nullopt});
        start_up(morvane_course());
    }
    static System returned() { return {G.DSM1, G.DSM2, G.GX3(1), G.GX3(2), G.GX3(3), G.GX3(4), G.GY3(1), G.GY3(2)}; }
};

TEST_F(RandomSystem, DrawsInTheOrderOfItsRule) {
    for (int seed = 0; seed < 300; ++seed) {
        $PaRandomize(static_cast<float>(seed));
        MAKE_RANDOM_SYSTEM();
        const System got = returned();
        const float next = $PaRnd();
        $PaRandomize(static_cast<float>(seed));
        ASSERT_EQ(got, model(plat::random_whole)) << "seed " << seed;
        // Both used the same number of draws.
        ASSERT_EQ(next, $PaRnd()) << "seed " << seed;
    }
}

TEST_F(RandomSystem, EverySystemHasOneWholeSolutionAndCoprimeCoefficients) {
    $PaRandomize(7);
    const std::set<int> pool = {2, 3, 5, 6, 7};
    std::set<int> magnitudes_seen;
    std::set<std::pair<int, int>> solutions_seen;
    for (int i = 0; i < 20000; ++i) {
        MAKE_RANDOM_SYSTEM();
        const System s = returned();
        const int x = static_cast<int>(s.x), y = static_cast<int>(s.y);
        ASSERT_EQ(static_cast<float>(x), s.x);
        ASSERT_EQ(static_cast<float>(y), s.y);
        ASSERT_TRUE(std::abs(x) >= 1 && std::abs(x) <= 5 && std::abs(y) >= 1 && std::abs(y) <= 5);
        solutions_seen.insert({x, y});
        const int m[4] = {static_cast<int>(std::fabs(s.a1)), static_cast<int>(std::fabs(s.b1)),
                          static_cast<int>(std::fabs(s.a2)), static_cast<int>(std::fabs(s.b2))};
        std::set<int> distinct;
        for (int v : m) {
            ASSERT_TRUE(pool.count(v)) << v;
            distinct.insert(v);
            magnitudes_seen.insert(v);
        }
        ASSERT_EQ(distinct.size(), 4u);
        ASSERT_NE(m[0] % m[2], 0);
        ASSERT_NE(m[2] % m[0], 0);
        ASSERT_NE(m[1] % m[3], 0);
        ASSERT_NE(m[3] % m[1], 0);
        ASSERT_NE(s.a1 * s.b2 - s.a2 * s.b1, 0);
        ASSERT_EQ(s.c1, s.a1 * s.x + s.b1 * s.y);
        ASSERT_EQ(s.c2, s.a2 * s.x + s.b2 * s.y);
        ASSERT_LE(std::fabs(s.c1), 60);
        ASSERT_LE(std::fabs(s.c2), 60);
    }
    EXPECT_EQ(magnitudes_seen, pool);
    EXPECT_EQ(solutions_seen.size(), 100u);
}

}  // namespace
