// Small steps every page of unit 1 is built from: the text line chain, page
// clearing boxes and table cells.
#pragma once
#include "engine/globals.h"
#include "engine/shell/shell.h"
#include "engine/text/text.h"

namespace unit1 {

// Draws `text` at (x, y) in `colour` without moving the text cursor.
inline void draw_text(float colour, float x, float y, const Str& text) {
    G.YMOTO = colour;
    G.DSM1 = x;
    G.DSM2 = y;
    G.KKAI$ = text;
    MU();
}

// One piece of the text line chain: drawn at (x, y), after which the cursor
// is where it ended (YI1) on its line (B2).
inline void chain(float colour, float x, float y, const Str& text) {
    draw_text(colour, x, y, text);
    G.YI1 = G.DSM1;
    G.B2 = G.DSM2;
}

// The next piece on the current line.
inline void follow(float colour, const Str& text) { chain(colour, G.YI1, G.B2, text); }

// Fills a box from (x, y), w wide and h high, with the page background.
inline void clear_box(float x, float y, float w, float h) {
    $PsLINE(0, 0, x, y, 1, w, h, -1, 15, 2, 15, 0, 15);
}

// One table cell with its top-left at (x, y), bordered in colour 3; it leaves
// DSM1 at its right edge and DSM2 at its top.
inline void table_cell(float x, float y, float width, float height, float fill, float text_colour,
                       const Str& text) {
    G.DSM1 = x;
    G.DSM2 = y;
    G.TANI = width;
    G.X8 = height;
    G.NO = 3;
    G.TKAI2 = fill;
    G.YMOTO = text_colour;
    G.A$ = text;
    DRAW_TABLE_CELL();
}

// A whole number as plain digits ("-" in front when negative).
inline Str number_text(float value) {
    G.A$ = $PfSTR244(value);
    STRIP_SPACES();
    return G.A$;
}

}  // namespace unit1
