// Talisse unit 6, "学びをたしかめよう": the worked answers of the eight
// check-your-learning problems of textbook page 54. No aim page: the section
// menu and eight answers.
#pragma once
#include "engine/globals.h"

// Main-menu item 6: asks for an answer, shows it, and asks again over the
// finished page; returns (to the main menu) on 9.
void CHECK_SECTION_MENU();

void CHECK_REARRANGE_ANSWER();       // ① y in terms of x, a table of values
void CHECK_WHICH_SOLUTION_ANSWER();  // ② which systems x=4, y=2 solves
void CHECK_SOLVE_ANSWER();           // ③ four systems through the solver
void CHECK_SUBSTITUTION_ANSWER();    // ④ four systems by substitution
void CHECK_SIMPLIFY_ANSWER();        // ⑤ brackets, fractions, decimals tidied first
void CHECK_ABC_ANSWER();             // ⑥ an A=B=C equation
void CHECK_APPLES_PEACHES_ANSWER();  // ⑦ apples and peaches
void CHECK_BOYS_GIRLS_ANSWER();      // ⑧ boys and girls, this year and last
