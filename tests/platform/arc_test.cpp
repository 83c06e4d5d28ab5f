// What the geometry drawings need of the page: arcs between any two parts of
// a turn, filled sectors, dots as wide as the pen, lines at half units and
// text at fractional sizes in the serif italic.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "engine/platform/draw.h"
#include "engine/platform/runtime.h"
#include "engine/platform/screen.h"
#include "tests/common/page_probe.h"

namespace {

constexpr float kScale = 2;

// The pixel of the circle of radius r round (x, y) at `turn` from +x towards +y.
unsigned pixel_at(const plat::Image& img, float x, float y, float r, float turn) {
    const double a = 2 * std::numbers::pi * turn;
    const int px = static_cast<int>(std::floor((x + r * std::cos(a)) * kScale));
    const int py = static_cast<int>(std::floor((y + r * std::sin(a)) * kScale));
    return img.at(px, py);
}

TEST(Arcs, RunFromStartToEndClockwiseWrappingPastOneTurn) {
    struct Case {
        float start, end;
        std::vector<float> inked, empty;
    } cases[] = {
        {0.9f, 0.1f, {0.95f, 0.05f}, {0.25f, 0.5f, 0.75f}},  // across +x
        {0.75f, 1.0f, {0.8f, 0.95f}, {0.25f, 0.5f}},         // 1.0 is +x ...
        {0.75f, 0.0f, {0.8f, 0.95f}, {0.25f, 0.5f}},         // ... as 0.0 is
        {1.0f, 0.25f, {0.1f, 0.2f}, {0.5f, 0.75f}},
        {1.0f, 0.0f, {0.1f, 0.4f, 0.6f, 0.9f}, {}},  // the same part: whole circle
        {1.25f, 1.5f, {0.3f, 0.45f}, {0.0f, 0.75f}},
        {-0.25f, 0.0f, {0.8f}, {0.3f}},
    };
    for (const auto& c : cases) {
        plat::use_headless({});
        FE$SETDRAWWIDTH(0, 3);
        draw::arc(200, 200, 50, c.start, c.end, 0);
        const plat::Image img = plat::rasterise(kScale, 0, 0, 400, 400);
        for (float t : c.inked)
            EXPECT_EQ(pixel_at(img, 200, 200, 50, t), plat::palette_rgb(0)) << c.start << "-" << c.end << " at " << t;
        for (float t : c.empty)
            EXPECT_EQ(pixel_at(img, 200, 200, 50, t), plat::palette_rgb(15)) << c.start << "-" << c.end << " at " << t;
    }
}

TEST(Arcs, FilledSectorsAndDots) {
    plat::use_headless({});
    FE$SETDRAWWIDTH(0, 3);
    draw::sector(200, 200, 50, 0.75f, 1.0f, 0, 4);  // the quarter up and right
    draw::sector(400, 200, 50, 1.0f, 0.75f, 0, 4);  // the other three quarters
    FE$SETDRAWWIDTH(0, 5);
    draw::dot(600, 200, 0);
    const plat::Image img = plat::rasterise(kScale, 0, 0, 800, 400);
    auto at = [&](float x, float y) { return img.at(static_cast<int>(x * kScale), static_cast<int>(y * kScale)); };
    EXPECT_EQ(at(220, 180), plat::palette_rgb(4));
    EXPECT_EQ(at(180, 180), plat::palette_rgb(15));
    EXPECT_EQ(at(220, 220), plat::palette_rgb(15));
    EXPECT_EQ(at(200, 170), plat::palette_rgb(0));  // the edge along the upward radius
    EXPECT_EQ(at(420, 180), plat::palette_rgb(15));
    EXPECT_EQ(at(380, 220), plat::palette_rgb(4));
    // A dot of radius 0.5 is about as wide as the pen.
    const auto dot = probe::ink_box(img, 580, 180, 620, 220);
    ASSERT_TRUE(dot.any);
    EXPECT_GE(dot.x1 - dot.x0, 5);
    EXPECT_LE(dot.x1 - dot.x0, 7);
    EXPECT_NEAR((dot.x0 + dot.x1) / 2, 600, 0.5);
    // A solid spot, not a ring.
    for (float dx = -2; dx <= 2; dx += 0.5f)
        for (float dy = -2; dy <= 2; dy += 0.5f)
            if (dx * dx + dy * dy <= 4) {
                EXPECT_EQ(at(600 + dx, 200 + dy), plat::palette_rgb(0)) << dx << "," << dy;
            }
}

TEST(Arcs, HalfUnitsAndFractionalFontSizes) {
    plat::use_headless({});
    FE$SETDRAWWIDTH(0, 1);
    draw::line(295.5f, 100, 295.5f, 140, 0);
    FE$SETFONTNAME(0, SJ("Times New Roman"));
    FE$SETFONTITALIC(0, -1);
    FE$SETFONTBOLD(0, -1);
    FE$SETFONTSIZE(0, 20.8f);
    $PsSYMBOL40(0, 0, 400, 100, "x", 3, 2, 0, 0, 0, 1);
    FE$SETFONTSIZE(0, 26);
    $PsSYMBOL40(0, 0, 500, 100, "x", 3, 2, 0, 0, 0, 1);
    const auto& list = plat::display_list();
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[1].font.face, plat::Face::Serif);
    EXPECT_TRUE(list[1].font.italic);
    EXPECT_EQ(list[1].font.size, 20.8f);
    const plat::Image img = plat::rasterise(kScale, 0, 0, 800, 300);
    const auto line = probe::ink_box(img, 280, 90, 310, 150);
    EXPECT_EQ(line.x0, 295);
    EXPECT_EQ(line.x1, 296);
    const auto small = probe::ink_box(img, 380, 60, 480, 200);
    const auto large = probe::ink_box(img, 480, 60, 600, 200);
    ASSERT_TRUE(small.any && large.any);
    EXPECT_NEAR((small.y1 - small.y0) / (large.y1 - large.y0), 0.8, 0.06);
}

}  // namespace
