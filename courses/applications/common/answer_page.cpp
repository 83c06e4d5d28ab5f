#include "courses/applications/common/answer_page.h"

namespace answers {

using namespace page;

void titled_page(const Str& title, float title_width, const Str& number, float ii, float b1) {
    clear(0, 0, 1760, 1800);
    G.II = ii;
    G.B1 = b1;
    G.B2 = 30;
    boxed_title(ii, 30, title, title_width, number, 44);
}

void column(float ii, float b1) {
    G.II = ii;
    G.B1 = b1;
    G.B2 = 30;
}

void given_system(float x, float y, const Str& first, const Str& second, float step, float height) {
    brace(x, y, height, 0);
    fixed(0, x + 40, y, first);
    at(0, x + 40, y + step, second);
}

void run_after(const Str& lead, float x, float y, float ii, const page::System& system, const Str& label1,
               const Str& label2) {
    G.II = ii;
    at(3, x, y, lead);
    solve(system, label1, label2);
}

void untitled_page(const Str& label) {
    clear(0, 0, 1600, 1800);
    G.B1 = 40;
    G.B2 = 30;
    at(3, 40, 30, label);
}

void tidy_and_solve(float x, float y, const Tidied& t) {
    given_system(x, y, t.first, t.second, t.step, t.height);
    draw_rows(t.tidying);
    column(t.column_x, t.column_x);
    run_after(SJ("  "), t.column_x, 30, t.column_x, t.system, t.label1, t.label2);
}

}  // namespace answers
