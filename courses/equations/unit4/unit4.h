// Equations unit 4, "代入法": solving a system by substitution. Its aim page,
// its section menu and seven sections, with the four random generators of
// its two drills.
#pragma once
#include "engine/globals.h"

// The unit behind main-menu item 4: the aim page, then the section menu
// until the student picks its last item (8), when it returns to the main menu.
void UNIT4_ENTRY();

void SHOW_AIM_SUBSTITUTION();
// The section menu: asks for a section, runs it, and asks again; returns on 8.
void UNIT4_SECTION_MENU();

void UNIT4_FIND_METHOD_PAGE();  // ① pencils and notebooks, in pictures and letters
void UNIT4_STEPS_PAGE();        // ② the steps of the method
void UNIT4_EXAMPLE3_LOOP();     // ③ drill: random examples
void UNIT4_Q6_ANSWERS();        // ④ answers to question 6
void UNIT4_PROBLEMS_LOOP();     // ⑤ drill: random problems to rearrange first
void UNIT4_Q7_ANSWERS();        // ⑥ answers to question 7
void UNIT4_DISCUSSION_PAGE();   // ⑦ elimination and substitution side by side

namespace unit4 {
// The value the substitution generators drew first last time (0 at start,
// never reset while the program runs).
extern float TXX;
}  // namespace unit4

// The substitution generators: each draws a system around a whole-number
// solution, clears its page and works it by substitution, a key pause
// between the steps, returning right after the answer line with the cursor
// at B1 = 600, B2 = 340. The value each draws first never equals the one the
// previous draw of any of them kept in TXX.
void RANDOM_EXAMPLE_Y_FORM();  // ② given as y = ax + b ("例3")
void RANDOM_EXAMPLE_X_FORM();  // ② given as x = ay + b ("例3")
void RANDOM_PROBLEM_Y_FORM();  // ② given as y - ax = b ("例題1")
void RANDOM_PROBLEM_X_FORM();  // ② given as x - ay = b ("例題2")
