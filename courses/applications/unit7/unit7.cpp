#include "courses/applications/unit7/unit7.h"

#include "engine/shell/page.h"

void MASTERY_SECTION_MENU() {
    page::section_menu(
        SJ("P56 学びを身につけよう ①～⑦解答　　　⑧終了"),
        {MASTERY_TEN_SYSTEMS_ANSWER, MASTERY_ABC_ANSWER, MASTERY_FIND_CONSTANTS_ANSWER, MASTERY_DIGIT_SWAP_ANSWER,
         MASTERY_CLUB_MEMBERS_ANSWER, MASTERY_TRAIN_ANSWER, MASTERY_GO_STONES_ANSWER});
}
