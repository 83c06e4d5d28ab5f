#include "engine/solver/hand_over.h"

#include "engine/shell/page.h"
#include "engine/solver/solver.h"
#include "engine/text/chain.h"

namespace page {

System drawn_system() { return {G.GX3(1), G.GX3(2), G.GY3(1), G.GX3(3), G.GX3(4), G.GY3(2)}; }

void solve(const System& system, const Str& label1, const Str& label2, float every_step) {
    G.GX3(1) = system.a1;
    G.GX3(2) = system.b1;
    G.GX3(3) = system.a2;
    G.GX3(4) = system.b2;
    G.GY3(1) = system.c1;
    G.GY3(2) = system.c2;
    G.CCC3$ = label1;
    G.ENZAN$ = label2;
    G.AA = every_step;
    SOLVE_BY_ELIMINATION();
}

void solve_in_column(float work_x, float margin, const System& system, const Str& label1, const Str& label2) {
    G.II = work_x;
    G.B1 = margin;
    G.B2 = 30;
    at(3, G.B1, G.B2, "  ");
    solve(system, label1, label2);
}

void answer_item(float column, const Str& label, const System& system) {
    G.II = column;
    G.B2 = 30;
    at(3, G.II, G.B2, label);
    solve(system);
}

void first_answer_item(const Str& question, const Str& label, const System& system) {
    G.II = 40;
    G.B2 = 30;
    at(7, G.II, G.B2, question);
    cont(3, label);
    solve(system);
}

void two_item_answer_page(const Str& question, const System& first, const System& second) {
    clear(0, 0, 1600, 1800);
    first_answer_item(question, SJ("(1)"), first);
    pause();
    answer_item(640, SJ("(2)"), second);
}

void drill_problem(std::initializer_list<Str> instructions, float column, const Str& label) {
    G.B1 = 40;
    G.B2 = 30;
    clear(0, 0, 1320, 1300);
    bool first = true;
    for (const Str& text : instructions) {
        if (first) at(3, G.B1, G.B2, text);
        else line(3, 50, text);
        first = false;
    }
    G.II = column;
    G.B2 = 30;
    at(3, G.II, G.B2, label);
    solve(drawn_system(), {}, {}, 1);
    G.AA = 0;
}

}  // namespace page
