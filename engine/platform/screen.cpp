// The display list, the drawing operations that fill it, the drawing state,
// the palette and the listing of what is visible on the page.
#include "engine/platform/screen.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "engine/platform/fonts.h"
#include "engine/platform/internal.h"
#include "engine/platform/runtime.h"

namespace plat {
namespace {

struct DrawState {
    std::vector<DrawOp> list;
    // Beside each entry of the list: the part of the page it paints,
    // computed once when it is recorded.
    std::vector<Rect> extents;
    Font font;
    float width = 3;
    std::optional<float> part;  // of the fraction part being drawn
    unsigned long long version = 0;
};
DrawState& ds() {
    static DrawState s;
    return s;
}

int colour_index(float c) {
    if (!(c == c)) return 0;
    const long i = std::lrint(c);
    return static_cast<int>(((i % 16) + 16) % 16);
}

// Notes count as covered when a box hides the band that every text style has
// ink in: the upper part of a 16-unit prompt cell, the middle of a lesson
// line.
constexpr float kNoteTop = 2, kNoteBottom = 14;

const Rect kPage{0, 0, kPageWidth, kPageHeight};

}  // namespace

// ------------------------------------------------------------ palette
namespace {
// One table: every text-on-fill pair the pages use is legible (a test checks
// the contrast ratios).
constexpr unsigned kPalette[16] = {
    0x000000,  //  0 black: normal text, menu prompts
    0x1F3FBF,  //  1 blue
    0xC8202A,  //  2 red
    0x701870,  //  3 deep purple: highlighted text, titles, table borders
    0x1E6B34,  //  4 dark green: key-pause box, pencils, start-up text colour
    0x00788A,  //  5 teal: answers, definitions, typed digits
    0xB08800,  //  6 ochre
    0x2255CC,  //  7 blue: labels and textbook pointers
    0x808080,  //  8 grey
    0xFFE866,  //  9 light yellow: text in the key-pause and next-step boxes
    0x1A2A80,  // 10 navy: menu panel
    0xC8F0F8,  // 11 pale cyan: table cells, notebooks
    0xA02020,  // 12 dark red: next-step box
    0xE0701A,  // 13 orange: menu items, heading cells, box borders
    0xFFF4C0,  // 14 pale yellow: table cells
    0xFFFFFF,  // 15 white: the page
};
}  // namespace

unsigned palette_rgb(int colour) { return kPalette[((colour % 16) + 16) % 16]; }

// ------------------------------------------------------ display list
const std::vector<DrawOp>& display_list() { return ds().list; }
const std::vector<Rect>& display_extents() { return ds().extents; }

void clear_display_list() {
    ds().list.clear();
    ds().extents.clear();
    ++ds().version;
}

const Font& current_font() { return ds().font; }
float current_draw_width() { return ds().width; }
void set_part(std::optional<float> middle) { ds().part = middle; }

namespace internal {

unsigned long long list_version() { return ds().version; }

void reset_drawing_state() {
    const auto v = ds().version;
    ds() = DrawState{};
    ds().version = v + 1;
}

namespace {

// The pixels that an antialiased edge falls into: a rectangle of ink rounded
// out to whole units.
Rect whole_units(const Rect& r) { return {std::floor(r.x0), std::floor(r.y0), std::ceil(r.x1), std::ceil(r.y1)}; }

Rect around(std::pair<float, float> p, float d) { return {p.first - d, p.second - d, p.first + d, p.second + d}; }

Rect joined(const Rect& a, const Rect& b) {
    return {std::min(a.x0, b.x0), std::min(a.y0, b.y0), std::max(a.x1, b.x1), std::max(a.y1, b.y1)};
}

// The ink of a stroke from a to b: square ends at its points, half the pen
// to either side; a stroke of no length is a dot as wide as the pen.
Rect line_ink(std::pair<float, float> a, std::pair<float, float> b, float half) {
    const float dx = b.first - a.first, dy = b.second - a.second;
    const float length = std::hypot(dx, dy);
    if (length == 0) return around(a, half);
    const float across_x = half * std::fabs(dy) / length, across_y = half * std::fabs(dx) / length;
    return {std::min(a.first, b.first) - across_x, std::min(a.second, b.second) - across_y,
            std::max(a.first, b.first) + across_x, std::max(a.second, b.second) + across_y};
}

Rect moved_across(const Rect& r, float dx) { return {r.x0 + dx, r.y0, r.x1 + dx, r.y1}; }

// The middle across of a line, box, circle or polyline.
float middle_across(const DrawOp& op) {
    switch (op.kind) {
        case OpKind::Circle: return op.ax;
        case OpKind::Polyline: {
            const auto [lo, hi] = std::minmax_element(op.pts.begin(), op.pts.end());
            return (lo->first + hi->first) / 2;
        }
        default: return (op.ax + op.bx) / 2;
    }
}

}  // namespace

float part_move(const DrawOp& op) {
    const bool mark = op.kind == OpKind::Line || op.kind == OpKind::Box || op.kind == OpKind::Circle ||
                      (op.kind == OpKind::Polyline && !op.pts.empty());
    if (!op.part || !mark) return 0;
    const float middle = middle_across(op);
    return in_part(*op.part, middle) - middle;
}

Rect extent_of(const DrawOp& op) {
    const float half = stroke_width(op) / 2;
    // A mark of a fraction part inks where it is drawn, moved across.
    const float dx = part_move(op);
    switch (op.kind) {
        case OpKind::Text:
            // A text is the cells it takes; the ink a glyph may put past
            // its cell (an italic's overhang, a serif) does not count, so
            // that a box over a line's cells hides the line whatever its
            // letters.
            return text_cells(op);
        case OpKind::Box:
            // Boxes are not antialiased: they paint exactly their rectangle,
            // edge and all.
            return moved_across(
                {std::min(op.ax, op.bx), std::min(op.ay, op.by), std::max(op.ax, op.bx), std::max(op.ay, op.by)}, dx);
        case OpKind::Line: {
            const std::pair<float, float> a{op.ax, op.ay}, b{op.bx, op.by};
            Rect r = line_ink(a, b, half);
            if (op.join_first) r = joined(r, around(a, half));
            if (op.join_last) r = joined(r, around(b, half));
            return whole_units(moved_across(r, dx));
        }
        case OpKind::Circle: return whole_units(around({op.ax + dx, op.ay}, op.r + half));
        case OpKind::Polyline: {
            // Round corners and square ends stay within half the pen of
            // the points.
            if (op.pts.empty()) return {};
            Rect r = around(op.pts[0], half);
            for (const auto& p : op.pts) r = joined(r, around(p, half));
            return whole_units(moved_across(r, dx));
        }
        case OpKind::Note:
            return {std::min(op.ax, op.bx), op.ay + kNoteTop,
                    std::max(std::max(op.ax, op.bx), std::min(op.ax, op.bx) + 1), op.ay + kNoteBottom};
        case OpKind::Clear: return kPage;
    }
    return {};
}

namespace {

// What an opaque draw hides of whatever lies under it: a filled box all it
// paints (fill and edge), a filled whole circle the square inside it.
std::optional<Rect> cover_of(const DrawOp& op, const Rect& extent) {
    if (op.kind == OpKind::Box && op.filled) return extent;
    if (op.kind == OpKind::Circle && op.filled && op.start == op.end) {
        const float half = op.r / std::sqrt(2.0f), x = op.ax + part_move(op);
        return Rect{x - half, op.ay - half, x + half, op.ay + half};
    }
    return std::nullopt;
}

// Whether `later`, an opaque shape covering `cover`, hides all of `earlier`,
// whose extent is `e`.
bool covers(const DrawOp& later, const Rect& cover, const DrawOp& earlier, Rect e) {
    if (later.kind == OpKind::Circle && earlier.kind == OpKind::Circle &&
        later.ax + part_move(later) == earlier.ax + part_move(earlier) && later.ay == earlier.ay &&
        later.r + later.width / 2 >= earlier.r + earlier.width / 2)
        return true;
    // Only what lies on the page can be seen: a draw that reaches past its
    // edge is hidden once its part on the page is.
    e.x0 = std::max(e.x0, 0.0f);
    e.y0 = std::max(e.y0, 0.0f);
    e.x1 = std::min(e.x1, kPageWidth);
    e.y1 = std::min(e.y1, kPageHeight);
    return cover.contains(e);
}

// A stroke's open end: its point and the way from there into the stroke.
struct StrokeEnd {
    std::pair<float, float> at;
    float dx = 0, dy = 0;
};

// The first and the last end of a line or of an open polyline; none for a
// closed figure, a stroke of no length, or any other draw.
std::array<std::optional<StrokeEnd>, 2> open_ends(const DrawOp& op) {
    if (op.kind == OpKind::Line) {
        const std::pair<float, float> a{op.ax, op.ay}, b{op.bx, op.by};
        if (same_point(a, b)) return {};
        return {StrokeEnd{a, b.first - a.first, b.second - a.second},
                StrokeEnd{b, a.first - b.first, a.second - b.second}};
    }
    if (op.kind != OpKind::Polyline || closed_polyline(op)) return {};
    auto end = [](auto from, auto to) -> std::optional<StrokeEnd> {
        for (auto p = from; p != to; ++p)
            if (!same_point(*p, *from)) return StrokeEnd{*from, p->first - from->first, p->second - from->second};
        return std::nullopt;
    };
    return {end(op.pts.begin(), op.pts.end()), end(op.pts.rbegin(), op.pts.rend())};
}

// Two ends that meet at a corner: at one point, not along one line.
bool corner(const StrokeEnd& a, const StrokeEnd& b) {
    const float cross = a.dx * b.dy - a.dy * b.dx;
    return same_point(a.at, b.at) && std::fabs(cross) > 1e-3f * std::hypot(a.dx, a.dy) * std::hypot(b.dx, b.dy);
}

// Marks the ends of a new stroke that meet an earlier stroke's end at a
// corner (an arrowhead's tip, two sides of a figure drawn one at a time).
void mark_corners(DrawOp& op, const std::vector<DrawOp>& list) {
    const auto ends = open_ends(op);
    if (!ends[0] && !ends[1]) return;
    for (const DrawOp& earlier : list) {
        if (earlier.kind != OpKind::Line && earlier.kind != OpKind::Polyline) continue;
        for (const auto& other : open_ends(earlier)) {
            if (!other) continue;
            if (ends[0] && corner(*ends[0], *other)) op.join_first = true;
            if (ends[1] && corner(*ends[1], *other)) op.join_last = true;
        }
    }
}

}  // namespace

void record(DrawOp op) {
    auto& list = ds().list;
    auto& extents = ds().extents;
    if (op.kind == OpKind::Clear) {
        list.clear();
        extents.clear();
        ++ds().version;
        return;
    }
    op.part = ds().part;
    mark_corners(op, list);
    const Rect extent = extent_of(op);
    // Wholly off the page (texts are measured at y 1800): nothing to show.
    if (!extent.intersects(kPage)) return;
    if (const std::optional<Rect> cover = cover_of(op, extent)) {
        size_t kept = 0;
        for (size_t i = 0; i < list.size(); ++i) {
            if (covers(op, *cover, list[i], extents[i])) continue;
            if (kept != i) {
                list[kept] = std::move(list[i]);
                extents[kept] = extents[i];
            }
            ++kept;
        }
        list.resize(kept);
        extents.resize(kept);
    }
    list.push_back(std::move(op));
    extents.push_back(extent);
    ++ds().version;
}

}  // namespace internal

// ------------------------------------------------------------ notes
void note_text(float x, float y, float x_end, float colour, const Str& text) {
    DrawOp op;
    op.kind = OpKind::Note;
    op.ax = x;
    op.ay = y;
    op.bx = x_end;
    op.by = y;
    op.colour = colour_index(colour);
    op.text = text;
    op.font = ds().font;
    internal::record(std::move(op));
}

std::vector<VisibleText> visible_notes() {
    std::vector<VisibleText> out;
    for (const DrawOp& op : ds().list)
        if (op.kind == OpKind::Note) out.push_back({op.ay, op.ax, op.colour, cp932_to_utf8(op.text)});
    std::stable_sort(out.begin(), out.end(),
                     [](const VisibleText& a, const VisibleText& b) { return a.y != b.y ? a.y < b.y : a.x < b.x; });
    return out;
}

namespace {

// The pen position (top-left of the advance box) of a glyph, undoing the
// offsets at which the text display draws its narrow signs and its italic
// letters, so that a line is listed from where its text starts.
std::pair<float, float> pen_of(const DrawOp& op) {
    const std::string t = op.text;
    if (op.font.face == Face::Serif) return {op.ax - 4, op.ay + std::floor(0.4f * op.font.size * op.v)};
    if (t == "=" && op.font.size == 14) return {op.ax - 4, op.ay};
    if (t == "." && op.v == 2) return {op.ax + 3, op.ay - 14};
    if ((t == "\x81\x7E" || t == "\x81\x80" || t == "\x81\x7D") && op.h == 2) return {op.ax + 4, op.ay};
    return {op.ax, op.ay};
}

}  // namespace

std::vector<VisibleText> visible_glyph_texts() {
    // Glyphs are joined in drawing order while each starts where the one
    // before ended (on the same baseline, in the same colour); the lines of a
    // drawn minus or plus become "-" or "+", and the blank of a space
    // advance a space.
    struct Group {
        VisibleText text;
        float end = 0, baseline = 0, em_y = 0;
    };
    std::vector<VisibleText> out;
    std::optional<Group> cur;
    auto flush = [&] {
        if (cur) out.push_back(cur->text);
        cur.reset();
    };
    for (const DrawOp& op : ds().list) {
        if (op.kind == OpKind::Line) {
            const float x0 = std::min(op.ax, op.bx), x1 = std::max(op.ax, op.bx);
            const float length = x1 - x0;
            const bool bar = op.ay == op.by && (length == 19 || length == 20) && op.width == 5;
            const bool stroke = op.ax == op.bx && std::fabs(op.by - op.ay) <= 24 && op.width == 5;
            if (bar && cur && op.colour == cur->text.colour && x0 >= cur->end - 4 && x0 <= cur->end + 40 &&
                op.ay > cur->baseline - cur->em_y && op.ay < cur->baseline) {
                const float gap = x0 - cur->end;
                cur->text.utf8.append(gap > 20 ? static_cast<size_t>(std::lrint(gap / 27)) : 0, ' ');
                cur->text.utf8 += "-";
                cur->end = x1 + (length == 19 ? 4 : 6);
            } else if (bar) {
                // A sign that starts a line: the minus bar lies 20 below the
                // line top (14 in a fraction), 4 (6) right of the pen.
                flush();
                const bool normal = length == 19;
                const float top = op.ay - (normal ? 20 : 14);
                // The line's glyphs are size 16, 3 down (2 in a fraction).
                DrawOp line_text;
                line_text.ay = top;
                line_text.v = normal ? 3 : 2;
                const internal::Layout l = internal::layout_text(line_text);
                cur = Group{{top, x0 - (normal ? 4 : 6), op.colour, "-"}, x1 + (normal ? 4 : 6), l.baseline, l.em_y};
            } else if (stroke && cur && op.colour == cur->text.colour && !cur->text.utf8.empty() &&
                       cur->text.utf8.back() == '-' && x0 <= cur->end && x0 >= cur->end - 24) {
                cur->text.utf8.back() = '+';
                if (cur->text.utf8 == "+" && std::min(op.ay, op.by) < cur->text.y + 12) {
                    // A plus's bar lies 2 lower than a minus's.
                    cur->text.y -= 2;
                    cur->baseline -= 2;
                }
            }
            continue;
        }
        if (op.kind != OpKind::Text) continue;
        const internal::Layout l = internal::layout_text(op);
        if (l.glyphs.empty()) continue;
        std::string utf8;
        for (const auto& g : l.glyphs) utf8 += g.utf8;
        const auto [pen_x, pen_y] = pen_of(op);
        const float start = l.glyphs.front().x;
        bool joined = false;
        if (cur && cur->text.colour == op.colour && std::fabs(l.baseline - cur->baseline) <= 16) {
            const float gap = start - cur->end;
            if (gap >= -8 && gap <= 100) {
                const long spaces = gap > 14 ? std::lrint(gap / 27) : 0;
                cur->text.utf8.append(static_cast<size_t>(std::max(0L, spaces)), ' ');
                cur->text.utf8 += utf8;
                cur->end = std::max(cur->end, op.ax + l.width);
                joined = true;
            }
        }
        if (!joined) {
            flush();
            cur = Group{{pen_y, pen_x, op.colour, utf8}, op.ax + l.width, l.baseline, l.em_y};
        }
    }
    flush();
    std::stable_sort(out.begin(), out.end(),
                     [](const VisibleText& a, const VisibleText& b) { return a.y != b.y ? a.y < b.y : a.x < b.x; });
    return out;
}

namespace {
std::string shortest(float v) {
    if (v == 0) v = 0;  // no "-0"
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}
}  // namespace

std::string format_visible(const std::vector<VisibleText>& texts) {
    std::string out;
    for (const auto& t : texts)
        out += shortest(t.y) + " " + shortest(t.x) + " " + std::to_string(t.colour) + " " + t.utf8 + "\n";
    return out;
}

}  // namespace plat

