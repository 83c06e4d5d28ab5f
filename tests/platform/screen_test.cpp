// The display list, what stays visible on the page, the palette and the
// rendered page.
#include <gtest/gtest.h>

#include <cairo.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "engine/platform/runtime.h"
#include "engine/platform/screen.h"
#include "tests/common/page_probe.h"

namespace {

Str sj(const char* utf8) { return plat::utf8_to_cp932(utf8); }

void box(float x1, float y1, float x2, float y2, float edge, float fill) {
    $PsLINE(0, 0, x1, y1, 0, x2, y2, -1, edge, 2, fill, 0, 15);
}

TEST(DisplayList, RecordsEveryDrawWithItsState) {
    plat::use_headless({});
    FE$SETFONTNAME(0, SJ("ゴシック"));
    FE$SETFONTSIZE(0, 14);
    FE$SETFONTBOLD(0, -1);
    FE$SETDRAWWIDTH(0, 5);
    $PsSYMBOL40(0, 0, 10.5f, 20, "=", 3, 3, 13, 0, 0, 1);
    $PsLINE(0, 0, 100, 100, 1, 20, -5, -1, 3, 0, 0, -1, 7);     // a step
    $PsLINE(0, 0, 100, 200, 0, 150, 250, -1, 4, 2, 11, 0, 15);  // a filled box
    $PsCIRCLE(0, 0, 300, 300, 4, 5, 1, 0, 0, 1, 0, 5, 1);
    $PsCONNECT({13, 3, -1, 0, 0, -1, 7, /* last point first: */ 30, 3, 0, 20, 2, 0, 10, 1, 0, 0});
    const auto& list = plat::display_list();
    ASSERT_EQ(list.size(), 5u);
    EXPECT_EQ(list[0].kind, plat::OpKind::Text);
    EXPECT_EQ(list[0].ax, 10.5f);
    EXPECT_EQ(list[0].colour, 13);
    EXPECT_EQ(list[0].font, (plat::Font{plat::Face::Gothic, 14, true, false}));
    EXPECT_EQ(list[1].kind, plat::OpKind::Line);
    EXPECT_EQ(list[1].bx, 120);
    EXPECT_EQ(list[1].by, 95);
    EXPECT_EQ(list[1].width, 5);
    EXPECT_EQ(list[2].kind, plat::OpKind::Box);
    EXPECT_TRUE(list[2].filled);
    EXPECT_EQ(list[2].fill, 11);
    EXPECT_EQ(list[2].colour, 4);
    EXPECT_EQ(list[3].kind, plat::OpKind::Circle);
    EXPECT_EQ(list[3].fill, 5);
    EXPECT_EQ(list[4].kind, plat::OpKind::Polyline);
    EXPECT_EQ(list[4].colour, 7);
    EXPECT_EQ(list[4].pts, (std::vector<std::pair<float, float>>{{1, 10}, {2, 20}, {3, 30}}));
    EXPECT_EQ(FE$GETDRAWWIDTH(0), 5);
    $PsCLS(0, 0);
    EXPECT_TRUE(plat::display_list().empty());
}

TEST(DisplayList, DropsWhatIsCoveredOrOffThePage) {
    plat::use_headless({});
    // Measuring draws below the page: nothing of it is kept.
    $PsSYMBOL40(0, 0, 0, 1800, "x", 3, 3, 0, 0, 0, 1);
    plat::note_text(0, 1800, 27, 0, "x");
    EXPECT_TRUE(plat::display_list().empty());
    // A dot drawn and hidden again and again leaves only its last state.
    for (int i = 0; i < 100; ++i) {
        $PsCIRCLE(0, 0, 500, 500, 4, 5, 1, 0, 0, 1, 0, 5, 1);
        $PsCIRCLE(0, 0, 500, 500, 4, 15, 1, 0, 0, 1, 0, 15, 1);
    }
    EXPECT_EQ(plat::display_list().size(), 1u);
    // A page-clearing box takes everything under it, and only that, also
    // what reaches past the page's edge.
    $PsSYMBOL40(0, 0, 100, 100, "1", 3, 3, 0, 0, 0, 1);
    $PsSYMBOL40(0, 0, 0, 0, sj("円"), 2, 3, 0, 0, 0, 1);
    $PsLINE(0, 0, -50, 300, 0, 1500, 300, -1, 0, 0, 0, -1, 7);
    $PsSYMBOL40(0, 0, 100, 700, "2", 3, 3, 0, 0, 0, 1);
    box(0, 0, 1600, 630, 15, 15);
    const auto& list = plat::display_list();
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].text, "2");
    EXPECT_EQ(list[1].kind, plat::OpKind::Box);
}

