// Morvane, the course on solving systems of two linear equations.
#pragma once
#include "engine/shell/shell.h"

const CourseDef& morvane_course();
