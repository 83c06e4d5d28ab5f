// Equations unit 6, "練習問題": the answers to the two practice problems of
// the textbook's page 46. No aim page: its menu is its entry.
#pragma once
#include "engine/globals.h"

// The unit behind main-menu item 6: the menu line over the page as it is,
// the chosen answers, and the menu again, until the student picks 3, when it
// returns to the main menu.
void UNIT6_MENU();

void UNIT6_PROBLEM1_ANSWERS();  // ① practice problem 1, systems (1) to (6)
void UNIT6_PROBLEM2_ANSWERS();  // ② practice problem 2, an A=B=C system
