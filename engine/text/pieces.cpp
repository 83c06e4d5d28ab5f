#include "engine/text/pieces.h"

#include "engine/text/text.h"

namespace page {

void fixed(float colour, float x, float y, const Str& text) {
    G.YMOTO = colour;
    G.DSM1 = x;
    G.DSM2 = y;
    G.KKAI$ = text;
    MU();
}

void at(float colour, float x, float y, const Str& text) {
    fixed(colour, x, y, text);
    G.YI1 = G.DSM1;
    G.B2 = G.DSM2;
}

void cont(float colour, const Str& text) { at(colour, G.YI1, G.B2, text); }

void line(float colour, float step, const Str& text) { at(colour, G.B1, G.B2 + step, text); }

void note(float colour, float x, float y, const Str& text) {
    fixed(colour, x, y, text);
    G.YJ1 = G.DSM1;
    G.B3 = G.DSM2;
}

void note_cont(float colour, const Str& text) { note(colour, G.YJ1, G.B3, text); }

void blank(float x, float y, const Str& blanks) { at(G.YMOTO, x, y, blanks); }

void sign_row(float colour, float x, float y, const Str& signs) { fixed(colour, x, y, signs); }

float measure(const Str& text) {
    const float aa1 = G.AA1;
    G.A$ = text;
    MEASURE_TEXT();
    G.AA1 = aa1;
    return G.TY;
}

Str number_text(float value) {
    G.A$ = $PfSTR244(value);
    STRIP_SPACES();
    return G.A$;
}

}  // namespace page
