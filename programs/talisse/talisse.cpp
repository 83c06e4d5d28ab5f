#include "programs/talisse/talisse.h"

#include "courses/applications/unit1/unit1.h"
#include "courses/applications/unit2/unit2.h"
#include "courses/applications/unit3/unit3.h"
#include "courses/applications/unit4/unit4.h"
#include "courses/applications/unit5/unit5.h"
#include "courses/applications/unit6/unit6.h"
#include "courses/applications/unit7/unit7.h"

const CourseDef& talisse_course() {
    static const CourseDef course = {
        Program::Talisse,
        "Talisse",
        {"1　導入", "2　代金の問題", "3　割合の問題", "4　速さ・時間・道のりの問題", "5　練習問題",
         "6　学びをたしかめよう", "7　学びを身につけよう", "8　終了"},
        // Items 1 to 7.
        {
            INTRO_UNIT_ENTRY,       // 1
            PRICE_UNIT_ENTRY,       // 2
            RATIO_UNIT_ENTRY,       // 3
            SPEED_UNIT_ENTRY,       // 4
            PRACTICE_SECTION_MENU,  // 5
            CHECK_SECTION_MENU,     // 6
            MASTERY_SECTION_MENU,   // 7
        },
    };
    return course;
}
