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
