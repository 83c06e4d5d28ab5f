#include "courses/equations/unit3/unit3.h"

#include "engine/shell/page.h"

using namespace page;

void UNIT3_ENTRY() {
    SHOW_AIM_SCALED_ELIMINATION();
    UNIT3_SECTION_MENU();
}

void SHOW_AIM_SCALED_ELIMINATION() {
    aim_page(true, 3, 0, {SJ("たしてもひいても文字が消去できないとき、どうしたらよいか考えよう。")});
}

void UNIT3_SECTION_MENU() {
    section_menu(SJ("①例見いだし　②例2　③問4　④どうすれば　⑤例題１　⑥問5　⑦終了"),
                 {UNIT3_FIND_EXAMPLE_PAGE, UNIT3_EXAMPLE2_LOOP, UNIT3_Q4_ANSWERS, UNIT3_HOW_TO_PAGE,
                  UNIT3_PROBLEMS_LOOP, UNIT3_Q5_ANSWERS});
}
