#include "engine/solver/hand_over.h"

#include "engine/solver/solver.h"

namespace page {

System drawn_system() { return {G.GX3(1), G.GX3(2), G.GY3(1), G.GX3(3), G.GX3(4), G.GY3(2)}; }

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

}  // namespace page
