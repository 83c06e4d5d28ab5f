#include "courses/applications/unit3/unit3.h"

#include "engine/shell/page.h"

using namespace page;

void RATIO_UNIT_ENTRY() {
    SHOW_AIM_RATIO();
    RATIO_SECTION_MENU();
}

void SHOW_AIM_RATIO() { aim_page(true, 3, 0, {SJ("連立方程式を利用して、割合に関する問題を解こう。")}); }

void RATIO_SECTION_MENU() { section_menu(SJ("①例題2　②問3　③終了"), {VOLUNTEER_EXAMPLE_LOOP, DRINKS_Q3_ANSWER}); }
