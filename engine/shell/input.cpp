// The input field, its key loop, and the value of a typed entry.
#include <cmath>

#include "engine/platform/draw.h"
#include "engine/platform/screen.h"
#include "engine/shell/shell.h"
#include "engine/text/text.h"

namespace {

// The dot that marks the next character cell.
void draw_dot(float colour) { draw::disc(G.LCM2 + 8, G.SIKI + 8, 4, colour); }

// Key texts from "-" to "9", compared as whole texts byte by byte: exactly
// "-", ".", "/" and the digits among one-byte keys.
bool accepted_key(const Str& key) { return key.compare("-") >= 0 && key.compare("9") <= 0; }

}  // namespace

void INPUT_FIELD() {
    G.LCM2 = G.Y5;
    G.SIKI = G.Y6;
    G.DS2$.clear();
    G.YMOTO = 0;
    G.DSM1 = G.LCM2 - 48;
    G.DSM2 = G.SIKI;
    G.KKAI$ = SJ("入力");
    DRAW_PROMPT_TEXT();
    READ_KEYS();
    draw::fill_rect(G.Y5 - 48, G.Y6 - 8, 240, 30, 15, 15);
}

void READ_KEYS() {
    // The dot is drawn once and stays while the field waits: the poll shows
    // the page and sleeps until a key comes, so there is nothing to redraw.
    bool dot_shown = false;
    for (;;) {
        if (!dot_shown) {
            draw_dot(5);
            dot_shown = true;
        }
        G.I$ = $PfINKEY24(0);
        if (G.I$.empty()) continue;
        // A key on a full entry (ten characters) clears it, whatever the key.
        if (G.I$ == "\b" || G.I$ == "\x0c" || $PfKLEN(G.DS2$) > 9) {
            draw::fill_rect(G.Y5, G.Y6 - 8, 192, 30, 15, 15);
            G.DS2$.clear();
            G.I$.clear();
            G.LCM2 = G.Y5;
            G.SIKI = G.Y6;
            dot_shown = false;
            continue;
        }
        if (G.I$ == "\r") {
            draw_dot(15);
            return;
        }
        if (accepted_key(G.I$)) {
            draw_dot(15);
            dot_shown = false;
            G.YMOTO = 5;
            G.A$ = G.I$;
            G.DSM1 = G.LCM2;
            G.DSM2 = G.SIKI;
            DRAW_WIDE_TEXT();
            // The typed character is on the page until the entry is cleared
            // or closed, so it is listed with the page's texts.
            plat::note_text(G.LCM2, G.SIKI, G.DS4, G.YMOTO, G.I$);
            G.LCM2 = G.DS4;
            G.DS2$ += G.I$;
        }
    }
}

void PARSE_NUMBER() {
    G.N1 = $PfKLEN(G.DS2$);
    G.SOSU = $PfKINSTR(1, G.DS2$, "/");
    if (G.SOSU == 0) {
        G.AINP = $PfVAL(G.DS2$);
        return;
    }
    G.A$ = $PfKLEFT24(G.DS2$, G.SOSU - 1);
    G.LT$ = $PfKRIGHT24(G.DS2$, G.N1 - G.SOSU);
    const float divisor = $PfVAL(G.LT$);
    // A zero divisor ("5/", "1/0", a lone "/") reads as an empty entry: the
    // menus ask again and a drill goes on, instead of ending the lesson.
    const float value = divisor == 0 ? 0.0f : $PfVAL(G.A$) / divisor;
    G.AINP = std::isfinite(value) ? value : 0.0f;
}
