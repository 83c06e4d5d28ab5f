// What the helper routines share among themselves.
#pragma once
#include "engine/globals.h"

namespace helpers {

// Pi as the geometry routines take it (AX).
inline constexpr float kPi = 3.14159f;

// The direction of the way (dx, dy) on the page (y downwards), counter-
// clockwise from +x, from the arctangent of dx/dy: 0 <= angle < 2 AX (up to
// rounding); no way at all (0, 0) gives AX. Reads AX.
float direction_angle(float dx, float dy);

// A label's one-off settings back to their defaults (TYY, ZY0$, EX, EY, LCM1,
// XI5), as after every label.
void end_label();

// The text of a number (a whole number as its digits, "-" before a
// negative one, no leading zero below 1) without spaces; uses A$.
Str number_text(float value);

// Whether a loop counter, taken as the nearest whole number, is a multiple
// of 5 (a heavier line of a grid or plane).
bool fifth_step(float counter);

// A counted loop as the lesson code counts: `counter` starts at `first`, the
// body runs once before any test, then again after each step of 1 while the
// counter is not above `last`, which is read once at the start.
template <class Body>
void count_up(float& counter, float first, float last, Body body) {
    const float bound = last;
    counter = first;
    do {
        body();
        counter += 1;
    } while (counter <= bound);
}

}  // namespace helpers
