// The working when the multiplied x terms cancel: y comes first, then x by
// putting y into one of the given equations.
#include "engine/solver/slots.h"
#include "engine/solver/solver.h"
#include "engine/solver/working.h"
#include "engine/text/chain.h"

using namespace solver;
using namespace solver::slot;

void SHOW_SOLUTION_Y_FIRST() {
    show_elimination(First::Y);

    // y put into the receiving equation behind its coefficient and sign
    // ("x+1*2=5"), in brackets when negative.
    page::line(0, 50, G.A1$(kReceivingX) + "x" + G.A1$(kReceivingY) + "*" + G.A41$ + "=" + G.TITLE$(kReceivingRight));
    pause_if_every_step();

    // Zero terms are joined with "+" like positive ones ("3x+0=-3").
    if (G.F(kFirstTerm) >= 0) G.TITLE$(kFirstTerm) = "+" + G.TITLE$(kFirstTerm);
    page::line(0, 50, G.A1$(kReceivingX) + "x" + G.TITLE$(kFirstTerm) + "=" + G.TITLE$(kReceivingRight));
    pause_if_every_step();

    // The x term alone on the left; with a coefficient 1 this line gives x,
    // so its two ends are highlighted.
    G.TKAI2 = G.T(kReceivingX) == 1 ? 3 : 0;
    page::line(G.TKAI2, 50, G.A1$(kReceivingX) + "x=");
    pause_if_every_step();
    if (G.F(kMovedTerm) >= 0) G.TITLE$(kMovedTerm) = "+" + G.TITLE$(kMovedTerm);
    page::at(0, G.YI1, G.B2, G.TITLE$(kReceivingRight) + G.TITLE$(kMovedTerm) + "=");
    pause_if_every_step();
    page::at(G.TKAI2, G.YI1, G.B2, G.TITLE$(kOtherTerm));
    pause_if_every_step();

    page::line(3, 60, G.T(kReceivingX) == 1 ? Str() : "x=" + G.REI0Y$);
    pause_if_every_step();
    show_solution_pair();
}
