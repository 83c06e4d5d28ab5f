// The page module: the patterns every lesson page is built from, so that a
// page reads like its table, one call per row. Each call writes the same
// shared variables as the steps it stands for (the chain's cursor B1, B2,
// YI1, the text position DSM1, DSM2, the colour YMOTO, the cell and brace
// inputs), so code that reads them afterwards sees what it would see after
// the steps themselves.
//
//   the text line chain  engine/text/chain.h (fixed, at, cont, line, blank,
//                        measure, number_text)
//   boxes, braces, rows kept as data, cells, the unit cycle and the drill
//   loop   here
//   the hand-over to the solver   engine/solver/hand_over.h
#pragma once
#include <functional>
#include <initializer_list>
#include <vector>

#include "engine/globals.h"
#include "engine/platform/draw.h"
#include "engine/shell/shell.h"
#include "engine/text/chain.h"
#include "engine/text/text.h"

namespace page {

// ------------------------------------------------------------ boxes
// Paints a box from (x, y), w wide and h high, with the page background
// (page clears are larger than the window and rely on clipping).
inline void clear(float x, float y, float w, float h) { draw::erase_rect(x, y, w, h); }
// A key pause: the shell's PAUSE_FOR_KEY, named as a page's other rows are,
// which is how pages call it.
inline void pause() { PAUSE_FOR_KEY(); }

// ------------------------------------------------------------ braces
// A brace `height` high with its top-left at (x, y), in `colour`.
void brace(float x, float y, float height = 100, float colour = 0);
// A braced system: the brace at (x, y) and the two equations `gap` right of
// it, the first on y and the second `step` below, both as pieces of the
// chain (afterwards YI1 is where the second ended and B2 is its line).
void braced_system(float x, float y, const Str& first, const Str& second, float gap = 40, float step = 50,
                   float colour = 0);
// A label at (x, y) as a piece of the chain, then a braced system whose
// brace stands `brace_gap` right of the label's end.
void labelled_system(float label_colour, const Str& label, float x, float y, const Str& first, const Str& second,
                     float brace_gap = 38);
// A system's brace as a piece of the chain: the brace (colour 0) at (x, y),
// after which the cursor is where the system's first equation starts (YI1
// 40 right of x, B2 = y).
void system_brace(float x, float y, float height = 100);

// ------------------------------------------------------------ rows as data
// Where a page keeps its rows as data (a list of answer pages, the working
// under a system), each row is the call it stands for, made by the Row
// function of the same name: Row::at(0, 80, 130, text) is at(0, 80, 130,
// text) kept for later, Row::line(0, 50, text) is line(0, 50, text), and so
// on. draw_rows() makes the calls in order, with a key pause after each row
// marked kPause.
inline constexpr bool kPause = true;
struct Row {
    enum Kind { At, Line, Cont, Brace };
    Kind kind = At;
    float colour = 0;
    float x = 0, y = 0;  // At, Brace
    float step = 0;      // Line
    float height = 0;    // Brace
    Str text;
    bool pause_after = false;

    static Row at(float colour, float x, float y, const Str& text, bool pause = false) {
        return {At, colour, x, y, 0, 0, text, pause};
    }
    static Row line(float colour, float step, const Str& text, bool pause = false) {
        return {Line, colour, 0, 0, step, 0, text, pause};
    }
    static Row cont(float colour, const Str& text, bool pause = false) {
        return {Cont, colour, 0, 0, 0, 0, text, pause};
    }
    static Row system_brace(float x, float y, float height = 100) { return {Brace, 0, x, y, 0, height, {}, false}; }
};
void draw_rows(const std::vector<Row>& rows);

// A system worked by hand under its label: `label` in colour 3 at (x, y),
// the system braced right after it (its equations 40 right of the brace, 50
// apart), then the rows of the working with the margin B1 at `margin`.
void worked_system(const Str& label, float x, float y, float margin, const Str& first, const Str& second,
                   const std::vector<Row>& working);

// ------------------------------------------------------------ column working
// A column addition or subtraction in `colour` from (x, y): `upper` over
// `lower`, `pitch` apart, both from x + 54, the operation `sign` before the
// lower row, and a rule in `rule_colour` under them. Afterwards B2 is the
// lower row's y and XJ2 the x of the rows (where a result row starts).
void column_working(float x, float y, const Str& upper, const Str& lower, const Str& sign = "-", float pitch = 50,
                    float rule_colour = 0, float colour = 0);

// ------------------------------------------------------------ cells
// A table cell with its top-left at (x, y): filled with `fill`, edged in
// `border`, `text` centred in `text_colour`. A cell is a piece of the chain
// like a text: afterwards YI1 (and DSM1) is its right edge and B2 (and DSM2)
// its top, so that the rows under a table go on from its last cell.
void cell(float x, float y, float w, float h, float fill, float text_colour, const Str& text, float border = 3);
// The same cell with the chain's cursor left where it was (DSM1 and DSM2 as
// after cell()): a table that stands beside the working, or a value filled
// into a table already drawn while the working goes on elsewhere.
void fixed_cell(float x, float y, float w, float h, float fill, float text_colour, const Str& text, float border = 3);
// A box of two lines, `upper` over `lower` (an empty lower line puts the
// upper one lower in the box), a piece of the chain as a cell is.
void two_line_box(float x, float y, float w, float h, float fill, float text_colour, const Str& upper, const Str& lower,
                  float border = 3);
// A boxed page title: the title cell (46 high, edged 3, filled 13, text 0)
// and, 10 right of it, the number cell (44 high, edged 4, filled 3, text 13),
// both pieces of the chain (afterwards YI1 is the number cell's right edge
// and B2 is y).
void boxed_title(float x, float y, const Str& title, float title_width, const Str& number, float number_width);

// ------------------------------------------------------------ the unit cycle
// An aim page: "<めあて>" in `heading_colour` at (44, 240), then each
// sentence in colour 0 on a new line 65 below, `indent` right of the margin.
// The page is cleared first when `clear_first`.
void aim_page(bool clear_first, float heading_colour, float indent, std::initializer_list<Str> sentences);

using Section = void (*)();
// A unit's section menu: shows `menu_line` in the bottom strip and runs the
// section of the item typed (1 to n-1), then asks again over the section's
// last page; item n (one more than there are sections) returns, to the main
// menu. A number outside 1 to n asks again.
void section_menu(const Str& menu_line, std::initializer_list<Section> sections);

// ------------------------------------------------------------ the drill loop
// Draws and shows a problem, then asks for the next step, until the student
// types exactly 1 (AINP is 3 before the first problem). `after_ask` runs
// after each answer, whatever it was.
void drill(const std::function<void()>& problem, const std::function<void()>& after_ask = {});

}  // namespace page
