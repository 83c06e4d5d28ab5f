// What the answer pages of Talisse's units 5 to 7 share: a page that opens
// with its boxed title, the column a solver run starts in, and a system
// tidied on the left and solved on the right.
#pragma once
#include <vector>

#include "engine/shell/page.h"
#include "engine/solver/hand_over.h"

namespace answers {

// The two page references of the boxed titles.
inline const Str& check_title() { return SJ("学びをたしかめよう"); }
inline const Str& mastery_title() { return SJ("学びを身につけよう"); }

// Clears the page (1760 by 1800), sets the column origin II, the margin B1
// and the top line B2 = 30, and draws the boxed title at (II, 30): `title`
// in a cell `title_width` wide, the answer's `number` 10 to the right of it.
void titled_page(const Str& title, float title_width, const Str& number, float ii, float b1);
inline void check_page(const Str& number, float ii, float b1) { titled_page(check_title(), 360, number, ii, b1); }
inline void mastery_page(const Str& number, float ii, float b1) { titled_page(mastery_title(), 360, number, ii, b1); }

// A new column that starts again at the top line: II, B1 and B2 = 30.
void column(float ii, float b1);

// A given system: the brace (`height` high, colour 0) at (x, y), the first
// equation 40 right of it on its line (fixed), the second under it `step`
// lower as a piece of the chain.
void given_system(float x, float y, const Str& first, const Str& second, float step = 50, float height = 100);

// A solver run after a lead piece: `lead` (a question's label, or blanks
// that draw nothing) at (x, y) in colour 3 as a piece of the chain, the
// given system's brace at its end, the later lines from II = `ii`.
void run_after(const Str& lead, float x, float y, float ii, const page::System& system, const Str& label1 = {},
               const Str& label2 = {});

// A page without a title: cleared (1600 by 1800, the bottom strip
// included), margin B1 = 40, and the question's `label` at (40, 30) in
// colour 3 as the first piece of the chain.
void untitled_page(const Str& label);

// A system brought into shape on the left of the page and solved on the
// right: the given system braced at (x, y), the tidying lines under it, then
// the solver run in the column from `column_x` (II = B1 = column_x), its
// brace after two blanks at (column_x, 30).
struct Tidied {
    Str first, second;   // the given system
    float step = 50;     // from the first given equation to the second
    float height = 100;  // of the brace
    std::vector<page::Row> tidying;
    page::System system;  // what the solver works
    Str label1, label2;
    float column_x = 608;
};
void tidy_and_solve(float x, float y, const Tidied& t);

}  // namespace answers
