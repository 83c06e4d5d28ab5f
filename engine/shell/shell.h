// Course shell: input, prompts, pauses, number texts, table cells, braces and
// column layouts. Like every routine of the course, they work on the shared
// state (engine/globals.h).
#pragma once
#include <array>

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

// ------------------------------------------------------ the course program
// What tells one course program from the other: its flag, its title, the
// eight texts of its main menu and the units behind items 1 to 7.
//
// A unit entry shows the unit's aim page (if it has one), then runs its
// section menu in a loop (ask_section_menu below) and returns when the student
// picks the menu's last item; the main menu is then drawn again. An item with
// no unit behind it (Morvane's item 7, or a unit not built yet) is
// MENU_ITEM_7, which returns at once.
using UnitEntry = void (*)();
struct CourseDef {
    Program program = Program::Morvane;
    const char* title = "";              // UTF-8
    std::array<const char*, 8> items{};  // UTF-8 menu texts of items 1 to 8
    std::array<UnitEntry, 7> units{};    // entries of items 1 to 7
};

// Runs a course program from start-up to its end: start-up, then the main
// menu until item 8 or the window is closed (0). A run-time fault shows the
// error screen, which stays until the window is closed (0). On the headless
// platform, plat::ScriptEnded passes through to the caller.
int run_course(const CourseDef& course);

// Start-up of a course program (window state, font, pen, random seed, start
// values and arrays), without the main menu. It resets the shared state first.
void start_up(const CourseDef& course);
// The shared arrays as start-up creates them (what a test that calls a
// routine without start-up needs too).
void create_shared_arrays();

// The main menu: draws the page, reads a number, ends the program on 8
// (plat::ProgramEnded) and runs the unit of any other item, drawing the page
// again when the unit returns. Never returns.
[[noreturn]] void MAIN_MENU();
// Morvane's item 7, and every item whose unit is not built yet: back to the
// main menu.
void MENU_ITEM_7();
// Shows the fault that ended the lesson and waits until the window is closed
// (plat::WindowClosed). Never returns.
[[noreturn]] void ERROR_SCREEN();

// The item number of a menu value that passed its range test: the fraction is
// cut off (7.6 is item 7), the same in every menu.
int menu_item(float value);

// A unit's section menu: shows `menu_line` in the bottom prompt strip and
// reads a number until it lies within 1 to `items`; erases the strip and
// returns the item (1 to `items`). Leaves A = the typed value, AINP = 10.
int ask_section_menu(const Str& menu_line, int items);
