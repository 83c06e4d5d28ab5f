// Equations unit 1, "連立方程式とその解": systems of equations and their
// solutions. Its aim page, its section menu and seven sections.
#pragma once
#include "engine/globals.h"

// The unit behind main-menu item 1: the aim page, then the section menu
// until the student picks its last item (8), when it returns to the main menu.
void UNIT1_ENTRY();

void SHOW_AIM_SYSTEMS();
// The section menu: asks for a section, runs it, and asks again; returns on 8.
void UNIT1_SECTION_MENU();

void UNIT1_GROUPS_PAGE();           // ① groups of four and of three
void UNIT1_LINEAR_EQUATION_PAGE();  // ② linear equations in two unknowns
void UNIT1_SYSTEM_PAGE();           // ③ systems and their solutions
void UNIT1_IS_SOLUTION_LOOP();      // ④ drill: is the pair a solution?
void UNIT1_EXAMPLE1_PAGE();         // ⑤ example 1
void UNIT1_Q4_ANSWERS();            // ⑥ answers to question 4
void UNIT1_PRACTICE_ANSWER();       // ⑦ answer to the practice problem
