// Equations unit 3, "加減法2": elimination when one or both equations must
// first be multiplied. Its aim page, its section menu and six sections.
#pragma once
#include "engine/globals.h"

// The unit behind main-menu item 3: the aim page, then the section menu
// until the student picks its last item (7), when it returns to the main menu.
void UNIT3_ENTRY();

void SHOW_AIM_SCALED_ELIMINATION();
// The section menu: asks for a section, runs it, and asks again; returns on 7.
void UNIT3_SECTION_MENU();

void UNIT3_FIND_EXAMPLE_PAGE();  // ① one equation multiplied
void UNIT3_EXAMPLE2_LOOP();      // ② drill: one equation multiplied
void UNIT3_Q4_ANSWERS();         // ③ answers to question 4
void UNIT3_HOW_TO_PAGE();        // ④ both equations multiplied
void UNIT3_PROBLEMS_LOOP();      // ⑤ drill: both equations multiplied
void UNIT3_Q5_ANSWERS();         // ⑥ answers to question 5

// The ratio drill's system: one letter's coefficients in the ratio 1 : m
// (m = 2, 3 or 4, kept in GX3(5) while drawing), so that one equation is
// multiplied. a1, b1, a2, b2 into GX3(1..4), c1, c2 into GY3(1..2), the
// solution in DSM1, DSM2. Twelve draws an attempt; an attempt with a right
// side beyond 99 either way is drawn again from the solution on.
void RATIO_SYSTEM();
