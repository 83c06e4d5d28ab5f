// The text line chain: how every page draws its pieces of text. A piece is
// drawn by the formula display at a top-left position in a palette colour;
// the chain's cursor is B2 (the current line's y) and YI1 (the x where the
// last piece ended), with B1 the page's left margin. These are the lowest
// pieces of the page module (engine/shell/page.h adds boxes, braces, cells,
// the unit cycle and the drill loop; engine/solver/hand_over.h the solver).
#pragma once
#include "engine/globals.h"

namespace page {

// Draws `text` at (x, y) in `colour`; the chain's cursor stays where it was
// (DSM1 is left at the x where the text ended).
void fixed(float colour, float x, float y, const Str& text);
// A piece of the chain: drawn at (x, y), after which YI1 is where it ended
// and B2 is y.
void at(float colour, float x, float y, const Str& text);
// The next piece on the current line, where the last one ended.
void cont(float colour, const Str& text);
// A piece on a new line at the margin B1, `step` below the current line.
void line(float colour, float step, const Str& text);
// A piece of a page's second column (its notes beside the working), which
// keeps its own cursor: afterwards YJ1 is where it ended and B3 is y, while
// B2 and YI1 stay.
void note(float colour, float x, float y, const Str& text);
// The next piece on the second column's current line.
void note_cont(float colour, const Str& text);
// A piece of blanks at (x, y): draws nothing visible and moves the cursor by
// the blanks' advance (27 each).
void blank(float x, float y, const Str& blanks);

// A row of changed signs over the subtracted row of a column subtraction
// ("+-  -  -"): each sign stands in the column of the term it belongs to.
// The cursor is not moved.
void sign_row(float colour, float x, float y, const Str& signs);

// The drawn width of a text in the formula mark-up (writes A$ and TY); the
// tall-bracket switch is left as it was, so a text measured first is drawn
// in the same mode.
float measure(const Str& text);
// A number as display text: plain digits, "-" in front when negative, no
// spaces (writes A$).
Str number_text(float value);

}  // namespace page
