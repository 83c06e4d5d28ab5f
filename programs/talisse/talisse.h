// Talisse, the course on word problems solved with systems of equations.
#pragma once
#include "engine/shell/shell.h"

const CourseDef& talisse_course();
