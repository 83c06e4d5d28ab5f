// Table cells and boxes: a filled, bordered box with text centred in it.
#include <cmath>

#include "engine/platform/draw.h"
#include "engine/shell/shell.h"
#include "engine/text/chain.h"
#include "engine/text/text.h"

namespace {

// Whether a text holds the stacked-fraction mark, looking at whole
// characters (a trail byte that equals the mark does not count).
bool holds_fraction(const Str& text) {
    for (const Str& c : plat::sj_chars(text))
        if (c == SJ("ﾀ")) return true;
    return false;
}

// Offset that centres a text of width `text_width` across `width`; a text
// wider than the box starts at its left edge.
float centring(float width, float text_width) {
    const float dx = (width - text_width) / 2;
    return dx < 0 ? 0 : dx;
}

// How far below the top of a `height`-high space a line of text starts.
float line_offset(float height, bool fraction) { return std::floor((height - (fraction ? 50.0f : 44.0f)) / 2); }

}  // namespace

void DRAW_TABLE_CELL() {
    const float left = G.DSM1, top = G.DSM2, w = G.TANI, h = G.X8;
    G.DS1 = left;
    G.AINP_AUX = top;
    const Str text = G.A$;
    const bool fraction = holds_fraction(text);
    const float dx = centring(w, page::measure(text));
    const float text_top = top + line_offset(h, fraction);
    draw::fill_box(left, top, left + w, top + h, G.TKAI2, G.NO);
    page::fixed(G.YMOTO, left + dx, text_top, text);
    G.DSM1 = left + w;
    G.DSM2 = top;
}

void DRAW_TABLE_CELL_ABOVE() {
    const float left = G.DSM1, top = G.DSM2, w = G.TANI, h = G.X8;
    G.DS1 = left;
    G.AINP_AUX = top;
    const Str text = G.A$;
    const float dx = centring(w, page::measure(text));
    const float raise = std::floor((h - 44) / 2);
    draw::fill_box(left, top - raise, left + w, top + h - raise, G.TKAI2, G.NO);
    page::fixed(G.YMOTO, left + dx, top, text);
    G.DSM1 = left + w;
    G.DSM2 = top;
}

void DRAW_TWO_LINE_BOX() {
    const float left = G.DSM1, top = G.DSM2, w = G.TANI, h = G.X8;
    G.DS1 = left;
    G.AINP_AUX = top;
    const Str upper = G.YY$, lower = G.T$;
    const float half = h / 2;

    const bool upper_fraction = holds_fraction(upper);
    const float dx1 = centring(w, page::measure(upper));
    float upper_top = top + line_offset(half, upper_fraction);
    draw::fill_box(left, top, left + w, top + h, G.TKAI2, G.NO);
    if (lower.empty()) upper_top += 25;  // one line, lower in the box
    page::fixed(G.YMOTO, left + dx1, upper_top, upper);

    const bool lower_fraction = holds_fraction(lower);
    const float dx2 = centring(w, page::measure(lower));
    const float lower_top = top + (lower_fraction ? 50 : 44) + line_offset(half, lower_fraction);
    page::fixed(G.YMOTO, left + dx2, lower_top, lower);

    G.YY$ = upper;
    G.T$ = lower;
    G.DSM1 = left + w;
    G.DSM2 = top;
}
