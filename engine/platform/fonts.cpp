// Fonts, found through fontconfig and loaded through FreeType the first time a
// glyph is drawn or its advance is wanted, and the layout of text draws.
#include "engine/platform/fonts.h"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <map>
#include <tuple>

#include "engine/platform/screen.h"

namespace plat {
namespace internal {
namespace {

struct FontSpec {
    const char* family;
    const char* role;      // for the message when it is missing
    const char* package;   // Debian package that installs it
    bool italic;
};
constexpr FontSpec kGothicSpec{"IPAGothic", "the Gothic face", "fonts-ipafont-gothic", false};
constexpr FontSpec kSerifSpec{"Liberation Serif", "the serif italic (\"Times New Roman\")", "fonts-liberation2", true};
constexpr FontSpec kExtraSpec{"DejaVu Sans", "the script ell (\"MT Extra\")", "fonts-dejavu-core", false};

struct Fonts {
    FT_Library library = nullptr;
    std::map<std::tuple<int, bool, bool>, LoadedFont> faces;  // (face, bold, italic)
    std::map<std::tuple<int, bool, bool, unsigned>, float> advances;  // in ems
};
Fonts& fonts() {
    static Fonts f;
    return f;
}

// The file of a family in a style, or "" when it is not installed.
std::string find_font_file(const char* family, bool bold, bool italic, bool exact) {
    static std::once_flag init;
    std::call_once(init, [] { FcInit(); });
    FcPattern* pat = FcPatternCreate();
    FcPatternAddString(pat, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
    FcPatternAddInteger(pat, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddInteger(pat, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    std::string file;
    if (exact) {
        FcObjectSet* os = FcObjectSetBuild(FC_FILE, nullptr);
        FcFontSet* set = FcFontList(nullptr, pat, os);
        FcChar8* f = nullptr;
        if (set && set->nfont > 0 && FcPatternGetString(set->fonts[0], FC_FILE, 0, &f) == FcResultMatch)
            file = reinterpret_cast<const char*>(f);
        if (set) FcFontSetDestroy(set);
        FcObjectSetDestroy(os);
    } else {
        FcConfigSubstitute(nullptr, pat, FcMatchPattern);
        FcDefaultSubstitute(pat);
        FcResult result;
        FcPattern* match = FcFontMatch(nullptr, pat, &result);
        FcChar8* f = nullptr;
        FcChar8* fam = nullptr;
        if (match && FcPatternGetString(match, FC_FAMILY, 0, &fam) == FcResultMatch &&
            std::string(reinterpret_cast<const char*>(fam)) == family &&
            FcPatternGetString(match, FC_FILE, 0, &f) == FcResultMatch)
            file = reinterpret_cast<const char*>(f);
        if (match) FcPatternDestroy(match);
    }
    FcPatternDestroy(pat);
    return file;
}

const FontSpec& face_font(Face face) {
    switch (face) {
        case Face::Serif:
            return kSerifSpec;
        case Face::MTExtra:
            return kExtraSpec;
        case Face::Gothic:
        default:
            return kGothicSpec;
    }
}

FT_Face ft(const LoadedFont& f) { return static_cast<FT_Face>(f.ft); }

// A glyph's advance in ems, from the font (0.5 when the font is missing).
float font_advance(Face face, bool bold, bool italic, unsigned cp) {
    Fonts& fs = fonts();
    const auto key = std::make_tuple(static_cast<int>(face), bold, italic, cp);
    if (auto it = fs.advances.find(key); it != fs.advances.end()) return it->second;
    float adv = 0.5f;
    if (LoadedFont* lf = load_font(face, bold, italic)) {
        const FT_UInt gi = FT_Get_Char_Index(ft(*lf), cp);
        if (gi && FT_Load_Glyph(ft(*lf), gi, FT_LOAD_NO_SCALE) == 0)
            adv = static_cast<float>(ft(*lf)->glyph->metrics.horiAdvance) / static_cast<float>(ft(*lf)->units_per_EM);
    }
    fs.advances[key] = adv;
    return adv;
}

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
    // The Gothic face has one weight and no italic: bold is synthesised and
    // italic slanted. The others have their own styles where installed.
    const bool own_style = face != Face::Gothic;
    std::string file = own_style ? find_font_file(sp.family, bold, italic, true) : "";
    bool synth_bold = false;
    if (file.empty()) {
        file = find_font_file(sp.family, false, face == Face::Serif ? true : false, true);
        synth_bold = bold && face != Face::Gothic;
    }
    if (file.empty()) file = find_font_file(sp.family, false, false, false);
    FT_Face face_handle = nullptr;
    if (file.empty() || FT_New_Face(fs.library, file.c_str(), 0, &face_handle) != 0) {
        lf.ft = nullptr;
        return nullptr;
    }
    lf.ft = face_handle;
    lf.cairo = cairo_ft_font_face_create_for_ft_face(face_handle, FT_LOAD_NO_HINTING);
    if (synth_bold) cairo_ft_font_face_set_synthesize(lf.cairo, CAIRO_FT_SYNTHESIZE_BOLD);
    lf.synthetic_bold = synth_bold;
    return &lf;
}

unsigned glyph_index(const LoadedFont& font, unsigned codepoint) {
    return font.ft ? FT_Get_Char_Index(ft(font), codepoint) : 0;
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

Layout layout_text(const DrawOp& op, bool font_advances) {
    Layout l;
    const FaceCalibration cal = calibration(op.font.face);
    const float s = op.font.size;
    l.em_x = cal.cx * s * op.h;
    l.em_y = cal.cy * s * op.v;
    l.baseline = op.ay + cal.baseline * s * op.v;
    float pen = op.ax + cal.origin * l.em_x;
    for (const Str& c : sj_chars(op.text)) {
        LaidGlyph g;
        g.utf8 = glyph_utf8(op.font.face, c);
        g.x = pen;
        if (op.font.face != Face::Gothic && font_advances) {
            std::lock_guard lock(fonts_mutex());
            g.advance = font_advance(op.font.face, op.font.bold, op.font.italic, first_codepoint(g.utf8)) * l.em_x;
        } else {
            g.advance = (c.size() == 2 ? 1.0f : 0.5f) * l.em_x;
        }
        pen += g.advance;
        l.glyphs.push_back(std::move(g));
    }
    l.width = pen - op.ax;
    l.top = std::min(op.ay, l.baseline - l.em_y) - 2;
    l.bottom = std::max(op.ay + s * op.v, l.baseline + 0.3f * l.em_y) + 2;
    return l;
}

Rect text_cells(const DrawOp& op) {
    const FaceCalibration cal = calibration(op.font.face);
    const float s = op.font.size;
    const float em_x = cal.cx * s * op.h, em_y = cal.cy * s * op.v;
    float ems = 0;
    for (size_t i = 0; i < op.text.size();) {
        const int n = sj_char_len(op.text, i);
        ems += n == 2 ? 1.0f : 0.5f;
        i += static_cast<size_t>(n);
    }
    const float top = op.ay + cal.baseline * s * op.v - kGothicEmTop * em_y;
    return {op.ax, top, op.ax + (cal.origin + ems) * em_x, top + em_y};
}

}  // namespace internal

std::optional<std::string> check_fonts() {
    std::string missing;
    for (const internal::FontSpec* sp : {&internal::kGothicSpec, &internal::kSerifSpec, &internal::kExtraSpec}) {
        if (internal::find_font_file(sp->family, false, sp->italic, true).empty())
            missing += std::string("  ") + sp->family + " (" + sp->role + "): apt-get install " + sp->package + "\n";
    }
    if (missing.empty()) return std::nullopt;
    return "The course cannot start: a font it needs is not installed.\n" + missing;
}

}  // namespace plat
