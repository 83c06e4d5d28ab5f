// Fonts, found through fontconfig and loaded through FreeType the first time a
// glyph is drawn or its advance is wanted, and the layout of text draws.
#include "engine/platform/fonts.h"

#include <cairo-ft.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <algorithm>
#include <cmath>
#include <map>
#include <mutex>
#include <tuple>


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

std::string look_up_font_file(const char* family, bool bold, bool italic, bool exact);

// The file of a family in a style, or "" when it is not installed. Each
// answer is kept: the window's start-up check and the first drawing of the
// page ask for the same files, and a fontconfig query costs a list of every
// installed font.
std::string find_font_file(const char* family, bool bold, bool italic, bool exact) {
    static std::mutex mutex;
    static std::map<std::tuple<std::string, bool, bool, bool>, std::string> found;
    std::lock_guard lock(mutex);
    const auto key = std::make_tuple(std::string(family), bold, italic, exact);
    if (auto it = found.find(key); it != found.end()) return it->second;
    return found[key] = look_up_font_file(family, bold, italic, exact);
}

std::string look_up_font_file(const char* family, bool bold, bool italic, bool exact) {
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

// A glyph outline as path steps, in 26.6 units of the (possibly stretched)
// font units.
struct PathStep {
    enum Kind { Move, Line, Curve, Close } kind;
    double p[6];
};
using Outline = std::vector<PathStep>;

struct OutlineBuilder {
    Outline steps;
    double cx = 0, cy = 0;  // current point
    bool open = false;
    void move(double x, double y) {
        if (open) steps.push_back({PathStep::Close, {}});
        steps.push_back({PathStep::Move, {x, y}});
        cx = x;
        cy = y;
        open = true;
    }
};

int move_to(const FT_Vector* to, void* user) {
    static_cast<OutlineBuilder*>(user)->move(static_cast<double>(to->x), static_cast<double>(to->y));
    return 0;
}
int line_to(const FT_Vector* to, void* user) {
    auto* b = static_cast<OutlineBuilder*>(user);
    b->cx = static_cast<double>(to->x);
    b->cy = static_cast<double>(to->y);
    b->steps.push_back({PathStep::Line, {b->cx, b->cy}});
    return 0;
}
int conic_to(const FT_Vector* c, const FT_Vector* to, void* user) {
    // The quadratic as the cubic it is.
    auto* b = static_cast<OutlineBuilder*>(user);
    const double qx = static_cast<double>(c->x), qy = static_cast<double>(c->y);
    const double x = static_cast<double>(to->x), y = static_cast<double>(to->y);
    b->steps.push_back({PathStep::Curve,
                        {b->cx + 2.0 / 3 * (qx - b->cx), b->cy + 2.0 / 3 * (qy - b->cy), x + 2.0 / 3 * (qx - x),
                         y + 2.0 / 3 * (qy - y), x, y}});
    b->cx = x;
    b->cy = y;
    return 0;
}
int cubic_to(const FT_Vector* c1, const FT_Vector* c2, const FT_Vector* to, void* user) {
    auto* b = static_cast<OutlineBuilder*>(user);
    b->cx = static_cast<double>(to->x);
    b->cy = static_cast<double>(to->y);
    b->steps.push_back({PathStep::Curve,
                        {static_cast<double>(c1->x), static_cast<double>(c1->y), static_cast<double>(c2->x),
                         static_cast<double>(c2->y), b->cx, b->cy}});
    return 0;
}

// Bold outlines made so far: (face, glyph, stretch across, stretch down,
// thickening), the last three in thousandths.
std::map<std::tuple<const void*, unsigned, long, long, long>, Outline>& bold_outlines() {
    static std::map<std::tuple<const void*, unsigned, long, long, long>, Outline> m;
    return m;
}

// The glyph's outline in font units times 64, stretched by (sx, sy) and
// grown by `grow` such units in all.
Outline make_bold_outline(FT_Face face, unsigned gi, double sx, double sy, double grow) {
    OutlineBuilder b;
    if (FT_Load_Glyph(face, gi, FT_LOAD_NO_SCALE | FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) != 0 ||
        face->glyph->format != FT_GLYPH_FORMAT_OUTLINE)
        return {};
    FT_Outline& outline = face->glyph->outline;
    FT_Matrix m{static_cast<FT_Fixed>(std::lround(sx * 64 * 65536)), 0, 0,
                static_cast<FT_Fixed>(std::lround(sy * 64 * 65536))};
    FT_Outline_Transform(&outline, &m);
    // FreeType grows the outline right and up by the whole amount; half of
    // it goes back, so that it grows evenly on every side as a stroke does.
    const FT_Pos strength = static_cast<FT_Pos>(std::lround(grow * 64));
    FT_Outline_Embolden(&outline, strength);
    FT_Outline_Translate(&outline, -strength / 2, -strength / 2);
    const FT_Outline_Funcs funcs{move_to, line_to, conic_to, cubic_to, 0, 0};
    FT_Outline_Decompose(&outline, &funcs, &b);
    if (b.open) b.steps.push_back({PathStep::Close, {}});
    return b.steps;
}

}  // namespace

void append_bold_glyph(cairo_t* cr, const LoadedFont& font, unsigned gi, double em_x, double em_y, bool slant,
                       double thickening, double x, double y) {
    std::lock_guard lock(fonts_mutex());
    FT_Face face = ft(font);
    if (!face || em_x <= 0 || em_y <= 0) return;
    // Grown where the em is the same across and down (its smaller side), so
    // that the thickening is the same on every edge in page units.
    const double em = std::min(em_x, em_y);
    const double sx = em_x / em, sy = em_y / em;
    const double units = static_cast<double>(face->units_per_EM);
    const double grow = thickening * units / em;  // in font units
    const auto key = std::make_tuple(static_cast<const void*>(face), gi, std::lround(sx * 1000),
                                     std::lround(sy * 1000), std::lround(grow * 1000));
    auto it = bold_outlines().find(key);
    if (it == bold_outlines().end()) it = bold_outlines().emplace(key, make_bold_outline(face, gi, sx, sy, grow)).first;
    // Font units times 64, y up, to page units, y down; the italic's shear
    // as the Gothic italic's font matrix has it.
    const double k = em / units / 64;
    cairo_matrix_t m;
    cairo_matrix_init(&m, k, 0, slant ? 0.2 * k : 0, -k, x, y);
    cairo_save(cr);
    cairo_transform(cr, &m);
    for (const PathStep& step : it->second) {
        switch (step.kind) {
            case PathStep::Move:
                cairo_move_to(cr, step.p[0], step.p[1]);
                break;
            case PathStep::Line:
                cairo_line_to(cr, step.p[0], step.p[1]);
                break;
            case PathStep::Curve:
                cairo_curve_to(cr, step.p[0], step.p[1], step.p[2], step.p[3], step.p[4], step.p[5]);
                break;
            case PathStep::Close:
                cairo_close_path(cr);
                break;
        }
    }
    cairo_restore(cr);
}

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
