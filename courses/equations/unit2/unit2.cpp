#include "courses/equations/unit2/unit2.h"

#include "engine/shell/page.h"

using namespace page;

void UNIT2_ENTRY() {
    SHOW_AIM_ELIMINATION();
    UNIT2_SECTION_MENU();
}

void SHOW_AIM_ELIMINATION() {
    aim_page(true, 3, 0,
             {SJ("1 2つの方程式から、文字を1つだけふくむ方程式をつくろう。"), SJ("2 連立方程式を加減法で解こう。")});
}

void UNIT2_SECTION_MENU() {
    section_menu(SJ("①Q見いだし　②説明　③ひいて　④問１　⑤たして　⑥問２　⑦練習　⑧問３　⑨終了"),
                 {UNIT2_FIND_METHOD_PAGE, UNIT2_STEPS_PAGE, UNIT2_SUBTRACT_LOOP, UNIT2_Q1_ANSWERS, UNIT2_ADD_LOOP,
                  UNIT2_Q2_ANSWERS, UNIT2_PRACTICE_LOOP, UNIT2_Q3_ANSWERS});
}
