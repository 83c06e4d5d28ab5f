#include "courses/applications/unit1/unit1.h"

#include "engine/shell/page.h"

using namespace page;

void INTRO_UNIT_ENTRY() {
    SHOW_AIM_INTRO();
    INTRO_SECTION_MENU();
}

// The main menu has just cleared the page, so the aim is drawn straight on it.
void SHOW_AIM_INTRO() { aim_page(false, 5, 32, {SJ("連立方程式を利用する手順をつかもう。")}); }

void INTRO_SECTION_MENU() {
    section_menu(SJ("①P47導入　②P48連立方程式　③問１　④終了"),
                 {SHOTS_QUESTION_PAGE, SHOTS_SOLUTION_PAGES, SHOTS_Q1_ANSWER});
}
