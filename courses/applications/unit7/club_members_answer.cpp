// Answer ⑤: the table of club members filled cell by cell, the two
// equations from it, then the left part cleared for the solver.
#include "courses/applications/common/answer_page.h"
#include "courses/applications/unit7/unit7.h"

using namespace page;

namespace {

// The table: a label column 266 wide from x 38, three value columns 152
// wide from x 304; every cell edged 3, text colour 0.
const float kRowTop[] = {0, 100, 150, 200, 250};
const float kRowHeight[] = {0, 50, 50, 50, 70};
float value_x(int column) { return 304 + 152 * (column - 1); }

// A row of the empty table: its label cell and three value cells. The row
// is the chain's current line, its right edge the line end.
void frame_row(int row, float label_fill, const Str& label, float value_fill, const Str& v1, const Str& v2,
               const Str& v3) {
    const float y = kRowTop[row], h = kRowHeight[row];
    cell(38, y, 266, h, label_fill, 0, label);
    cell(value_x(1), y, 152, h, value_fill, 0, v1);
    cell(value_x(2), y, 152, h, value_fill, 0, v2);
    cell(value_x(3), y, 152, h, value_fill, 0, v3);
}

// A value filled in: the cell drawn again over the empty one, after a
// pause, while the working stays where it is.
void fill_in(int row, int column, const Str& value) {
    pause();
    fixed_cell(value_x(column), kRowTop[row], 152, kRowHeight[row], 15, 0, value);
}

}  // namespace

void MASTERY_CLUB_MEMBERS_ANSWER() {
    answers::mastery_page(SJ("5"), 38, 65);
    frame_row(1, 14, SJ(""), 13, SJ("男子"), SJ("女子"), SJ("合計"));
    frame_row(2, 11, SJ("昨年部員数(人)"), 15, SJ(""), SJ(""), SJ(""));
    frame_row(3, 11, SJ("今年割合(％)"), 15, SJ(""), SJ(""), SJ(""));
    frame_row(4, 11, SJ("今年部員数(人)"), 15, SJ(""), SJ(""), SJ(""));
    pause();
    line(0, 80, SJ("昨年の男子部員をx人,"));
    line(0, 50, SJ("女子部員をy人とすると、"));
    pause();
    fill_in(2, 1, SJ("x"));
    fill_in(2, 2, SJ("y"));
    fill_in(2, 3, SJ("50"));
    pause();
    fill_in(3, 1, SJ("90"));
    fill_in(3, 2, SJ("120"));
    fill_in(3, 3, SJ("／"));
    fill_in(4, 1, SJ("ﾀ90/100ﾀx"));
    fill_in(4, 2, SJ("ﾀ120/100ﾀy"));
    fill_in(4, 3, SJ("51"));
    pause();
    line(0, 50, SJ("昨年の部員数の関係から"));
    pause();
    line(3, 50, SJ("x+y=50…①"));
    pause();
    line(0, 50, SJ("今年の部員数の関係から"));
    pause();
    line(3, 60, SJ("ﾀ90/100ﾀx+ﾀ120/100ﾀy=51…②"));
    pause();
    G.B1 = 798;
    G.B2 = 30;
    pause();
    at(0, G.B1, G.B2, SJ("10*②から"));
    pause();
    line(3, 70, SJ("9x+12y=510…③"));
    pause();
    pause();

    // The solution stage, in the left part only.
    clear(0, 0, 760, 1800);
    G.B1 = 67;
    answers::run_after(SJ(" "), 40, 30, 40, {1, 1, 50, 9, 12, 510}, SJ("①"), SJ("③"));
    pause();
    line(0, 50, SJ("この解は問題にあっている。"));
    fixed(5, G.YI1 + 60, G.B2 - 50, SJ("答　昨年の男子部員30人,"));
    at(5, G.YI1 + 60, G.B2, SJ("　　昨年の女子部員20人"));
}
