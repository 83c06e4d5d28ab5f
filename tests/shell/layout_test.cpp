// Table cells, the brace and the column layouts.
#include <utility>
#include <vector>

#include "tests/shell/harness.h"

using namespace shelltest;

namespace {

float width_of(const Str& text) {
    const float x = G.DSM1, y = G.DSM2;
    G.A$ = text;
    MEASURE_TEXT();
    G.DSM1 = x;
    G.DSM2 = y;
    return G.TY;
}

void cell(float x, float y, float w, float h, const Str& text, float fill = 15) {
    G.DSM1 = x;
    G.DSM2 = y;
    G.TANI = w;
    G.X8 = h;
    G.NO = 3;
    G.TKAI2 = fill;
    G.YMOTO = 0;
    G.A$ = text;
    DRAW_TABLE_CELL();
}

// The one visible note that reads `utf8`.
plat::VisibleText note(const std::string& utf8) {
    const auto found = shown(utf8);
    EXPECT_EQ(found.size(), 1u) << utf8 << "\n" << screen();
    return found.empty() ? plat::VisibleText{} : found[0];
}

// The horizontal lines at y (signs such as "+" are drawn with short lines too).
std::vector<plat::DrawOp> rules(float y) {
    std::vector<plat::DrawOp> found;
    for (const auto& op : ops(plat::OpKind::Line))
        if (op.ay == y && op.by == y) found.push_back(op);
    return found;
}

}  // namespace

// ------------------------------------------------------------------ cells

TEST(TableCell, TextIsCentredAcrossAndPlacedByHeightAndFraction) {
    const struct {
        float height;
        float plain, fraction;  // text top below the box top
    } cases[] = {{44, 0, -3}, {46, 1, -2}, {50, 3, 0}, {70, 13, 10}, {80, 18, 15}};
    for (const auto& c : cases) {
        for (bool fraction : {false, true}) {
            begin(Program::Morvane);
            const Str text = fraction ? SJ("ﾀ1/2ﾀ") : SJ("x=5");
            const float w = width_of(text);
            cell(100, 200, 150, c.height, text);
            EXPECT_EQ(G.DSM1, 250);
            EXPECT_EQ(G.DSM2, 200);
            EXPECT_TRUE(has_box(100, 200, 250, 200 + c.height, 3, 15));
            const auto t = note(u8(text));
            EXPECT_EQ(t.x, 100 + (150 - w) / 2);
            EXPECT_EQ(t.y, 200 + (fraction ? c.fraction : c.plain)) << c.height << " " << fraction;
        }
    }
}

TEST(TableCell, CentringKeepsItsFraction) {
    begin(Program::Morvane);
    const float w = width_of("7");
    cell(10, 10, w + 13, 50, "7");
    EXPECT_EQ(note("7").x, 10 + 6.5f);
}

TEST(TableCell, WideTextStartsAtTheLeftEdgeAndEmptyTextDrawsTheBox) {
    begin(Program::Morvane);
    cell(30, 400, 40, 50, SJ("とても長い文です"));
    EXPECT_EQ(note("とても長い文です").x, 30);
    cell(500, 400, 76, 50, "");
    EXPECT_TRUE(has_box(500, 400, 576, 450, 3, 15));
    EXPECT_EQ(G.DSM1, 576);
    EXPECT_EQ(G.DSM2, 400);
}

TEST(TableCell, ARowOfCellsAndTheRowBelowShareTheirBorders) {
    begin(Program::Morvane);
    cell(38, 400, 266, 50, SJ("x"), 13);
    G.TANI = 114;
    G.TKAI2 = 15;
    G.A$ = "1";
    DRAW_TABLE_CELL();
    EXPECT_EQ(G.DSM1, 418);
    EXPECT_EQ(G.DSM2, 400);
    cell(38, 450, 266, 50, SJ("y"), 13);
    EXPECT_TRUE(has_box(38, 400, 304, 450, 3, 13));
    EXPECT_TRUE(has_box(304, 400, 418, 450, 3, 15));
    EXPECT_TRUE(has_box(38, 450, 304, 500, 3, 13));
    // A cell drawn again covers the old one: the later value shows.
    G.DSM1 = 304;
    G.DSM2 = 400;
    G.TANI = 114;
    G.A$ = "2";
    DRAW_TABLE_CELL();
    EXPECT_TRUE(shown("1").empty());
    EXPECT_EQ(note("2").y, 403);
}

