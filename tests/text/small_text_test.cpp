// The small text style, its measuring and its two boxes.
#include "tests/text/support.h"

namespace texttest {
namespace {

using SmallText = TextTest;

float small(std::string_view utf8, float x, float y) {
    G.KKAI$ = sj(utf8);
    G.DSM1 = x;
    G.DSM2 = y;
    SHOW_SMALL_TEXT();
    return G.DSM1;
}

float small_width(std::string_view utf8) {
    G.A$ = sj(utf8);
    MEASURE_SMALL_TEXT();
    return G.TY;
}

TEST_F(SmallText, FixedAdvancesPerKindOfCharacter) {
    EXPECT_EQ(small("(x)", 100, 200), 140);
    EXPECT_EQ(page(), (std::vector<std::string>{"T \"(\" 92,200 3x2 G15b c0", "T \"x\" 116,188 7x4 S8bi c0",
                                                "T \")\" 132,200 3x2 G15b c0"}));
    EXPECT_EQ(G.DSM2, 200);
    EXPECT_EQ(u8(G.A$), ")");
    EXPECT_TRUE(G.KKAI$.empty());
    EXPECT_EQ(font_code(plat::current_font()), "G16");
    const struct {
        const char* text;
        float width;
    } widths[] = {{"a.b", 48}, {"漢字", 60}, {" ", 20}, {"A", 20}, {"ａ", 30}, {"", 0}, {"1,5", 48}, {"ﾀ1/2ﾀ", 100}};
    for (const auto& w : widths) EXPECT_EQ(small_width(w.text), w.width) << w.text;
}

TEST_F(SmallText, LetterYStandsHigherAndMarkUpIsPlain) {
    small("1y", 100, 200);
    small("ﾀ1/2ﾀ", 100, 300);
    EXPECT_EQ(page(), (std::vector<std::string>{"T \"1\" 100,200 3x2 G15b c0", "T \"y\" 120,194 3x2 G15b c0",
                                                "T \"ﾀ\" 100,300 3x2 G15b c0", "T \"1\" 120,300 3x2 G15b c0",
                                                "T \"/\" 140,300 3x2 G15b c0", "T \"2\" 160,300 3x2 G15b c0",
                                                "T \"ﾀ\" 180,300 3x2 G15b c0"}));
}

TEST_F(SmallText, FaceIsKeptUnlessAnItalicLetterIsDrawn) {
    FE$SETFONTNAME(0, "MT Extra");
    small("12", 100, 200);
    EXPECT_EQ(plat::current_font().face, plat::Face::MTExtra);
    small("c", 100, 200);
    EXPECT_EQ(plat::current_font().face, plat::Face::Gothic);
    EXPECT_FALSE(plat::current_font().italic);
}

TEST_F(SmallText, EmptyTextStillEndsBoldOffAtSixteen) {
    FE$SETFONTBOLD(0, -1);
    FE$SETFONTSIZE(0, 9);
    FE$SETDRAWWIDTH(0, 2);
    EXPECT_EQ(small("", 100, 200), 100);
    EXPECT_EQ(G.DSM2, 200);
    EXPECT_EQ(font_code(plat::current_font()), "G16");
    EXPECT_EQ(FE$GETDRAWWIDTH(0), 2);
    EXPECT_EQ(G.B4, 2);
    EXPECT_TRUE(page(true).empty());
}

TEST_F(SmallText, MeasuringKeepsThePosition) {
    G.DSM1 = 12;
    G.DSM2 = 34;
    EXPECT_EQ(small_width("(x)"), 40);
    EXPECT_EQ(G.DSM1, 12);
    EXPECT_EQ(G.DSM2, 34);
    EXPECT_TRUE(page(true).empty());
}

TEST_F(SmallText, TextCellCentresAcrossTheBox) {
    struct Case {
        const char* text;
        float height;
        std::string box, first;
    };
    const Case cases[] = {
        {"(x)", 50, "B 10,20 110,70 c3 f14", "T \"(\" 32,32 3x2 G15b c0"},     // at left + 30, top + 12
        {"123456", 50, "B 10,20 110,70 c3 f14", "T \"1\" 10,32 3x2 G15b c0"},  // too wide: at the left edge
        {"7", 25, "B 10,20 110,45 c3 f14", "T \"7\" 50,19 3x2 G15b c0"},       // top - 1
    };
    for (const Case& c : cases) {
        start(Program::Morvane);
        G.DSM1 = 10;
        G.DSM2 = 20;
        G.TANI = 100;
        G.X8 = c.height;
        G.NO = 3;
        G.TKAI2 = 14;
        G.A$ = sj(c.text);
        DRAW_SMALL_TEXT_CELL();
        const auto drawn = page();
        ASSERT_GE(drawn.size(), 2u);
        EXPECT_EQ(drawn[0], c.box);
        EXPECT_EQ(drawn[1], c.first);
        EXPECT_EQ(G.DSM1, 110);
        EXPECT_EQ(G.DSM2, 20);
        EXPECT_TRUE(G.KKAI$.empty());
    }
}

TEST_F(SmallText, TwoLineBox) {
    for (const char* lower : {"2", ""}) {
        start(Program::Morvane);
        G.DSM1 = 10;
        G.DSM2 = 20;
        G.TANI = 100;
        G.X8 = 80;
        G.NO = 0;
        G.TKAI2 = 15;
        G.YY$ = "1";
        G.T$ = lower;
        DRAW_SMALL_TWO_LINE_BOX();
        std::vector<std::string> want = {"B 10,20 110,100 c0 f15"};
        if (*lower) {
            want.push_back("T \"1\" 50,27 3x2 G15b c0");
            want.push_back("T \"2\" 50,57 3x2 G15b c0");
        } else {
            want.push_back("T \"1\" 50,42 3x2 G15b c0");
        }
        EXPECT_EQ(page(), want);
        EXPECT_EQ(G.DSM1, 110);
        EXPECT_EQ(G.DSM2, 20);
        EXPECT_EQ(G.TY, *lower ? 20 : 0);
    }
}

}  // namespace
}  // namespace texttest