// ---------------------------------------------------------------- drawing
using plat::DrawOp;
using plat::OpKind;

namespace plat {

void draw_glyph(float x, float y, const Str& text, float h, float v, float colour, float pen_x, float advance) {
    DrawOp op;
    op.kind = OpKind::Text;
    op.ax = x;
    op.ay = y;
    op.text = text;
    op.h = h;
    op.v = v;
    op.colour = colour_index(colour);
    op.font = ds().font;
    op.width = ds().width;
    if (advance > 0) {
        op.pen_x = pen_x;
        op.advance = advance;
    }
    internal::record(std::move(op));
}

}  // namespace plat

void $PsSYMBOL40(float, float, float x, float y, const Str& text, float h, float v, float colour, float, float, float) {
    plat::draw_glyph(x, y, text, h, v, colour, 0, 0);
}

void $PsLINE(float, float, float x1, float y1, float rel, float x2, float y2, float, float colour, float mode,
             float fill, float, float) {
    DrawOp op;
    op.ax = x1;
    op.ay = y1;
    op.bx = rel == 1 ? x1 + x2 : x2;
    op.by = rel == 1 ? y1 + y2 : y2;
    op.colour = plat::colour_index(colour);
    op.width = plat::ds().width;
    if (mode == 0) {
        op.kind = OpKind::Line;
    } else {
        op.kind = OpKind::Box;
        op.filled = mode == 2;
        op.fill = plat::colour_index(fill);
    }
    plat::internal::record(std::move(op));
}

