// Equations unit 2, "加減法1": elimination by adding or subtracting the two
// equations as they stand. Its aim page, its section menu and eight sections.
#pragma once
#include "engine/globals.h"

// The unit behind main-menu item 2: the aim page, then the section menu
// until the student picks its last item (9), when it returns to the main menu.
void UNIT2_ENTRY();

void SHOW_AIM_ELIMINATION();
// The section menu: asks for a section, runs it, and asks again; returns on 9.
void UNIT2_SECTION_MENU();

void UNIT2_FIND_METHOD_PAGE();  // ① pencils and notebooks, then the same as a system
void UNIT2_STEPS_PAGE();        // ② the steps of the method beside a worked system
void UNIT2_SUBTRACT_LOOP();     // ③ drill: a letter that subtracting removes
void UNIT2_Q1_ANSWERS();        // ④ answers to question 1
void UNIT2_ADD_LOOP();          // ⑤ drill: a letter that adding removes
void UNIT2_Q2_ANSWERS();        // ⑥ answers to question 2
void UNIT2_PRACTICE_LOOP();     // ⑦ drill: adding and subtracting in turn
void UNIT2_Q3_ANSWERS();        // ⑧ answers to question 3

namespace unit2 {
// The add/subtract generator's switch, set by its drill before each call:
// -1 when the ±1 letter has equal coefficients, any other value opposite.
extern float XT;
}  // namespace unit2

// A random system whose one letter has the coefficient 1 or -1 in both
// equations: the same in both when XT is -1 (subtracting removes it),
// opposite otherwise (adding removes it). a1, b1, a2, b2 into GX3(1..4),
// c1, c2 into GY3(1..2); ten draws, never rejected.
void RANDOM_ADDSUB_SYSTEM();
// The practice drill's system: three different magnitudes from the pool, one
// letter's pair of equal magnitude, opposite on an odd problem number TKAI1
// and equal on an even one. Eleven draws, never rejected.
void PRACTICE_SYSTEM();
