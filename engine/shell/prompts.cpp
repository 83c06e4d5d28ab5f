// The prompts of the bottom strip: key pause, section menu line, next-step box.
#include <cmath>

#include "engine/platform/draw.h"
#include "engine/platform/screen.h"
#include "engine/shell/shell.h"
#include "engine/text/text.h"

namespace {

// The bottom prompt strip, below the page content. Its lower row holds the
// section menu line and the key prompts, its upper row the input field (the
// label at (1008, 648)) and the next-step box.
constexpr float kStripRight = 992, kStripBottom = 720;
constexpr float kKeyRowTop = 657, kKeyRowBottom = 693, kKeyRowText = 666;
constexpr float kFieldRowTop = 639, kFieldRowBottom = 675, kFieldRowText = 648;
constexpr float kMenuLineX = 16;
// The key-pause box and the next-step box share their span and text x.
constexpr float kBoxLeft = 96, kBoxRight = 400, kBoxTextX = 128;

struct Box {
    float left, top, right, bottom;
};
// What the section menu leaves in the strip goes with this box.
constexpr Box kWholeStrip{0, kKeyRowTop, kStripRight, kStripBottom};

// A prompt box: edged in 13, filled with `fill`, drawn with draw width `pen`,
// its text (colour 9) at (text_x, text_y); `erase` is painted over when the
// prompt is done.
struct PromptBox {
    Box box;
    float fill, pen;
    float text_x, text_y;
    Box erase;
};

// The step pause of the pages; its erase also clears the strip's row left
// of the box.
constexpr PromptBox kKeyPause{{kBoxLeft, kKeyRowTop, kBoxRight, kKeyRowBottom}, 4, 3, kBoxTextX, kKeyRowText,
                              {0, kKeyRowTop, kBoxRight, kKeyRowBottom}};
// The wide box with a caller's text; its erase clears the whole strip.
constexpr PromptBox kWideKeyBox{
    {kMenuLineX, kKeyRowTop, kMenuLineX + 480, kKeyRowBottom}, 4, 3, 48, kKeyRowText, kWholeStrip};
// The drill's question, on the input field's row.
constexpr PromptBox kNextStep{{kBoxLeft, kFieldRowTop, kBoxRight, kFieldRowBottom}, 12, 2, kBoxTextX, kFieldRowText,
                              {kBoxLeft, kFieldRowTop, kBoxRight, kFieldRowBottom}};

void fill(const Box& b, float fill, float edge) { draw::fill_box(b.left, b.top, b.right, b.bottom, fill, edge); }

// Shows `p` with the text in KKAI$, lets `answer` take the student's key or
// number, erases, and puts the draw width back (B4 holds it on return). The
// text colour is left as `answer` leaves it.
template <class Answer>
void show_prompt_box(const PromptBox& p, Answer answer) {
    const float width = FE$GETDRAWWIDTH(0);
    G.B4 = width;
    FE$SETDRAWWIDTH(0, p.pen);
    fill(p.box, p.fill, 13);
    G.YMOTO = 9;
    G.DSM1 = p.text_x;
    G.DSM2 = p.text_y;
    DRAW_PROMPT_TEXT();
    answer();
    fill(p.erase, 15, 15);
    G.B4 = width;
    FE$SETDRAWWIDTH(0, width);
}

// Polls until any key comes; the key is used up and left in I$.
void wait_for_any_key() {
    do {
        G.I$ = $PfINKEY24(0);
    } while (G.I$.empty());
}

// A box that waits for any key, with the text colour kept (in HENK2).
void key_box(const PromptBox& p) {
    G.HENK2 = G.YMOTO;
    show_prompt_box(p, wait_for_any_key);
    G.YMOTO = G.HENK2;
}

}  // namespace

void PAUSE_FOR_KEY() {
    // Morvane's column layout switches its own pause off through JYOU.
    if (G.traits.pause_can_be_skipped && G.JYOU == 1) return;
    G.KKAI$ = SJ("何かキーを押して下さい。");
    key_box(kKeyPause);
}

void PRESS_KEY_BOX() { key_box(kWideKeyBox); }

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
    G.DSM1 = kMenuLineX;
    G.DSM2 = kKeyRowText;
    DRAW_PROMPT_TEXT();
    INPUT_FIELD();
    PARSE_NUMBER();
}

void ERASE_BOTTOM_STRIP() { fill(kWholeStrip, 15, 15); }

void ASK_NEXT_STEP() {
    G.KKAI$ = SJ("次のステップは１を入力。");
    show_prompt_box(kNextStep, [] {
        INPUT_FIELD();
        PARSE_NUMBER();
        // The field's label and entry go with the box.
        draw::fill_rect(G.Y5 - 48, G.Y6 - 9, 160, 27, 15, 15);
    });
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
