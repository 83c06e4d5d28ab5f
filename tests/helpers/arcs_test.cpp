// Directions, arc angles, labels on a bisector and the dotted semicircles of
// the route diagrams: their numbers, and the dots and labels on the page.
#include "tests/helpers/support.h"

#include "engine/text/text.h"

namespace helperstest {
namespace {

constexpr float kAX = 3.14159f;

float width_of(const Str& text) {
    G.A$ = text;
    MEASURE_TEXT();
    return G.TY;
}

std::vector<plat::DrawOp> dots() {
    std::vector<plat::DrawOp> found;
    for (const auto& op : ops(plat::OpKind::Circle))
        if (op.r == 0.5f && op.filled) found.push_back(op);
    return found;
}

TEST_F(HelpersTest, SegmentDirectionCountsCounterclockwiseOnThePage) {
    struct Case {
        float dx, dy, degrees;
    } cases[] = {
        // clang-format off
        {10, 0, 0},   {10, -10, 45},  {0, -10, 90}, {-10, 0, 180},
        {0, 10, 270}, {10, 10, 315},  {0, 0, 180},  // no way at all gives AX
        // clang-format on
    };
    for (const auto& c : cases) {
        G.AIDA1 = 50, G.YY1 = 60, G.AAA = 50 + c.dx, G.FMAESU = 60 + c.dy;
        SEGMENT_DIRECTION();
        EXPECT_EQ(G.AX, kAX);
        EXPECT_NEAR(G.t0004, c.degrees, 1e-3) << c.dx << "," << c.dy;
        EXPECT_NEAR(G.NAGASA1, c.degrees * kAX / 180, 1e-5);
    }
}

TEST_F(HelpersTest, ArcAnglesGiveRayDirectionsFractionsAndTheBisector) {
    struct Case {
        float tyy;
        float zx1, zx2, xx1, zx0, bisector;  // directions in units of AX
    } cases[] = {
        // clang-format off
        {0, 0, 0.5f, 1.0f, 0.75f, 0.25f},    // right then up: bisector up and right
        {1, 0, 0.5f, 1.0f, 0.75f, 0.25f},    // only -1 swaps
        {-1, 0.5f, 0, 0.75f, 1.0f, 1.25f},   // swapped: the other angle, down and left
        // clang-format on
    };
    for (const auto& c : cases) {
        G.AIDA1 = 0, G.YY1 = 0, G.AAA = 10, G.FMAESU = 0, G.ZY1 = 0, G.KAKKO1 = -10, G.TYY = c.tyy;
        ARC_ANGLES();
        SCOPED_TRACE(c.tyy);
        EXPECT_NEAR(G.ZX1, c.zx1 * kAX, 1e-5);
        EXPECT_NEAR(G.ZX2, c.zx2 * kAX, 1e-5);
        EXPECT_NEAR(G.XX1, c.xx1, 1e-6);
        EXPECT_NEAR(G.ZX0, c.zx0, 1e-6);
        EXPECT_NEAR(G.ZY2, c.bisector * kAX, 1e-5);
        EXPECT_NEAR(G.NAGASA1, kAX / 2, 1e-5);  // the second ray before any swap
        EXPECT_EQ(G.TYY, c.tyy);
    }
    // The bisector of a turn across +x is not brought below 2 AX.
    G.AIDA1 = 0, G.YY1 = 0, G.AAA = 10, G.FMAESU = 1, G.ZY1 = 10, G.KAKKO1 = -1, G.TYY = 0;
    ARC_ANGLES();
    EXPECT_NEAR(G.ZY2, 2 * kAX, 1e-4);
}

// A label "AB" at 30 from the vertex (200, 200) on the bisector of two rays:
// the box touches that point with the side that faces the vertex.
TEST_F(HelpersTest, ArcLabelSitsOnTheBisectorOutsideItsAnchor) {
    const float w = width_of("AB");
    struct Case {
        const char* name;
        Pt first, second;
        float tyy;
        float x, width_part, y;  // expected top-left x = x + width_part * w
    } cases[] = {
        {"right", {300, 300}, {300, 100}, 0, 230, 0, 178},
        {"up", {300, 100}, {100, 100}, 0, 200, -0.5f, 126},
        {"left", {100, 100}, {100, 300}, 0, 170, -1, 178},
        {"down", {100, 300}, {300, 300}, 0, 200, -0.5f, 230},
        {"up swapped to down", {300, 100}, {100, 100}, -1, 200, -0.5f, 230},
    };
    for (const auto& c : cases) {
        plat::clear_display_list();
        G.AIDA1 = 200, G.YY1 = 200, G.AAA = c.first.x, G.FMAESU = c.first.y;
        G.ZY1 = c.second.x, G.KAKKO1 = c.second.y;
        G.TYY = c.tyy, G.LCM1 = 30, G.ZY0$ = "AB", G.YMOTO = 5;
        ARC_LABEL();
        SCOPED_TRACE(c.name);
        const auto notes = labels();
        ASSERT_EQ(notes.size(), 1u);
        EXPECT_EQ(notes[0].text, "AB");
        EXPECT_EQ(notes[0].colour, 5);
        EXPECT_TRUE(near(notes[0].ax, notes[0].ay, c.x + c.width_part * w, c.y)) << show(notes[0].ax, notes[0].ay);
        EXPECT_NEAR(G.DSM1, c.x + c.width_part * w + w, 0.01);
        EXPECT_EQ(G.TY, w);
        EXPECT_EQ(G.CCC2, 22);
    }
}

TEST_F(HelpersTest, ArcLabelTakesItsSettingsForOneLabelOnly) {
    G.AIDA1 = 200, G.YY1 = 200, G.AAA = 300, G.FMAESU = 300, G.ZY1 = 300, G.KAKKO1 = 100;
    G.LCM1 = 30, G.EX = 7, G.EY = -5, G.TYY = 1, G.XI5 = 0, G.AA1 = 1, G.YMOTO = 3;
    G.B1 = 11, G.B2 = 22, G.YI1 = 33;
    G.ZY0$ = sj("ﾀx/20ﾀ時間");
    FE$SETDRAWWIDTH(0, 5);
    ARC_LABEL();
    auto notes = labels();
    ASSERT_EQ(notes.size(), 1u);
    // A stacked fraction is 80 high: centred on the bisector, 40 above it.
    EXPECT_TRUE(near(notes[0].ax, notes[0].ay, 237, 155)) << show(notes[0].ax, notes[0].ay);
    EXPECT_EQ(G.CCC2, 40);
    EXPECT_EQ(G.SOSU1, 1);
    EXPECT_TRUE(G.ZY0$.empty());
    EXPECT_TRUE(G.KKAI$.empty());
    for (float v : {G.TYY, G.EX, G.EY, G.LCM1, G.XI5}) EXPECT_EQ(v, 0);
    EXPECT_EQ(G.AA1, 1);
    EXPECT_EQ(G.YMOTO, 3);
    EXPECT_EQ(FE$GETDRAWWIDTH(0), 5);
    EXPECT_EQ(G.B1 + G.B2 + G.YI1, 66);

    // The small style on request: bold glyphs of size 15.
    plat::clear_display_list();
    G.LCM1 = 30, G.XI5 = 1, G.ZY0$ = "AB";
    ARC_LABEL();
    const auto glyphs = ops(plat::OpKind::Text);
    ASSERT_FALSE(glyphs.empty());
    EXPECT_EQ(glyphs[0].font.size, 15);
    EXPECT_EQ(G.XI5, 0);
}

// The route diagrams' arcs and the shapes the rule gives elsewhere.
TEST_F(HelpersTest, DottedSemicircleDotsAndLabel) {
    struct Case {
        const char* name;
        Pt a, b;
        float fy, height, step;
        const char* label;
        float ex;
        size_t count;
        Pt first, middle, last;
        size_t middle_index;
        float lx, width_part, ly;  // label top-left: (lx + width_part * width, ly)
    } cases[] = {
        // clang-format off
        {"whole route, distance", {76, 230}, {570, 230}, -1, 90, 3, "50km", 0,
         61, {570, 230}, {323, 140}, {76, 230}, 30, 323, -0.5f, 96},
        {"whole route, time", {76, 230}, {570, 230}, 1, 90, 3, "3時間", 20,
         61, {76, 230}, {323, 320}, {570, 230}, 30, 343, -0.5f, 320},
        {"fraction above", {76, 230}, {570, 230}, -1, 90, 3, "ﾀx/20ﾀ時間", 0,
         61, {570, 230}, {323, 140}, {76, 230}, 30, 323, -0.5f, 60},
        {"fraction below", {76, 230}, {570, 230}, 1, 60, 5, "ﾀx/20ﾀ時間", 40,
         37, {76, 230}, {323, 290}, {570, 230}, 18, 363, -0.5f, 290},
        {"leg, distance", {76, 230}, {380, 230}, -1, 20, 5, "xkm", 0,
         37, {380, 230}, {228, 210}, {76, 230}, 18, 228, -0.5f, 166},
        {"height below 16 is times 16", {76, 230}, {380, 230}, -1, 5, 5, "x", 0,
         37, {380, 230}, {228, 150}, {76, 230}, 18, 228, -0.5f, 106},
        {"negative height", {76, 230}, {380, 230}, -1, -40, 5, "x", 0,
         37, {380, 230}, {228, 190}, {76, 230}, 18, 228, -0.5f, 146},
        {"height 0 lies on the segment", {76, 230}, {380, 230}, -1, 0, 5, "x", 0,
         37, {380, 230}, {228, 230}, {76, 230}, 18, 228, -0.5f, 186},
        {"downward segment, right of its way", {100, 100}, {100, 300}, 1, 50, 5, "t", 0,
         37, {100, 100}, {50, 200}, {100, 300}, 18, 50, -1, 178},
        {"upward segment, left of its way", {100, 300}, {100, 100}, -1, 50, 5, "t", 0,
         37, {100, 100}, {50, 200}, {100, 300}, 18, 50, -1, 178},
        {"side 0: above, label inside", {76, 230}, {570, 230}, 0, 90, 3, "50km", 0,
         61, {570, 230}, {323, 140}, {76, 230}, 30, 323, -0.5f, 140},
        {"no label", {76, 230}, {570, 230}, -1, 90, 3, "", 0,
         61, {570, 230}, {323, 140}, {76, 230}, 30, 0, 0, 0},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        plat::clear_display_list();
        const Str label = sj(c.label);
        const float w = width_of(label);
        FE$SETDRAWWIDTH(0, 5);
        G.AIDA1 = c.a.x, G.YY1 = c.a.y, G.AAA = c.b.x, G.FMAESU = c.b.y;
        G.FY = c.fy, G.Y = c.height, G.TANI = c.step, G.NO = 7, G.YMOTO = 5, G.ZY0$ = label, G.EX = c.ex;
        DOTTED_SEMICIRCLE();
        const auto d = dots();
        ASSERT_EQ(d.size(), c.count);
        for (const auto& dot : d) {
            EXPECT_EQ(dot.colour, 7);
            EXPECT_EQ(dot.fill, 7);
            EXPECT_EQ(dot.width, 5);
        }
        EXPECT_TRUE(near(d.front().ax, d.front().ay, c.first.x, c.first.y)) << show(d.front().ax, d.front().ay);
        EXPECT_TRUE(near(d[c.middle_index].ax, d[c.middle_index].ay, c.middle.x, c.middle.y))
            << show(d[c.middle_index].ax, d[c.middle_index].ay);
        EXPECT_TRUE(near(d.back().ax, d.back().ay, c.last.x, c.last.y)) << show(d.back().ax, d.back().ay);
        // The middle point comes back as the label's vertex; the end points
        // as its rays.
        EXPECT_TRUE(near(G.AIDA1, G.YY1, c.middle.x, c.middle.y));
        EXPECT_TRUE(near(G.LT1, G.XI1, c.middle.x, c.middle.y));
        EXPECT_TRUE(near(G.AAA, G.FMAESU, c.a.x, c.a.y));
        EXPECT_TRUE(near(G.ZY1, G.KAKKO1, c.b.x, c.b.y));
        const auto notes = labels();
        if (label.empty()) {
            EXPECT_TRUE(notes.empty());
            continue;
        }
        ASSERT_EQ(notes.size(), 1u);
        EXPECT_EQ(notes[0].text, label);
        EXPECT_EQ(notes[0].colour, 5);
        EXPECT_TRUE(near(notes[0].ax, notes[0].ay, c.lx + c.width_part * w, c.ly, 0.02f))
            << show(notes[0].ax, notes[0].ay) << " width " << w;
    }
}

TEST_F(HelpersTest, DottedSemicircleKeepsThePageStateAndClearsTheLabelSettings) {
    FE$SETDRAWWIDTH(0, 5);
    G.B1 = 40, G.B2 = 300, G.YI1 = 500, G.YMOTO = 0, G.B4 = 9;
    G.AIDA1 = 76, G.YY1 = 230, G.AAA = 570, G.FMAESU = 230;
    G.FY = 1, G.Y = 5, G.TANI = 5, G.NO = 7, G.ZY0$ = "3h", G.EX = 20, G.EY = 3, G.XI5 = 0;
    DOTTED_SEMICIRCLE();
    EXPECT_EQ(G.B1, 40);
    EXPECT_EQ(G.B2, 300);
    EXPECT_EQ(G.YI1, 500);
    EXPECT_EQ(G.YMOTO, 0);
    EXPECT_EQ(FE$GETDRAWWIDTH(0), 5);
    EXPECT_TRUE(G.ZY0$.empty());
    for (float v : {G.TYY, G.EX, G.EY, G.LCM1, G.XI5}) EXPECT_EQ(v, 0);
    EXPECT_EQ(G.Y, 80);
    EXPECT_EQ(G.HH3, 247);
    EXPECT_EQ(G.XI3, 180);
    EXPECT_EQ(G.ZX11, 360);
    EXPECT_EQ(G.DR + G.MU_DO + G.ZY11 + G.HAN, 76 + 230 + 570 + 230);
}

// Inputs that would divide by zero or never end draw what is sound.
TEST_F(HelpersTest, DottedSemicircleWithoutALengthOrAStep) {
    struct Case {
        const char* name;
        Pt b;
        float step;
        size_t dots;
        size_t labels;
    } cases[] = {
        {"coincident ends: nothing at all", {76, 230}, 3, 0, 0},
        {"step 0: the first dot only", {570, 230}, 0, 1, 1},
        {"negative step: the first dot only", {570, 230}, -3, 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        plat::clear_display_list();
        G.AIDA1 = 76, G.YY1 = 230, G.AAA = c.b.x, G.FMAESU = c.b.y;
        G.FY = -1, G.Y = 90, G.TANI = c.step, G.NO = 0, G.ZY0$ = "50km", G.EX = 20;
        DOTTED_SEMICIRCLE();
        EXPECT_EQ(dots().size(), c.dots);
        EXPECT_EQ(labels().size(), c.labels);
        EXPECT_TRUE(G.ZY0$.empty());
        EXPECT_EQ(G.EX, 0);
    }
}

}  // namespace
}  // namespace helperstest
