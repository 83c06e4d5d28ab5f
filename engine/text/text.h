// Formula text display: every text of both programs is drawn through these
// routines. They take their inputs from and leave their results in the shared
// state (engine/globals.h).
#pragma once
#include "engine/globals.h"

void MU();                     // draw KKAI$ at (DSM1, DSM2) in YMOTO; DSM1 = x after it
void DRAW_TOKENS();            // draw A$ glyph by glyph
void DRAW_STACKED_FRACTION();  // draw the fraction segment in A$
void MEASURE_TEXT();           // TY = the advance of A$
void REDUCE_FRACTION();        // X / R1B in lowest terms, with its texts
void GCD_LCM();
void STRIP_MARKUP();
void DRAW_PROMPT_TEXT();  // KKAI$ in 16-unit cells
void DRAW_WIDE_TEXT();
void TO_FULL_WIDTH_CHAR();
void STRIP_SPACES();  // A$ without half-width spaces
void COMBINE_FRACTIONS();
void RESEED_FROM_CLOCK();  // the random generator seeded from the clock again

// A text drawn as itself, without the formula mark-up and its letter styles,
// in the face, size and glyph advances of MU's plain characters (a name such
// as the course title is not a formula). Leaves DSM1 at the x after it.
void show_plain_text(float colour, float x, float y, const Str& text);

// The small text style: fixed advances, no mark-up.
void SHOW_SMALL_TEXT();          // draw KKAI$ at (DSM1, DSM2); DSM1 = x after it
void MEASURE_SMALL_TEXT();       // TY = the advance of A$ in the small style
void DRAW_SMALL_TEXT_CELL();     // a filled box with A$ centred in it
void DRAW_SMALL_TWO_LINE_BOX();  // a filled box with YY$ above T$
