// Talisse unit 5, "練習問題": the worked answers of the three practice
// problems of textbook page 53. No aim page: the section menu and three
// answer pages.
#pragma once
#include "engine/globals.h"

// Main-menu item 5: asks for an answer, shows it, and asks again over the
// finished page; returns (to the main menu) on 4.
void PRACTICE_SECTION_MENU();

void NUMBER_SUM_ANSWER();  // ① two numbers summing to 100, by substitution
void RECYCLING_ANSWER();   // ② newspapers and magazines, through the solver
void SHIRT_HAT_ANSWER();   // ③ a shirt and a hat at marked-down prices
