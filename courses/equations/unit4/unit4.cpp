#include "courses/equations/unit4/unit4.h"

#include "engine/shell/page.h"

using namespace page;

void UNIT4_ENTRY() {
    SHOW_AIM_SUBSTITUTION();
    UNIT4_SECTION_MENU();
}

void SHOW_AIM_SUBSTITUTION() { aim_page(true, 3, 0, {SJ("連立方程式を代入法で解こう。")}); }

void UNIT4_SECTION_MENU() {
    section_menu(SJ("①Q見いだし　②説明　③例3　④問6　⑤例題2　⑥問7　⑦話しあおう　⑧終了"),
                 {UNIT4_FIND_METHOD_PAGE, UNIT4_STEPS_PAGE, UNIT4_EXAMPLE3_LOOP, UNIT4_Q6_ANSWERS, UNIT4_PROBLEMS_LOOP,
                  UNIT4_Q7_ANSWERS, UNIT4_DISCUSSION_PAGE});
}
