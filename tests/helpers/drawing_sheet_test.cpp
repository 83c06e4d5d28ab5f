// A specimen page drawn with every drawing routine of the helpers, checked
// from its pixels: route-diagram dots visible at width 5, arcs and sectors on
// the side they belong to, labels clear of their arcs. With COURSE_PNG_DIR
// set, the page is written there as helpers_specimen.png.
#include <algorithm>
#include <cmath>
#include <tuple>

#include "engine/platform/draw.h"
#include "tests/common/page_probe.h"
#include "tests/helpers/support.h"

namespace helperstest {
namespace {

constexpr float kScale = 2;

struct Box {
    float x0, y0, x1, y1;
};

// The route diagrams' dots (the only dots of radius 0.5 on the page) and
// their labels' boxes (44 high, 80 with a stacked fraction), which touch the
// middle of their arc with their lower edge (above the arc) or upper edge.
struct RouteLabel {
    Box box;
    bool above;
    float touch_y() const { return above ? box.y1 : box.y0; }
};
struct Specimen {
    std::vector<plat::DrawOp> route_dots;
    std::vector<RouteLabel> route_labels;
};

void semicircle(float x1, float x2, float y, float fy, float height, float step, const char* label, float ex) {
    G.AIDA1 = x1, G.YY1 = y, G.AAA = x2, G.FMAESU = y;
    G.FY = fy, G.Y = height, G.TANI = step, G.NO = 0, G.YMOTO = 5, G.ZY0$ = sj(label), G.EX = ex;
    DOTTED_SEMICIRCLE();
}

const struct {
    const char* text;
    bool above;
} kRouteLabels[] = {{"50km", true}, {"3時間", false},      {"xkm", true},
                    {"ykm", true},  {"ﾀx/20ﾀ時間", false}, {"ﾀy/10ﾀ時間", false}};

Specimen route_parts() {
    Specimen s;
    for (const auto& op : plat::display_list()) {
        if (op.kind == plat::OpKind::Circle && op.r == 0.5f) s.route_dots.push_back(op);
        if (op.kind != plat::OpKind::Note) continue;
        for (const auto& label : kRouteLabels) {
            if (op.text != sj(label.text)) continue;
            const float h = op.text[0] == sj("ﾀ")[0] ? 80.0f : 44.0f;
            s.route_labels.push_back({{op.ax, op.ay, op.bx, op.ay + h}, label.above});
        }
    }
    return s;
}

void draw_specimen() {
    FE$SETDRAWWIDTH(0, 3);

    // A plane with step numbers, a graph of each kind and two points.
    G.TBSI = -8, G.JYOUK = 8, G.TBSIYAKY = -8, G.t000C = 8, G.R1B_GRAPH = 1, G.RTASKAI2 = 1;
    G.AAAX = 16, G.TA1 = 40, G.TA2 = 50, G.NO = 1, G.LLT = 0;
    DRAW_AXES();
    struct Graph {
        float kind, a, b, c, from, to, colour;
        const char* label;
        float dx, dy;
    } graphs[] = {
        // clang-format off
        {2, 0.1f, 0, 0, -8, 8, 4, "y=0.1x^2", 8, -30},
        {3, 0.5f, 1, 0, -8, 8, 2, "y=0.5x+1", 8, -4},
        {1, 8, 0, 0, 1.2f, 6, 7, "xy=8", 44, 24},
        {4, 2, 0, -12, 0, 0, 6, "x=-6", 0, 260},
        {4, 1, 2, -12, -8, 8, 12, "x+2y=-12", 8, 4},
        // clang-format on
    };
    for (const auto& g : graphs) {
        G.R1B1 = g.kind, G.P2 = g.a, G.RABM = g.b, G.BAIX = g.c, G.TBSI = g.from, G.JYOUK = g.to;
        G.TKAI2 = g.colour, G.ZY0$ = sj(g.label), G.TBBO = g.dx, G.TBBOYAKX = g.dy;
        DRAW_FUNCTION_GRAPH();
    }
    for (auto [x, y, label] : {std::tuple{-4.0f, 4.0f, "P"}, std::tuple{2.0f, -6.0f, "Q"}}) {
        G.GX = x, G.GY = y, G.t0001 = 4, G.TKAI2 = 3, G.ZY0$ = label;
        PLOT_POINT();
    }

    // A plane with decimal labels (x steps of 0.5, y steps of 0.3) and a point.
    G.TBSI = 0, G.JYOUK = 5, G.TBSIYAKY = 0, G.t000C = 2.7f, G.R1B_GRAPH = 0.5f, G.RTASKAI2 = 0.3f;
    G.AAAX = 14, G.TA1 = 580, G.TA2 = 60, G.NO = 1, G.LLT = -1;
    DRAW_AXES();
    DRAW_AXIS_DECIMAL_LABELS();
    G.GX = 2.5f, G.GY = 1.5f, G.t0001 = 4, G.TKAI2 = 2, G.ZY0$ = "R";
    PLOT_POINT();

    // Graph paper, and a point on its frame.
    G.TA1 = 560, G.TA2 = 280, G.AAAX = 14, G.RR = 12, G.X8 = 7, G.NO = 8;
    DRAW_GRID();
    G.R1B_GRAPH = 1, G.RTASKAI2 = 1, G.GX = 3, G.GY = 2, G.t0001 = 3, G.TKAI2 = 2, G.ZY0$ = "";
    PLOT_POINT();

    // A triangle with letters, its angles marked, ticks and arrows on its
    // sides.
    const float tri[][2] = {{780, 360}, {1020, 360}, {860, 130}};
    G.t0006 = 3;
    for (int k = 1; k <= 3; ++k) G.R1A(k, 1) = tri[k - 1][0], G.R1A(k, 2) = tri[k - 1][1];
    G.NAGASA = 3, G.NO = 0, G.LCM1 = 6, G.YMOTO = 0, G.ZY0$ = "A";
    DRAW_POLYGON();
    // A: two arcs labelled with the angle's size.
    G.AIDA1 = 780, G.YY1 = 360, G.AAA = 1020, G.FMAESU = 360, G.ZY1 = 860, G.KAKKO1 = 130, G.TYY = 0;
    ANGLE_VALUE_TEXT();
    const Str size = G.HH2$ + sj("°");
    G.LCM1 = 40, G.XX = 2, G.TKAI2 = 2, G.ZY0$ = size, G.YMOTO = 2;
    ANGLE_MARK();
    // B: a filled sector (rays to C, then A: counterclockwise inside).
    G.AIDA1 = 1020, G.YY1 = 360, G.AAA = 860, G.FMAESU = 130, G.ZY1 = 780, G.KAKKO1 = 360;
    G.LCM1 = 30, G.XX = 0, G.TKAI2 = 11, G.NO = 4, G.ZY0$ = sj("β"), G.YMOTO = 4;
    ANGLE_MARK();
    // C: one arc, the rays given the other way round and swapped back.
    G.AIDA1 = 860, G.YY1 = 130, G.AAA = 1020, G.FMAESU = 360, G.ZY1 = 780, G.KAKKO1 = 360, G.TYY = -1;
    G.LCM1 = 36, G.XX = 1, G.TKAI2 = 7, G.ZY0$ = sj("γ"), G.YMOTO = 7;
    ANGLE_MARK();
    G.DB2 = 780, G.BX = 360, G.HENK1 = 1020, G.CX = 360, G.R = 0, G.TYY = -12, G.XX = 2, G.LCM1 = 6, G.NO = 0;
    SEGMENT_TICKS_AT_MIDDLE();
    G.DB2 = 1020, G.BX = 360, G.HENK1 = 860, G.CX = 130, G.XG = 1, G.B = 1, G.LCM1 = 10, G.XX = 2, G.NO = 0;
    SEGMENT_ARROWS_AT_RATIO();

    // A quadrilateral labelled from X$(), its vertices counterclockwise.
    const float quad[][2] = {{1100, 330}, {1320, 330}, {1280, 130}, {1120, 130}};
    G.t0006 = 4;
    for (int k = 1; k <= 4; ++k) G.R1A(k, 1) = quad[k - 1][0], G.R1A(k, 2) = quad[k - 1][1];
    G.X$(1) = "P", G.X$(2) = "Q", G.X$(3) = "R", G.X$(4) = "S";
    G.NAGASA = 3, G.NO = 1, G.LCM1 = 8, G.YMOTO = 1, G.ZY0$ = "1";
    DRAW_POLYGON();
    // The foot of the perpendicular from R to PQ, with its right angle.
    G.DB2 = 1100, G.BX = 330, G.HENK1 = 1320, G.CX = 330, G.CCC0 = 1280, G.HENK3 = 130;
    FOOT_OF_PERPENDICULAR();
    const float fx = G.DY, fy = G.Y22;
    FE$SETDRAWWIDTH(0, 1);
    draw::line(1280, 130, fx, fy, 8);
    G.AIDA1 = fx, G.YY1 = fy, G.AAA = 1320, G.FMAESU = 330, G.ZY1 = 1280, G.KAKKO1 = 130, G.TYY = 0;
    G.LCM1 = 14, G.NO = 8;
    ANGLE_CORNER_MARK();
    FE$SETDRAWWIDTH(0, 3);

    // Route diagrams: the whole route above and below, and two legs.
    FE$SETDRAWWIDTH(0, 5);
    draw::line(60, 560, 560, 560, 0);
    semicircle(60, 560, 560, -1, 90, 3, "50km", 0);
    semicircle(60, 560, 560, 1, 90, 3, "3時間", 20);
    draw::line(640, 560, 1100, 560, 0);
    semicircle(640, 900, 560, -1, 20, 5, "xkm", 0);
    semicircle(900, 1100, 560, -1, 20, 5, "ykm", 0);
    semicircle(640, 900, 560, 1, 60, 5, "ﾀx/20ﾀ時間", 0);
    semicircle(900, 1100, 560, 1, 60, 5, "ﾀy/10ﾀ時間", 0);

    // A dimension of a step and a double-headed arrow.
    G.LT2 = 1300, G.GX4 = 480, G.B2_DIMENSION = 1160, G.GX5 = 600, G.AAAX = 40, G.DX$ = "yy";
    DRAW_DIMENSION();
    G.AIDA1 = 1160, G.YY1 = 700, G.LT1 = 1320, G.XI1 = 700, G.TXM = 2, G.LCM1 = 14, G.NO = 2;
    DRAW_DIMENSION_SEGMENT();
}

// Black ink, antialiased: every channel well below the middle (the teal of
// the labels has green and blue above it).
bool dark(unsigned rgb) { return ((rgb >> 16) & 0xFF) < 96 && ((rgb >> 8) & 0xFF) < 96 && (rgb & 0xFF) < 96; }

// Bounding box of the pixels within the page box that `match`.
template <class Match>
probe::InkBox box_of(const plat::Image& img, Match match, Box in) {
    probe::InkBox b;
    for (int py = std::max(0, int(in.y0 * kScale)); py < std::min(img.height, int(in.y1 * kScale)); ++py)
        for (int px = std::max(0, int(in.x0 * kScale)); px < std::min(img.width, int(in.x1 * kScale)); ++px) {
            if (!match(img.at(px, py))) continue;
            const float x = px / kScale, y = py / kScale;
            if (!b.any) b = {true, x, y, x, y};
            b.x0 = std::min(b.x0, x), b.y0 = std::min(b.y0, y);
            b.x1 = std::max(b.x1, x + 1 / kScale), b.y1 = std::max(b.y1, y + 1 / kScale);
        }
    return b;
}

unsigned pixel(const plat::Image& img, float x, float y) {
    return img.at(static_cast<int>(x * kScale), static_cast<int>(y * kScale));
}

TEST_F(HelpersTest, SpecimenPage) {
    draw_specimen();
    const Specimen s = route_parts();
    probe::save_png("helpers_specimen", kScale);
    const plat::Image img = plat::rasterise(kScale);
    const unsigned white = plat::palette_rgb(15);

    // Every route dot is a visible spot about as wide as the pen (5).
    // (Two arcs over one segment share their end dots.)
    ASSERT_GE(s.route_dots.size(), 61u + 61u + 37u * 4 - 6);
    for (const auto& d : s.route_dots) {
        const auto ink = probe::ink_box(img, d.ax - 8, d.ay - 8, d.ax + 8, d.ay + 8);
        ASSERT_TRUE(ink.any);
        EXPECT_NE(pixel(img, d.ax, d.ay), white) << show(d.ax, d.ay);  // a spot, not a ring
        const auto own = probe::ink_box(img, d.ax - 3.5f, d.ay - 3.5f, d.ax + 3.5f, d.ay + 3.5f);
        EXPECT_GE(own.x1 - own.x0, 4.5f) << show(d.ax, d.ay);
        EXPECT_GE(own.y1 - own.y0, 4.5f) << show(d.ax, d.ay);
    }
    // Arcs on their sides: the whole route's dots above and below its middle,
    // nothing on the other side of the legs' distance arcs.
    EXPECT_TRUE(dark(pixel(img, 310, 470)));
    EXPECT_TRUE(dark(pixel(img, 310, 650)));
    EXPECT_TRUE(dark(pixel(img, 770, 540)));
    EXPECT_FALSE(probe::ink_box(img, 760, 575, 780, 590).any);

    // Labels clear of their arcs: each label's ink (colour 5) stands on the
    // far side of the point where it touches its arc, and no dot runs
    // through it beyond a narrow band at that point.
    ASSERT_EQ(s.route_labels.size(), 6u);
    const unsigned teal = plat::palette_rgb(5);
    for (const auto& l : s.route_labels) {
        SCOPED_TRACE(show(l.box.x0, l.box.y0));
        const Box around{l.box.x0 - 2, l.box.y0 - 2, l.box.x1 + 2, l.box.y1 + 2};
        const auto ink = box_of(
            img, [&](unsigned p) { return p == teal; }, around);
        ASSERT_TRUE(ink.any);
        const float touch = l.touch_y();
        if (l.above) {
            EXPECT_LE(ink.y1, touch + 2);
            EXPECT_FALSE(box_of(img, dark, {ink.x0, ink.y0, ink.x1, touch - 4}).any);
        } else {
            EXPECT_GE(ink.y0, touch - 2);
            EXPECT_FALSE(box_of(img, dark, {ink.x0, touch + 4, ink.x1, ink.y1}).any);
        }
    }

    // Angle marks inside their angles: A's arcs and B's sector along the
    // bisectors, background across from them.
    const float a_half = 70.82f / 2 * 3.14159f / 180;
    EXPECT_EQ(pixel(img, 780 + 32 * std::cos(a_half), 360 - 32 * std::sin(a_half)), plat::palette_rgb(2));
    EXPECT_EQ(pixel(img, 780 + 32 * std::cos(a_half), 360 + 32 * std::sin(a_half)), white);
    EXPECT_EQ(pixel(img, 1005, 352), plat::palette_rgb(11));
    EXPECT_EQ(pixel(img, 1025, 368), white);  // between the vertex and its label

    // The page keeps clear of its edges and its bottom prompt strip is not
    // reached by the route labels.
    EXPECT_FALSE(probe::ink_box(img, 0, 0, plat::kPageWidth, 20).any);
    for (const auto& l : s.route_labels) EXPECT_LE(l.box.y1, 740);
}

}  // namespace
}  // namespace helperstest
