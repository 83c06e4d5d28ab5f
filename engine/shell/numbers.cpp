// Number texts, page-clearing boxes and sign-text helpers.
#include "engine/platform/draw.h"
#include "engine/shell/shell.h"
#include "engine/text/text.h"

void NUMBERS_TO_TEXT() {
    for (G.HENK = 1; G.HENK <= 80; G.HENK += 1) {
        G.A1$(G.HENK) = $PfSTR244(G.T(G.HENK));
        G.A$ = G.A1$(G.HENK);
        STRIP_SPACES();
        G.A1$(G.HENK) = G.A$;
    }
    for (G.HENK = 1; G.HENK <= 40; G.HENK += 1) {
        G.TITLE$(G.HENK) = $PfSTR244(G.F(G.HENK));
        G.A$ = G.TITLE$(G.HENK);
        STRIP_SPACES();
        G.TITLE$(G.HENK) = G.A$;
    }
}

void CLEAR_BELOW_TITLE() { draw::fill_box(0, 54, 1440, 900, 15, 15); }

void ERASE_INPUT_AREA() {
    G.DSM1 = G.Y5 + 80;
    G.DSM2 = G.Y6 - 72;
    draw::erase_rect(G.DSM1, G.DSM2, 1440, 90);
}

// "+" and "-" are never the lead byte of a double-byte character, so a look
// at the first byte is a look at the first character.
void STRIP_LEADING_PLUS() {
    if (!G.A$.empty() && G.A$[0] == '+') G.A$.erase(0, 1);
}

void STRIP_LEADING_SIGN() {
    if (!G.A$.empty() && (G.A$[0] == '+' || G.A$[0] == '-')) G.A$.erase(0, 1);
}
