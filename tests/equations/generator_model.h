// The shared steps of the random system generators written out from their
// rules, driven by a source of random whole numbers draw(n, k) =
// floor(r*n + k): the tests compare the generators with models built from
// these, draw for draw.
#pragma once
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <utility>
#include <vector>

#include "engine/globals.h"

namespace generator_model {

using Draw = std::function<float(float, float)>;

struct System {
    float x, y, a1, b1, a2, b2, c1, c2;
    bool operator==(const System&) const = default;
};

// What a generator has left in the shared state.
inline System returned() { return {G.DSM1, G.DSM2, G.GX3(1), G.GX3(2), G.GX3(3), G.GX3(4), G.GY3(1), G.GY3(2)}; }

// A draw source that hands out the given whole numbers in turn.
inline Draw scripted(std::vector<float> values, size_t* used) {
    return [values, used](float n, float k) {
        const float v = values.at((*used)++);
        EXPECT_TRUE(v >= k && v <= k + n - 1) << v << " drawn from " << n << ", " << k;
        return v;
    };
}

// A value negated on a coin of 0.
inline float signed_value(float v, const Draw& draw) { return draw(2, 0) == 0 ? -v : v; }

// The solution: x and y from 1 to 5, then a sign for each.
inline std::pair<float, float> solution(const Draw& draw) {
    const float x = draw(5, 1), y = draw(5, 1);
    return {signed_value(x, draw), signed_value(y, draw)};
}

// The coefficient pool 2, 3, 5, 7, 6, 8, 9: a pick from the first k left,
// then its sign.
struct Pool {
    std::vector<float> left = {2, 3, 5, 7, 6, 8, 9};
    float pick(float k, const Draw& draw) {
        const size_t pos = static_cast<size_t>(draw(k, 1)) - 1;
        const float v = left.at(pos);
        left.erase(left.begin() + static_cast<long>(pos));
        return signed_value(v, draw);
    }
};

// The shuffle (1 letters, 2 equations, 3 both, 4 neither) and the right
// sides of the result.
inline System shuffled(float x, float y, float a1, float b1, float a2, float b2, const Draw& draw) {
    const int shuffle = static_cast<int>(draw(4, 1));
    if (shuffle == 2 || shuffle == 3) {
        std::swap(a1, a2);
        std::swap(b1, b2);
    }
    if (shuffle == 1 || shuffle == 3) {
        std::swap(a1, b1);
        std::swap(a2, b2);
    }
    return {x, y, a1, b1, a2, b2, a1 * x + b1 * y, a2 * x + b2 * y};
}

}  // namespace generator_model
