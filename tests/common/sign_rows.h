// The rows of changed signs over the subtracted row of a column subtraction,
// read back from the page: where the page module drew them, and how their
// small marks stand between the row above (25 higher) and the row below
// (25 lower).
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "tests/common/page_probe.h"

namespace probe {

struct SignRow {
    float x = 0, y = 0, end = 0;
    std::string signs;
};

// The sign rows of the page, as the visible-text list records them: texts of
// colour 3 made only of "+", "-" and spaces, drawn as thin marks.
std::vector<SignRow> sign_rows();

// One mark of a row, measured on the pixels: its ink, and the clear space
// between it and the digits of the row above and of the row below.
struct SignMark {
    char sign = ' ';
    InkBox ink;
    float gap_above = 0, gap_below = 0;
};
std::vector<SignMark> sign_marks(const SignRow& row);

// Pixels of the marks' colour next to a pixel of the rows' ink: 0 when no
// mark touches either row.
int marks_touching_rows(const SignRow& row);

// Checks every sign row of the page: each mark inside its 27-wide cell,
// touching neither row, and nearer the row below, whose signs it changes:
// its clear space to that row's digits about half its space to the digits
// above. Returns how many rows there are.
size_t expect_sign_rows_placed();

}  // namespace probe
