// The course's fonts (found through fontconfig, loaded through FreeType only
// when something is drawn to pixels) and how a face, a size and the two
// magnifications make a drawn glyph.
//
// Every character of a text takes a fixed cell across: half an em for a
// one-byte character, a whole em for a two-byte one, where the em is s*h
// units across at size s and magnification (h, v). The cells are what a box
// must cover to hide the text, and what the listing of a page's texts reads.
//
// What is drawn in them: a text magnified down (v > 1: every lesson text)
// stands on a lesson line, which holds 44 of its s*v units (48 at size 16,
// v 3). Its glyphs are drawn flattened, as a 平体 setting draws them: across,
// the em is s*h, so that a glyph fills its advance as the magnification
// gives it and the glyphs of a number or a word stand as close as in a set
// line; down, only 25/32 of s*v, on a baseline 0.703*s*v below the text's
// y, so that the face's tallest glyphs (brackets, circled numbers, 0.86 em
// above the baseline) start a unit and a half below y and its deepest
// descenders (0.23 em) end 42 below it, with kana, kanji, digits and
// capitals above 38: the next line 50 lower and an erase box 40 below the
// line's top leave them whole. An unmagnified text (the prompt cells, the
// error line) fills its em as a font of its size does: the em box's top
// (0.88 em above the baseline) at the text's y.
//
// Across, a glyph is centred in the advance its caller's pen moves by (when
// the caller gives it; otherwise in its cell) and its ink is kept inside
// that advance with half a unit to spare at either side: a glyph wider than
// its advance is narrowed to it, so neighbours never touch. Some glyphs are
// drawn by rules of their own (place_glyph): rings stay round, signs sit on
// the axis of the formula text's minus and plus bars and weigh as they do, a
// decimal point stands on the baseline of the digit before it, a comma close
// after what it follows, and rings, which the face draws light, are
// thickened in bold text where that leaves them open.
//
// A fraction part is set as one. Its glyphs keep the proportions their
// magnification gives them: fitted to the part's line as every magnified
// text is, and across by the same factor, so they are narrower than their
// cells. Every draw of the part, glyph, sign bar or any other mark, is set
// that much closer to the middle of the part's cells (its bar's middle):
// a glyph in its cell scaled round that middle, a mark moved as far as its
// own middle is, keeping its shape. So the white between a sign and a digit
// is about what two digits of a number leave, and the part stays centred on
// its bar.
//
// The serif italic letters and the script ell are drawn by the lesson code
// with magnifications that would make them far too wide in that model. Each of
// those faces has its own calibration instead, chosen so that their ink sits
// on the Gothic baseline of the line.
#pragma once
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "engine/platform/draw_types.h"

// Cairo's font handle, as cairo.h declares it (only the rasteriser and this
// file's implementation need the rest of cairo).
typedef struct _cairo_font_face cairo_font_face_t;

namespace plat {

// Checks that every face the course uses is installed; on failure returns a
// message that names the package to install. Looks nothing else up.
std::optional<std::string> check_fonts();

}  // namespace plat

