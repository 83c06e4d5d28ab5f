#include "programs/talisse/talisse.h"

#include "courses/applications/unit1/unit1.h"
#include "courses/applications/unit2/unit2.h"
#include "courses/applications/unit3/unit3.h"
#include "courses/applications/unit4/unit4.h"

const CourseDef& talisse_course() {
    static const CourseDef course = {
        Program::Talisse,
        "Talisse",
        {"1　導入", "2　代金の問題", "3　割合の問題", "4　速さ・時間・道のりの問題",
         "5　練習問題", "6　学びをたしかめよう", "7　学びを身につけよう", "8　終了"},
        // Items 1 to 7; an item whose unit is not built yet leads back to
        // the menu.
        {
            INTRO_UNIT_ENTRY,  // 1
            PRICE_UNIT_ENTRY,  // 2
            RATIO_UNIT_ENTRY,  // 3
            SPEED_UNIT_ENTRY,  // 4
            MENU_ITEM_7,  // 5: PRACTICE_SECTION_MENU
            MENU_ITEM_7,  // 6: CHECK_SECTION_MENU
            MENU_ITEM_7,  // 7: MASTERY_SECTION_MENU
        },
    };
    return course;
}
