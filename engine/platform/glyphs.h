// How a face, a size and the two magnifications make a drawn glyph.
//
// The Gothic face follows one model: at size s and magnification (h, v) one
// em is s*h units across and s*v down; the em box's top (the ideographic em
// top, 0.88 em above the baseline) is at the text's y, and every character
// takes a fixed cell: half an em for a one-byte character, a whole em for a
// two-byte one. So a full-width character at h 1, v 1 fills a 16-unit cell at
// size 16, and the lesson texts' fixed advances hold for every size.
//
// The serif italic letters and the script ell are drawn by the lesson code
// with magnifications that would make them far too wide in that model. Each of
// those faces has its own calibration instead, chosen so that their ink sits
// on the Gothic baseline of the line and inside the advance the lesson code
// gives them.
#pragma once
#include <string>
#include <vector>

#include "engine/platform/screen.h"

namespace plat::internal {

struct FaceCalibration {
    float cx;        // em across = cx * size * h
    float cy;        // em down = cy * size * v
    float baseline;  // baseline below the text's y, in units of size * v
    float origin;    // first glyph's origin right of the text's x, in ems across
};

// Gothic ideographic em top above the baseline, as a fraction of the em.
constexpr float kGothicEmTop = 1802.0f / 2048.0f;

inline FaceCalibration calibration(Face face) {
    switch (face) {
        case Face::Serif:
            return {0.6f, 1.0f, 1.09f, 0.0f};
        case Face::MTExtra:
            return {0.7f, 1.0f, 0.823f, 0.05f};
        case Face::Gothic:
        default:
            return {1.0f, 1.0f, kGothicEmTop, 0.0f};
    }
}

// One character of a text as it is laid out: its cell across and its text.
struct LaidGlyph {
    std::string utf8;  // what is drawn (the script ell for "l" in MT Extra)
    float x = 0;       // origin (pen position) of the glyph
    float advance = 0;
};
struct Layout {
    std::vector<LaidGlyph> glyphs;
    float em_x = 0, em_y = 0;  // the em in page units
    float baseline = 0;        // page y of the baseline
    float width = 0;           // from the text's x to the end of the last advance
    float top = 0, bottom = 0;  // generous vertical extent of the ink
};

// Lays a text draw out. Gothic cells are exact; the serif and MT Extra faces
// take their advances from the font (an estimate when `font_advances` is
// false, for the quick extents of the display list).
Layout layout_text(const DrawOp& op, bool font_advances = false);

// The character as drawn, in UTF-8.
std::string glyph_utf8(Face face, const Str& sj_char);

}  // namespace plat::internal
