// Applications unit 4, "速さ・時間・道のりの問題": word problems on speed, time
// and distance solved with a system of two equations. Its aim page, its
// section menu and four sections, each built on a route diagram with dotted
// distance and time arcs and a table of distance, speed and time.
#pragma once
#include "engine/globals.h"

// The unit behind main-menu item 4: the aim page, then the section menu
// until the student picks its last item (5), when it returns to the main menu.
void SPEED_UNIT_ENTRY();

void SHOW_AIM_SPEED();
// The section menu: asks for a section, runs it, and asks again; returns on 5.
void SPEED_SECTION_MENU();

void CYCLE_RUN_EXAMPLE_PAGE();     // ① example 3: by bicycle, then running
void TWO_HOURS_DISCUSSION_PAGE();  // ② the same trip in 2 hours has no answer
void ROUTE_Q4_ANSWER();            // ③ answer to question 4
void WALK_RUN_PRACTICE_LOOP();     // ④ drill: walking, then running

// A new walk-and-run problem of the drill in T(1) to T(10), A1$(), GX3(1..4)
// and GY3(1..2): the speeds, the minutes, the distance, the common
// denominator of the two times and the cleared equation's numbers.
void MAKE_WALK_RUN_PROBLEM();