// A clearing box takes a line exactly when it hides every pixel the line
// inks, at the page's own scale and twice it: lines end square at their
// points, and their antialiased sides reach the pixels they fall into.
TEST(DisplayList, AClearingBoxTakesALineWhenItHidesAllItsInk) {
    struct Case {
        const char* name;
        float x1, y1, x2, y2, width;
        float bx1, by1, bx2, by2;  // the box
        bool taken;
    };
    const Case cases[] = {
        // A fraction bar that starts at the left edge of a cleared column.
        {"from the box's edge", 680, 315, 776, 315, 4, 680, 0, 1600, 1800, true},
        {"a unit left of it", 679, 315, 776, 315, 4, 680, 0, 1600, 1800, false},
        {"ending at its edge", 100, 315, 200, 315, 4, 0, 0, 200, 768, true},
        // A pen 5 wide on a whole unit half-covers the pixel rows at its sides.
        {"both sides", 100, 400, 300, 400, 5, 0, 397, 1366, 403, true},
        {"half a row short", 100, 400, 300, 400, 5, 0, 398, 1366, 403, false},
        {"slanted", 100, 500, 200, 550, 3, 99, 498, 201, 552, true},
        {"slanted, one unit short", 100, 500, 200, 550, 3, 100, 498, 201, 552, false},
    };
    auto draw_line = [](const Case& c) { $PsLINE(0, 0, c.x1, c.y1, 0, c.x2, c.y2, -1, 0, 0, 0, -1, 7); };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        plat::use_headless({});
        FE$SETDRAWWIDTH(0, c.width);
        draw_line(c);
        box(c.bx1, c.by1, c.bx2, c.by2, 15, 15);
        EXPECT_EQ(plat::display_list().size(), c.taken ? 1u : 2u);
        // What of the line's ink the box leaves showing, looked at round the line.
        const float x0 = std::min(c.x1, c.x2) - 8, y0 = std::min(c.y1, c.y2) - 8;
        const float x1 = std::max(c.x1, c.x2) + 8, y1 = std::max(c.y1, c.y2) + 8;
        for (const float scale : {1.0f, 2.0f}) {
            plat::use_headless({});
            FE$SETDRAWWIDTH(0, c.width);
            draw_line(c);
            const plat::Image line = plat::rasterise(scale, x0, y0, x1, y1);
            plat::clear_display_list();
            box(c.bx1, c.by1, c.bx2, c.by2, 4, 4);
            const plat::Image cover = plat::rasterise(scale, x0, y0, x1, y1);
            long showing = 0;
            for (size_t i = 0; i < line.pixels.size(); ++i)
                showing += line.pixels[i] != plat::palette_rgb(15) && cover.pixels[i] == plat::palette_rgb(15);
            EXPECT_EQ(showing == 0, c.taken) << "scale " << scale << ": " << showing << " pixels showing";
        }
    }
}

