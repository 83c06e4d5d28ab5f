// Sections ④, ⑥ and ⑧: the worked answers of questions 1 to 3, a system to
// a column, each solved by the solver beside its label.
#include "courses/equations/unit2/unit2.h"
#include "engine/shell/page.h"
#include "engine/solver/hand_over.h"

using namespace page;

void UNIT2_Q1_ANSWERS() { two_item_answer_page(SJ("問1"), {1, 1, 5, 1, -3, -3}, {2, -1, -1, 4, -1, -3}); }

void UNIT2_Q2_ANSWERS() { two_item_answer_page(SJ("問2"), {1, -1, 8, 3, 1, 4}, {3, 2, 5, -3, 5, 2}); }

void UNIT2_Q3_ANSWERS() {
    two_item_answer_page(SJ("問3"), {6, -1, 22, 6, 5, -2}, {3, -2, 19, 5, 2, 21});
    pause();
    clear(0, 0, 640, 1800);
    answer_item(40, SJ("(3)"), {1, 1, 2, -1, 1, -1});

    // x = 3/2: the substitution again from the solver's sentence down, with
    // stacked fractions.
    const float sentence = G.GY3(1);
    clear(0, sentence, 480, 1800);
    G.B2 = sentence;
    line(7, 10, SJ("この値を①に代入して"));
    line(0, 70, SJ("ﾀ3/2ﾀ+y=2"));
    line(3, 70, SJ("y"));
    fixed(0, G.YI1, G.B2, SJ("=2-ﾀ3/2ﾀ"));
    at(0, G.YI1, G.B2 + 70, SJ("=ﾀ4/2ﾀ-ﾀ3/2ﾀ"));
    cont(G.TKAI2, SJ("=ﾀ1/2ﾀ"));
    at(5, G.YI1 + 30, G.B2, SJ("(x,y)=(ﾀ3/2ﾀ,ﾀ1/2ﾀ)"));
}
