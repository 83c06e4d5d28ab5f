// The page module's hand-over to the elimination solver (see
// engine/shell/page.h): the pages that solve a system set the whole pair and
// its labels afresh before every call, because the solver overwrites them.
#pragma once
#include <initializer_list>

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

// Solves `system` in a column of its own from the top of the page: the
// working's left x is `work_x` (II), the page's margin `margin` (B1), and a
// piece of two blanks on the top line (30) at the margin puts the given
// system's brace two blanks right of it. On return B1 is `work_x` and B2 the
// y of the working's last line (520 below the top line).
void solve_in_column(float work_x, float margin, const System& system, const Str& label1 = {}, const Str& label2 = {});

// ------------------------------------------------------------ answer pages
// An item of an answer page: its label in colour 3 at the top of the column
// from `column`, and the system solved beside it (the solver's column).
void answer_item(float column, const Str& label, const System& system);
// The first item of an answer page: the question in colour 7 at the top of
// the left column (x 40), the item's label in colour 3 after it, and the
// system solved beside them.
void first_answer_item(const Str& question, const Str& label, const System& system);
// An answer page of two items: the page cleared, "(1)" after the question on
// the left, a key pause, "(2)" at the top of the right column (x 640).
void two_item_answer_page(const Str& question, const System& first, const System& second);

// ------------------------------------------------------------ drill pages
// A drill's problem page for the system a generator has left in GX3/GY3:
// the work area cleared, the instructions in colour 3 from (40, 30), 50
// apart, the label in colour 3 at (column, 30), and the system solved beside
// the label with a key pause at every step.
void drill_problem(std::initializer_list<Str> instructions, float column, const Str& label);

}  // namespace page
