// What the answer pages of Talisse's units 5 to 7 share: a page that opens
// with its boxed title, lines of working at the margin, and the column a
// solver run starts in.
#pragma once
#include <initializer_list>

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
inline void mastery_page(const Str& number, float ii, float b1) {
    titled_page(mastery_title(), 360, number, ii, b1);
}

// A new column that starts again at the top line: II, B1 and B2 = 30.
void column(float ii, float b1);

// A line of working: `step` below the current line at the margin B1.
struct Line {
    float step;
    float colour;
    Str text;
};
// Each line at nl+step in turn.
void lines(std::initializer_list<Line> rows);

// A given system: the brace (`height` high, colour 0) at (x, y), the first
// equation 40 right of it on its line (fixed), the second under it `step`
// lower as a piece of the chain.
void given_system(float x, float y, const Str& first, const Str& second, float step = 50, float height = 100);

}  // namespace answers
