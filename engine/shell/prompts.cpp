// The prompts of the bottom strip: key pause, section menu line, next-step box.
#include <cmath>

#include "engine/platform/screen.h"
#include "engine/platform/draw.h"
#include "engine/shell/shell.h"
#include "engine/text/text.h"

namespace {

// Polls until any key comes; the key is used up and left in I$.
void wait_for_any_key() {
    do {
        G.I$ = $PfINKEY24(0);
    } while (G.I$.empty());
}

}  // namespace

void PAUSE_FOR_KEY() {
    // Morvane's column layout switches its own pause off through JYOU.
    if (G.traits.pause_can_be_skipped && G.JYOU == 1) return;
    G.HENK2 = G.YMOTO;
    const float width = FE$GETDRAWWIDTH(0);
    G.B4 = width;
    FE$SETDRAWWIDTH(0, 3);
    draw::fill_box(96, 657, 400, 693, 4, 13);
    G.YMOTO = 9;
    G.DSM1 = 128;
    G.DSM2 = 666;
    G.KKAI$ = SJ("何かキーを押して下さい。");
    DRAW_PROMPT_TEXT();
    wait_for_any_key();
    draw::fill_box(0, 657, 400, 693, 15, 15);
    G.YMOTO = G.HENK2;
    G.B4 = width;
    FE$SETDRAWWIDTH(0, width);
}

void PRESS_KEY_BOX() {
    G.HENK2 = G.YMOTO;
    const float width = FE$GETDRAWWIDTH(0);
    G.B4 = width;
    FE$SETDRAWWIDTH(0, 3);
    draw::fill_rect(16, 657, 480, 36, 4, 13);
    G.YMOTO = 9;
    G.DSM1 = 48;
    G.DSM2 = 666;
    DRAW_PROMPT_TEXT();
    wait_for_any_key();
    draw::fill_box(0, 657, 992, 720, 15, 15);
    G.YMOTO = G.HENK2;
    G.B4 = width;
    FE$SETDRAWWIDTH(0, width);
}

void FLUSH_KEYS() {
    for (;;) {
        // Headless, a poll on a used-up script means "waiting for a key",
        // which a flush never does.
        if (plat::headless() && plat::pending_keys() == 0) {
            G.I$.clear();
            return;
        }
        G.I$ = $PfINKEY24(0);
        if (G.I$.empty()) return;
    }
}

void ASK_SUBMENU_NUMBER() {
    G.YMOTO = 0;
    G.DSM1 = 16;
    G.DSM2 = 666;
    DRAW_PROMPT_TEXT();
    INPUT_FIELD();
    PARSE_NUMBER();
}

void ERASE_BOTTOM_STRIP() { draw::fill_box(0, 657, 992, 720, 15, 15); }

void ASK_NEXT_STEP() {
    const float width = FE$GETDRAWWIDTH(0);
    G.B4 = width;
    FE$SETDRAWWIDTH(0, 2);
    draw::fill_box(96, 639, 400, 675, 12, 13);
    G.YMOTO = 9;
    G.DSM1 = 128;
    G.DSM2 = 648;
    G.KKAI$ = SJ("次のステップは１を入力。");
    DRAW_PROMPT_TEXT();
    INPUT_FIELD();
    PARSE_NUMBER();
    draw::fill_rect(G.Y5 - 48, G.Y6 - 9, 160, 27, 15, 15);
    draw::fill_box(96, 639, 400, 675, 15, 15);
    G.B4 = width;
    FE$SETDRAWWIDTH(0, width);
}

int menu_item(float value) { return static_cast<int>(std::floor(value)); }

int ask_section_menu(const Str& menu_line, int items) {
    for (;;) {
        G.KKAI$ = menu_line;
        ASK_SUBMENU_NUMBER();
        G.A = G.AINP;
        G.AINP = 10;
        ERASE_BOTTOM_STRIP();
        if (G.A < 1 || G.A > static_cast<float>(items)) continue;
        return menu_item(G.A);
    }
}
