#include "programs/morvane/morvane.h"

#include "courses/equations/unit1/unit1.h"
#include "courses/equations/unit2/unit2.h"
#include "courses/equations/unit3/unit3.h"
#include "courses/equations/unit4/unit4.h"
#include "courses/equations/unit5/unit5.h"
#include "courses/equations/unit6/unit6.h"

const CourseDef& morvane_course() {
    static const CourseDef course = {
        Program::Morvane,
        "Morvane",
        {"1　連立方程式とその解", "2　加減法1", "3　加減法2", "4　代入法", "5　いろいろな連立方程式", "6　練習問題",
         "7　", "8　終了"},
        // Items 1 to 7.
        {
            UNIT1_ENTRY,  // 1
            UNIT2_ENTRY,  // 2
            UNIT3_ENTRY,  // 3
            UNIT4_ENTRY,  // 4
            UNIT5_ENTRY,  // 5
            UNIT6_MENU,   // 6
            MENU_ITEM_7,  // 7: no unit: back to the menu
        },
    };
    return course;
}
