// Stepwise elimination solver: solves the system in GX3()/GY3() and draws the
// whole working.
#pragma once
#include "engine/globals.h"

void SOLVE_BY_ELIMINATION();
void SHOW_SOLUTION_X_FIRST();
void SHOW_SOLUTION_Y_FIRST();
