// Worked pages written as their tables: a page is a list of rows, each a
// text with its colour and top-left, a brace, or a text on the same line as
// the one before, with a key pause after the rows so marked. The answer
// pages of units 5 and 6 then hand a system to the solver in a column of
// their own.
#pragma once
#include <vector>

#include "engine/globals.h"
#include "engine/solver/hand_over.h"

namespace worked {

inline constexpr bool kPause = true;

struct Row {
    enum Kind { Text, SameLine, Brace };
    float colour = 0, x = 0, y = 0;
    Str text;
    bool pause = false;  // a key pause after the row
    Kind kind = Text;
    float height = 0;  // a brace's
};

// A brace `height` high with its top-left at (x, y), in colour 0; the two
// equations of its system start 40 right of it.
inline Row brace(float x, float y, float height) { return {0, x, y, {}, false, Row::Brace, height}; }
// A text where the row before it ended.
inline Row same_line(float colour, const Str& text, bool pause = false) {
    return {colour, 0, 0, text, pause, Row::SameLine};
}

// Draws the rows in order as pieces of the text line chain (after each text
// YI1 is where it ended and B2 its y; after a brace YI1 is 40 right of it and
// B2 its top), pausing after the rows so marked.
void draw(const std::vector<Row>& rows);

// An answer page of a set: on a cleared page (1600 by 1800) the title in
// colour 3 at (margin, 30), the rows, then the page's system solved in its
// column (its working from `work_x`, its brace two blanks right of
// `column_margin`).
struct AnswerPage {
    float margin;
    Str title;
    std::vector<Row> rows;
    float work_x, column_margin;
    page::System pair;
    Str label1, label2;
};

// Shows the pages one after the other, with a key pause between two pages;
// the last page stays on screen without one.
void show_answer_pages(const std::vector<AnswerPage>& pages);

}  // namespace worked
