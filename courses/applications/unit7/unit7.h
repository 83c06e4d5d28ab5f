// Talisse unit 7, "学びを身につけよう": the worked answers of the seven
// mastery problems of textbook page 56. No aim page: the section menu and
// seven answers.
#pragma once
#include "engine/globals.h"

// Main-menu item 7: asks for an answer, shows it, and asks again over the
// finished page; returns (to the main menu) on 8.
void MASTERY_SECTION_MENU();

void MASTERY_TEN_SYSTEMS_ANSWER();     // ① ten systems on seven pages
void MASTERY_ABC_ANSWER();             // ② three A=B=C equations
void MASTERY_FIND_CONSTANTS_ANSWER();  // ③ a and b from a given solution
void MASTERY_DIGIT_SWAP_ANSWER();      // ④ a two-digit number, digits swapped
void MASTERY_CLUB_MEMBERS_ANSWER();    // ⑤ club members, a table of members
void MASTERY_TRAIN_ANSWER();           // ⑥ a train over a bridge and through a tunnel
void MASTERY_GO_STONES_ANSWER();       // ⑦ go stones in two bags