TEST(TableCell, ATrailByteLikeTheFractionMarkIsNoFraction) {
    begin(Program::Morvane);
    cell(0, 100, 200, 80, SJ("ぢ"));  // 0x82 0xC0
    EXPECT_EQ(note("ぢ").y, 118);
}

TEST(TableCell, LeavesItsParametersAndTheDrawingState) {
    begin(Program::Talisse);
    FE$SETDRAWWIDTH(0, 5);
    G.AINP = 4;
    G.YY$ = "u";
    G.T$ = "l";
    G.AA1 = 0;
    cell(10, 10, 100, 70, SJ("ﾀ3/4ﾀ"), 11);
    EXPECT_EQ(G.YMOTO, 0);
    EXPECT_EQ(G.NO, 3);
    EXPECT_EQ(G.TKAI2, 11);
    EXPECT_EQ(G.TANI, 100);
    EXPECT_EQ(G.X8, 70);
    EXPECT_EQ(G.YY$, "u");
    EXPECT_EQ(G.T$, "l");
    EXPECT_EQ(G.AINP, 4);
    EXPECT_EQ(G.KKAI$, "");
    EXPECT_EQ(FE$GETDRAWWIDTH(0), 5);
    for (const auto& op : ops(plat::OpKind::Box)) EXPECT_EQ(op.width, 5);
}

TEST(TableCell, BoxedPageTitle) {
    begin(Program::Morvane);
    cell(40, 30, 272, 46, SJ("P46 練習問題"), 13);
    G.YI1 = G.DSM1;
    G.B2 = G.DSM2;
    G.DSM1 = G.YI1 + 10;
    G.DSM2 = G.B2;
    G.TANI = 40;
    G.X8 = 44;
    G.NO = 4;
    G.TKAI2 = 3;
    G.YMOTO = 13;
    G.A$ = "1";
    DRAW_TABLE_CELL();
    EXPECT_TRUE(has_box(40, 30, 312, 76, 3, 13));
    EXPECT_TRUE(has_box(322, 30, 362, 74, 4, 3));
    EXPECT_EQ(note("P46 練習問題").y, 31);
    EXPECT_EQ(note("1").y, 30);
    EXPECT_EQ(note("1").colour, 13);
    EXPECT_EQ(G.DSM1, 362);
}

TEST(TableCellAbove, TheBoxIsRaisedAroundTheLine) {
    begin(Program::Morvane);
    G.DSM1 = 60;
    G.DSM2 = 300;
    G.TANI = 80;
    G.X8 = 50;
    G.NO = 3;
    G.TKAI2 = 14;
    G.YMOTO = 0;
    G.A$ = SJ("ﾀ1/2ﾀ");
    DRAW_TABLE_CELL_ABOVE();
    EXPECT_TRUE(has_box(60, 297, 140, 347, 3, 14));
    EXPECT_EQ(note("ﾀ1/2ﾀ").y, 300);
    EXPECT_EQ(G.DSM1, 140);
    EXPECT_EQ(G.DSM2, 300);
}

