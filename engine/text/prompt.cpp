// Prompt text: the shell's prompts and the echo of typed keys, every
// character in its full-width form in a 16-unit cell. "^" leaves the next
// character as it is (the same exponent flag as the formula text's).
#include "engine/platform/screen.h"
#include "engine/text/text.h"

void STRIP_SPACES() {
    G.R$s.clear();
    const float length = $PfLEN(G.A$);
    float i = 1;
    do {
        G.FDS1$ = $PfMID24(G.A$, i, 1);
        if (G.FDS1$ != " ") G.R$s += G.FDS1$;
        i += 1;
    } while (i <= length);
    G.A$ = G.R$s;
}

void TO_FULL_WIDTH_CHAR() {
    G.NAGA$ = " XYABCDEFGHIJKLMNOPQRSTUVWZ";
    G.KOSUU$ = SJ("　ＸＹΑＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＺ");
    G.BAIY$ = SJ(" 0123456789 */+-ﾀ=.?()!$@&'[]<>,%xyabcdefghijklmnopqrstuvw~:");
    G.CCC1$ = SJ(
        "　０１２３４５６７８９　×÷＋－―＝．∽（）√≡±π∠≦≧＜＞，°χｙａｂｃｄｅｆｇｈｉｊｋｌｍｎｏｐｑｒｓｔｕｖｗ△：");
    // An empty cell stays empty (it shows nothing either way).
    if (G.LT$.empty()) {
        G.SOSU1 = 0;
        G.SOSU = 0;
        return;
    }
    G.SOSU1 = $PfINSTR(1, G.NAGA$, G.LT$);
    if (G.SOSU1 != 0) G.LT$ = $PfKMID24(G.KOSUU$, G.SOSU1, 1);
    G.SOSU = $PfINSTR(1, G.BAIY$, G.LT$);
    if (G.SOSU != 0) G.LT$ = $PfKMID24(G.CCC1$, G.SOSU, 1);
}

void DRAW_WIDE_TEXT() {
    STRIP_SPACES();
    G.X9 = $PfKLEN(G.A$);
    G.DS4 = G.DSM1;
    FE$SETFONTBOLD(0, -1);
    const Str period = SJ("．");
    // The test comes after the pass: an empty text (a lone space) still takes
    // one blank cell.
    G.LE = G.X9;
    G.HENK = 1;
    do {
        G.LT$ = $PfKMID24(G.A$, G.HENK, 1);
        if (G.LT$ == "^") {
            G.X1 = 1;
        } else {
            if (G.X1 != 1) TO_FULL_WIDTH_CHAR();
            else G.X1 = 0;
            // Half-width glyphs sit higher in the cell. Kept here: X3 holds
            // the product the solver reads after a reduction.
            const float raise = $PfLEN(G.LT$) == 1 ? 4 : 0;
            // A period takes no cell: it sits in the gap before the next one.
            if (G.LT$ == period) G.DS4 -= 4;
            if (!G.LT$.empty()) $PsSYMBOL40(0, 0, G.DS4, G.DSM2 - raise, G.LT$, 1, 1, $PnFInt(G.YMOTO), 0, 0, 1);
            if (G.LT$ == period) G.DS4 -= 12;
            G.DS4 += 16;
        }
        G.HENK += 1;
    } while (G.HENK <= G.LE);
}

void DRAW_PROMPT_TEXT() {
    const Str given = G.KKAI$;
    const float x0 = G.DSM1;
    for (;;) {
        G.N1 = $PfKLEN(G.KKAI$);
        if (G.N1 == 0) break;
        G.A$ = $PfKLEFT24(G.KKAI$, 1);
        G.KKAI$ = $PfKRIGHT24(G.KKAI$, G.N1 - 1);
        if (G.A$ == "^") {
            G.X1 = 1;
            continue;
        }
        DRAW_WIDE_TEXT();
        G.DSM1 = G.DS4;
    }
    if (!given.empty() && G.DSM2 < plat::kPageHeight) plat::note_text(x0, G.DSM2, G.DSM1, G.YMOTO, given);
}

void RESEED_FROM_CLOCK() {
    const float hours = $PfVAL($PfLEFT24($PfTIME24(), 2));
    const float minutes = $PfVAL($PfMID24($PfTIME24(), 4, 2));
    const float seconds = $PfVAL($PfRIGHT24($PfTIME24(), 2));
    G.XG = hours + minutes + seconds;
    $PaRandomize($PnFInt(G.XG));
}
