#include "courses/applications/unit2/unit2.h"

#include "engine/shell/page.h"

using namespace page;

void PRICE_UNIT_ENTRY() {
    SHOW_AIM_PRICE();
    PRICE_SECTION_MENU();
}

void SHOW_AIM_PRICE() { aim_page(true, 3, 0, {SJ("連立方程式を利用して、代金に関する問題を解こう。")}); }

void PRICE_SECTION_MENU() { section_menu(SJ("①例題１　②問2　③終了"), {ADMISSION_FEE_LOOP, PRICE_Q2_ANSWER}); }