TEST(VisibleTexts, NotesStillOnThePageInReadingOrder) {
    plat::use_headless({});
    plat::note_text(816, 648, 1000, 0, sj("番号を入力して下さい。"));
    plat::note_text(40, 100, 300, 3, sj("x+y=5"));
    plat::note_text(40, 50, 300, 3, sj("<めあて>"));
    plat::note_text(400, 100, 500, 5, sj("ﾀ3/2ﾀ"));
    // The bottom strip is erased: the prompt goes, the page stays.
    box(0, 639, 1366, 720, 15, 15);
    // A box over half a text leaves it listed.
    box(0, 95, 100, 140, 11, 11);
    // A prompt in a box drawn again and again is listed once.
    for (int i = 0; i < 3; ++i) {
        box(96, 656, 400, 692, 13, 4);
        plat::note_text(128, 666, 320, 9, sj("何かキーを押して下さい。"));
    }
    const auto notes = plat::visible_notes();
    ASSERT_EQ(notes.size(), 4u);
    EXPECT_EQ(plat::format_visible(notes),
              "50 40 3 <めあて>\n100 40 3 x+y=5\n100 400 5 ﾀ3/2ﾀ\n666 128 9 何かキーを押して下さい。\n");
    $PsCLS(0, 0);
    EXPECT_TRUE(plat::visible_notes().empty());
}

TEST(VisibleTexts, GlyphsOfOneLineJoin) {
    plat::use_headless({});
    FE$SETFONTNAME(0, SJ("ゴシック"));
    FE$SETFONTSIZE(0, 16);
    FE$SETFONTBOLD(0, -1);
    const float y = 200;
    float x = 40;
    $PsSYMBOL40(0, 0, x, y, "2", 3, 3, 0, 0, 0, 1);
    x += 27;
    FE$SETFONTNAME(0, SJ("Times New Roman"));
    FE$SETFONTSIZE(0, 8);
    FE$SETFONTITALIC(0, -1);
    $PsSYMBOL40(0, 0, x + 4, y - 22, "x", 10, 7, 0, 0, 0, 1);
    FE$SETFONTNAME(0, SJ("ゴシック"));
    FE$SETFONTSIZE(0, 16);
    FE$SETFONTITALIC(0, 0);
    x += 27;
    FE$SETDRAWWIDTH(0, 5);
    $PsLINE(0, 0, x + 4, y + 20, 1, 19, 0, -1, 0, 0, 0, -1, 7);  // minus
    FE$SETDRAWWIDTH(0, 3);
    x += 27;
    $PsSYMBOL40(0, 0, x, y, "3", 3, 3, 0, 0, 0, 1);
    x += 27 + 27;  // a space
    FE$SETFONTSIZE(0, 14);
    $PsSYMBOL40(0, 0, x + 4, y, "=", 3, 3, 0, 0, 0, 1);
    x += 32;
    FE$SETFONTSIZE(0, 16);
    $PsSYMBOL40(0, 0, x, y, sj("円"), 2, 3, 0, 0, 0, 1);
    // Another line, another colour.
    $PsSYMBOL40(0, 0, 40, 300, sj("①"), 2, 3, 5, 0, 0, 1);
    $PsSYMBOL40(0, 0, 74, 300, "7", 3, 3, 0, 0, 0, 1);
    // A line that starts with a sign; an italic letter first on a line.
    FE$SETDRAWWIDTH(0, 5);
    $PsLINE(0, 0, 44, 420, 1, 19, 0, -1, 3, 0, 0, -1, 7);
    FE$SETDRAWWIDTH(0, 3);
    $PsSYMBOL40(0, 0, 67, 400, "5", 3, 3, 3, 0, 0, 1);
    FE$SETFONTNAME(0, SJ("Times New Roman"));
    FE$SETFONTSIZE(0, 8);
    $PsSYMBOL40(0, 0, 44, 478, "x", 10, 7, 0, 0, 0, 1);
    EXPECT_EQ(plat::format_visible(plat::visible_glyph_texts()),
              "200 40 0 2x-3 =円\n300 40 5 ①\n300 74 0 7\n400 40 3 -5\n500 40 0 x\n");
}

