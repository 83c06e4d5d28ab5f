// Random systems of two linear equations with a whole-number solution, for
// the drills that judge or solve such systems, and the steps their
// generators share.
#pragma once
#include "engine/globals.h"

// A random system a1x+b1y=c1, a2x+b2y=c2 and the pair that solves it:
// a1, b1, a2, b2 in GX3(1..4), c1, c2 in GY3(1..2), x in DSM1, y in DSM2.
// The four coefficients are different magnitudes from 2, 3, 5, 6, 7 with
// random signs, and neither coefficient of an unknown divides the other;
// 1 <= |x|, |y| <= 5. Uses GY5(1..7), TATE, A1 and XW as scratch.
void MAKE_RANDOM_SYSTEM();

namespace random_system {

// The solution: x into DSM1, y into DSM2, each 1 to 5, then a random sign on
// x and one on y (four draws).
void solution_draw();
// Negates `value` on a draw of 0 (half the time); the draw stays in XW.
void random_sign(float& value);
// The coefficient pool GY5(1..7) refilled with 2, 3, 5, 7, 6, 8, 9.
void refill_pool();
// Takes one of the first k of the n live pool entries (TATE is where) and
// closes the gap, so that the live pool is the first n - 1 entries
// afterwards; the last entry keeps its value.
float pool_pick(float k, float n);
// Swaps the unknowns, the equations, both, or neither (TATE 1 to 4) of the
// system in GX3(1..4).
void shuffle();
// The right sides GY3(1..2) of the system in GX3(1..4) at (DSM1, DSM2);
// false when one of them lies beyond 99 either way.
bool right_sides_within_bound();

}  // namespace random_system
