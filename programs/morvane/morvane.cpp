#include "programs/morvane/morvane.h"

#include "courses/equations/unit1/unit1.h"
#include "courses/equations/unit2/unit2.h"
#include "courses/equations/unit3/unit3.h"

const CourseDef& morvane_course() {
    static const CourseDef course = {
        Program::Morvane,
        "Morvane",
        {"1　連立方程式とその解", "2　加減法1", "3　加減法2", "4　代入法",
         "5　いろいろな連立方程式", "6　練習問題", "7　", "8　終了"},
        // Items 1 to 7; an item whose unit is not built yet leads back to
        // the menu.
        {
            UNIT1_ENTRY,  // 1
            UNIT2_ENTRY,  // 2
            UNIT3_ENTRY,  // 3
            MENU_ITEM_7,  // 4: UNIT4_ENTRY
            MENU_ITEM_7,  // 5: UNIT5_ENTRY
            MENU_ITEM_7,  // 6: UNIT6_MENU
            MENU_ITEM_7,  // 7: no unit: back to the menu
        },
    };
    return course;
}