void $PsCIRCLE(float, float, float x, float y, float r, float colour, float, float start, float end, float filled,
               float, float fill, float last) {
    DrawOp op;
    op.kind = OpKind::Circle;
    op.ax = x;
    op.ay = y;
    op.r = std::fabs(r);
    op.start = start;
    op.end = end;
    op.colour = plat::colour_index(colour);
    op.filled = filled == 1;
    op.fill = last == 3 ? plat::colour_index(fill) : op.colour;
    op.width = plat::ds().width;
    plat::internal::record(std::move(op));
}

void $PsCONNECT(const std::vector<float>& block) {
    // 13, N, -1, 0, 0, -1, colour, then (y, x, 0) for each point, last point
    // first, and a closing 0.
    if (block.size() < 7) return;
    const long n = std::lrint(block[1]);
    DrawOp op;
    op.kind = OpKind::Polyline;
    op.colour = plat::colour_index(block[6]);
    op.width = plat::ds().width;
    for (long i = 0; i < n && 7 + 3 * static_cast<size_t>(i) + 1 < block.size(); ++i)
        op.pts.emplace_back(block[8 + 3 * static_cast<size_t>(i)], block[7 + 3 * static_cast<size_t>(i)]);
    std::reverse(op.pts.begin(), op.pts.end());
    if (op.pts.size() >= 2) plat::internal::record(std::move(op));
}

