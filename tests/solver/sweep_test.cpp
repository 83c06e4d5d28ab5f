// Many systems of small whole numbers: every one is worked to its true
// solution, whichever letter comes first.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

#include "tests/solver/headless_solver.h"

namespace {

using namespace solver_test;

// A value text read back as numerator and denominator.
bool parse_value(const std::string& text, std::int64_t& n, std::int64_t& d) {
    std::string t = text;
    bool negative = false;
    if (!t.empty() && t[0] == '-') {
        negative = true;
        t.erase(0, 1);
    }
    const std::string mark = "ﾀ";
    if (t.rfind(mark, 0) == 0) {
        if (t.size() < 2 * mark.size() + 3 || t.compare(t.size() - mark.size(), mark.size(), mark) != 0) return false;
        t = t.substr(mark.size(), t.size() - 2 * mark.size());
        const size_t slash = t.find('/');
        if (slash == std::string::npos) return false;
        n = std::stoll(t.substr(0, slash));
        d = std::stoll(t.substr(slash + 1));
        if (d <= 1 || n <= 0) return false;
    } else {
        if (t.empty() || t.find_first_not_of("0123456789") != std::string::npos) return false;
        n = std::stoll(t);
        d = 1;
    }
    if (negative) {
        if (n == 0) return false;
        n = -n;
    }
    return true;
}

TEST(WorkingSweep, EverySmallSystemGetsItsTrueSolution) {
    std::mt19937 random(20261210);
    std::uniform_int_distribution<int> coefficient(-9, 9), right(-40, 40);
    int worked = 0;
    while (worked < 300) {
        const int a1 = coefficient(random), b1 = coefficient(random);
        const int a2 = coefficient(random), b2 = coefficient(random);
        const int c1 = right(random), c2 = right(random);
        const std::int64_t det = std::int64_t{a1} * b2 - std::int64_t{a2} * b1;
        if (a1 == 0 || b1 == 0 || a2 == 0 || b2 == 0 || det == 0) continue;
        ++worked;
        SCOPED_TRACE(testing::Message() << a1 << "x+" << b1 << "y=" << c1 << ", " << a2 << "x+" << b2 << "y=" << c2);
        // Both programs, in turn.
        const Program program = worked % 2 == 0 ? Program::Morvane : Program::Talisse;
        ASSERT_TRUE(run(Call{{static_cast<float>(a1), static_cast<float>(b1), static_cast<float>(c1),
                              static_cast<float>(a2), static_cast<float>(b2), static_cast<float>(c2)},
                             program},
                        4));
        std::int64_t xn = 0, xd = 1, yn = 0, yd = 1;
        ASSERT_TRUE(parse_value(utf8(G.REI0Y$), xn, xd)) << utf8(G.REI0Y$);
        ASSERT_TRUE(parse_value(utf8(G.N$), yn, yd)) << utf8(G.N$);
        // x = (c1*b2 - c2*b1)/det, y = (a1*c2 - a2*c1)/det.
        EXPECT_EQ(xn * det, (std::int64_t{c1} * b2 - std::int64_t{c2} * b1) * xd);
        EXPECT_EQ(yn * det, (std::int64_t{a1} * c2 - std::int64_t{a2} * c1) * yd);
        // Nothing on the page reads as a decimal or a fault.
        for (const Piece& p : pieces()) {
            EXPECT_EQ(p.text.find('.'), std::string::npos) << p.text;
            EXPECT_EQ(p.text.find("nan"), std::string::npos) << p.text;
            EXPECT_EQ(p.text.find("inf"), std::string::npos) << p.text;
            EXPECT_EQ(p.text.find("E+"), std::string::npos) << p.text;
        }
    }
}

}  // namespace
