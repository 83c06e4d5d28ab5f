// The plain types of a page: its size, fonts, the recorded draws and the
// rectangles they cover. Nothing here draws; the display list (screen.h)
// records these and the rasteriser paints them.
#pragma once
#include <optional>
#include <utility>
#include <vector>

#include "engine/platform/cp932.h"

namespace plat {

constexpr float kPageWidth = 1366;  // logical page, map mode 1
constexpr float kPageHeight = 768;

enum class Face { Gothic, Serif, MTExtra };

struct Font {
    Face face = Face::Gothic;
    float size = 16;
    bool bold = false;
    bool italic = false;
    bool operator==(const Font&) const = default;
};

enum class OpKind {
    Text,      // a: top-left; text, h, v, font, colour, and the advance if given
    Line,      // a to b; colour, width
    Box,       // corners a and b; colour (edge), fill, width
    Circle,    // centre a, radius r; start/end in turns; filled, fill
    Polyline,  // pts; colour, width
    Clear,     // the whole window
    Note,      // not drawn: a whole text as a caller gave it, from a to (b.x, a.y)
};

struct DrawOp {
    OpKind kind = OpKind::Text;
    float ax = 0, ay = 0, bx = 0, by = 0;
    float r = 0, start = 0, end = 0;
    int colour = 0;
    int fill = 0;
    bool filled = false;
    float width = 3;  // pen width in logical units
    Str text;         // CP932
    float h = 1, v = 1;
    // Text: the advance its caller's pen moves by, from pen_x (0: none
    // given); the glyph is centred in it across.
    float pen_x = 0, advance = 0;
    // A draw of a fraction part: the middle of the part's cells (its bar's
    // middle), toward which every draw of the part is set closer, a glyph in
    // the proportions of its magnification (fonts.h).
    std::optional<float> part;
    Font font;
    std::vector<std::pair<float, float>> pts;  // (x, y), in drawing order
    // A line's or an open polyline's first and last point, when it meets
    // there, at an angle, the end of a stroke drawn before it: the corner is
    // rounded off as a polyline's own corners are, instead of the square end
    // every stroke otherwise has.
    bool join_first = false, join_last = false;
    bool operator==(const DrawOp&) const = default;
};

// An axis-aligned rectangle in page units.
struct Rect {
    float x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    bool contains(const Rect& r) const { return r.x0 >= x0 && r.x1 <= x1 && r.y0 >= y0 && r.y1 <= y1; }
    bool intersects(const Rect& r) const { return r.x0 < x1 && r.x1 > x0 && r.y0 < y1 && r.y1 > y0; }
};

}  // namespace plat
