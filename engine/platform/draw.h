// Typed drawing calls over the runtime's long argument lists. Pages, the
// shell and the helpers draw through these; the runtime's own calls stay for
// the few routines that are written through them. Every call records into the
// display list exactly what the matching runtime call records, and draws with
// the draw width in force. Colours are palette numbers 0 to 15.
#pragma once
#include <initializer_list>
#include <utility>
#include <vector>

#include "engine/platform/runtime.h"

namespace draw {

using Point = std::pair<float, float>;  // (x, y)

// The width of the lines, edges and braces drawn from here on.
inline void set_width(float width) { FE$SETDRAWWIDTH(0, width); }

// A text in the current font with its top-left at (x, y), magnified `h`
// across and `v` down.
inline void text(float x, float y, const Str& text, float h, float v, float colour) {
    $PsSYMBOL40(0, 0, x, y, text, h, v, colour, 0, 0, 1);
}

// A filled box between two corners, edged in `edge`.
inline void fill_box(float x1, float y1, float x2, float y2, float fill, float edge) {
    $PsLINE(0, 0, x1, y1, 0, x2, y2, -1, edge, 2, fill, -1, 3);
}
// A filled box from (x, y), w wide and h high, edged in `edge`.
inline void fill_rect(float x, float y, float w, float h, float fill, float edge) {
    $PsLINE(0, 0, x, y, 1, w, h, -1, edge, 2, fill, -1, 3);
}
// Paints a box from (x, y), w wide and h high, with the page background.
inline void erase_rect(float x, float y, float w, float h) { fill_rect(x, y, w, h, 15, 15); }

// A straight line from (x1, y1) to (x2, y2).
inline void line(float x1, float y1, float x2, float y2, float colour) {
    $PsLINE(0, 0, x1, y1, 0, x2, y2, -1, colour, 0, 0, -1, 7);
}
// A straight line from (x, y) by (dx, dy).
inline void line_by(float x, float y, float dx, float dy, float colour) {
    $PsLINE(0, 0, x, y, 1, dx, dy, -1, colour, 0, 0, -1, 7);
}

// An open polyline through the points in order.
inline void polyline(const std::vector<Point>& points, float colour) {
    std::vector<float> block = {13, static_cast<float>(points.size()), -1, 0, 0, -1, colour};
    for (auto p = points.rbegin(); p != points.rend(); ++p) block.insert(block.end(), {p->second, p->first, 0});
    block.push_back(0);
    $PsCONNECT(block);
}
inline void polyline(std::initializer_list<Point> points, float colour) {
    polyline(std::vector<Point>(points), colour);
}

// A circle's outline round (x, y).
inline void circle(float x, float y, float r, float colour) {
    $PsCIRCLE(0, 0, x, y, r, colour, 1, 0, 0, 0, 0, colour, 1);
}
// An arc round (x, y) from `start` to `end`, in turns from +x towards +y
// (clockwise on the page).
inline void arc(float x, float y, float r, float start, float end, float colour) {
    $PsCIRCLE(0, 0, x, y, r, colour, 1, start, end, 0, 0, colour, 1);
}
// A filled disc round (x, y) in one colour.
inline void disc(float x, float y, float r, float colour) {
    $PsCIRCLE(0, 0, x, y, r, colour, 1, 0, 0, 1, 0, colour, 1);
}
// A filled sector from `start` to `end` (turns), edged in `edge`, filled with `fill`.
inline void sector(float x, float y, float r, float start, float end, float edge, float fill) {
    $PsCIRCLE(0, 0, x, y, r, edge, 1, start, end, 1, 0, fill, 3);
}
// A dot: a filled circle of radius 0.5, which the draw width makes visible.
inline void dot(float x, float y, float colour) { disc(x, y, 0.5f, colour); }

}  // namespace draw
