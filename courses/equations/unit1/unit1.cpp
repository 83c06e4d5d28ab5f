#include "courses/equations/unit1/unit1.h"

#include "courses/equations/unit1/page.h"

using namespace unit1;

void UNIT1_ENTRY() {
    SHOW_AIM_SYSTEMS();
    UNIT1_SECTION_MENU();
}

// The main menu has just cleared the page, so the aim is drawn straight on it.
void SHOW_AIM_SYSTEMS() {
    G.B1 = 44;
    G.B2 = 240;
    chain(5, G.B1, G.B2, SJ("<めあて>"));
    chain(0, G.B1 + 32, G.B2 + 65, SJ("二元一次方程式と解、連立方程式と解の意味をつかもう。"));
}

void UNIT1_SECTION_MENU() {
    for (;;) {
        switch (ask_section_menu(
            SJ("①班の数　②二元一次方程式　③連立方程式　④解判別　⑤例１　⑥問4　⑦練習問題　⑧終了"), 8)) {
            case 1: UNIT1_GROUPS_PAGE(); break;
            case 2: UNIT1_LINEAR_EQUATION_PAGE(); break;
            case 3: UNIT1_SYSTEM_PAGE(); break;
            case 4: UNIT1_IS_SOLUTION_LOOP(); break;
            case 5: UNIT1_EXAMPLE1_PAGE(); break;
            case 6: UNIT1_Q4_ANSWERS(); break;
            case 7: UNIT1_PRACTICE_ANSWER(); break;
            default: return;  // 8: back to the main menu
        }
    }
}
