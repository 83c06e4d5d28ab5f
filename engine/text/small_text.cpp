// The small text style: bold size 15 with a fixed advance for each kind of
// character, a, x and c in italic serif, and no mark-up at all (every
// character is drawn as itself). With its measuring and two boxed forms.
#include "engine/platform/screen.h"
#include "engine/text/text.h"

namespace {

// Draws LT$ at the pen (TA6, YT) and returns its advance.
float small_glyph() {
    const Str& c = G.LT$;
    const float x = G.TA6, y = G.YT;
    // The glyph at (gx, gy), centred in the advance the pen moves by.
    const auto draw = [&](float advance, float gx, float gy, float h, float v) {
        plat::draw_glyph(gx, gy, c, h, v, $PnFInt(G.YMOTO), x, advance);
        return advance;
    };
    G.ZX5 = $PfLEN(c);
    if (c == "." || c == ",") return draw(8, x, y, 3, 2);
    if (c == "(") return draw(12, x - 8, y, 3, 2);
    if (c == ")") return draw(8, x, y, 3, 2);
    if (c == " ") return 20;
    if (G.ZX5 == 2) return draw(30, x, y, 2, 2);
    if (c == "a" || c == "x" || c == "c") {
        FE$SETFONTNAME(0, "Times New Roman");
        FE$SETFONTSIZE(0, 8);
        FE$SETFONTITALIC(0, -1);
        draw(20, x + 4, y - 12, 7, 4);
        FE$SETFONTNAME(0, SJ("ゴシック"));
        FE$SETFONTITALIC(0, 0);
        return 20;
    }
    if (c == "y") return draw(20, x, y - 6, 3, 2);
    return draw(20, x, y, 3, 2);
}

}  // namespace

void SHOW_SMALL_TEXT() {
    const Str given = G.KKAI$;
    const float x0 = G.DSM1, y0 = G.DSM2;
    for (;;) {
        G.TA6 = G.DSM1;
        G.YT = G.DSM2;
        G.B4 = FE$GETDRAWWIDTH(0);
        G.N1 = $PfKLEN(G.KKAI$);
        if (G.N1 == 0) {
            FE$SETFONTBOLD(0, 0);
            FE$SETDRAWWIDTH(0, G.B4);
            FE$SETFONTSIZE(0, 16);
            break;
        }
        G.A$ = $PfKLEFT24(G.KKAI$, 1);
        G.KKAI$ = $PfKRIGHT24(G.KKAI$, G.N1 - 1);
        FE$SETFONTBOLD(0, -1);
        FE$SETFONTSIZE(0, 15);
        G.GY0$ = G.A$;
        G.ZX12 = $PfKLEN(G.GY0$);
        G.X_SMALL_TEXT = G.ZX12;
        for (G.HENK = 1; G.HENK <= G.X_SMALL_TEXT; G.HENK += 1) {
            G.LT$ = $PfKMID24(G.GY0$, G.HENK, 1);
            G.TA6 += small_glyph();
        }
        G.DSM1 = G.TA6;
        G.DSM2 = G.YT;
    }
    if (!given.empty() && y0 < plat::kPageHeight) plat::note_text(x0, y0, G.DSM1, G.YMOTO, given);
}

void MEASURE_SMALL_TEXT() {
    G.AA_MEASURE = G.DSM1;
    G.IB8 = G.DSM2;
    G.DSM1 = 0;
    G.DSM2 = 1800;
    G.KKAI$ = G.A$;
    SHOW_SMALL_TEXT();
    G.TY = G.DSM1;
    G.DSM1 = G.AA_MEASURE;
    G.DSM2 = G.IB8;
}

namespace {

// The box of both cell routines, from (DS1, AINP_AUX), TANI wide, X8 high.
void small_box() {
    G.TX = G.AINP_AUX + G.X8;
    $PsLINE(0, 0, G.DS1, G.AINP_AUX, 0, G.DS1 + G.TANI, G.TX, -1, G.NO, 2, G.TKAI2, 0, 15);
}

// Left offset that centres a text of width TY, never left of the box.
void centre_offset() {
    G.YY = (G.TANI - G.TY) / 2;
    if (G.YY < 0) G.YY = 0;
}

}  // namespace

void DRAW_SMALL_TEXT_CELL() {
    G.DS1 = G.DSM1;
    G.AINP_AUX = G.DSM2;
    G.FKIG$ = G.A$;
    MEASURE_SMALL_TEXT();
    centre_offset();
    G.DS3 = G.AINP_AUX + $PnFInt((G.X8 - 26) / 2);
    small_box();
    G.DSM1 = G.DS1 + G.YY;
    G.DSM2 = G.DS3;
    G.KKAI$ = G.FKIG$;
    SHOW_SMALL_TEXT();
    G.DSM1 = G.DS1 + G.TANI;
    G.DSM2 = G.AINP_AUX;
}

void DRAW_SMALL_TWO_LINE_BOX() {
    G.DS1 = G.DSM1;
    G.AINP_AUX = G.DSM2;
    G.A$ = G.YY$;
    MEASURE_SMALL_TEXT();
    centre_offset();
    G.DS3 = G.AINP_AUX + $PnFInt((G.X8 / 2 - 26) / 2);
    small_box();
    G.M1 = G.T$.empty() ? G.DS3 + 15 : G.DS3;
    G.DSM1 = G.DS1 + G.YY;
    G.DSM2 = G.M1;
    G.KKAI$ = G.YY$;
    SHOW_SMALL_TEXT();
    G.A$ = G.T$;
    MEASURE_SMALL_TEXT();
    centre_offset();
    G.NASI = G.DS3 + 30;
    G.DSM1 = G.DS1 + G.YY;
    G.DSM2 = G.NASI;
    G.KKAI$ = G.T$;
    SHOW_SMALL_TEXT();
    G.DSM1 = G.DS1 + G.TANI;
    G.DSM2 = G.AINP_AUX;
}
