// Point constructions and the letter-key map.
#include "tests/helpers/support.h"

namespace helperstest {
namespace {

void line_l(float x1, float y1, float x2, float y2) { G.DB2 = x1, G.BX = y1, G.HENK1 = x2, G.CX = y2; }

TEST_F(HelpersTest, FootOfThePerpendicular) {
    struct Case {
        const char* name;
        Pt a, b, p, foot;
    } cases[] = {
        {"vertical line", {100, 50}, {100, 300}, {40, 120}, {100, 120}},
        {"horizontal line", {20, 200}, {300, 200}, {40, 120}, {40, 200}},
        {"slope 1", {0, 0}, {100, 100}, {100, 0}, {50, 50}},
        {"slope -1/2", {0, 100}, {200, 0}, {0, 0}, {40, 80}},
        {"no line: taken as vertical", {70, 70}, {70, 70}, {10, 30}, {70, 30}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        plat::clear_display_list();
        line_l(c.a.x, c.a.y, c.b.x, c.b.y);
        G.CCC0 = c.p.x, G.HENK3 = c.p.y;
        FOOT_OF_PERPENDICULAR();
        EXPECT_TRUE(near(G.DY, G.Y22, c.foot.x, c.foot.y, 1e-3f)) << show(G.DY, G.Y22);
        // Marked with a disc of radius 2 in the background colour.
        const auto marks = ops(plat::OpKind::Circle);
        ASSERT_EQ(marks.size(), 1u);
        EXPECT_TRUE(near(marks[0].ax, marks[0].ay, c.foot.x, c.foot.y, 1e-3f));
        EXPECT_EQ(marks[0].r, 2);
        EXPECT_TRUE(marks[0].filled);
        EXPECT_EQ(marks[0].colour, 15);
    }
    line_l(0, 0, 100, 100);
    G.CCC0 = 100, G.HENK3 = 0;
    FOOT_OF_PERPENDICULAR();
    EXPECT_EQ(G.TBSI, 1);
    EXPECT_EQ(G.JYOUK, -1);
    EXPECT_EQ(G.TBSIYAKY, 0);
    EXPECT_EQ(G.t000C, 100);
}

TEST_F(HelpersTest, LineIntersection) {
    struct Case {
        const char* name;
        Pt l1, l2, m1, m2;
        bool meets;
        Pt at;
        float l_slope, m_slope;
    } cases[] = {
        {"vertical and horizontal", {100, 0}, {100, 50}, {0, 80}, {10, 80}, true, {100, 80}, 1000, 0},
        {"horizontal and vertical", {0, 80}, {10, 80}, {100, 0}, {100, 50}, true, {100, 80}, 0, 1000},
        {"y = x and y = -x + 200", {0, 0}, {10, 10}, {0, 200}, {10, 190}, true, {100, 100}, 1, -1},
        // A real slope of 1000 is no vertical line.
        {"slope 1000 and vertical", {0, 0}, {1, 1000}, {2, 0}, {2, 5}, true, {2, 2000}, 1000, 1000},
        {"vertical and slope 1000", {2, 0}, {2, 5}, {0, 0}, {1, 1000}, true, {2, 2000}, 1000, 1000},
        {"slope 1000 and horizontal", {0, 0}, {1, 1000}, {0, 500}, {9, 500}, true, {0.5f, 500}, 1000, 0},
        {"two horizontal lines", {0, 10}, {5, 10}, {0, 20}, {5, 20}, false, {}, 0, 0},
        {"two vertical lines", {10, 0}, {10, 5}, {20, 0}, {20, 5}, false, {}, 1000, 1000},
        {"equal slopes", {0, 0}, {10, 20}, {5, 0}, {15, 20}, false, {}, 2, 2},
        {"no line: taken as horizontal", {30, 40}, {30, 40}, {7, 0}, {7, 9}, true, {7, 40}, 0, 1000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        line_l(c.l1.x, c.l1.y, c.l2.x, c.l2.y);
        G.CCC0 = c.m1.x, G.HENK3 = c.m1.y, G.CY = c.m2.x, G.CCC2 = c.m2.y;
        G.AY1 = -7, G.BY1 = -9;
        LINE_INTERSECTION();
        EXPECT_EQ(G.GX2, c.l_slope);
        EXPECT_EQ(G.B1_LINE2, c.m_slope);
        if (c.meets) {
            EXPECT_TRUE(near(G.AY1, G.BY1, c.at.x, c.at.y, 1e-3f)) << show(G.AY1, G.BY1);
        } else {
            EXPECT_EQ(G.BY1, -9);
            // A vertical line still leaves its x.
            EXPECT_EQ(G.AY1, c.l_slope == 1000 ? 20 : -7);
        }
    }
    EXPECT_TRUE(plat::display_list().empty());
}

TEST_F(HelpersTest, AxisCrossingPoint) {
    struct Case {
        const char* name;
        Pt a, c;
        float x, y;  // the given x (CCC0) and y (HENK3)
        Pt at;
    } cases[] = {
        {"at a given y", {0, 0}, {100, 50}, -1, 25, {50, 25}},
        {"at a given x", {0, 0}, {100, 50}, 60, -1, {60, 30}},
        {"both negative: the x rule", {0, 0}, {100, 50}, -1, -1, {-1, -0.5f}},
        {"neither: unchanged", {0, 0}, {100, 50}, 60, 25, {-3, -4}},
        {"vertical line", {40, 0}, {40, 90}, 60, 25, {40, 25}},
        {"no line: vertical", {40, 10}, {40, 10}, 60, 25, {40, 25}},
        {"horizontal line", {0, 70}, {90, 70}, 60, 25, {60, 70}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        line_l(c.a.x, c.a.y, c.c.x, c.c.y);
        G.CCC0 = c.x, G.HENK3 = c.y, G.DS1 = -3, G.AINP_AUX = -4;
        AXIS_CROSSING_POINT();
        EXPECT_TRUE(near(G.DS1, G.AINP_AUX, c.at.x, c.at.y, 1e-4f)) << show(G.DS1, G.AINP_AUX);
    }
    line_l(0, 0, 100, 50);
    G.CCC0 = 60, G.HENK3 = 25;
    AXIS_CROSSING_POINT();
    EXPECT_EQ(G.XG, 0.5f);
    EXPECT_EQ(G.B, 0);
}

TEST_F(HelpersTest, RotatedPointOnTheHalfEllipse) {
    struct Case {
        Pt p, q;
        float height, degrees;
        Pt at;
    } cases[] = {
        {{100, 300}, {300, 300}, 100, 90, {200, 200}},  {{100, 300}, {300, 300}, 100, 0, {300, 300}},
        {{100, 300}, {300, 300}, 100, 180, {100, 300}}, {{100, 300}, {300, 300}, 100, 270, {200, 400}},
        {{100, 300}, {100, 100}, 50, 90, {50, 200}},    {{100, 300}, {300, 300}, -100, 90, {200, 400}},
        {{100, 300}, {100, 300}, 100, 90, {100, 300}},  // no segment: P
    };
    for (const auto& c : cases) {
        G.AIDA1 = c.p.x, G.YY1 = c.p.y, G.AAA = c.q.x, G.FMAESU = c.q.y, G.Y = c.height, G.KAKUDO = c.degrees;
        ROTATED_POINT();
        EXPECT_TRUE(near(G.LT1, G.XI1, c.at.x, c.at.y, 0.02f)) << c.degrees << " " << show(G.LT1, G.XI1);
        EXPECT_EQ(G.AIDA1, c.p.x);
        EXPECT_EQ(G.ZY11, c.q.x);
        EXPECT_EQ(G.HAN, c.q.y);
    }
    // The unturned point comes back in AAA, FMAESU: on the level copy from P.
    G.AIDA1 = 100, G.YY1 = 300, G.AAA = 100, G.FMAESU = 100, G.Y = 50, G.KAKUDO = 90;
    ROTATED_POINT();
    EXPECT_TRUE(near(G.AAA, G.FMAESU, 200, 250, 0.01f)) << show(G.AAA, G.FMAESU);
    EXPECT_TRUE(plat::display_list().empty());
}

TEST_F(HelpersTest, LetterKeyMap) {
    const char* keys[] = {"Q", "W", "E", "R", "T", "@", "I", "[", "]", "S"};
    for (int k = 0; k < 10; ++k) {
        G.I$ = keys[k], G.TANI_KEY = 0;
        LETTER_KEY_MAP();
        EXPECT_EQ(G.SETU, 1) << keys[k];
        EXPECT_EQ(G.TANI_KEY, k + 1) << keys[k];
        EXPECT_EQ(G.I$, keys[k]);
    }
    for (const char* other : {"q", "s", "1", "", "QW", "\r"}) {
        G.I$ = other, G.TANI_KEY = 7, G.SETU = 1;
        LETTER_KEY_MAP();
        EXPECT_EQ(G.SETU, 0) << other;
        EXPECT_EQ(G.TANI_KEY, 7) << other;
    }
}

}  // namespace
}  // namespace helperstest
