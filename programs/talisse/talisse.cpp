#include "programs/talisse/talisse.h"

#include "courses/applications/unit5/unit5.h"
#include "courses/applications/unit6/unit6.h"
#include "courses/applications/unit7/unit7.h"

const CourseDef& talisse_course() {
    static const CourseDef course = {
        Program::Talisse,
        "Talisse",
        {"1　導入", "2　代金の問題", "3　割合の問題", "4　速さ・時間・道のりの問題",
         "5　練習問題", "6　学びをたしかめよう", "7　学びを身につけよう", "8　終了"},
        // Items 1 to 7; an item whose unit is not built yet leads back to
        // the menu.
        {
            MENU_ITEM_7,  // 1: INTRO_UNIT_ENTRY
            MENU_ITEM_7,  // 2: PRICE_UNIT_ENTRY
            MENU_ITEM_7,  // 3: RATIO_UNIT_ENTRY
            MENU_ITEM_7,  // 4: SPEED_UNIT_ENTRY
            PRACTICE_SECTION_MENU,
            CHECK_SECTION_MENU,
            MASTERY_SECTION_MENU,
        },
    };
    return course;
}
