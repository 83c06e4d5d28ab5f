#include "courses/equations/unit1/unit1.h"

#include "engine/shell/page.h"

using namespace page;

void UNIT1_ENTRY() {
    SHOW_AIM_SYSTEMS();
    UNIT1_SECTION_MENU();
}

// The main menu has just cleared the page, so the aim is drawn straight on it.
void SHOW_AIM_SYSTEMS() { aim_page(false, 5, 32, {SJ("二元一次方程式と解、連立方程式と解の意味をつかもう。")}); }

void UNIT1_SECTION_MENU() {
    section_menu(SJ("①班の数　②二元一次方程式　③連立方程式　④解判別　⑤例１　⑥問4　⑦練習問題　⑧終了"),
                 {UNIT1_GROUPS_PAGE, UNIT1_LINEAR_EQUATION_PAGE, UNIT1_SYSTEM_PAGE, UNIT1_IS_SOLUTION_LOOP,
                  UNIT1_EXAMPLE1_PAGE, UNIT1_Q4_ANSWERS, UNIT1_PRACTICE_ANSWER});
}
