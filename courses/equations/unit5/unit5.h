// Equations unit 5, "いろいろな連立方程式": systems with brackets, fractions
// and decimals, and in the A=B=C form, tidied on the page and handed to the
// elimination solver. Its aim page, its section menu and seven sections.
#pragma once
#include "engine/globals.h"

// The unit behind main-menu item 5: the aim page, then the section menu
// until the student picks its last item (8), when it returns to the main menu.
void UNIT5_ENTRY();

void SHOW_AIM_VARIOUS_SYSTEMS();
// The section menu: asks for a section, runs it, and asks again; returns on 8.
void UNIT5_SECTION_MENU();

void UNIT5_BRACKETS_EXAMPLE();   // ① example 3: a system with brackets
void UNIT5_Q8_ANSWERS();         // ② answers to question 8
void UNIT5_FRACTIONS_EXAMPLE();  // ③ example 4: a system with fractions
void UNIT5_Q9_ANSWERS();         // ④ answers to question 9
void UNIT5_DISCUSSION_PAGES();   // ⑤ ingenuity: decimals, a solved form, large numbers
void UNIT5_ABC_EXAMPLE();        // ⑥ example 5: the A=B=C form
void UNIT5_Q10_ANSWERS();        // ⑦ answers to question 10