void $PsCONNECT(std::initializer_list<float> block) { $PsCONNECT(std::vector<float>(block)); }

void $PsCLS(float, float) {
    DrawOp op;
    op.kind = OpKind::Clear;
    plat::internal::record(std::move(op));
}

// -------------------------------------------------------- window extension
void FE$SETMAPMODE(float, float) {}
void FE$MAXIMIZEWINDOW(float) { plat::internal::backend().maximise(); }

void FE$SETFONTNAME(float, const Str& face) {
    const std::string name = plat::cp932_to_utf8(face);
    if (name == "Times New Roman") {
        plat::ds().font.face = plat::Face::Serif;
    } else if (name == "MT Extra") {
        plat::ds().font.face = plat::Face::MTExtra;
    } else {
        plat::ds().font.face = plat::Face::Gothic;  // "ｺﾞｼｯｸ", "ゴシック"
    }
}
void FE$SETFONTSIZE(float, float size) { plat::ds().font.size = size; }
void FE$SETFONTBOLD(float, float on) { plat::ds().font.bold = on != 0; }
void FE$SETFONTITALIC(float, float on) { plat::ds().font.italic = on != 0; }
void FE$SETDRAWWIDTH(float, float w) { plat::ds().width = w; }
float FE$GETDRAWWIDTH(float) { return plat::ds().width; }