TEST(TwoLineBox, LinesByHeight) {
    const struct {
        float height;
        const char* lower;
        float upper_y, lower_y;
    } cases[] = {{90, "の本数", 0, 44}, {90, "", 25, 0}, {100, "の本数", 3, 47}, {100, "", 28, 0}};
    for (const auto& c : cases) {
        begin(Program::Talisse);
        G.DSM1 = 50;
        G.DSM2 = 200;
        G.TANI = 228;
        G.X8 = c.height;
        G.NO = 3;
        G.TKAI2 = 13;
        G.YMOTO = 0;
        G.YY$ = SJ("2点シュート");
        G.T$ = plat::utf8_to_cp932(c.lower);
        const float wu = width_of(G.YY$);
        DRAW_TWO_LINE_BOX();
        EXPECT_TRUE(has_box(50, 200, 278, 200 + c.height, 3, 13));
        const auto upper = note("2点シュート");
        EXPECT_EQ(upper.y, 200 + c.upper_y) << c.height << c.lower;
        EXPECT_EQ(upper.x, 50 + (228 - wu) / 2);
        if (*c.lower) {
            EXPECT_EQ(note(c.lower).y, 200 + c.lower_y);
        }
        EXPECT_EQ(G.DSM1, 278);
        EXPECT_EQ(G.DSM2, 200);
        EXPECT_EQ(G.YY$, SJ("2点シュート"));
        EXPECT_EQ(u8(G.T$), c.lower);
    }
}

// ------------------------------------------------------------------ brace

TEST(Brace, SevenPointsInWidthFive) {
    const struct {
        float h;
        std::vector<std::pair<float, float>> offsets;
    } cases[] = {
        {100, {{35, 5}, {23, 8}, {23, 40.5f}, {8, 47.5f}, {23, 54.5f}, {23, 87}, {35, 90}}},
        {115, {{35, 5}, {23, 8}, {23, 48}, {8, 55}, {23, 62}, {23, 102}, {35, 105}}},
        {120, {{35, 5}, {23, 8}, {23, 50.5f}, {8, 57.5f}, {23, 64.5f}, {23, 107}, {35, 110}}},
        {125, {{35, 5}, {23, 8}, {23, 53}, {8, 60}, {23, 67}, {23, 112}, {35, 115}}},
    };
    for (const auto& c : cases) {
        begin(Program::Morvane);
        FE$SETDRAWWIDTH(0, 2);
        G.DSM1 = 40;
        G.DSM2 = 200;
        G.TANI = c.h;
        G.YMOTO = 3;
        DRAW_BRACE();
        const auto lines = ops(plat::OpKind::Polyline);
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0].colour, 3);
        EXPECT_EQ(lines[0].width, 5);
        std::vector<std::pair<float, float>> expected;
        for (auto [dx, dy] : c.offsets) expected.emplace_back(40 + dx, 200 + dy);
        EXPECT_EQ(lines[0].pts, expected) << c.h;
        EXPECT_EQ(G.DSM1, 75);
        EXPECT_EQ(G.DSM2, 200);
        EXPECT_EQ(FE$GETDRAWWIDTH(0), 2);
        EXPECT_EQ(G.B4, 2);
    }
}

TEST(Brace, TalisseLeavesTheCursorAtTheBrace) {
    begin(Program::Talisse);
    G.DSM1 = 40;
    G.DSM2 = 200;
    G.TANI = 100;
    DRAW_BRACE();
    EXPECT_EQ(G.DSM1, 40);
    EXPECT_EQ(G.DSM2, 200);
    EXPECT_EQ(ops(plat::OpKind::Polyline).at(0).pts.front(), std::make_pair(75.0f, 205.0f));
}

// --------------------------------------------------------- column layouts

namespace {

void column(float x0, float y0, const Str& upper, const Str& lower, const Str& sign) {
    G.YY$ = upper;
    G.T$ = lower;
    G.LEM$ = sign;
    G.DSM1 = x0;
    G.DSM2 = y0;
    G.Y = 50;
    G.NO = 0;
    G.YMOTO = 0;
    SHOW_COLUMN_ELIMINATION();
}

}  // namespace

