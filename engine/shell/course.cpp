// Start-up, the main menu and the error screen of a course program.
#include "engine/platform/draw.h"
#include "engine/platform/screen.h"
#include "engine/shell/shell.h"
#include "engine/text/text.h"

namespace {

// The running program's definition, and its menu texts in CP932.
const CourseDef* course_ = nullptr;
std::array<Str, 8> item_texts_;

}  // namespace

void create_shared_arrays() {
    G.TITLE$.dim(40);
    G.F.dim(40);
    G.A1$.dim(80);
    G.T.dim(80);
    // The prime-factor table is read both as (row, factor) and as
    // (factor, row): room for ten factors either way.
    G.R1A.dim(10, 10);
    G.GY5.dim(40);
    G.t0014.dim(40);
    G.Y7.dim(10);
    G.R$.dim(10);  // both programs' solver uses it
    G.X$.dim(20);
    G.GX3.dim(40);
    G.GY3.dim(40);
}

void start_up(const CourseDef& course) {
    reset_globals(course.program);
    course_ = &course;
    for (size_t i = 0; i < item_texts_.size(); ++i)
        item_texts_[i] = plat::utf8_to_cp932(course.items[i] ? course.items[i] : "");

    FE$SETMAPMODE(0, 1);
    FE$MAXIMIZEWINDOW(0);
    FE$SETFONTNAME(0, SJ("ｺﾞｼｯｸ"));
    FE$SETFONTSIZE(0, 16);
    FE$SETDRAWWIDTH(0, 3);

    // The seed is hour + minute + second of the local time (0 to 141).
    const Str time = $PfTIME24();
    G.XG = $PfVAL($PfKLEFT24(time, 2)) + $PfVAL($PfKMID24(time, 4, 2)) + $PfVAL($PfKRIGHT24(time, 2));
    $PaRandomize(G.XG);

    G.YMOTO = 4;
    G.Y5 = 1056;
    G.Y6 = 648;
    G.II1$ = plat::utf8_to_cp932(course.title);

    create_shared_arrays();
}

int run_course(const CourseDef& course) {
    try {
        try {
            start_up(course);
            MAIN_MENU();
        } catch (const plat::RuntimeFault&) {
            ERROR_SCREEN();
        }
    } catch (const plat::ProgramEnded&) {
        return 0;
    } catch (const plat::WindowClosed&) {
        return 0;
    }
}

void ASK_MENU_NUMBER() {
    G.YMOTO = 0;
    G.DSM1 = G.Y5 - 240;
    G.DSM2 = G.Y6;
    G.KKAI$ = SJ("番号を入力して下さい。");
    DRAW_PROMPT_TEXT();
    INPUT_FIELD();
    PARSE_NUMBER();
}

void ERASE_MENU_PROMPT() { draw::fill_rect(G.Y5 - 240, G.Y6 - 8, 1056, 50, 15, 15); }

void MENU_ITEM_7() {}

void MAIN_MENU() {
    for (;;) {
        draw::fill_rect(0, 0, 1760, 1800, 15, 15);
        draw::fill_rect(22, 10, 1320, 600, 10, 15);
        // The course title is a name, not a formula: its letters are drawn
        // as they are (MU would set "l" as a script ell and "a" in italics).
        G.YMOTO = 15;
        show_plain_text(G.YMOTO, 264, 30, SJ("＜") + G.II1$ + SJ("　メニュー＞"));
        for (int n = 1; n <= 8; ++n) {
            G.YMOTO = n % 2 == 1 ? 13 : 15;
            G.DSM1 = 44;
            G.DSM2 = static_cast<float>(120 + 60 * (n - 1));
            G.KKAI$ = item_texts_[n - 1];
            MU();
        }
        ASK_MENU_NUMBER();
        ERASE_MENU_PROMPT();
        if (G.AINP == 8) $PsEND(0);
        if (G.AINP < 1 || G.AINP > 8) continue;
        draw::fill_rect(0, 0, 1760, 1800, 15, 15);
        const UnitEntry unit = course_->units[menu_item(G.AINP) - 1];
        (unit ? unit : MENU_ITEM_7)();
    }
}

void ERROR_SCREEN() {
    $PsCLS(0, 0);
    G.XG = $PfERL();
    G.A$ = $PfSTR244(G.XG);
    G.B = $PfERR();
    G.LT$ = $PfSTR244(G.B);
    const Str line = G.A$ + "," + G.LT$ + SJ("エラーが発生しました。マウスで×をクリックして下さい。");
    $PsSYMBOL40(0, 0, 288, 432, line, 1, 1, 13, 0, 0, 0);
    // For the listing of visible texts: half an em for a one-byte character,
    // a whole em for the others.
    const float em = plat::current_font().size;
    float width = 0;
    for (const Str& c : plat::sj_chars(line)) width += c.size() == 1 ? em / 2 : em;
    plat::note_text(288, 432, 288 + width, 13, line);
    for (;;) $PbCheckAll();
}
