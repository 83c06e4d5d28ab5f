// The working when the multiplied y terms cancel: x comes first, then y by
// putting x into one of the given equations.
#include "engine/shell/shell.h"
#include "engine/solver/solver.h"
#include "engine/solver/working.h"
#include "engine/text/chain.h"
#include "engine/text/text.h"

using namespace solver;

void SHOW_SOLUTION_X_FIRST() {
    prepare_values(First::X);

    // Coefficient texts. Here the y coefficient of the receiving equation gets
    // the 1/-1 rule and its sign, while its x coefficient keeps its digits:
    // the working writes "1*" before the value of x.
    coefficient_loop();
    multiplier_marks();
    unit_rule(28);
    if (G.T(28) > 0) G.A1$(28) = "+" + G.A1$(28);
    plus_before_y_terms();
    sign_texts();

    // The given system, then the multiplied one laid out for the columns.
    lay_out_rows(21, 21, G.YI1 + 40);
    draw_given_system();
    lay_out_rows(1, 11, G.II + 40);
    PAUSE_FOR_KEY();

    // Which equation is multiplied by what, and how they are combined.
    G.B1 = G.II;
    page::at(3, G.B1, G.B2 + 50,
                   G.CCC3$ + G.A1$(25) + G.TITLE$(1) + G.ENZAN$ + G.A1$(26));
    PAUSE_FOR_KEY();

    draw_column_work();
    draw_sign_row();

    // The combined equation holds x alone, its x term ending under the x
    // column and its right side under the rows' "=". A coefficient 1 makes it
    // the value itself, which is then highlighted and not repeated.
    const float colour = G.T(5) == 1 ? 3 : 0;
    G.Y7(8) = G.Y7(6) - page::measure(G.A1$(5) + "x");
    pause_if_every_step();
    page::fixed(colour, G.Y7(8), G.B2 + 50, G.A1$(5) + "x");
    page::at(colour, G.Y7(7), G.B2 + 50, "=" + G.TITLE$(13));
    const float value_x = first_value_x(G.YI1);
    pause_if_every_step();

    G.YY$ = G.T(5) == 1 ? Str() : "x=" + G.REI0Y$;
    page::at(3, value_x, G.B2, G.YY$);
    PAUSE_FOR_KEY();

    // Back-substitution; callers that redo it themselves erase from the
    // sentence's line, which is handed back in GX3(1) and GY3(1).
    G.SIKI$ = G.XI0 == 1 ? G.CCC3$ : G.ENZAN$;
    page::at(7, G.B1, G.B2 + 60, SJ("この値を") + G.SIKI$ + SJ("に代入して"));
    G.GX3(1) = G.DSM1;
    G.GY3(1) = G.DSM2;
    PAUSE_FOR_KEY();

    page::at(0, G.B1, G.B2 + 50,
                   G.A1$(27) + "*" + G.A21$ + G.A1$(28) + "y" + "=" + G.TITLE$(23));
    page::at(0, G.B1, G.B2 + 50, G.TITLE$(14) + G.A1$(28) + "y=" + G.TITLE$(23));

    // The y term now starts its line: it loses its "+", and a coefficient 1
    // leaves the bare letter. The moved term is joined with "+" when it is
    // zero or positive (x = 0 gives "y=3+0=3").
    if (G.T(28) > 0) {
        G.A$ = G.A1$(28);
        STRIP_LEADING_PLUS();
        G.A1$(28) = G.A$;
    }
    G.TKAI2 = G.T(28) == 1 ? 3 : 0;
    if (G.F(15) >= 0) G.TITLE$(15) = "+" + G.TITLE$(15);
    page::at(G.TKAI2, G.B1, G.B2 + 50, G.A1$(28) + "y");
    pause_if_every_step();
    page::at(0, G.YI1, G.B2, "=" + G.TITLE$(23) + G.TITLE$(15));
    page::at(G.TKAI2, G.YI1, G.B2, "=" + G.TITLE$(16));
    pause_if_every_step();

    page::at(3, G.B1, G.B2 + 60, G.T(28) == 1 ? Str() : "y=" + G.N$);
    if (G.LLT != 1)
        page::at(5, G.YI1 + 30, G.B2, "(x,y)=(" + G.REI0Y$ + "," + G.N$ + ")");
}
