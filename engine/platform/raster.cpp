// The cairo rasteriser of the display list, shared by the window and the PNG
// writer.
#include "engine/platform/raster.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <mutex>
#include <numbers>
#include <optional>
#include <tuple>

#include "engine/platform/fonts.h"
#include "engine/platform/internal.h"
#include "engine/platform/screen.h"

namespace plat {
namespace internal {
namespace {

void set_rgb(cairo_t* cr, int colour) {
    const unsigned rgb = palette_rgb(colour);
    cairo_set_source_rgb(cr, ((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0);
}

void draw_text(cairo_t* cr, const DrawOp& op, PenTrail& trail) {
    const Layout l = layout_text(op);
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
        LoadedFont* lf = load_font(face, op.font.bold, op.font.italic);
        unsigned gi = lf ? glyph_index(*lf, cp) : 0;
        if (!gi && face != Face::Gothic) {  // a character the face lacks
            face = Face::Gothic;
            lf = load_font(face, op.font.bold, op.font.italic);
            gi = lf ? glyph_index(*lf, cp) : 0;
        }
        if (!lf) continue;
        const GlyphPlacement p =
            place_glyph(op, l, g, cp, glyph_metrics(*lf, gi), op.font.italic && face == Face::Gothic, trail);
        if (p.em_x <= 0 || p.em_y <= 0) continue;
        cairo_font_face_t* thick = p.thick ? thickened(*lf) : nullptr;
        cairo_set_font_face(cr, thick ? thick : lf->cairo);
        cairo_matrix_t m;
        cairo_matrix_init(&m, p.em_x, 0, -p.slant * p.em_y, p.em_y, 0, 0);
        cairo_set_font_matrix(cr, &m);
        if (p.spread > 0) {
            const double x = p.origin_x, y = p.baseline, d = p.spread;
            const cairo_glyph_t spread[] = {{gi, x, y}, {gi, x - d, y}, {gi, x + d, y}, {gi, x, y - d}, {gi, x, y + d}};
            cairo_show_glyphs(cr, spread, 5);
        } else {
            cairo_glyph_t glyph{gi, p.origin_x, p.baseline};
            cairo_show_glyphs(cr, &glyph, 1);
        }
    }
}

void stroke_with(cairo_t* cr, const DrawOp& op) {
    set_rgb(cr, op.colour);
    cairo_set_line_width(cr, stroke_width(op));
    cairo_stroke(cr);
}

// Lines and polylines end square at their stated points, so that the gaps
// the formula signs leave between their strokes stay open. One of no length
// would show nothing so: it is a dot as wide as the pen.
void set_ends(cairo_t* cr, const DrawOp& op) {
    cairo_set_line_cap(cr, no_length(op) ? CAIRO_LINE_CAP_ROUND : CAIRO_LINE_CAP_BUTT);
}

// An end that meets an earlier stroke's end at a corner is rounded off, as
// a polyline's own corners are, so the corner shows closed.
void round_corners(cairo_t* cr, const DrawOp& op, std::pair<float, float> first, std::pair<float, float> last) {
    for (const auto& [joined, p] : {std::pair{op.join_first, first}, std::pair{op.join_last, last}}) {
        if (!joined) continue;
        cairo_new_path(cr);
        cairo_arc(cr, p.first, p.second, stroke_width(op) / 2, 0, 2 * std::numbers::pi);
        cairo_fill(cr);
    }
}

void draw_op(cairo_t* cr, const DrawOp& op, PenTrail& trail) {
    switch (op.kind) {
        case OpKind::Text: draw_text(cr, op, trail); break;
        case OpKind::Line:
            set_ends(cr, op);
            cairo_move_to(cr, op.ax, op.ay);
            cairo_line_to(cr, op.bx, op.by);
            stroke_with(cr, op);
            round_corners(cr, op, {op.ax, op.ay}, {op.bx, op.by});
            break;
        case OpKind::Box:
            // Boxes are drawn without antialiasing: a page erases a box by
            // drawing the same box in the background colour, and blended edge
            // pixels would leave a faint outline of the erased box behind.
            // A box paints exactly its rectangle: its edge is the inner half
            // of a pen centred on the sides, so that a clearing box never
            // nicks what starts at its side, and a table's shared side stays
            // one pen wide.
            cairo_save(cr);
            cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
            cairo_rectangle(cr, std::min(op.ax, op.bx), std::min(op.ay, op.by), std::fabs(op.bx - op.ax),
                            std::fabs(op.by - op.ay));
            cairo_clip_preserve(cr);
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
            if (whole && stroke_width(op) >= 2 * op.r) {
                // A pen as wide as the circle covers it: a solid spot (a dot
                // of radius 0.5 is as wide as the pen), not a ring.
                cairo_arc(cr, op.ax, op.ay, op.r + stroke_width(op) / 2, 0, two_pi);
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
            // An arc ends square at its angles, as a line at its points.
            cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
            stroke_with(cr, op);
            break;
        }
        case OpKind::Polyline:
            // Round corners: a brace's bends and a root sign's turns stay
            // whole, and a figure that comes back to its start is closed
            // there with a corner too.
            set_ends(cr, op);
            cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
            cairo_move_to(cr, op.pts[0].first, op.pts[0].second);
            for (size_t i = 1; i < op.pts.size(); ++i) cairo_line_to(cr, op.pts[i].first, op.pts[i].second);
            if (closed_polyline(op)) cairo_close_path(cr);
            stroke_with(cr, op);
            round_corners(cr, op, op.pts.front(), op.pts.back());
            break;
        case OpKind::Note:
        case OpKind::Clear: break;
    }
}

// A sign's bars or another mark of a fraction part keep their shape and
// move as the part is set closer (part_move).
void draw_part_mark(cairo_t* cr, const DrawOp& op, PenTrail& trail) {
    cairo_save(cr);
    cairo_translate(cr, part_move(op), 0);
    draw_op(cr, op, trail);
    cairo_restore(cr);
}

}  // namespace

void render_page(cairo_t* cr) {
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, kPageWidth, kPageHeight);
    cairo_clip(cr);
    set_rgb(cr, 15);
    cairo_paint(cr);
    {
        std::lock_guard lock(fonts_mutex());
        PenTrail trail;
        for (const DrawOp& op : display_list()) {
            if (op.part && op.kind != OpKind::Text) draw_part_mark(cr, op, trail);
            else draw_op(cr, op, trail);
        }
    }
    cairo_restore(cr);
}

}  // namespace internal

namespace {

// The page from (x0, y0) to (x1, y1) painted into a new image surface;
// nullptr for an empty part.
cairo_surface_t* paint(float scale, float x0, float y0, float x1, float y1) {
    if (!(scale > 0) || !(x1 > x0) || !(y1 > y0)) return nullptr;
    const int width = static_cast<int>(std::ceil((x1 - x0) * scale));
    const int height = static_cast<int>(std::ceil((y1 - y0) * scale));
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    cairo_t* cr = cairo_create(surface);
    cairo_scale(cr, scale, scale);
    cairo_translate(cr, -x0, -y0);
    internal::render_page(cr);
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    return surface;
}

// Rows of the image surface's pixels, 0x00RRGGBB each.
const std::uint32_t* row(cairo_surface_t* surface, int y) {
    return reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(surface) +
                                                  static_cast<ptrdiff_t>(y) * cairo_image_surface_get_stride(surface));
}

}  // namespace

