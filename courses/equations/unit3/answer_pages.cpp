// Sections ③ and ⑥: the worked answers of questions 4 and 5, a system to a
// column, each solved by the solver beside its label.
#include "courses/equations/unit3/unit3.h"
#include "engine/shell/page.h"
#include "engine/solver/hand_over.h"

using namespace page;

void UNIT3_Q4_ANSWERS() { two_item_answer_page(SJ("問4"), {1, 4, 7, 7, 15, 36}, {5, 3, -1, 2, -1, 4}); }

void UNIT3_Q5_ANSWERS() {
    two_item_answer_page(SJ("問5"), {3, 2, 8, 5, -3, 7}, {6, 4, 2, 7, -3, -13});
    pause();
    clear(0, 0, 640, 1800);
    answer_item(40, SJ("(3)"), {9, -2, 11, 4, -5, 9});
}
