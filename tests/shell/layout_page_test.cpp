// A page of the shell's layouts as the course pages build them, written as
// PNG to be looked at (it stays in the build directory), and checked from its
// pixels: the brace stands clear of its equations, and the rule of a column
// layout runs above the result row.
#include <algorithm>

#include "tests/common/page_probe.h"
#include "tests/shell/harness.h"

using namespace shelltest;

namespace {

constexpr float kScale = 2;

// Whether any pixel of the page from (x0, y0) to (x1, y1) is not background.
bool inked(float x0, float y0, float x1, float y1) {
    const plat::Image image = plat::rasterise(kScale, x0, y0, x1, y1);
    const unsigned bg = plat::palette_rgb(15);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            if (image.at(x, y) != bg) return true;
    return false;
}

void text(float colour, float x, float y, const char* utf8) {
    G.YMOTO = colour;
    G.DSM1 = x;
    G.DSM2 = y;
    G.KKAI$ = plat::utf8_to_cp932(utf8);
    MU();
}

void cell(float w, float h, float fill, float colour, const char* utf8) {
    G.TANI = w;
    G.X8 = h;
    G.NO = 3;
    G.TKAI2 = fill;
    G.YMOTO = colour;
    G.A$ = plat::utf8_to_cp932(utf8);
    DRAW_TABLE_CELL();
}

}  // namespace

TEST(ShellLayoutPage, APageOfTablesBracesAndColumnLayouts) {
    begin(Program::Morvane);
    FE$SETDRAWWIDTH(0, 5);

    // Boxed page title with its number cell.
    G.DSM1 = 40;
    G.DSM2 = 30;
    cell(272, 46, 13, 0, "P46 練習問題");
    G.DSM1 += 10;
    G.TANI = 40;
    G.X8 = 44;
    G.NO = 4;
    G.TKAI2 = 3;
    G.YMOTO = 13;
    G.A$ = "1";
    DRAW_TABLE_CELL();

    // A table of values: a heading row and two rows, cells sharing borders.
    const char* xs[] = {"x", "0", "1", "2", "3"};
    const char* ys[] = {"y", "7", "ﾀ11/2ﾀ", "4", "ﾀ5/2ﾀ"};
    G.DSM1 = 40;
    G.DSM2 = 120;
    for (const char* t : xs) cell(t == xs[0] ? 80 : 70, 50, t == xs[0] ? 13 : 15, 0, t);
    G.DSM1 = 40;
    G.DSM2 = 170;
    for (const char* t : ys) cell(t == ys[0] ? 80 : 70, 70, t == ys[0] ? 13 : 15, 5, t);

    // A braced system.
    G.YMOTO = 0;
    G.DSM1 = 40;
    G.DSM2 = 300;
    G.TANI = 100;
    DRAW_BRACE();
    text(0, 80, 300, "3x+2y=11…①");
    text(0, 80, 350, "2x+2y=8…②");

    // Its column subtraction, the sign-change row and the result row.
    text(3, 40, 430, "①-②");
    G.YY$ = SJ("3x+2y=11");
    G.T$ = SJ("2x+2y=8");
    G.LEM$ = "-";
    G.DSM1 = 40;
    G.DSM2 = 480;
    G.Y = 50;
    G.NO = 0;
    G.YMOTO = 0;
    SHOW_COLUMN_ELIMINATION();
    text(3, 40, G.B2 - 25, "+-  -  -");
    text(5, G.XJ2, G.B2 + 50, "x      =3");
    const float rule_y = 480 + 100;

    // The aligned layout of two multiplied equations, on the right.
    const char* terms[] = {"6x", "+9y", "16x", "-2y", "=15", "=108"};
    for (int k = 1; k <= 6; ++k) G.R$(k) = plat::utf8_to_cp932(terms[k - 1]);
    for (int k = 1; k <= 4; ++k) {
        G.A$ = G.R$(k);
        MEASURE_TEXT();
        G.Y7(k) = G.TY;
    }
    G.Y7(5) = 640 + 40;
    G.Y7(6) = G.Y7(5) + std::max(G.Y7(1), G.Y7(3));
    G.Y7(7) = G.Y7(6) + std::max(G.Y7(2), G.Y7(4));
    G.LEM$ = "-";
    G.DSM1 = 640;
    G.DSM2 = 300;
    G.Y = 50;
    G.NO = 0;
    G.YMOTO = 0;
    SHOW_COLUMN_ELIMINATION_ALIGNED();

    // A word box of two lines.
    G.DSM1 = 640;
    G.DSM2 = 480;
    G.TANI = 228;
    G.X8 = 90;
    G.NO = 3;
    G.TKAI2 = 13;
    G.YMOTO = 0;
    G.YY$ = SJ("2点シュート");
    G.T$ = SJ("の本数");
    DRAW_TWO_LINE_BOX();

    probe::save_png("shell_layouts", kScale);

    // The brace: ink from its point to its tips, and a clear gap before the
    // equations at x 80.
    EXPECT_TRUE(inked(40 + 8, 300, 40 + 36, 400));
    EXPECT_FALSE(inked(40 + 38, 300, 40 + 39, 400));
    // The rule under both rows, and the result row below it.
    EXPECT_TRUE(inked(40 + 30, rule_y - 1, 40 + 60, rule_y + 1));
    EXPECT_TRUE(inked(40 + 54, rule_y + 5, 40 + 200, rule_y + 40));
}
