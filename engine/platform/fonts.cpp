// Fonts, found through fontconfig and loaded through FreeType the first time a
// glyph is drawn or its advance is wanted, and the layout of text draws.
#include "engine/platform/fonts.h"

#include <cairo-ft.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

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
    std::map<std::tuple<int, bool, bool>, LoadedFont> faces;     // (face, bold, italic)
    std::map<std::pair<const void*, unsigned>, float> advances;  // (FT_Face, glyph): in ems
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

unsigned glyph_index(const LoadedFont& font, unsigned codepoint) {
    return font.ft ? FT_Get_Char_Index(ft(font), codepoint) : 0;
}

float glyph_advance(const LoadedFont& font, unsigned glyph) {
    std::lock_guard lock(fonts_mutex());
    auto& advances = fonts().advances;
    const auto key = std::make_pair(static_cast<const void*>(font.ft), glyph);
    if (auto it = advances.find(key); it != advances.end()) return it->second;
    FT_Face face = ft(font);
    float adv = 0;
    if (face && FT_Load_Glyph(face, glyph, FT_LOAD_NO_SCALE) == 0)
        adv = static_cast<float>(face->glyph->metrics.horiAdvance) / static_cast<float>(face->units_per_EM);
    return advances[key] = adv;
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
    const float scale = drawn_scale(op.v);
    const float em = cell_em(op);
    l.em_x = em * scale;
    l.em_y = cal.cy * s * op.v * scale;
    l.baseline = op.ay + cal.baseline * s * op.v;
    float pen = op.ax;
    for (const Str& c : sj_chars(op.text)) {
        LaidGlyph g;
        g.utf8 = glyph_utf8(op.font.face, c);
        g.x = pen;
        g.advance = cell_of(c, em);
        g.centre = pen + g.advance / 2;
        pen += g.advance;
        l.glyphs.push_back(std::move(g));
    }
    // A glyph whose caller gave its advance is centred in that.
    if (op.advance > 0 && l.glyphs.size() == 1) l.glyphs.front().centre = op.pen_x + op.advance / 2;
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
    return {op.ax, baseline - kGothicEmTop * em_y, op.ax + width, baseline + below * em_y};
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
