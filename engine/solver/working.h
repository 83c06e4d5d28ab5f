// Pieces shared by the two working pages of the elimination solver: the
// numbers and texts they both prepare before drawing, and the few drawing
// steps that the two pages lay out in the same way.
#pragma once
#include "engine/globals.h"

namespace solver {

// Which letter the combined equation gives first.
enum class First { X, Y };

// The back-substitution numbers, every number text, and the value texts of
// x and y (REI0Y$, A21$, N$, A41$), in that order.
void prepare_values(First first);

// Coefficient texts common to both pages: a coefficient 1 written as nothing
// and -1 as "-" on elements 1 to 6 and 21 to 26, then the multiplier marks.
void unit_rule(int k);
void coefficient_loop();
void multiplier_marks();
// "+" in front of the y coefficients 2, 22, 4, 24 when positive.
void plus_before_y_terms();
// The operation sign and the signs the subtracted row takes.
void sign_texts();

// Lays out (without drawing) the two rows built from the coefficient texts
// A1$(base..base+3) and the right sides TITLE$(right), TITLE$(right+1),
// with the x column starting at `left`: R$(1)..R$(6) and Y7(1)..Y7(7).
void lay_out_rows(int base, int right, float left);
// Draws the given system: the brace at the caller's DSM1 and the two rows,
// each followed by its label. Leaves B2 on the second row.
void draw_given_system();
// The multiplied rows as a column addition or subtraction from B1, one line
// below B2; leaves B2 on the lower row and YJ3 on the value column.
void draw_column_work();
// The row of changed signs between the two rows of a subtraction.
void draw_sign_row();
// Where the value found first starts on the combined equation's line, whose
// text ends at `row_end`: the value column YJ3, or a half-width space after
// the row when the row reaches into that column.
float first_value_x(float row_end);

// A key pause made only when the caller asked for a pause at every step.
void pause_if_every_step();

}  // namespace solver
