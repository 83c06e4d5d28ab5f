// Course shell: input, prompts, pauses, number texts, table cells, braces and
// column layouts. Like every routine of the course, they work on the shared
// state (engine/globals.h).
#pragma once
#include "engine/globals.h"

void PAUSE_FOR_KEY();
void PRESS_KEY_BOX();
void FLUSH_KEYS();
void INPUT_FIELD();
void READ_KEYS();
void PARSE_NUMBER();
void ASK_MENU_NUMBER();
void ASK_SUBMENU_NUMBER();
void ASK_NEXT_STEP();
void ERASE_BOTTOM_STRIP();
void ERASE_INPUT_AREA();
void ERASE_MENU_PROMPT();
void CLEAR_BELOW_TITLE();
void NUMBERS_TO_TEXT();
void DRAW_TABLE_CELL();
void DRAW_TABLE_CELL_ABOVE();
void DRAW_TWO_LINE_BOX();
void STRIP_LEADING_PLUS();
void STRIP_LEADING_SIGN();
void DRAW_BRACE();
void SHOW_COLUMN_ELIMINATION();
void SHOW_COLUMN_ELIMINATION_ALIGNED();
