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

// Solves `system` on the page through the solver, the given system's brace
// standing at the caller's DSM1 (a blank piece of the chain usually puts it
// there), with the equation labels `label1` and `label2` ("①" and "②" when
// empty). `every_step` 1 makes the solver pause at every step (AA).
void solve(const System& system, const Str& label1 = {}, const Str& label2 = {}, float every_step = 0);

// Solves `system` in a column of its own from the top of the page: the
// working's left x is `work_x` (II), the page's margin `margin` (B1), and a
// piece of two blanks on the top line (30) at the margin puts the given
// system's brace two blanks right of it. On return B1 is `work_x` and B2 the
// y of the working's last line (520 below the top line).
void solve_in_column(float work_x, float margin, const System& system, const Str& label1 = {},
                     const Str& label2 = {});

}  // namespace page
