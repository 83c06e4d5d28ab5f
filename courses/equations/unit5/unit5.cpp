#include "courses/equations/unit5/unit5.h"

#include "engine/shell/page.h"

using namespace page;

void UNIT5_ENTRY() {
    SHOW_AIM_VARIOUS_SYSTEMS();
    UNIT5_SECTION_MENU();
}

void SHOW_AIM_VARIOUS_SYSTEMS() { aim_page(true, 3, 0, {SJ("いろいろな連立方程式を工夫して解こう。")}); }

void UNIT5_SECTION_MENU() {
    section_menu(SJ("①かっこ　②問8　③分数　④問9　⑤話しあおう　⑥A=B=C　⑦問10　⑧終了"),
                 {UNIT5_BRACKETS_EXAMPLE, UNIT5_Q8_ANSWERS, UNIT5_FRACTIONS_EXAMPLE, UNIT5_Q9_ANSWERS,
                  UNIT5_DISCUSSION_PAGES, UNIT5_ABC_EXAMPLE, UNIT5_Q10_ANSWERS});
}
