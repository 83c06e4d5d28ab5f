// The page module's hand-over to the elimination solver (see
// engine/shell/page.h): the pages that solve a system set the whole pair and
// its labels afresh before every call, because the solver overwrites them.
#pragma once
#include "engine/globals.h"

namespace page {

struct System {
    float a1, b1, c1;  // a1x + b1y = c1
    float a2, b2, c2;  // a2x + b2y = c2
};

// The system a random generator has left in GX3(1..4) and GY3(1..2).
System drawn_system();

// Solves `system` on the page through the solver, the given system's brace
// standing at the caller's DSM1 (a blank piece of the chain usually puts it
// there), with the equation labels `label1` and `label2` ("①" and "②" when
// empty). `every_step` 1 makes the solver pause at every step (AA).
void solve(const System& system, const Str& label1 = {}, const Str& label2 = {}, float every_step = 0);

}  // namespace page
