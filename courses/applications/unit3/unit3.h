// Talisse unit 3, "割合の問題": ratio problems solved with a system. Its aim
// page, its section menu, the random participation-rate drill and textbook
// question 3.
#pragma once
#include "engine/globals.h"

// The unit behind main-menu item 3: the aim page, then the section menu
// until the student picks its last item (3), when it returns to the main menu.
void RATIO_UNIT_ENTRY();

void SHOW_AIM_RATIO();
// The section menu: asks for a section, runs it, and asks again; returns on 3.
void RATIO_SECTION_MENU();

void VOLUNTEER_EXAMPLE_LOOP();  // ① drill: random participation rates
void DRINKS_Q3_ANSWER();        // ② textbook question 3, tea and sports drinks
