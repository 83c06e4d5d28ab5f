#include "engine/solver/hand_over.h"

#include "engine/solver/solver.h"
#include "engine/text/pieces.h"

namespace page {

void solve(const System& system, const Str& label1, const Str& label2, float every_step) {
    G.GX3(1) = system.a1;
    G.GX3(2) = system.b1;
    G.GX3(3) = system.a2;
    G.GX3(4) = system.b2;
    G.GY3(1) = system.c1;
    G.GY3(2) = system.c2;
    G.CCC3$ = label1;
    G.ENZAN$ = label2;
    G.AA = every_step;
    SOLVE_BY_ELIMINATION();
}

void solve_in_column(float work_x, float margin, const System& system, const Str& label1, const Str& label2) {
    G.II = work_x;
    G.B1 = margin;
    G.B2 = 30;
    at(3, G.B1, G.B2, "  ");
    solve(system, label1, label2);
}

}  // namespace page
