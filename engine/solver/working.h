// The working pages of the elimination solver. Both draw the same way up to
// the value found first and the sentence that names the equation it is put
// into; only the back-substitution after that differs with the letter.
#pragma once
#include "engine/globals.h"

namespace solver {

// Which letter the combined equation gives first.
enum class First { X, Y };

// The working of the system the solver has set up, from the given system to
// the sentence that names the receiving equation: the back-substitution
// numbers and every text prepared, the given system with its brace, the
// operation line, the multiplied rows as a column addition or subtraction,
// the combined equation with the value found first, and the sentence, whose
// end and line are handed back in GX3(1) and GY3(1). Leaves B1 at the work
// area's edge and B2 on the sentence's line.
void show_elimination(First first);

// A key pause made only when the caller asked for a pause at every step.
void pause_if_every_step();

// The solution pair, 30 right of the last value on its line, unless the
// caller left it out (LLT 1).
void show_solution_pair();

}  // namespace solver
