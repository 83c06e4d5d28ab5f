#include "courses/applications/unit4/unit4.h"

#include "engine/shell/page.h"

using namespace page;

void SPEED_UNIT_ENTRY() {
    SHOW_AIM_SPEED();
    SPEED_SECTION_MENU();
}

void SHOW_AIM_SPEED() { aim_page(true, 3, 0, {SJ("連立方程式を利用して、速さ・時間・道のりに関する問題を解こう。")}); }

void SPEED_SECTION_MENU() {
    section_menu(SJ("①例題3　②話しあおう　③問4　④練習　⑤終了"),
                 {CYCLE_RUN_EXAMPLE_PAGE, TWO_HOURS_DISCUSSION_PAGE, ROUTE_Q4_ANSWER, WALK_RUN_PRACTICE_LOOP});
}
