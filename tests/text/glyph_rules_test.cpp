// The glyph level: which rule places each character, in normal and in
// fraction-part mode, with the flags that change it; the drawn signs and
// root figures; the over-line of an open root; what the routine leaves behind.
#include "tests/text/support.h"

namespace texttest {
namespace {

struct GlyphCase {
    const char* name;
    const char* text;  // UTF-8
    bool fraction;
    float x1, small, big_brackets;  // X1, TBSIYAKX, AA1 on entry
    std::vector<std::string> drawn;
    float advance;
    float x1_after, small_after, big_brackets_after;
};

void PrintTo(const GlyphCase& c, std::ostream* os) { *os << c.name; }

class GlyphRules : public TextTest, public ::testing::WithParamInterface<GlyphCase> {};

TEST_P(GlyphRules, PlacesTheCharacterAndMovesThePen) {
    const GlyphCase& c = GetParam();
    FE$SETDRAWWIDTH(0, 2);
    G.X1 = c.x1;
    G.TBSIYAKX = c.small;
    G.AA1 = c.big_brackets;
    G.RTASKAI1 = c.fraction ? 1 : 0;
    G.A$ = sj(c.text);
    G.DSM1 = 100;
    G.DSM2 = 200;
    DRAW_TOKENS();
    EXPECT_EQ(page(), c.drawn);
    EXPECT_EQ(G.DSM1, 100 + c.advance);
    EXPECT_EQ(G.DSM2, 200);
    EXPECT_EQ(G.X1, c.x1_after);
    EXPECT_EQ(G.TBSIYAKX, c.small_after);
    EXPECT_EQ(G.AA1, c.big_brackets_after);
    EXPECT_EQ(G.A$, sj(c.text));
    // The font and the pen as a caller expects them back.
    EXPECT_EQ(font_code(plat::current_font()), "G16");
    EXPECT_EQ(FE$GETDRAWWIDTH(0), 2);
    EXPECT_EQ(G.B4, 2);
}

const GlyphCase kGlyphCases[] = {
    {"period", ".", false, 0, 0, 0, {"T \".\" 97,214 3x2 G16b c0"}, 8, 0, 0, 0},
    {"prime", "'", false, 0, 0, 0, {"T \"'\" 100,200 3x3 G16b c0"}, 12, 0, 0, 0},
    {"degree_mark", "%", false, 0, 0, 0, {"T \"°\" 100,200 3x3 G16b c0"}, 12, 0, 0, 0},
    {"tall_open_bracket", "(", false, 0, 0, 1, {"T \"(\" 96,194 3x4 G16b c0"}, 27, 0, 0, 1},
    {"tall_close_bracket_ends_the_switch", ")", false, 0, 0, 1, {"T \")\" 106,194 3x4 G16b c0"}, 27, 0, 0, 0},
    {"plain_bracket", "(", false, 0, 0, 0, {"T \"(\" 100,200 3x3 G16b c0"}, 27, 0, 0, 0},
    {"equals", "=", false, 0, 0, 0, {"T \"=\" 104,200 3x3 G14b c0"}, 32, 0, 0, 0},
    {"equals_keeps_a_pending_exponent", "=", false, 1, 0, 0, {"T \"=\" 104,200 3x3 G14b c0"}, 32, 1, 0, 0},
    {"period_keeps_a_pending_exponent", ".", false, 1, 0, 0, {"T \".\" 97,214 3x2 G16b c0"}, 8, 1, 0, 0},
    {"small_raised", "3", false, 0, 1, 0, {"T \"3\" 100,190 6x3 G8b c0"}, 24, 0, 0, 0},
    {"small_raised_wins_over_exponent", "3", false, 1, 1, 0, {"T \"3\" 100,190 6x3 G8b c0"}, 24, 1, 0, 0},
    {"exponent_in_fraction", "3", true, 1, 0, 0, {"T \"3\" 100,196 6x3 G8b c0"}, 24, 0, 0, 0},
    {"exponent", "2", false, 1, 0, 0, {"T \"2\" 100,200 3x2 G16b c0"}, 24, 0, 0, 0},
    {"exponent_letter_not_italic", "a", false, 1, 0, 0, {"T \"a\" 100,200 3x2 G16b c0"}, 24, 0, 0, 0},
    {"exponent_takes_a_sign", "-", false, 1, 0, 0, {"T \"-\" 100,200 3x2 G16b c0"}, 24, 0, 0, 0},
    {"italic_x", "x", false, 0, 0, 0, {"T \"x\" 104,178 10x7 S8bi c0"}, 27, 0, 0, 0},
    {"italic_a_in_fraction", "a", true, 0, 0, 0, {"T \"a\" 104,184 12x5 S8bi c0"}, 32, 0, 0, 0},
    {"italic_c", "c", false, 0, 0, 0, {"T \"c\" 104,178 10x7 S8bi c0"}, 27, 0, 0, 0},
    {"capital_x_not_italic", "X", false, 0, 0, 0, {"T \"X\" 100,200 3x3 G16b c0"}, 27, 0, 0, 0},
    {"script_ell", "l", false, 0, 0, 0, {"T \"l\" 100,200 6x3 M16b c0"}, 32, 0, 0, 0},
    {"minus_in_fraction", "-", true, 0, 0, 0, {"L 106,214 126,214 w5 c0"}, 32, 0, 0, 0},
    {"plus_in_fraction", "+", true, 0, 0, 0, {"L 106,214 126,214 w5 c0", "L 116,204 116,224 w5 c0"}, 32, 0, 0, 0},
    {"minus", "-", false, 0, 0, 0, {"L 104,220 123,220 w5 c0"}, 27, 0, 0, 0},
    {"plus", "+", false, 0, 0, 0, {"L 104,222 123,222 w5 c0", "L 113,210 113,234 w5 c0"}, 27, 0, 0, 0},
    {"times", "*", false, 0, 0, 0, {"T \"×\" 96,200 2x3 G16b c0"}, 27, 0, 0, 0},
    {"division", "/", false, 0, 0, 0, {"T \"÷\" 96,200 2x3 G16b c0"}, 27, 0, 0, 0},
    {"plus_minus", "@", false, 0, 0, 0, {"T \"±\" 96,200 2x3 G16b c0"}, 27, 0, 0, 0},
    {"literal_times", "×", false, 0, 0, 0, {"T \"×\" 96,200 2x3 G16b c0"}, 27, 0, 0, 0},
    {"division_in_fraction_is_double_byte", "/", true, 0, 0, 0, {"T \"÷\" 100,200 3x3 G11b c0"}, 38, 0, 0, 0},
    {"space", " ", false, 0, 0, 0, {}, 27, 0, 0, 0},
    {"kanji", "解", false, 0, 0, 0, {"T \"解\" 100,200 2x3 G16b c0"}, 34, 0, 0, 0},
    {"kana_in_fraction", "あ", true, 0, 0, 0, {"T \"あ\" 100,200 3x3 G11b c0"}, 38, 0, 0, 0},
    {"digit_in_fraction", "3", true, 0, 0, 0, {"T \"3\" 100,200 4x2 G16b c0"}, 32, 0, 0, 0},
    {"digit", "3", false, 0, 0, 0, {"T \"3\" 100,200 3x3 G16b c0"}, 27, 0, 0, 0},
    {"letter_y", "y", false, 0, 0, 0, {"T \"y\" 100,200 3x3 G16b c0"}, 27, 0, 0, 0},
    {"half_width_katakana", "ｶ", false, 0, 0, 0, {"T \"ｶ\" 100,200 3x3 G16b c0"}, 27, 0, 0, 0},
    {"exponent_mark", "^", false, 0, 0, 0, {}, 0, 1, 0, 0},
    {"small_raised_mark", "\\", false, 0, 0, 0, {}, 0, 0, 1, 0},
    // An empty fraction part is one pass with an empty character: it shows
    // nothing but takes a rule's advance and spends a pending flag.
    {"empty_part", "", true, 0, 0, 0, {}, 32, 0, 0, 0},
    {"empty_part_spends_small_raised", "", true, 0, 1, 0, {}, 24, 0, 0, 0},
    {"empty_part_outside_fraction", "", false, 0, 0, 0, {}, 27, 0, 0, 0},
};

INSTANTIATE_TEST_SUITE_P(Rows, GlyphRules, ::testing::ValuesIn(kGlyphCases),
                         [](const auto& info) { return std::string(info.param.name); });

using Glyphs = TextTest;

TEST_F(Glyphs, RootSignsAndParallelogramAreFigures) {
    struct Case {
        bool fraction;
        const char* text;
        std::string drawn;
        float advance, size1;
    };
    const Case cases[] = {
        {false, "!", "P 104,236 108,224 116,240 124,196 132,196 w3 c0", 28, 1},
        {false, "√", "P 104,236 108,224 116,240 124,196 132,196 w3 c0", 28, 1},
        {true, "!", "P 104,224 108,213 116,229 124,194 126,194 w3 c0", 26, 11},
        {false, "&", "P 104,240 125,240 132,208 111,208 104,240 w5 c0", 36, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        start(Program::Morvane);
        G.SIZE1 = 7;
        G.RTASKAI1 = c.fraction ? 1 : 0;
        G.A$ = sj(c.text);
        G.DSM1 = 100;
        G.DSM2 = 200;
        DRAW_TOKENS();
        EXPECT_EQ(page(), std::vector<std::string>{c.drawn});
        EXPECT_EQ(G.DSM1, 100 + c.advance);
        EXPECT_EQ(G.AY, 100 + c.advance);
        EXPECT_EQ(G.SIZE1, c.size1);
        EXPECT_EQ(FE$GETDRAWWIDTH(0), 3);
    }
}

TEST_F(Glyphs, OverLineGrowsWithTheRootedText) {
    // Root sign, 5, root end, plus, 1: one stretch of over-line, over the 5 only.
    EXPECT_EQ(mu("!5ﾝ+1", 100, 200), 209);
    EXPECT_EQ(page(), (std::vector<std::string>{
                          "P 104,236 108,224 116,240 124,196 132,196 w3 c0",
                          "T \"5\" 128,200 3x3 G16b c0",
                          "L 128,196 155,196 w3 c0",
                          "L 159,222 178,222 w5 c0",
                          "L 168,210 168,234 w5 c0",
                          "T \"1\" 182,200 3x3 G16b c0",
                      }));
    EXPECT_EQ(G.SIZE1, 0);
    EXPECT_EQ(G.AY, 209);
}

TEST_F(Glyphs, SpaceExtendsTheOverLineButTheParallelogramIsNotCovered) {
    mu("!5 &6ﾝ", 100, 200);
    EXPECT_EQ(page(), (std::vector<std::string>{
                          "P 104,236 108,224 116,240 124,196 132,196 w3 c0",
                          "T \"5\" 128,200 3x3 G16b c0",
                          "L 128,196 155,196 w3 c0",
                          "L 128,196 182,196 w3 c0",
                          "P 186,240 207,240 214,208 193,208 186,240 w5 c0",
                          "T \"6\" 218,200 3x3 G16b c0",
                          "L 218,196 245,196 w3 c0",
                      }));
}

TEST_F(Glyphs, RootSignInsideTallRootStartsItsOwnOverLine) {
    mu("#5!6ﾝ", 100, 200);
    EXPECT_EQ(page(), (std::vector<std::string>{
                          "P 104,236 108,224 116,260 130,186 138,186 w3 c0",
                          "T \"5\" 132,200 3x3 G16b c0",
                          "L 132,186 159,186 w3 c0",
                          "P 163,236 167,224 175,240 183,196 191,196 w3 c0",
                          "T \"6\" 187,200 3x3 G16b c0",
                          "L 187,196 214,196 w3 c0",
                      }));
}

TEST_F(Glyphs, OpenRootReachesIntoLaterTexts) {
    mu("!2", 100, 200);
    plat::clear_display_list();
    mu("3", 100, 300);
    // The over-line runs from where the root sign ended, at the new line's height.
    EXPECT_EQ(page(), (std::vector<std::string>{"T \"3\" 100,300 3x3 G16b c0", "L 128,296 127,296 w3 c0"}));
}

TEST_F(Glyphs, EmptyPartUnderAnOpenRootStillDrawsItsOverLine) {
    G.SIZE1 = 11;
    G.AY = 90;
    G.RTASKAI1 = 1;
    G.A$.clear();
    G.DSM1 = 100;
    G.DSM2 = 200;
    DRAW_TOKENS();
    EXPECT_EQ(page(), std::vector<std::string>{"L 90,194 132,194 w3 c0"});
}

TEST_F(Glyphs, ScriptEllSwitchesBoldOffForTheRestOfAPart) {
    G.RTASKAI1 = 1;
    G.A$ = "l2=3";
    G.DSM1 = 100;
    G.DSM2 = 200;
    DRAW_TOKENS();
    EXPECT_EQ(page(), (std::vector<std::string>{
                          "T \"l\" 100,200 6x3 M16b c0",
                          "T \"2\" 132,200 4x2 G16 c0",
                          "T \"=\" 168,200 3x3 G14b c0",
                          "T \"3\" 196,200 4x2 G16b c0",
                      }));
    EXPECT_EQ(font_code(plat::current_font()), "G16");
}

TEST_F(Glyphs, ExponentAndSmallRaisedMarksInEitherOrder) {
    for (const char* marks : {"\\^3", "^\\3"}) {
        SCOPED_TRACE(marks);
        start(Program::Morvane);
        EXPECT_EQ(mu(marks, 100, 200), 124);
        EXPECT_EQ(page(), std::vector<std::string>{"T \"3\" 100,190 6x3 G8b c0"});
        EXPECT_EQ(G.X1, 1);  // waits for the next glyph, in the next text too
        plat::clear_display_list();
        EXPECT_EQ(mu("4", 100, 300), 124);
        EXPECT_EQ(page(), std::vector<std::string>{"T \"4\" 100,300 3x2 G16b c0"});
        EXPECT_EQ(G.X1, 0);
    }
}

TEST_F(Glyphs, OnlyMarksDrawNothing) {
    G.A$ = sj("^\\ﾝ");
    G.SIZE1 = 1;
    G.DSM1 = 100;
    G.DSM2 = 200;
    DRAW_TOKENS();
    EXPECT_TRUE(page().empty());
    EXPECT_EQ(G.DSM1, 100);
    EXPECT_EQ(G.X1, 1);
    EXPECT_EQ(G.TBSIYAKX, 1);
    EXPECT_EQ(G.SIZE1, 0);
}

TEST_F(Glyphs, ItalicLetterLeavesTheGothicFaceUpright) {
    mu("x", 100, 200);
    const plat::Font& f = plat::current_font();
    EXPECT_EQ(f.face, plat::Face::Gothic);
    EXPECT_EQ(f.size, 16);
    EXPECT_FALSE(f.italic);
    EXPECT_FALSE(f.bold);
}

TEST_F(Glyphs, ColourComesFromYmoto) {
    mu("a-2", 100, 200, 5);
    for (const auto& op : plat::display_list())
        if (op.kind != plat::OpKind::Note) {
            EXPECT_EQ(op.colour, 5) << describe(op);
        }
}

}  // namespace
}  // namespace texttest
