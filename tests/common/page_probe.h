// Reading a rendered page back: where the ink is, and what colours it has.
#pragma once
#include <string>
#include <vector>

#include "engine/platform/screen.h"

namespace probe {

struct InkBox {
    bool any = false;
    float x0 = 0, y0 = 0, x1 = 0, y1 = 0;  // page units: ink spans [x0, x1) x [y0, y1)
};

// The extent of every pixel of the image inside the page rectangle [x0, x1) x [y0, y1)
// that differs clearly from the background colour 15.
InkBox ink_box(const plat::Image& img, float x0 = 0, float y0 = 0, float x1 = plat::kPageWidth,
               float y1 = plat::kPageHeight);

// The strokes a row (at page y, from x0 to x1) or a column (at page x, from
// y0 to y1) of `img` crosses: its runs of inked pixels (as ink_box takes
// them), each apart from the next by at least one pixel that is not.
int strokes_across(const plat::Image& img, float y, float x0, float x1);
int strokes_down(const plat::Image& img, float x, float y0, float y1);

// The runs of inked columns of the page rectangle, left to right, as page
// x ranges [x0, x1): the glyphs of a number, each apart from the next.
std::vector<std::pair<float, float>> ink_columns(const plat::Image& img, float x0, float y0, float x1, float y1);

// The part of the pixels of the page rectangle that are inked.
double inked_share(const plat::Image& img, float x0, float y0, float x1, float y1);

// Number of pixels of the page within the rectangle that are exactly `rgb`.
long count_colour(const plat::Image& img, unsigned rgb, float x0 = 0, float y0 = 0, float x1 = plat::kPageWidth,
                  float y1 = plat::kPageHeight);

// Writes the page (or the part of it from (x0, y0) to (x1, y1)) as
// COURSE_PNG_DIR/name.png at `scale` when that variable is set, for a person
// to look at; does nothing otherwise, so a normal run writes no files.
void save_png(const std::string& name, float scale = 2, float x0 = 0, float y0 = 0, float x1 = plat::kPageWidth,
              float y1 = plat::kPageHeight);

// Pixels of dark text ink next to a pixel of a table's border (its deep
// purple, colour 3, and that hue's blends) inside the page rectangle,
// rasterised at `scale`; the cells' fills (colours 11, 13, 14, 15) are
// neither. 0 when no text touches a border there.
long text_touching_borders(float scale, float x0, float y0, float x1, float y1);

// One glyph of a run of text on the page: the advance its pen moved across
// (in a fraction part, as the part sets it closer: where its ink is), and
// the draw that put it there.
struct GlyphSpan {
    std::string utf8;
    float left = 0, right = 0;
    plat::DrawOp op;
};
// The first run of glyphs on the line whose top is `top` that spells `utf8`:
// glyphs drawn one by one with the advances their pen moves by, each
// starting where the one before ended (a glyph may hang up to 30 units off
// its line's top). Empty when the line has none.
std::vector<GlyphSpan> glyph_run(const std::string& utf8, float top);

// The ink of a glyph of a run (pixels near its own colour, whatever it is
// drawn on) inside its advance, in the band [y0, y1) of `img`.
InkBox glyph_ink(const plat::Image& img, const GlyphSpan& glyph, float y0, float y1);

// The white across between the inks of each glyph of `run` and the next, in
// the band [y0, y1) rasterised at `scale`: from the last inked column in the
// one's advance to the first in the next's (0 where they touch).
std::vector<float> ink_gaps(const std::vector<GlyphSpan>& run, float y0, float y1, float scale = 4);

// WCAG contrast ratio of two 0xRRGGBB colours.
double contrast_ratio(unsigned a, unsigned b);

}  // namespace probe
