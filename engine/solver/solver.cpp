// The elimination solver: chooses the multipliers and the operation for a
// system a1x+b1y=c1, a2x+b2y=c2 with one solution and hands over to the page
// that draws the working, x first or y first.
#include "engine/solver/solver.h"

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <utility>

#include "engine/solver/slots.h"
#include "engine/text/chain.h"
#include "engine/text/text.h"

using namespace solver::slot;

namespace {

// Every whole number up to this size is held exactly in single precision.
constexpr float kLargestWhole = 16777216.0f;

bool whole(float v) { return std::isfinite(v) && v == std::floor(v) && std::fabs(v) <= kLargestWhole; }

std::int64_t gcd(std::int64_t a, std::int64_t b) {
    while (b != 0) {
        const std::int64_t r = a % b;
        a = b;
        b = r;
    }
    return a;
}

std::int64_t lcm(std::int64_t a, std::int64_t b) { return a / gcd(a, b) * b; }

// The systems the working can show: whole coefficients other than 0, whole
// right sides, and exactly one solution.
bool solvable(float a1, float b1, float a2, float b2, float c1, float c2) {
    if (!whole(a1) || !whole(b1) || !whole(a2) || !whole(b2) || !whole(c1) || !whole(c2)) return false;
    if (a1 == 0 || b1 == 0 || a2 == 0 || b2 == 0) return false;
    const auto i = [](float v) { return static_cast<std::int64_t>(v); };
    return i(a1) * i(b2) != i(a2) * i(b1);
}

// True when every number is a whole number that single precision holds
// exactly; the working's arithmetic is then exact. The numbers are taken in
// double precision, which holds every product of two such numbers exactly.
bool held_exactly(std::initializer_list<double> values) {
    for (double v : values)
        if (std::fabs(v) > kLargestWhole) return false;
    return true;
}

void draw_cannot_solve() { page::fixed(3, G.B1, G.B2 + 50, SJ("解けません")); }

// Multipliers m1 and m2 of the two equations, so that one letter cancels:
// an x pair before a y pair, the first equation's coefficient dividing the
// second's before the reverse, and x eliminated when the least common
// multiples tie.
std::pair<std::int64_t, std::int64_t> choose_multipliers(std::int64_t a1, std::int64_t b1, std::int64_t a2,
                                                         std::int64_t b2, std::int64_t p, std::int64_t q) {
    std::int64_t m1 = 1, m2 = 1;
    if (a1 == a2 || b1 == b2) {
        // One letter already has coefficients of equal size: 1 and 1.
    } else if (a2 % a1 == 0) {
        m1 = a2 / a1;
    } else if (a1 % a2 == 0) {
        m2 = a1 / a2;
    } else if (b2 % b1 == 0) {
        m1 = b2 / b1;
    } else if (b1 % b2 == 0) {
        m2 = b1 / b2;
    } else if (p <= q) {
        m1 = p / a1;
        m2 = p / a2;
    } else {
        m1 = q / b1;
        m2 = q / b2;
    }
    G.GX3(5) = static_cast<float>(m1);
    G.GX3(6) = static_cast<float>(m2);
    return {m1, m2};
}

}  // namespace

