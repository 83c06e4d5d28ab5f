// Talisse unit 1, "導入": how a word problem becomes a system of equations,
// on the 2-point and 3-point shots of a basketball player. Its aim page, its
// section menu and three sections.
#pragma once
#include "engine/globals.h"

// The unit behind main-menu item 1: the aim page, then the section menu
// until the student picks its last item (4), when it returns to the main menu.
void INTRO_UNIT_ENTRY();

void SHOW_AIM_INTRO();
// The section menu: asks for a section, runs it, and asks again; returns on 4.
void INTRO_SECTION_MENU();

void SHOTS_QUESTION_PAGE();   // ① the problem and three prompted questions
void SHOTS_SOLUTION_PAGES();  // ② the relations, the system and its solution by hand
void SHOTS_Q1_ANSWER();       // ③ textbook question 1, through the solver
