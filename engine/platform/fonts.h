// The course's fonts (found through fontconfig, loaded through FreeType only
// when something is drawn to pixels) and how a face, a size and the two
// magnifications make a drawn glyph.
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
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "engine/platform/draw_types.h"

// Cairo's handles, as cairo.h declares them (only the rasteriser and this
// file's implementation need the rest of cairo).
typedef struct _cairo cairo_t;
typedef struct _cairo_font_face cairo_font_face_t;

namespace plat {

// Checks that every face the course uses is installed; on failure returns a
// message that names the package to install. Looks nothing else up.
std::optional<std::string> check_fonts();

}  // namespace plat

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
// false: no font is loaded then).
Layout layout_text(const DrawOp& op, bool font_advances = false);

// The cells a text takes: from its x across the advances (estimated for the
// serif and MT Extra faces, as in layout_text without the font), and down
// the em box that sits on the face's baseline as the Gothic em sits on the
// text's y. What a box must cover to hide the text; computed from the bytes
// alone, without converting or loading anything.
Rect text_cells(const DrawOp& op);

// The character as drawn, in UTF-8.
std::string glyph_utf8(Face face, const Str& sj_char);
// Its first code point.
unsigned first_codepoint(const std::string& utf8);

// A loaded face: FreeType's and cairo's handles.
struct LoadedFont {
    void* ft = nullptr;  // FT_Face
    cairo_font_face_t* cairo = nullptr;
    bool synthetic_bold = false;  // cairo emboldens it
};
// Whoever lays out or draws glyphs holds this lock (FreeType faces are not
// shared between threads).
std::recursive_mutex& fonts_mutex();
// Loads (once) the face for a font state; nullptr when no file serves.
LoadedFont* load_font(Face face, bool bold, bool italic);
// The glyph index of a code point in a loaded face (0 when it lacks it).
unsigned glyph_index(const LoadedFont& font, unsigned codepoint);

// Adds to `cr`'s path the outline of glyph `gi` made bold: every edge moved
// out by half of `thickening` (page units), as a stroke of that width round
// the outline would, so that filling it paints the glyph and the stroke at
// once. The em is `em_x` across and `em_y` down, the origin at (x, y);
// `slant` shears it as the Gothic italic. The grown outlines are kept, so a
// bold glyph costs one fill.
void append_bold_glyph(cairo_t* cr, const LoadedFont& font, unsigned gi, double em_x, double em_y, bool slant,
                       double thickening, double x, double y);

}  // namespace plat::internal