TEST(ColumnLayout, RowsMarkAndRule) {
    for (Program p : {Program::Morvane, Program::Talisse}) {
        begin(p);
        FE$SETDRAWWIDTH(0, 5);
        const float wu = width_of("2x+3y=12"), wl = width_of("2x-y=4"), ws = width_of("-");
        column(40, 300, "2x+3y=12", "2x-y=4", "-");
        EXPECT_EQ(note("2x+3y=12").x, 94);
        EXPECT_EQ(note("2x+3y=12").y, 300);
        EXPECT_EQ(note("2x-y=4").x, 94);
        EXPECT_EQ(note("2x-y=4").y, 350);
        EXPECT_EQ(note("-").x, 40);
        EXPECT_EQ(note("-").y, 356);
        EXPECT_EQ(note(")").x, 40 + ws);
        EXPECT_EQ(note(")").y, 356);
        const auto lines = rules(400);
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0].ax, 67);
        EXPECT_EQ(lines[0].ay, 400);
        EXPECT_EQ(lines[0].bx, 67 + std::max(wu, wl) + 30);
        EXPECT_EQ(lines[0].by, 400);
        EXPECT_EQ(lines[0].width, 3);
        EXPECT_EQ(lines[0].colour, 0);
        EXPECT_EQ(G.YG, std::max(wu, wl));
        EXPECT_EQ(G.B2, 350);
        EXPECT_EQ(G.XJ2, 94);
        EXPECT_EQ(G.KKAI$, "");
        EXPECT_EQ(FE$GETDRAWWIDTH(0), 5);
        EXPECT_EQ(G.B4, 5);
    }
}

TEST(ColumnLayout, NoSignLeavesTheBracketAtTheLeftAndEmptyRowsAShortRule) {
    begin(Program::Morvane);
    column(100, 100, "", "", "");
    EXPECT_EQ(note(")").x, 100);
    const auto lines = rules(200);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].ax, 127);
    EXPECT_EQ(lines[0].bx, 157);
    EXPECT_EQ(G.YG, 0);
}

TEST(ColumnLayout, MorvanePausesOnlyWhenAsked) {
    // Not asked: no wait, nothing read.
    begin(Program::Morvane, "k");
    column(40, 300, "3x+y=7", "x+y=3", "-");
    EXPECT_EQ(plat::pending_keys(), 1u);
    EXPECT_EQ(G.JYOU, 0);

    // Asked: the upper row alone waits for a key.
    begin(Program::Morvane, "");
    G.JYOU = 1;
    EXPECT_FALSE(returns([] { column(40, 300, "3x+y=7", "x+y=3", "-"); }));
    EXPECT_EQ(note("3x+y=7").y, 300);
    EXPECT_TRUE(shown("x+y=3").empty());
    EXPECT_TRUE(shows("何かキーを押して下さい。", 128, 666, 9));

    begin(Program::Morvane, "k");
    G.JYOU = 1;
    column(40, 300, "3x+y=7", "x+y=3", "-");
    EXPECT_EQ(plat::pending_keys(), 0u);
    EXPECT_EQ(note("x+y=3").y, 350);
    EXPECT_EQ(G.JYOU, 0);
}

TEST(ColumnLayout, TalisseNeverPauses) {
    begin(Program::Talisse, "k");
    G.JYOU = 1;
    column(40, 300, "3x+y=7", "x+y=3", "+");
    EXPECT_EQ(plat::pending_keys(), 1u);
    EXPECT_EQ(note("x+y=3").y, 350);
}

namespace {

// Terms of two rows with the caller's stops for equations at x0 + 40.
void aligned(float x0, float y0, const std::vector<Str>& terms) {
    for (int k = 1; k <= 6; ++k) G.R$(k) = terms[k - 1];
    for (int k = 1; k <= 4; ++k) G.Y7(k) = width_of(G.R$(k));
    G.Y7(5) = x0 + 40;
    G.Y7(6) = G.Y7(5) + std::max(G.Y7(1), G.Y7(3));
    G.Y7(7) = G.Y7(6) + std::max(G.Y7(2), G.Y7(4));
    G.LEM$ = "-";
    G.DSM1 = x0;
    G.DSM2 = y0;
    G.Y = 50;
    G.NO = 0;
    G.YMOTO = 0;
    SHOW_COLUMN_ELIMINATION_ALIGNED();
}

}  // namespace

