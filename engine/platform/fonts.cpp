// Fonts, found through fontconfig and loaded through FreeType the first time a
// glyph is drawn or its advance is wanted, and the layout of text draws.
#include "engine/platform/fonts.h"

#include <cairo-ft.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <map>
#include <mutex>
#include <tuple>
#include <utility>

namespace plat {
namespace internal {
namespace {

struct FontSpec {
    const char* family;
    const char* role;     // for the message when it is missing
    const char* package;  // Debian package that installs it
    bool italic;          // the style the course draws it in
    bool bold;            // and whether it needs the face's own bold
};
// The Gothic face: a plain zero, a real bold weight, and half-width letters
// and digits of half an em, as the fixed advances of the lesson texts want.
constexpr FontSpec kGothicSpec{"Noto Sans Mono CJK JP", "the Gothic face", "fonts-noto-cjk", false, true};
constexpr FontSpec kSerifSpec{"Liberation Serif", "the serif italic (\"Times New Roman\")", "fonts-liberation2", true,
                              false};
constexpr FontSpec kExtraSpec{"DejaVu Sans", "the script ell (\"MT Extra\")", "fonts-dejavu-core", false, false};

struct Fonts {
    FT_Library library = nullptr;
    std::map<std::tuple<int, bool, bool>, LoadedFont> faces;           // (face, bold, italic)
    std::map<std::pair<const void*, unsigned>, GlyphMetrics> metrics;  // (FT_Face, glyph): in ems
};
Fonts& fonts() {
    static Fonts f;
    return f;
}

// A face in a font file (a collection holds several).
struct FontFile {
    std::string path;  // "" when none is installed
    int index = 0;
};

FontFile look_up_font_file(const char* family, bool bold, bool italic, bool exact);

// The file of a family in a style. Each answer is kept: the window's start-up
// check and the first drawing of the page ask for the same files, and a
// fontconfig query costs a list of every installed font.
FontFile find_font_file(const char* family, bool bold, bool italic, bool exact) {
    static std::mutex mutex;
    static std::map<std::tuple<std::string, bool, bool, bool>, FontFile> found;
    std::lock_guard lock(mutex);
    const auto key = std::make_tuple(std::string(family), bold, italic, exact);
    if (auto it = found.find(key); it != found.end()) return it->second;
    return found[key] = look_up_font_file(family, bold, italic, exact);
}

// The file and face index that a font pattern names.
FontFile file_of(FcPattern* font) {
    FontFile file;
    FcChar8* f = nullptr;
    if (FcPatternGetString(font, FC_FILE, 0, &f) != FcResultMatch) return file;
    file.path = reinterpret_cast<const char*>(f);
    if (FcPatternGetInteger(font, FC_INDEX, 0, &file.index) != FcResultMatch) file.index = 0;
    return file;
}

FontFile look_up_font_file(const char* family, bool bold, bool italic, bool exact) {
    static std::once_flag init;
    std::call_once(init, [] { FcInit(); });
    FcPattern* pat = FcPatternCreate();
    FcPatternAddString(pat, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
    FcPatternAddInteger(pat, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddInteger(pat, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FontFile file;
    if (exact) {
        FcObjectSet* os = FcObjectSetBuild(FC_FILE, FC_INDEX, nullptr);
        FcFontSet* set = FcFontList(nullptr, pat, os);
        if (set && set->nfont > 0) file = file_of(set->fonts[0]);
        if (set) FcFontSetDestroy(set);
        FcObjectSetDestroy(os);
    } else {
        FcConfigSubstitute(nullptr, pat, FcMatchPattern);
        FcDefaultSubstitute(pat);
        FcResult result;
        FcPattern* match = FcFontMatch(nullptr, pat, &result);
        FcChar8* fam = nullptr;
        if (match && FcPatternGetString(match, FC_FAMILY, 0, &fam) == FcResultMatch &&
            std::string(reinterpret_cast<const char*>(fam)) == family)
            file = file_of(match);
        if (match) FcPatternDestroy(match);
    }
    FcPatternDestroy(pat);
    return file;
}

const FontSpec& face_font(Face face) {
    switch (face) {
        case Face::Serif: return kSerifSpec;
        case Face::MTExtra: return kExtraSpec;
        case Face::Gothic:
        default: return kGothicSpec;
    }
}

FT_Face ft(const LoadedFont& f) { return static_cast<FT_Face>(f.ft); }

}  // namespace

std::recursive_mutex& fonts_mutex() {
    static std::recursive_mutex m;
    return m;
}

LoadedFont* load_font(Face face, bool bold, bool italic) {
    std::lock_guard lock(fonts_mutex());
    Fonts& fs = fonts();
    const auto key = std::make_tuple(static_cast<int>(face), bold, italic);
    if (auto it = fs.faces.find(key); it != fs.faces.end()) return it->second.ft ? &it->second : nullptr;
    LoadedFont& lf = fs.faces[key];
    if (!fs.library && FT_Init_FreeType(&fs.library) != 0) return nullptr;
    const FontSpec& sp = face_font(face);
    // The Gothic face has no italic of its own: the rasteriser slants the
    // upright one. A style that is not installed is made from the upright
    // (for the serif, the italic) face, cairo emboldening it.
    const bool italic_file = italic && face != Face::Gothic;
    FontFile file = find_font_file(sp.family, bold, italic_file, true);
    bool synth_bold = false;
    if (file.path.empty()) {
        file = find_font_file(sp.family, false, face == Face::Serif, true);
        synth_bold = bold;
    }
    if (file.path.empty()) file = find_font_file(sp.family, false, false, false);
    FT_Face face_handle = nullptr;
    if (file.path.empty() || FT_New_Face(fs.library, file.path.c_str(), file.index, &face_handle) != 0) {
        lf.ft = nullptr;
        return nullptr;
    }
    lf.ft = face_handle;
    lf.cairo = cairo_ft_font_face_create_for_ft_face(face_handle, FT_LOAD_NO_HINTING);
    if (synth_bold) cairo_ft_font_face_set_synthesize(lf.cairo, CAIRO_FT_SYNTHESIZE_BOLD);
    return &lf;
}

cairo_font_face_t* thickened(LoadedFont& font) {
    std::lock_guard lock(fonts_mutex());
    if (font.thick || !font.ft) return font.thick;
    // The same FreeType face, so the font file is mapped and parsed once.
    // Cairo keeps one font face per FreeType face and set of load flags, and
    // emboldening is a setting of that font face: asked for with the same
    // flags it would hand back the plain face and thicken it too. Emboldening
    // works on outlines, so the thickened face asks for them alone, which
    // draws the course's faces (they have no embedded bitmaps) as the plain
    // face does.
    font.thick = cairo_ft_font_face_create_for_ft_face(ft(font), FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP);
    cairo_ft_font_face_set_synthesize(font.thick, CAIRO_FT_SYNTHESIZE_BOLD);
    return font.thick;
}

unsigned glyph_index(const LoadedFont& font, unsigned codepoint) {
    return font.ft ? FT_Get_Char_Index(ft(font), codepoint) : 0;
}

const GlyphMetrics& glyph_metrics(const LoadedFont& font, unsigned glyph) {
    std::lock_guard lock(fonts_mutex());
    auto& metrics = fonts().metrics;
    const auto key = std::make_pair(static_cast<const void*>(font.ft), glyph);
    if (auto it = metrics.find(key); it != metrics.end()) return it->second;
    GlyphMetrics& m = metrics[key];
    FT_Face face = ft(font);
    if (face && FT_Load_Glyph(face, glyph, FT_LOAD_NO_SCALE) == 0) {
        const auto em = static_cast<float>(face->units_per_EM);
        const FT_Glyph_Metrics& g = face->glyph->metrics;
        m.advance = static_cast<float>(g.horiAdvance) / em;
        if (g.width > 0 && g.height > 0) {
            m.x0 = static_cast<float>(g.horiBearingX) / em;
            m.x1 = static_cast<float>(g.horiBearingX + g.width) / em;
            m.y1 = static_cast<float>(g.horiBearingY) / em;
            m.y0 = static_cast<float>(g.horiBearingY - g.height) / em;
        }
    }
    return m;
}

unsigned first_codepoint(const std::string& utf8) {
    if (utf8.empty()) return 0;
    const auto* p = reinterpret_cast<const unsigned char*>(utf8.data());
    if (p[0] < 0x80) return p[0];
    int n = (p[0] & 0xE0) == 0xC0 ? 1 : (p[0] & 0xF0) == 0xE0 ? 2 : 3;
    unsigned c = p[0] & (0x3F >> n);
    for (int i = 1; i <= n && i < static_cast<int>(utf8.size()); ++i) c = (c << 6) | (p[i] & 0x3F);
    return c;
}

std::string glyph_utf8(Face face, const Str& sj_char) {
    if (face == Face::MTExtra && sj_char == "l") return "\xE2\x84\x93";  // U+2113 script ell
    return cp932_to_utf8(sj_char);
}

namespace {

// A text's em across before it is drawn: its cells are half and whole ems of
// it.
float cell_em(const DrawOp& op) { return calibration(op.font.face, op.v).cx * op.font.size * op.h; }

float cell_of(const Str& c, float em) { return (c.size() == 2 ? 1.0f : 0.5f) * em; }

}  // namespace

Layout layout_text(const DrawOp& op) {
    Layout l;
    const FaceCalibration cal = calibration(op.font.face, op.v);
    const float s = op.font.size;
    const float em = cell_em(op);
    l.em_x = em;
    l.em_y = cal.cy * s * op.v * drawn_scale(op.v);
    l.baseline = op.ay + cal.baseline * s * op.v;
    float pen = op.ax;
    for (const Str& c : sj_chars(op.text)) {
        LaidGlyph g;
        g.utf8 = glyph_utf8(op.font.face, c);
        g.x = pen;
        g.advance = cell_of(c, em);
        g.left = pen;
        g.right = pen + g.advance;
        pen += g.advance;
        l.glyphs.push_back(std::move(g));
    }
    // A glyph whose caller gave its advance takes that.
    if (op.advance > 0 && l.glyphs.size() == 1) {
        l.glyphs.front().left = op.pen_x;
        l.glyphs.front().right = op.pen_x + op.advance;
    }
    l.width = pen - op.ax;
    return l;
}

Rect text_cells(const DrawOp& op) {
    const FaceCalibration cal = calibration(op.font.face, op.v);
    const float em = cell_em(op);
    float width = 0;
    for (size_t i = 0; i < op.text.size();) {
        const int n = sj_char_len(op.text, i);
        width += n == 2 ? em : em / 2;
        i += static_cast<size_t>(n);
    }
    // Down: from the em box's top to the deepest descender on a line, the
    // em box alone for an unmagnified text.
    const float em_y = cal.cy * op.font.size * op.v * drawn_scale(op.v);
    const float baseline = op.ay + cal.baseline * op.font.size * op.v;
    const float below = on_a_line(op.v) ? kDeepestDescender : 1 - kGothicEmTop;
    // Across: in a fraction part, the cells as the part sets them closer.
    float x0 = op.ax, x1 = op.ax + width;
    if (op.part) {
        x0 = in_part(*op.part, x0);
        x1 = in_part(*op.part, x1);
    }
    return {x0, baseline - kGothicEmTop * em_y, x1, baseline + below * em_y};
}

namespace {

// What a glyph leaves free of ink at each side of its advance, so that no two
// neighbours touch; a ring on a line, as wide as a kanji and often set next
// to another ("③④"), a little more.
constexpr float kSideSpace = 0.5f;
constexpr float kRingSpace = 1.5f;
// A comma's ink starts this far into its advance: close after what it
// follows, the white after it.
constexpr float kCommaTuck = 1.0f;
// The shear of the Gothic face's italic: across per unit up.
constexpr float kGothicSlant = 0.2f;
// What FreeType's emboldening adds to a glyph across and down, growing it
// right and up, as a part of its em down.
constexpr float kThickening = 1.0f / 24;
// A ring in bold text is drawn thickened and then spread this far (page
// units) to each side: the face draws its rings (circled numbers, the
// judgement mark) with a hairline a third as heavy as its bold strokes.
constexpr float kRingSpread = 0.5f;
// Both close the white inside a ring: the counters of its digits ("8", "6",
// "9") are about 0.12 of its em, and each loses the thickening and twice the
// spread. A ring is thickened only where a unit of that white is left (from
// about 26 units up: a lesson line's, not the 16-unit prompt cells'); a
// smaller one is drawn as the face draws it, open and light.
constexpr float kRingCounter = 0.12f;
constexpr float kRingWhite = 1.0f;
// The formula text draws its minus and plus as bars 7/16 of the line's
// magnified em below its top (y+21 on a lesson line, y+14 in a fraction
// part): the axis its signs drawn as glyphs are centred on.
constexpr float kSignAxis = 7.0f / 16;
// A full-width sign is no wider than 5/8 of its em across: 20 units on a
// lesson line, as wide as the "=" and the bars beside it.
constexpr float kSignWidth = 5.0f / 8;

// The circled numbers and letters and the white circles: drawn round.
bool is_ring(unsigned cp) {
    return (cp >= 0x2460 && cp <= 0x2473) || (cp >= 0x24B6 && cp <= 0x24FF) || (cp >= 0x2776 && cp <= 0x2793) ||
           (cp >= 0x3251 && cp <= 0x325F) || (cp >= 0x32B1 && cp <= 0x32BF) || cp == 0x25CB || cp == 0x25CE ||
           cp == 0x25EF;
}

// The signs a line draws as glyphs.
bool is_sign(unsigned cp) {
    switch (cp) {
        case '+':
        case '-':
        case '=':
        case 0x00B1:  // ±
        case 0x00D7:  // ×
        case 0x00F7:  // ÷
        case 0x2260:  // ≠
        case 0x2266:  // ≦
        case 0x2267:  // ≧
        case 0xFF0B:  // ＋
        case 0xFF0D:  // －
        case 0xFF1D:  // ＝
            return true;
        default: return false;
    }
}

// The ink's extent across from the origin, for an em (ex, ey) and a shear.
std::pair<float, float> ink_across(const GlyphMetrics& m, float ex, float ey, float slant) {
    return {ex * m.x0 + slant * ey * m.y0, ex * m.x1 + slant * ey * m.y1};
}

}  // namespace

GlyphPlacement place_glyph(const DrawOp& op, const Layout& l, const LaidGlyph& g, unsigned cp, GlyphMetrics m,
                           bool slanted, PenTrail& trail) {
    GlyphPlacement p{l.em_x, l.em_y, slanted ? kGothicSlant : 0, 0, l.baseline, false, 0};
    const bool line = on_a_line(op.v);
    // The advance its ink is centred in and kept inside: in a fraction part,
    // its cell as the part is set closer, narrower as the glyph is.
    float middle = (g.left + g.right) / 2, width = g.right - g.left;
    if (op.part) {
        p.em_x *= kLineScale;
        middle = in_part(*op.part, middle);
        width *= kLineScale;
    }
    const bool ring = m.inked() && is_ring(cp);
    // A glyph that goes on from where the last one on its line ended.
    const bool follows = line && op.advance > 0 && trail.any && std::fabs(trail.pen - op.pen_x) < 0.01f;
    // Signs on a line are set as the formula text sets its bars: centred on
    // its axis, and thickened to weigh as the bars (5 units) and the bold
    // digits round them; the full-width solidus ("km／時"), which the face
    // draws as a hairline, is thickened too.
    const bool sign = m.inked() && line && op.font.face == Face::Gothic && is_sign(cp);
    const float side = ring && line ? kRingSpace : kSideSpace;
    float room = width - 2 * side;
    if (sign && cp > 0x7F) room = std::min(room, kSignWidth * l.em_x);
    // A ring's em: round, as large as the line's height and the advance
    // allow, thickened (its ink grown by the thickening) and spread or not.
    const auto ring_em = [&](bool thick) {
        const float ink = m.x1 - m.x0 + (thick ? kThickening : 0);
        return std::max(0.0f, std::min(l.em_y, (room - (thick ? 2 * kRingSpread : 0)) / ink));
    };
    const bool heavy_ring =
        ring && op.font.bold && (kRingCounter - kThickening) * ring_em(true) - 2 * kRingSpread >= kRingWhite;
    const float ring_e = ring ? ring_em(heavy_ring) : 0;
    p.thick = heavy_ring || sign || (m.inked() && line && cp == 0xFF0F);
    if (p.thick) {
        // Thickened round its outline: drawn half the thickening left and
        // down of where it stands (FreeType grows it right and up), its box
        // grown by half of it at every side (a ring's em is square).
        const float across = kThickening * (ring ? 1 : l.em_y / l.em_x);
        m.x0 -= across / 2;
        m.x1 += across / 2;
        m.y0 -= kThickening / 2;
        m.y1 += kThickening / 2;
    }
    if (ring) {
        // Its middle where the line put it; where it is thickened, spread
        // too, to weigh as the bold text round it.
        const float middle = l.baseline - l.em_y * (m.y0 + m.y1) / 2;
        if (heavy_ring) p.spread = kRingSpread;
        p.em_x = p.em_y = ring_e;
        p.baseline = middle + ring_e * (m.y0 + m.y1) / 2;
    } else if (m.inked() && cp == '.') {
        // A round dot, as large as the advance allows and no larger than the
        // em down of the digit it follows (about a digit's stem in a lesson
        // line).
        const float most = follows ? trail.em_y : l.em_y;
        p.em_x = p.em_y = std::max(0.0f, std::min(most, room / (m.x1 - m.x0)));
    }
    if (sign) {
        // The lesson code hangs "=" from the line's top at size 14, 3 high,
        // so that the middle of its own magnified em is the line's axis; the
        // other signs take the axis of their line.
        const float s = op.font.size * op.v;
        const float axis = op.ay + (cp == '=' ? s / 2 : kSignAxis * s);
        p.baseline = axis + l.em_y * (m.y0 + m.y1) / 2;
    } else if (cp == '.' && follows) {
        // A decimal point stands on the baseline of the digit it follows,
        // however the lesson code hangs it.
        p.baseline = trail.baseline;
    }
    p.origin_x = middle - m.advance * p.em_x / 2;
    if (m.inked() && room > 0) {
        // Narrowed to its room if it is wider, then centred in its advance
        // (a comma set close after what it follows) and kept inside.
        auto [x0, x1] = ink_across(m, p.em_x, p.em_y, p.slant);
        if (x1 - x0 > room) {
            p.em_x = std::max(0.0f, (room - p.slant * p.em_y * (m.y1 - m.y0)) / (m.x1 - m.x0));
            std::tie(x0, x1) = ink_across(m, p.em_x, p.em_y, p.slant);
            p.origin_x = middle - m.advance * p.em_x / 2;
        }
        if (cp == ',') p.origin_x = middle - width / 2 + kCommaTuck - x0;
        const float lo = middle - width / 2 + side + p.spread, hi = middle + width / 2 - side - p.spread;
        if (p.origin_x + x0 < lo) p.origin_x = lo - x0;
        else if (p.origin_x + x1 > hi) p.origin_x = hi - x1;
    }
    if (p.thick) {
        p.origin_x -= kThickening * p.em_y / 2;
        p.baseline += kThickening * p.em_y / 2;
    }
    if (line && op.advance > 0) trail = {true, op.pen_x + op.advance, l.baseline, l.em_y};
    return p;
}

}  // namespace internal

std::optional<std::string> check_fonts() {
    std::string missing;
    for (const internal::FontSpec* sp : {&internal::kGothicSpec, &internal::kSerifSpec, &internal::kExtraSpec}) {
        const bool found = !internal::find_font_file(sp->family, false, sp->italic, true).path.empty() &&
                           (!sp->bold || !internal::find_font_file(sp->family, true, sp->italic, true).path.empty());
        if (!found)
            missing += std::string("  ") + sp->family + (sp->bold ? " and its bold" : "") + " (" + sp->role +
                       "): apt-get install " + sp->package + "\n";
    }
    if (missing.empty()) return std::nullopt;
    return "The course cannot start: a font it needs is not installed.\n" + missing;
}

}  // namespace plat
