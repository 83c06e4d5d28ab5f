// The section menu and answers ① to ③.
#include "courses/applications/unit6/unit6.h"

#include "courses/applications/common/answer_page.h"

using namespace page;

void CHECK_SECTION_MENU() {
    section_menu(SJ("P54 学びをたしかめよう ①～⑧解答　　　⑨終了"),
                 {CHECK_REARRANGE_ANSWER, CHECK_WHICH_SOLUTION_ANSWER, CHECK_SOLVE_ANSWER, CHECK_SUBSTITUTION_ANSWER,
                  CHECK_SIMPLIFY_ANSWER, CHECK_ABC_ANSWER, CHECK_APPLES_PEACHES_ANSWER, CHECK_BOYS_GIRLS_ANSWER});
}

void CHECK_REARRANGE_ANSWER() {
    answers::check_page(SJ("1"), 40, 40);
    pause();
    line(0, 70, SJ("x+2y=9 2y=9-x "));
    cont(3, SJ("y=ﾀ9-x/2ﾀ "));
    cont(0, SJ("に代入すると"));

    // The table of values: x from -2 to 3, y = (9-x)/2 under each.
    const float x_row = G.B2 + 70, y_row = x_row + 50;
    cell(116, x_row, 76, 50, 13, 0, SJ("x"));
    for (int k = 0; k <= 5; ++k) cell(192 + 76 * k, x_row, 76, 50, 15, 0, number_text(static_cast<float>(k - 2)));
    cell(116, y_row, 76, 80, 13, 0, SJ("y"));
    for (int k = 0; k <= 5; ++k) {
        G.X = static_cast<float>(11 - k);
        G.R1B = 2;
        REDUCE_FRACTION();
        cell(192 + 76 * k, y_row, 76, 80, 15, 5, G.T$);
    }
}

namespace {

// The checks of x=4, y=2 in one equation of a system, each `step` below the
// line before and 27 right of the margin. One line: the left side, its value
// and the mark.
void one_line(float step, const Str& side, const Str& value, const Str& mark) {
    at(0, G.B1 + 27, G.B2 + step, side);
    cont(0, value);
    cont(3, mark);
}
// Two lines: the substitution and its value on a second line at the margin.
void two_lines(float step, const Str& side, const Str& substituted, const Str& value, const Str& mark) {
    at(0, G.B1 + 27, G.B2 + step, side);
    line(0, 50, substituted);
    cont(0, value);
    cont(3, mark);
}
// Two sides: each side worked out, then the verdict.
void two_sides(float step, const Str& left, const Str& right, const Str& verdict) {
    at(0, G.B1 + 27, G.B2 + step, left);
    line(0, 50, right);
    line(3, 50, verdict);
}
// A system's letter at the column origin, on the line its first check takes.
void letter(float step, const Str& name) { fixed(3, G.II, G.B2 + step, name); }

}  // namespace

void CHECK_WHICH_SOLUTION_ANSWER() {
    answers::check_page(SJ("2"), 40, 94);
    line(3, 60, SJ("x=4,y=2 をア～エの"));
    line(3, 50, SJ("左辺と右辺に代入すると"));

    letter(50, SJ("ア"));
    one_line(50, SJ("x+y"), SJ("=4+2=6　　"), SJ("○"));
    two_lines(50, SJ("2x+y"), SJ("=2*4+2"), SJ("=8+2=10　　"), SJ("○"));
    letter(60, SJ("イ"));
    two_lines(60, SJ("x+3y"), SJ("=4+3*2"), SJ("=4+6=10　　"), SJ("×"));
    one_line(50, SJ("x-y"), SJ("=4-2=2　　"), SJ("○"));

    answers::column(600, 654);
    letter(60, SJ("ウ"));
    two_sides(60, SJ("左辺=x=4"), SJ("右辺=2y=2*2=4"), SJ("左辺＝右辺　　○"));
    one_line(50, SJ("y-x"), SJ("=2-4=-2　　"), SJ("○"));
    letter(50, SJ("エ"));
    two_lines(50, SJ("x+2y"), SJ("=4+2*2"), SJ("=4+4=8　　"), SJ("×"));
    two_sides(50, SJ("左辺=y=2"), SJ("右辺=x+2=4+2=6"), SJ("左辺≠右辺　　×"));
    line(5, 80, SJ("答　アとウ"));
}

void CHECK_SOLVE_ANSWER() {
    answers::check_page(SJ("3"), 40, 94);
    answers::run_after(SJ("(1)"), 40, G.B2 + 60, 40, {1, 4, 16, 1, 1, 13});
    pause();
    answers::column(640, 721);
    answers::run_after(SJ("(2)"), 640, 30, 640, {5, -1, 11, 3, 2, 4});
    pause();

    answers::check_page(SJ("3"), 40, 94);
    answers::run_after(SJ("(3)"), 40, G.B2 + 60, 40, {3, -2, 1, 6, -5, -2});
    pause();
    answers::column(640, 721);
    answers::run_after(SJ("(4)"), 640, 30, 640, {2, 3, -2, 3, -2, -3});
}
