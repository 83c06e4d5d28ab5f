#include "courses/equations/unit6/unit6.h"

#include "engine/shell/page.h"

void UNIT6_MENU() {
    page::section_menu(SJ("P46 練習問題 ①,②解答　　　③終了"), {UNIT6_PROBLEM1_ANSWERS, UNIT6_PROBLEM2_ANSWERS});
}