namespace plat::internal {

struct FaceCalibration {
    float cx;        // em across = cx * size * h
    float cy;        // em down = cy * size * v (times the drawn scale)
    float baseline;  // baseline below the text's y, in units of size * v
};

// Ideographic em top above the baseline, as a fraction of the em (the
// Gothic face's and the one every CJK face shares).
constexpr float kGothicEmTop = 0.88f;
// No glyph of the course's faces reaches further below the baseline (the
// Gothic "g" 0.23 em, the script ell's face 0.24), as a fraction of the em.
constexpr float kDeepestDescender = 0.25f;
// The drawn em down of a glyph magnified down, as a part of the magnified
// em.
constexpr float kLineScale = 25.0f / 32.0f;

inline bool on_a_line(float v) { return v > 1; }
// The drawn em down as a part of the magnified em.
inline float drawn_scale(float v) { return on_a_line(v) ? kLineScale : 1.0f; }

// Where a point across of a fraction part's cells goes as the part is set
// closer to their middle: every glyph of a part stands on a line, so by the
// factor its glyphs are fitted by.
inline float in_part(float middle, float x) { return middle + (x - middle) * kLineScale; }

inline FaceCalibration calibration(Face face, float v) {
    switch (face) {
        case Face::Serif: return {0.6f, 1.0f, 0.98f};
        case Face::MTExtra: return {0.7f, 1.0f, 0.703125f};
        case Face::Gothic:
        default: return {1.0f, 1.0f, on_a_line(v) ? 0.703125f : kGothicEmTop};
    }
}

// One character of a text as it is laid out.
struct LaidGlyph {
    std::string utf8;   // what is drawn (the script ell for "l" in MT Extra)
    float x = 0;        // start of its cell
    float advance = 0;  // its cell across
    // What its ink may take across: its caller's advance, or its cell.
    float left = 0, right = 0;
};
struct Layout {
    std::vector<LaidGlyph> glyphs;
    float em_x = 0, em_y = 0;  // the drawn em in page units
    float baseline = 0;        // page y of the baseline
    float width = 0;           // from the text's x to the end of the last cell
};

// Lays a text draw out (from the bytes alone; no font is loaded).
Layout layout_text(const DrawOp& op);

// The cells a text takes: across from its x over its cells (in a fraction
// part, as the part sets them closer), and down the band its face's ink can
// reach on its line (for an unmagnified text, its em box). What a box must
// cover to hide the text; computed from the bytes alone, without converting
// or loading anything.
Rect text_cells(const DrawOp& op);

// The character as drawn, in UTF-8.
std::string glyph_utf8(Face face, const Str& sj_char);
// Its first code point.
unsigned first_codepoint(const std::string& utf8);

// A loaded face: FreeType's and cairo's handles.
struct LoadedFont {
    void* ft = nullptr;  // FT_Face
    cairo_font_face_t* cairo = nullptr;
    // The same face thickened by FreeType's emboldening (a stroke of 1/24 em
    // added, the glyph growing right and up), made when first wanted.
    cairo_font_face_t* thick = nullptr;
};
// Whoever lays out or draws glyphs holds this lock (FreeType faces are not
// shared between threads).
std::recursive_mutex& fonts_mutex();
// Loads (once) the face for a font state; nullptr when no file serves.
LoadedFont* load_font(Face face, bool bold, bool italic);
// The glyph index of a code point in a loaded face (0 when it lacks it).
unsigned glyph_index(const LoadedFont& font, unsigned codepoint);
// The thickened form of a loaded face (nullptr when it cannot be made).
cairo_font_face_t* thickened(LoadedFont& font);
// A glyph's own advance and the box of its ink, in ems (up from the
// baseline); an empty box for a glyph without ink.
struct GlyphMetrics {
    float advance = 0;
    float x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    bool inked() const { return x1 > x0 && y1 > y0; }
};
const GlyphMetrics& glyph_metrics(const LoadedFont& font, unsigned glyph);

// Where the glyph drawn last on a line left its pen: a glyph that goes on
// from there may take its line from it.
struct PenTrail {
    bool any = false;
    float pen = 0;       // where its advance ended
    float baseline = 0;  // the baseline it stood on
    float em_y = 0;      // and its em down
};

// How one laid glyph of a text draw is drawn: its em, its origin, whether in
// the face's thickened form, and how far (page units) it is spread: drawn
// again that far left, right, up and down of its place, for more weight.
struct GlyphPlacement {
    float em_x = 0, em_y = 0;
    float slant = 0;  // across per unit up, as a part of em_y (the Gothic italic)
    float origin_x = 0, baseline = 0;
    bool thick = false;
    float spread = 0;
};
// Places glyph `g` (code point `cp`, metrics `m`) of a text draw laid out as
// `l`, and moves `trail` on past it.
GlyphPlacement place_glyph(const DrawOp& op, const Layout& l, const LaidGlyph& g, unsigned cp, GlyphMetrics m,
                           bool slanted, PenTrail& trail);

}  // namespace plat::internal