Image rasterise(float scale, float x0, float y0, float x1, float y1) {
    Image img;
    cairo_surface_t* surface = paint(scale, x0, y0, x1, y1);
    if (!surface) return img;
    img.scale = scale;
    img.x0 = x0;
    img.y0 = y0;
    img.width = cairo_image_surface_get_width(surface);
    img.height = cairo_image_surface_get_height(surface);
    img.pixels.resize(static_cast<size_t>(img.width) * static_cast<size_t>(img.height));
    for (int y = 0; y < img.height; ++y) {
        const std::uint32_t* r = row(surface, y);
        unsigned* out = img.pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(img.width);
        for (int x = 0; x < img.width; ++x) out[x] = r[x] & 0xFFFFFFu;
    }
    cairo_surface_destroy(surface);
    return img;
}

bool write_png(const std::string& path, float scale) { return write_png(path, scale, 0, 0, kPageWidth, kPageHeight); }

bool write_png(const std::string& path, float scale, float x0, float y0, float x1, float y1) {
    cairo_surface_t* surface = paint(scale, x0, y0, x1, y1);
    if (!surface) return false;
    const bool ok =
        internal::write_rgb_png(path, cairo_image_surface_get_width(surface), cairo_image_surface_get_height(surface),
                                [&](int y) { return row(surface, y); });
    cairo_surface_destroy(surface);
    return ok;
}

}  // namespace plat