TEST(AlignedColumnLayout, LikeTermsStandUnderEachOther) {
    for (Program p : {Program::Morvane, Program::Talisse}) {
        begin(p, "");
        FE$SETDRAWWIDTH(0, 5);
        const float x0 = 600, y0 = 230;
        aligned(x0, y0, {"6x", "+9y", "16x", "-2y", "=15", "=108"});
        const float stop6 = x0 + 54 + std::max(width_of("6x"), width_of("16x"));
        const float stop7 = stop6 + std::max(width_of("+9y"), width_of("-2y"));
        EXPECT_EQ(G.Y7(5), x0 + 54);
        EXPECT_EQ(G.Y7(6), stop6);
        EXPECT_EQ(G.Y7(7), stop7);
        EXPECT_EQ(note("6x").x, stop6 - width_of("6x"));
        EXPECT_EQ(note("16x").x, stop6 - width_of("16x"));
        EXPECT_EQ(note("+9y").x, stop7 - width_of("+9y"));
        EXPECT_EQ(note("-2y").x, stop7 - width_of("-2y"));
        EXPECT_EQ(note("=15").x, stop7);
        EXPECT_EQ(note("=108").x, stop7);
        EXPECT_EQ(note("6x").y, y0);
        EXPECT_EQ(note("16x").y, y0 + 50);
        EXPECT_EQ(note("-").y, y0 + 56);
        const float wider = std::max(width_of("6x+9y=15"), width_of("16x-2y=108"));
        EXPECT_EQ(G.YG, wider);
        const auto lines = rules(y0 + 100);
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0].ax, x0 + 27);
        EXPECT_EQ(lines[0].ay, y0 + 100);
        EXPECT_EQ(lines[0].bx, x0 + 57 + wider);
        EXPECT_EQ(G.YI1, x0 + 97 + wider);
        EXPECT_EQ(G.YJ3, std::max(G.YI1, p == Program::Talisse ? x0 + 340 : 0));
        EXPECT_EQ(G.B2, y0 + 50);
        EXPECT_EQ(G.XJ2, x0 + 54);
        EXPECT_EQ(G.YY$, "6x+9y=15");
        EXPECT_EQ(G.T$, "16x-2y=108");
        EXPECT_EQ(FE$GETDRAWWIDTH(0), 5);
        EXPECT_EQ(plat::pending_keys(), 0u);  // and no pause was asked for
    }
}

TEST(AlignedColumnLayout, TalisseKeepsItsValueColumnAtLeast340Right) {
    for (Program p : {Program::Morvane, Program::Talisse}) {
        begin(p);
        aligned(40, 200, {"x", "+y", "x", "-y", "=2", "=0"});
        EXPECT_LT(G.YI1, 40 + 340);
        EXPECT_EQ(G.YJ3, p == Program::Talisse ? 380 : G.YI1);
    }
}

TEST(AlignedColumnLayout, ASecondCallMovesTheStopsAgain) {
    begin(Program::Morvane);
    aligned(40, 200, {"2x", "+y", "x", "-y", "=2", "=0"});
    const float s5 = G.Y7(5), s6 = G.Y7(6), s7 = G.Y7(7);
    G.DSM1 = 40;
    G.DSM2 = 400;
    SHOW_COLUMN_ELIMINATION_ALIGNED();
    EXPECT_EQ(G.Y7(5), s5 + 14);
    EXPECT_EQ(G.Y7(6), s6 + 14);
    EXPECT_EQ(G.Y7(7), s7 + 14);
}