void SOLVE_BY_ELIMINATION() {
    if (G.CCC3$.empty()) G.CCC3$ = SJ("①");
    if (G.ENZAN$.empty()) G.ENZAN$ = SJ("②");

    const float a1 = G.GX3(1), b1 = G.GX3(2), a2 = G.GX3(3), b2 = G.GX3(4);
    const float c1 = G.GY3(1), c2 = G.GY3(2);

    if (!solvable(a1, b1, a2, b2, c1, c2)) {
        draw_cannot_solve();
    } else {
        // The least common multiples of the x and of the y coefficients.
        // REDUCE_FRACTION gives them only for a pair without a common factor,
        // so they are taken from the greatest common divisor here.
        const std::int64_t ua1 = static_cast<std::int64_t>(std::fabs(a1));
        const std::int64_t ub1 = static_cast<std::int64_t>(std::fabs(b1));
        const std::int64_t ua2 = static_cast<std::int64_t>(std::fabs(a2));
        const std::int64_t ub2 = static_cast<std::int64_t>(std::fabs(b2));
        G.X = std::fabs(a1);
        G.R1B = std::fabs(a2);
        REDUCE_FRACTION();
        G.P = static_cast<float>(lcm(ua1, ua2));
        G.X = std::fabs(b1);
        G.R1B = std::fabs(b2);
        REDUCE_FRACTION();
        G.Q = static_cast<float>(lcm(ub1, ub2));

        const auto [whole_m1, whole_m2] = choose_multipliers(ua1, ub1, ua2, ub2, lcm(ua1, ua2), lcm(ub1, ub2));
        const double dm1 = static_cast<double>(whole_m1), dm2 = static_cast<double>(whole_m2);
        const float m1 = G.GX3(5), m2 = G.GX3(6);

        G.T(kGivenX1) = a1;
        G.T(kGivenY1) = b1;
        G.F(kGivenRight1) = c1;
        G.T(kGivenX2) = a2;
        G.T(kGivenY2) = b2;
        G.F(kGivenRight2) = c2;
        G.T(kMultiplier1) = m1;
        G.T(kMultiplier2) = m2;
        G.T(kUpperX) = m1 * a1;
        G.T(kUpperY) = m1 * b1;
        G.F(kUpperRight) = m1 * c1;
        G.T(kLowerX) = m2 * a2;
        G.T(kLowerY) = m2 * b2;
        G.F(kLowerRight) = m2 * c2;

        // Add or subtract; when either letter could cancel, y does.
        if (G.T(kUpperY) - G.T(kLowerY) == 0) G.F(kOperation) = -1;
        else if (G.T(kUpperY) + G.T(kLowerY) == 0) G.F(kOperation) = 1;
        else if (G.T(kUpperX) - G.T(kLowerX) == 0) G.F(kOperation) = -1;
        else G.F(kOperation) = 1;

        G.T(kCombinedX) = G.T(kUpperX) + G.F(kOperation) * G.T(kLowerX);
        G.T(kCombinedY) = G.T(kUpperY) + G.F(kOperation) * G.T(kLowerY);
        G.F(kCombinedRight) = G.F(kUpperRight) + G.F(kOperation) * G.F(kLowerRight);

        // Numbers too large to be worked exactly would show a wrong solution.
        const double s = G.F(kOperation);
        const double combined = dm1 * c1 + s * dm2 * c2;
        const bool exact = held_exactly({dm1 * a1, dm1 * b1, dm1 * c1, dm2 * a2, dm2 * b2, dm2 * c2,
                                         dm1 * a1 + s * dm2 * a2, dm1 * b1 + s * dm2 * b2, combined});
        // The receiving equation px+qy=c (or qx+py=c), the first value being
        // combined/d: the product p*combined, then either what is left of c
        // when its whole term is moved across, or the fractions over d and
        // over d*q.
        const auto substitution_exact = [&](double p, double q, double c, double d) {
            const double product = p * combined;
            if (!held_exactly({product})) return false;
            if (std::fmod(product, d) == 0) return held_exactly({c - product / d});
            return held_exactly({c * d - product, d * q});
        };

        // The value found first goes into the equation in which its letter
        // has the smaller coefficient, the first one on a tie.
        if (!exact) {
            draw_cannot_solve();
        } else if (G.T(kCombinedX) == 0 && G.T(kCombinedY) != 0) {
            G.XI0 = std::fabs(G.T(kGivenY1)) <= std::fabs(G.T(kGivenY2)) ? 1 : 2;
            if (G.XI0 == 1 ? substitution_exact(b1, a1, c1, G.T(kCombinedY))
                           : substitution_exact(b2, a2, c2, G.T(kCombinedY)))
                SHOW_SOLUTION_Y_FIRST();
            else draw_cannot_solve();
        } else if (G.T(kCombinedY) == 0 && G.T(kCombinedX) != 0) {
            G.XI0 = std::fabs(G.T(kGivenX1)) <= std::fabs(G.T(kGivenX2)) ? 1 : 2;
            if (G.XI0 == 1 ? substitution_exact(a1, b1, c1, G.T(kCombinedX))
                           : substitution_exact(a2, b2, c2, G.T(kCombinedX)))
                SHOW_SOLUTION_X_FIRST();
            else draw_cannot_solve();
        } else {
            draw_cannot_solve();
        }
    }

    G.CCC3$.clear();
    G.ENZAN$.clear();
    G.AA = 0;
}
