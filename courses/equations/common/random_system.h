// Random systems of two linear equations with a whole-number solution, for
// the drills that judge or solve such systems.
#pragma once
#include "engine/globals.h"

// A random system a1x+b1y=c1, a2x+b2y=c2 and the pair that solves it:
// a1, b1, a2, b2 in GX3(1..4), c1, c2 in GY3(1..2), x in DSM1, y in DSM2.
// The four coefficients are different magnitudes from 2, 3, 5, 6, 7 with
// random signs, and neither coefficient of an unknown divides the other;
// 1 <= |x|, |y| <= 5. Uses GY5(1..7), TATE, A1 and XW as scratch.
void MAKE_RANDOM_SYSTEM();
