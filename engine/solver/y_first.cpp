// The working when the multiplied x terms cancel: y comes first, then x by
// putting y into one of the given equations.
#include "engine/shell/shell.h"
#include "engine/solver/solver.h"
#include "engine/solver/working.h"
#include "engine/text/chain.h"
#include "engine/text/text.h"

using namespace solver;

void SHOW_SOLUTION_Y_FIRST() {
    prepare_values(First::Y);

    // Coefficient texts. Here the x coefficient of the receiving equation gets
    // the 1/-1 rule, while its y coefficient keeps its digits behind its sign:
    // the working writes "+1*" before the value of y.
    coefficient_loop();
    multiplier_marks();
    unit_rule(27);
    if (G.T(28) > 0) G.A1$(28) = "+" + G.A1$(28);
    plus_before_y_terms();
    sign_texts();

    // The given system, then the multiplied one laid out for the columns.
    lay_out_rows(21, 21, G.YI1 + 40);
    draw_given_system();
    lay_out_rows(1, 11, G.II + 40);
    PAUSE_FOR_KEY();

    // Which equation is multiplied by what, and how they are combined; on
    // this page the line is set in from the work area's edge.
    G.B1 = G.II;
    page::at(3, G.B1 + 64, G.B2 + 50,
                   G.CCC3$ + G.A1$(25) + G.TITLE$(1) + G.ENZAN$ + G.A1$(26));
    PAUSE_FOR_KEY();

    draw_column_work();
    pause_if_every_step();
    draw_sign_row();

    // The combined equation holds y alone, its y term ending under the y
    // column and its right side under the rows' "=". A coefficient 1 makes it
    // the value itself, which is then highlighted and not repeated.
    const float colour = G.T(6) == 1 ? 3 : 0;
    G.Y7(8) = G.Y7(7) - page::measure(G.A1$(6) + "y");
    pause_if_every_step();
    page::fixed(colour, G.Y7(8), G.B2 + 50, G.A1$(6) + "y");
    page::at(colour, G.Y7(7), G.B2 + 50, "=" + G.TITLE$(13));
    const float value_x = first_value_x(G.YI1);
    pause_if_every_step();

    G.YY$ = G.T(6) == 1 ? Str() : "y=" + G.N$;
    page::at(3, value_x, G.B2, G.YY$);
    PAUSE_FOR_KEY();

    // Back-substitution; callers that redo it themselves erase from the
    // sentence's line, which is handed back in GX3(1) and GY3(1).
    G.SIKI$ = G.XI0 == 1 ? G.CCC3$ : G.ENZAN$;
    page::at(7, G.B1, G.B2 + 60, SJ("この値を") + G.SIKI$ + SJ("に代入して"));
    G.GX3(1) = G.DSM1;
    G.GY3(1) = G.B2;
    PAUSE_FOR_KEY();

    page::at(0, G.B1, G.B2 + 50,
                   G.A1$(27) + "x" + G.A1$(28) + "*" + G.A41$ + "=" + G.TITLE$(23));
    pause_if_every_step();

    // Zero terms are joined with "+" like positive ones ("3x+0=-3").
    if (G.F(14) >= 0) G.TITLE$(14) = "+" + G.TITLE$(14);
    page::at(0, G.B1, G.B2 + 50, G.A1$(27) + "x" + G.TITLE$(14) + "=" + G.TITLE$(23));
    pause_if_every_step();

    // The x term alone on the left; with a coefficient 1 this line gives x,
    // so its two ends are highlighted.
    G.TKAI2 = G.T(27) == 1 ? 3 : 0;
    page::at(G.TKAI2, G.B1, G.B2 + 50, G.A1$(27) + "x=");
    pause_if_every_step();
    if (G.F(15) >= 0) G.TITLE$(15) = "+" + G.TITLE$(15);
    page::at(0, G.YI1, G.B2, G.TITLE$(23) + G.TITLE$(15) + "=");
    pause_if_every_step();
    page::at(G.TKAI2, G.YI1, G.B2, G.TITLE$(16));
    pause_if_every_step();

    page::at(3, G.B1, G.B2 + 60, G.T(27) == 1 ? Str() : "x=" + G.REI0Y$);
    pause_if_every_step();
    if (G.LLT != 1)
        page::at(5, G.YI1 + 30, G.B2, "(x,y)=(" + G.REI0Y$ + "," + G.N$ + ")");
}
