// Marks on segments and angles: arrowheads, ticks, angle arcs and sectors,
// an angle's size as text and the corner mark.
#include "tests/helpers/support.h"

#include "engine/text/text.h"

namespace helperstest {
namespace {

void segment(float x1, float y1, float x2, float y2) { G.DB2 = x1, G.BX = y1, G.HENK1 = x2, G.CX = y2; }

// The vertex (100, 100) with rays to the right and upwards.
void right_angle(float tyy = 0) {
    G.AIDA1 = 100, G.YY1 = 100, G.AAA = 200, G.FMAESU = 100, G.ZY1 = 100, G.KAKKO1 = 0, G.TYY = tyy;
}

TEST_F(HelpersTest, ArrowheadsBeyondTheDividingPoint) {
    struct Case {
        float count;
        std::vector<float> tips;  // x of each tip on the segment (0,0)-(100,0)
    } cases[] = {
        {2, {66, 82}}, {0, {66}}, {-3, {66}}, {7, {66}}, {2.5f, {66, 82}}, {0.5f, {66}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.count);
        plat::clear_display_list();
        segment(0, 0, 100, 0);
        G.XG = 1, G.B = 1, G.LCM1 = 10, G.XX = c.count, G.NO = 4;
        SEGMENT_ARROWS_AT_RATIO();
        const auto lines = ops(plat::OpKind::Line);
        ASSERT_EQ(lines.size(), 2 * c.tips.size());
        for (size_t k = 0; k < c.tips.size(); ++k) {
            const float tip = c.tips[k];
            EXPECT_TRUE(line_is(lines[2 * k], {tip - 10, 5}, {tip, 0}));
            EXPECT_TRUE(line_is(lines[2 * k + 1], {tip - 10, -5}, {tip, 0}));
            EXPECT_EQ(lines[2 * k].colour, 4);
        }
    }
    // Along a slanting segment the head points to its second end.
    plat::clear_display_list();
    segment(0, 0, 30, 40);
    G.XG = 2, G.B = 3, G.LCM1 = 10, G.XX = 1;
    SEGMENT_ARROWS_AT_RATIO();
    const auto lines = ops(plat::OpKind::Line);
    ASSERT_EQ(lines.size(), 2u);
    // P (12, 16), tip 16 further: (21.6, 28.8); arms 10 back, 5 aside.
    EXPECT_TRUE(line_is(lines[0], {15.6f - 4, 20.8f + 3}, {21.6f, 28.8f}));
    EXPECT_TRUE(line_is(lines[1], {15.6f + 4, 20.8f - 3}, {21.6f, 28.8f}));
}

TEST_F(HelpersTest, TicksAroundTheMiddle) {
    struct Case {
        float r, count;
        std::vector<float> xs;
        float r_after;
    } cases[] = {
        {0, 2, {46, 54}, 24},    // spacing 0 taken as 8
        {0, 0, {46}, 16},        // a count of 0 still draws one
        {31, 2, {46, 54}, 24},   // above 30 taken as 8
        {-8, 2, {30, 22}, -24},  // a negative spacing steps backwards
        {8, 7, {46}, 16},        // too many: one
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.r);
        plat::clear_display_list();
        segment(0, 0, 100, 0);
        G.R = c.r, G.TYY = -12, G.XX = c.count, G.LCM1 = 6, G.NO = 2;
        SEGMENT_TICKS_AT_MIDDLE();
        const auto lines = ops(plat::OpKind::Line);
        ASSERT_EQ(lines.size(), c.xs.size());
        for (size_t k = 0; k < c.xs.size(); ++k) EXPECT_TRUE(line_is(lines[k], {c.xs[k], -6}, {c.xs[k], 6}));
        EXPECT_EQ(G.R, c.r_after);
        EXPECT_EQ(G.TYY, -12);
    }
}

TEST_F(HelpersTest, SegmentMarksWithoutASegmentDrawNothing) {
    segment(50, 50, 50, 50);
    G.XG = 1, G.B = 1, G.LCM1 = 10, G.XX = 2;
    SEGMENT_ARROWS_AT_RATIO();
    SEGMENT_TICKS_AT_MIDDLE();
    segment(0, 0, 100, 0);
    G.XG = 2, G.B = -2;  // no dividing point
    SEGMENT_ARROWS_AT_RATIO();
    EXPECT_TRUE(plat::display_list().empty());
}

TEST_F(HelpersTest, AngleArcsSectorsAndTheirLabel) {
    struct Case {
        const char* name;
        float count, radius;
        std::vector<float> radii;  // arcs drawn, outermost first
        bool sector;
    } cases[] = {
        {"two arcs", 2, 40, {32, 24}, false},
        {"too many: one", 7, 40, {32}, false},
        {"a sector", 0, 40, {}, true},
        {"radii that come to nothing are left out", 3, 20, {12, 4}, false},
        {"a sector without a radius", -1, 0, {}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        plat::clear_display_list();
        right_angle();
        G.LCM1 = c.radius, G.XX = c.count, G.TKAI2 = 5, G.NO = 0, G.ZY0$ = "a", G.YMOTO = 3;
        ANGLE_MARK();
        const auto circles = ops(plat::OpKind::Circle);
        ASSERT_EQ(circles.size(), c.radii.size() + (c.sector ? 1 : 0));
        for (size_t k = 0; k < c.radii.size(); ++k) {
            EXPECT_EQ(circles[k].r, c.radii[k]);
            EXPECT_FALSE(circles[k].filled);
            EXPECT_EQ(circles[k].colour, 5);
        }
        for (const auto& op : circles) {
            // From the upward ray clockwise to the rightward one: the
            // quarter between them.
            EXPECT_NEAR(op.start, 0.75, 1e-6);
            EXPECT_NEAR(op.end, 1.0, 1e-6);
            EXPECT_EQ(op.ax, 100);
            EXPECT_EQ(op.ay, 100);
        }
        if (c.sector) {
            EXPECT_TRUE(circles[0].filled);
            EXPECT_EQ(circles[0].r, 40);
            EXPECT_EQ(circles[0].colour, 0);
            EXPECT_EQ(circles[0].fill, 5);
        }
        EXPECT_TRUE(G.ZY0$.empty());
        EXPECT_EQ(G.LCM1 + G.TYY, 0);
    }
    // The label's box touches the point 40 out along the 45-degree
    // bisector, (128.28, 71.72), interpolated between a box beside it and
    // one above it.
    plat::clear_display_list();
    G.A$ = "a";
    MEASURE_TEXT();
    const float w = G.TY;
    right_angle();
    G.LCM1 = 40, G.XX = 2, G.TKAI2 = 5, G.ZY0$ = "a", G.YMOTO = 3;
    ANGLE_MARK();
    const auto notes = labels();
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_TRUE(near(notes[0].ax, notes[0].ay, 128.284f - 0.14645f * w, 71.716f - 44 * 0.85355f))
        << show(notes[0].ax, notes[0].ay);
    EXPECT_EQ(G.B_ANGLE, 24);
}

TEST_F(HelpersTest, AngleValueTextToTheNearestTenth) {
    struct Case {
        Pt first, second;
        float tyy;
        const char* text;
    } cases[] = {
        {{200, 100}, {100, 0}, 0, "90"},
        {{200, 100}, {100, 0}, -1, "270"},
        {{200, 100}, {200, 0}, 0, "45"},  // 449.9997 tenths: not cut to 44.9
        {{200, 0}, {200, 100}, 0, "315"},
        {{200, 100}, {100 + 173.205f, 0}, 0, "30"},
        {{200, 100}, {100 + 241.421f, 0}, 0, "22.5"},
        {{200, 100}, {0, 100}, 0, "180"},
        {{200, 100}, {300, 100}, 0, "0"},
    };
    for (const auto& c : cases) {
        G.AIDA1 = 100, G.YY1 = 100, G.AAA = c.first.x, G.FMAESU = c.first.y;
        G.ZY1 = c.second.x, G.KAKKO1 = c.second.y, G.TYY = c.tyy;
        ANGLE_VALUE_TEXT();
        EXPECT_EQ(G.HH2$, c.text) << c.text;
        EXPECT_EQ(G.A$, G.HH2$);
        EXPECT_EQ(G.TYY, c.tyy);
    }
    EXPECT_TRUE(plat::display_list().empty());
}

TEST_F(HelpersTest, CornerMarkIsOneThreePointPolyline) {
    struct Case {
        float tyy;
        Pt p1, p3, p2;
    } cases[] = {
        {0, {120, 100}, {120, 80}, {100, 80}},
        {-1, {100, 80}, {120, 80}, {120, 100}},  // swapped rays: the same corner from the other side
    };
    for (const auto& c : cases) {
        plat::clear_display_list();
        right_angle(c.tyy);
        G.LCM1 = 20, G.NO = 6;
        ANGLE_CORNER_MARK();
        const auto lines = ops(plat::OpKind::Polyline);
        ASSERT_EQ(lines.size(), 1u);
        ASSERT_EQ(lines[0].pts.size(), 3u);
        EXPECT_EQ(lines[0].colour, 6);
        const Pt want[] = {c.p1, c.p3, c.p2};
        for (int k = 0; k < 3; ++k)
            EXPECT_TRUE(near(lines[0].pts[k].first, lines[0].pts[k].second, want[k].x, want[k].y))
                << k << show(lines[0].pts[k].first, lines[0].pts[k].second);
        EXPECT_EQ(G.LCM1, 20);
    }
}

}  // namespace
}  // namespace helperstest