TEST(Palette, TextsAreLegibleOnTheirFills) {
    EXPECT_EQ(plat::palette_rgb(15), 0xFFFFFFu);
    struct Pair {
        int text, fill;
        double at_least;
    };
    const Pair pairs[] = {
        {0, 15, 4.5}, {5, 15, 4.5},  // the 16-unit prompts
        {3, 15, 3},   {4, 15, 3},   {7, 15, 3}, {13, 15, 3}, {13, 10, 3}, {15, 10, 3},
        {9, 4, 3},    {9, 12, 3},   {0, 11, 3}, {0, 13, 3},  {0, 14, 3},  {13, 3, 3},
    };
    for (const Pair& p : pairs)
        EXPECT_GE(probe::contrast_ratio(plat::palette_rgb(p.text), plat::palette_rgb(p.fill)), p.at_least)
            << p.text << " on " << p.fill;
    for (int i = 0; i < 15; ++i) EXPECT_NE(plat::palette_rgb(i), plat::palette_rgb(15)) << i;
}

TEST(Rendering, PngsAtAnyScaleWithHalfUnitsKept) {
    plat::use_headless({});
    FE$SETDRAWWIDTH(0, 1);
    box(10.5f, 20, 30, 40, 4, 4);
    const plat::Image img = plat::rasterise(2);
    EXPECT_EQ(img.width, 2732);
    EXPECT_EQ(img.height, 1536);
    // A box paints exactly its rectangle: from x 10.5, not half a pen left of it.
    const unsigned green = plat::palette_rgb(4);
    EXPECT_EQ(img.at(21, 60), green);  // x 10.5 to 11
    EXPECT_NE(img.at(20, 60), green);  // x 10 to 10.5
    EXPECT_EQ(img.at(100, 300), 0xFFFFFFu);
    // Clipped silently: a box far past the page.
    box(1000, 700, 1760, 1800, 13, 13);
    // Names of this process alone: parallel runs of the suite share the folder.
    const std::string stem = "platform_test_" + std::to_string(getpid());
    const auto path1 = std::filesystem::temp_directory_path() / (stem + "_1x.png");
    const auto path2 = std::filesystem::temp_directory_path() / (stem + "_2x.png");
    ASSERT_TRUE(plat::write_png(path1.string(), 1));
    ASSERT_TRUE(plat::write_png(path2.string(), 2));
    for (auto [path, w, h] : {std::tuple{path1, 1366, 768}, std::tuple{path2, 2732, 1536}}) {
        cairo_surface_t* s = cairo_image_surface_create_from_png(path.string().c_str());
        ASSERT_EQ(cairo_surface_status(s), CAIRO_STATUS_SUCCESS);
        EXPECT_EQ(cairo_image_surface_get_width(s), w);
        EXPECT_EQ(cairo_image_surface_get_height(s), h);
        cairo_surface_destroy(s);
        std::filesystem::remove(path);
    }
    EXPECT_FALSE(plat::write_png("/nonexistent-dir/page.png", 1));
}

TEST(Rendering, ShapesInTheirColours) {
    plat::use_headless({});
    FE$SETDRAWWIDTH(0, 3);
    box(100, 100, 200, 160, 13, 4);                            // key-pause box
    $PsCIRCLE(0, 0, 400, 130, 20, 5, 1, 0, 0, 1, 0, 5, 1);     // a filled dot
    $PsCIRCLE(0, 0, 500, 130, 20, 3, 1, 0, 0.5f, 0, 0, 0, 1);  // lower half arc
    $PsCONNECT({13, 3, -1, 0, 0, -1, 0, 100, 700, 0, 140, 650, 0, 100, 600, 0, 0});
    const plat::Image img = plat::rasterise(1);
    EXPECT_EQ(img.at(150, 130), plat::palette_rgb(4));
    EXPECT_EQ(img.at(100, 130), plat::palette_rgb(13));
    EXPECT_EQ(img.at(400, 130), plat::palette_rgb(5));
    EXPECT_EQ(img.at(500, 150), plat::palette_rgb(3));  // bottom of the arc (y grows downwards)
    EXPECT_EQ(img.at(500, 110), 0xFFFFFFu);             // its top is not drawn
    EXPECT_EQ(img.at(650, 140), 0u);                    // the polyline's tip
    // Its last point (700, 100): a square end, no more than the pen's half
    // across the slanted stroke past it.
    EXPECT_EQ(probe::ink_box(img, 590, 90, 720, 160).x1, 701);
}

