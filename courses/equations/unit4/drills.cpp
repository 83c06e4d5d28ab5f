// Sections ③ and ⑤: drills that show one random system after another,
// worked by substitution, until the student types 1. The two forms of a
// drill take strict turns, the x form first on every visit.
#include <cmath>

#include "courses/equations/unit4/unit4.h"
#include "engine/shell/page.h"

using namespace page;

namespace {

void substitution_drill(Section x_form, Section y_form) {
    clear(0, 0, 1600, 1800);
    G.TKAI1 = 0;
    drill([=] { (std::fmod(G.TKAI1, 2.0f) == 1 ? y_form : x_form)(); }, [] { G.TKAI1 = G.TKAI1 + 1; });
    pause();
}

}  // namespace

void UNIT4_EXAMPLE3_LOOP() {
    substitution_drill(RANDOM_EXAMPLE_X_FORM, RANDOM_EXAMPLE_Y_FORM);
    at(7, 44, 610, SJ("教科書P43 問6　をしなさい。"));
}

// The closing lines continue the problem's right-hand column under its answer.
void UNIT4_PROBLEMS_LOOP() {
    substitution_drill(RANDOM_PROBLEM_X_FORM, RANDOM_PROBLEM_Y_FORM);
    line(3, 60, SJ("一方の式を1つの文字について解き、"));
    line(3, 50, SJ("それをもう一方の式に代入する。"));
    pause();
    line(7, 70, SJ("教科書P43 問7　をしなさい。"));
}
