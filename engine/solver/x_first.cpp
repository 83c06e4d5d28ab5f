// The working when the multiplied y terms cancel: x comes first, then y by
// putting x into one of the given equations.
#include "engine/shell/shell.h"
#include "engine/solver/slots.h"
#include "engine/solver/solver.h"
#include "engine/solver/working.h"
#include "engine/text/chain.h"

using namespace solver;
using namespace solver::slot;

void SHOW_SOLUTION_X_FIRST() {
    show_elimination(First::X);

    // x put into the receiving equation, its coefficient kept before the
    // value ("1*2+y=3"), then the product worked out.
    page::line(0, 50, G.A1$(kReceivingX) + "*" + G.A21$ + G.A1$(kReceivingY) + "y" + "=" + G.TITLE$(kReceivingRight));
    page::line(0, 50, G.TITLE$(kFirstTerm) + G.A1$(kReceivingY) + "y=" + G.TITLE$(kReceivingRight));

    // The y term now starts its line: it loses its "+", and a coefficient 1
    // leaves the bare letter. The moved term is joined with "+" when it is
    // zero or positive (x = 0 gives "y=3+0=3").
    if (G.T(kReceivingY) > 0) {
        G.A$ = G.A1$(kReceivingY);
        STRIP_LEADING_PLUS();
        G.A1$(kReceivingY) = G.A$;
    }
    G.TKAI2 = G.T(kReceivingY) == 1 ? 3 : 0;
    if (G.F(kMovedTerm) >= 0) G.TITLE$(kMovedTerm) = "+" + G.TITLE$(kMovedTerm);
    page::line(G.TKAI2, 50, G.A1$(kReceivingY) + "y");
    pause_if_every_step();
    page::at(0, G.YI1, G.B2, "=" + G.TITLE$(kReceivingRight) + G.TITLE$(kMovedTerm));
    page::at(G.TKAI2, G.YI1, G.B2, "=" + G.TITLE$(kOtherTerm));
    pause_if_every_step();

    page::line(3, 60, G.T(kReceivingY) == 1 ? Str() : "y=" + G.N$);
    show_solution_pair();
}