// Strokes end square at their stated points; where two meet end to end at
// an angle, or a polyline comes back to its start, the corner is closed
// and rounded as a polyline's own corners are.
TEST(Rendering, StrokesEndAtTheirPointsAndCornersStayClosed) {
    plat::use_headless({});
    FE$SETDRAWWIDTH(0, 5);
    $PsLINE(0, 0, 100, 100, 0, 200, 100, -1, 0, 0, 0, -1, 7);  // alone
    $PsLINE(0, 0, 300, 100, 0, 400, 100, -1, 0, 0, 0, -1, 7);  // a corner at (400, 100)
    $PsLINE(0, 0, 400, 100, 0, 400, 200, -1, 0, 0, 0, -1, 7);
    $PsLINE(0, 0, 500, 100, 0, 600, 100, -1, 0, 0, 0, -1, 7);  // one line after another
    $PsLINE(0, 0, 600, 100, 0, 700, 100, -1, 0, 0, 0, -1, 7);
    // A parallelogram, last point first, its start and end at (700, 340).
    $PsCONNECT({13, 5, -1, 0, 0, -1, 0, 340, 700, 0, 300, 710, 0, 300, 770, 0, 340, 760, 0, 340, 700, 0, 0});
    const plat::Image img = plat::rasterise(2);
    auto at = [&](float x, float y) { return img.at(static_cast<int>(x * 2), static_cast<int>(y * 2)); };
    const unsigned page = plat::palette_rgb(15), black = plat::palette_rgb(0);
    EXPECT_EQ(at(100.25f, 100), black);
    EXPECT_EQ(at(99.75f, 100), page);
    EXPECT_EQ(at(200.25f, 100), page);
    EXPECT_EQ(at(201.25f, 98.75f), page);
    EXPECT_EQ(at(401.25f, 98.75f), black);   // the outer corner, past both square ends
    EXPECT_EQ(at(600.25f, 98.75f), black);   // no notch where two lines continue
    EXPECT_EQ(at(600, 97.25f), page);        // and no bump either
    EXPECT_EQ(at(699.25f, 341.25f), black);  // the parallelogram's closing corner
    EXPECT_EQ(plat::display_list()[2].join_first, true);
    EXPECT_EQ(plat::display_list()[4].join_first, false);
}

TEST(Rendering, AnErasedBoxLeavesNoOutline) {
    // A prompt box erased by a background box whose edge runs along its own,
    // at a scale where edges fall between pixels.
    plat::use_headless({});
    FE$SETDRAWWIDTH(0, 3);
    box(96, 657, 400, 693, 13, 4);
    box(0, 639, 1366, 693, 15, 15);
    for (const float scale : {1.0f, 1.37f, 2.0f}) {
        const plat::Image img = plat::rasterise(scale);
        long stray = 0;
        for (int y = static_cast<int>(630 * scale); y < static_cast<int>(705 * scale); ++y)
            for (int x = static_cast<int>(80 * scale); x < static_cast<int>(420 * scale); ++x)
                stray += img.at(x, y) != plat::palette_rgb(15);
        EXPECT_EQ(stray, 0) << "scale " << scale;
    }
}

}  // namespace
