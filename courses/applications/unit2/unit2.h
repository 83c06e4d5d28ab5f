// Talisse unit 2, "代金の問題": price problems solved with a system. Its aim
// page, its section menu, the random admission-fee drill and textbook
// question 2.
#pragma once
#include "engine/globals.h"

// The unit behind main-menu item 2: the aim page, then the section menu
// until the student picks its last item (3), when it returns to the main menu.
void PRICE_UNIT_ENTRY();

void SHOW_AIM_PRICE();
// The section menu: asks for a section, runs it, and asks again; returns on 3.
void PRICE_SECTION_MENU();

void ADMISSION_FEE_LOOP();  // ① drill: random admission fees
void PRICE_Q2_ANSWER();     // ② textbook question 2, puddings and jellies
