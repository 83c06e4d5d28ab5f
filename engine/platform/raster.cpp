// Fonts (found through fontconfig) and the cairo rasteriser of the display
// list, shared by the window and the PNG writer.
#include "engine/platform/raster.h"

#include <cairo-ft.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>
#include <cstdint>
#include <map>
#include <mutex>
#include <numbers>
#include <tuple>

#include "engine/platform/glyphs.h"
#include "engine/platform/internal.h"

namespace plat {
namespace internal {
namespace {

// --------------------------------------------------------------- fonts
struct FontSpec {
    const char* family;
    const char* role;      // for the message when it is missing
    const char* package;   // Debian package that installs it
    bool italic;
};
constexpr FontSpec kGothicSpec{"IPAGothic", "the Gothic face", "fonts-ipafont-gothic", false};
constexpr FontSpec kSerifSpec{"Liberation Serif", "the serif italic (\"Times New Roman\")", "fonts-liberation2", true};
constexpr FontSpec kExtraSpec{"DejaVu Sans", "the script ell (\"MT Extra\")", "fonts-dejavu-core", false};

struct LoadedFont {
    FT_Face ft = nullptr;
    cairo_font_face_t* cairo = nullptr;
};

struct Fonts {
    std::recursive_mutex mutex;  // the renderer holds it while it lays texts out
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

// Loads (once) the face for a font state; nullptr when no file serves.
LoadedFont* load(Face face, bool bold, bool italic) {
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
    if (file.empty() || FT_New_Face(fs.library, file.c_str(), 0, &lf.ft) != 0) {
        lf.ft = nullptr;
        return nullptr;
    }
    lf.cairo = cairo_ft_font_face_create_for_ft_face(lf.ft, FT_LOAD_NO_HINTING);
    if (synth_bold) cairo_ft_font_face_set_synthesize(lf.cairo, CAIRO_FT_SYNTHESIZE_BOLD);
    return &lf;
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

// A glyph's advance in ems, from the font (0.5 when the font is missing).
float font_advance(Face face, bool bold, bool italic, unsigned cp) {
    Fonts& fs = fonts();
    const auto key = std::make_tuple(static_cast<int>(face), bold, italic, cp);
    if (auto it = fs.advances.find(key); it != fs.advances.end()) return it->second;
    float adv = 0.5f;
    if (LoadedFont* lf = load(face, bold, italic)) {
        const FT_UInt gi = FT_Get_Char_Index(lf->ft, cp);
        if (gi && FT_Load_Glyph(lf->ft, gi, FT_LOAD_NO_SCALE) == 0)
            adv = static_cast<float>(lf->ft->glyph->metrics.horiAdvance) / static_cast<float>(lf->ft->units_per_EM);
    }
    fs.advances[key] = adv;
    return adv;
}

void set_rgb(cairo_t* cr, int colour) {
    const unsigned rgb = palette_rgb(colour);
    cairo_set_source_rgb(cr, ((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0);
}

void draw_text(cairo_t* cr, const DrawOp& op) {
    const Layout l = layout_text(op, true);
    if (l.glyphs.empty() || l.em_x <= 0 || l.em_y <= 0) return;
    set_rgb(cr, op.colour);
    cairo_font_options_t* opts = cairo_font_options_create();
    cairo_font_options_set_hint_style(opts, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(opts, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_antialias(opts, CAIRO_ANTIALIAS_GRAY);
    cairo_set_font_options(cr, opts);
    cairo_font_options_destroy(opts);
    for (const LaidGlyph& g : l.glyphs) {
        const unsigned cp = first_codepoint(g.utf8);
        if (cp == 0 || cp == ' ' || cp == 0x3000) continue;
        Face face = op.font.face;
        LoadedFont* lf = load(face, op.font.bold, op.font.italic);
        FT_UInt gi = lf ? FT_Get_Char_Index(lf->ft, cp) : 0;
        if (!gi && face != Face::Gothic) {  // a character the face lacks
            face = Face::Gothic;
            lf = load(face, op.font.bold, op.font.italic);
            gi = lf ? FT_Get_Char_Index(lf->ft, cp) : 0;
        }
        if (!lf) continue;
        cairo_set_font_face(cr, lf->cairo);
        cairo_matrix_t m;
        const bool slant = op.font.italic && face == Face::Gothic;
        cairo_matrix_init(&m, l.em_x, 0, slant ? -0.2 * l.em_y : 0, l.em_y, 0, 0);
        cairo_set_font_matrix(cr, &m);
        cairo_glyph_t glyph{gi, g.x, l.baseline};
        if (op.font.bold && face == Face::Gothic) {
            // The Gothic face has one weight: bold thickens the outline by
            // about a unit at the usual size, so a glyph keeps to its cell.
            cairo_glyph_path(cr, &glyph, 1);
            cairo_fill_preserve(cr);
            cairo_set_line_width(cr, std::max(0.6, std::min(l.em_x, l.em_y) / 40.0));
            cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
            cairo_stroke(cr);
        } else {
            cairo_show_glyphs(cr, &glyph, 1);
        }
    }
}

void stroke_with(cairo_t* cr, const DrawOp& op) {
    set_rgb(cr, op.colour);
    cairo_set_line_width(cr, std::max(op.width, 1.0f));
    cairo_stroke(cr);
}

void draw_op(cairo_t* cr, const DrawOp& op) {
    switch (op.kind) {
        case OpKind::Text:
            draw_text(cr, op);
            break;
        case OpKind::Line:
            cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
            cairo_move_to(cr, op.ax, op.ay);
            cairo_line_to(cr, op.bx, op.by);
            stroke_with(cr, op);
            break;
        case OpKind::Box:
            // Boxes are drawn without antialiasing: a page erases a box by
            // drawing the same box in the background colour, and blended edge
            // pixels would leave a faint outline of the erased box behind.
            cairo_save(cr);
            cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
            cairo_rectangle(cr, std::min(op.ax, op.bx), std::min(op.ay, op.by), std::fabs(op.bx - op.ax),
                            std::fabs(op.by - op.ay));
            if (op.filled) {
                set_rgb(cr, op.fill);
                cairo_fill_preserve(cr);
            }
            cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
            stroke_with(cr, op);
            cairo_restore(cr);
            break;
        case OpKind::Circle: {
            const double two_pi = 2 * std::numbers::pi;
            // Ends are parts of a turn: 1.0 is the same place as 0.0, so
            // ends that meet there make the whole circle too.
            const bool whole = op.start - std::floor(op.start) == op.end - std::floor(op.end);
            cairo_new_path(cr);
            if (whole && std::max(op.width, 1.0f) >= 2 * op.r) {
                // A pen as wide as the circle covers it: a solid spot (a dot
                // of radius 0.5 is as wide as the pen), not a ring.
                cairo_arc(cr, op.ax, op.ay, op.r + std::max(op.width, 1.0f) / 2, 0, two_pi);
                set_rgb(cr, op.colour);
                cairo_fill(cr);
                break;
            }
            if (whole) {
                cairo_arc(cr, op.ax, op.ay, op.r, 0, two_pi);
                cairo_close_path(cr);
            } else {
                if (op.filled) cairo_move_to(cr, op.ax, op.ay);
                cairo_arc(cr, op.ax, op.ay, op.r, op.start * two_pi, op.end * two_pi);
                if (op.filled) cairo_close_path(cr);
            }
            if (op.filled) {
                set_rgb(cr, op.fill);
                cairo_fill_preserve(cr);
            }
            cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
            stroke_with(cr, op);
            break;
        }
        case OpKind::Polyline:
            cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
            cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
            cairo_move_to(cr, op.pts[0].first, op.pts[0].second);
            for (size_t i = 1; i < op.pts.size(); ++i) cairo_line_to(cr, op.pts[i].first, op.pts[i].second);
            stroke_with(cr, op);
            break;
        case OpKind::Note:
        case OpKind::Clear:
            break;
    }
}

}  // namespace

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
        if (op.font.face == Face::Gothic) {
            g.advance = (c.size() == 2 ? 1.0f : 0.5f) * l.em_x;
        } else if (font_advances) {
            std::lock_guard lock(fonts().mutex);
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

void render_page(cairo_t* cr) {
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, kPageWidth, kPageHeight);
    cairo_clip(cr);
    set_rgb(cr, 15);
    cairo_paint(cr);
    {
        std::lock_guard lock(fonts().mutex);
        for (const DrawOp& op : display_list()) draw_op(cr, op);
    }
    cairo_restore(cr);
}

}  // namespace internal

Image rasterise(float scale, float x0, float y0, float x1, float y1) {
    Image img;
    if (!(scale > 0) || !(x1 > x0) || !(y1 > y0)) return img;
    img.scale = scale;
    img.x0 = x0;
    img.y0 = y0;
    img.width = static_cast<int>(std::ceil((x1 - x0) * scale));
    img.height = static_cast<int>(std::ceil((y1 - y0) * scale));
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, img.width, img.height);
    cairo_t* cr = cairo_create(surface);
    cairo_scale(cr, scale, scale);
    cairo_translate(cr, -x0, -y0);
    internal::render_page(cr);
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    img.pixels.resize(static_cast<size_t>(img.width) * static_cast<size_t>(img.height));
    for (int y = 0; y < img.height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(data + static_cast<ptrdiff_t>(y) * stride);
        for (int x = 0; x < img.width; ++x)
            img.pixels[static_cast<size_t>(y) * static_cast<size_t>(img.width) + static_cast<size_t>(x)] = row[x] & 0xFFFFFFu;
    }
    cairo_surface_destroy(surface);
    return img;
}

bool write_png(const std::string& path, float scale) { return write_png(path, scale, 0, 0, kPageWidth, kPageHeight); }

bool write_png(const std::string& path, float scale, float x0, float y0, float x1, float y1) {
    const Image img = rasterise(scale, x0, y0, x1, y1);
    if (img.width <= 0 || img.height <= 0) return false;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, img.width, img.height);
    cairo_surface_flush(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < img.height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<ptrdiff_t>(y) * stride);
        for (int x = 0; x < img.width; ++x) row[x] = img.at(x, y);
    }
    cairo_surface_mark_dirty(surface);
    const bool ok = cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    return ok;
}

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
