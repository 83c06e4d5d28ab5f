// MU: the text display routine and its marks (fractions, tall root,
// exponent, pictograms), the listing of the page's texts, and measuring.
#include "tests/text/support.h"

namespace texttest {
namespace {

using FormulaText = TextTest;

TEST_F(FormulaText, EmptyTextDrawsNothing) {
    EXPECT_EQ(mu("", 100, 200), 100);
    EXPECT_EQ(G.DSM2, 200);
    EXPECT_TRUE(G.KKAI$.empty());
    EXPECT_TRUE(page(true).empty());
}

struct MuCase {
    const char* name;
    const char* text;
    std::vector<std::string> drawn;
    float end;
};

void PrintTo(const MuCase& c, std::ostream* os) { *os << c.name; }

class MuTexts : public TextTest, public ::testing::WithParamInterface<MuCase> {};

TEST_P(MuTexts, DrawsAndEndsWhereTheTextEnds) {
    const MuCase& c = GetParam();
    EXPECT_EQ(mu(c.text, 100, 200), c.end);
    EXPECT_EQ(page(), c.drawn);
    EXPECT_EQ(G.DSM2, 200);
    EXPECT_TRUE(G.KKAI$.empty());
}

const MuCase kMuCases[] = {
    // clang-format off
    {"fraction_then_glyphs", "ﾀ3/2ﾀ+y=2",
     {"L 100,225 132,225 w4 c0", "T \"2\" 100,228 4x2 G16b c0", "T \"3\" 100,190 4x2 G16b c0",
      "L 136,222 155,222 w5 c0", "L 145,210 145,234 w5 c0", "T \"y\" 159,200 3x3 G16b c0",
      "T \"=\" 190,200 3x3 G14b c0", "T \"2\" 218,200 3x3 G16b c0"},
     245},
    {"two_fractions", "=ﾀ4/2ﾀ-ﾀ3/2ﾀ",
     {"T \"=\" 104,200 3x3 G14b c0", "L 132,225 164,225 w4 c0", "T \"2\" 132,228 4x2 G16b c0",
      "T \"4\" 132,190 4x2 G16b c0", "L 168,220 187,220 w5 c0", "L 191,225 223,225 w4 c0",
      "T \"2\" 191,228 4x2 G16b c0", "T \"3\" 191,190 4x2 G16b c0"},
     223},
    {"last_mark_dropped", "+ﾀ", {"L 104,222 123,222 w5 c0", "L 113,210 113,234 w5 c0"}, 127},
    {"unclosed_fraction_is_plain_text", "ﾀ1/2",
     {"T \"1\" 100,200 3x3 G16b c0", "T \"÷\" 123,200 2x3 G16b c0", "T \"2\" 154,200 3x3 G16b c0"},
     181},
    {"circled_number_is_one_character", "①/10",
     {"T \"①\" 100,200 2x3 G16b c0", "T \"÷\" 130,200 2x3 G16b c0", "T \"1\" 161,200 3x3 G16b c0",
      "T \"0\" 188,200 3x3 G16b c0"},
     215},
    {"exponent_mark_alone", "^", {}, 100},
    {"pencils", "ｶｶｶ", {"B 109,195 121,255 c3 f4", "B 136,195 148,255 c3 f4", "B 163,195 175,255 c3 f4"}, 181},
    {"notebooks", "ｷｷ",
     {"B 100,195 138,255 c0 f11", "B 108,210 130,220 c15 f15", "B 138,195 176,255 c0 f11",
      "B 146,210 168,220 c15 f15"},
     176},
    {"tall_root_alone", "#", {"P 104,236 108,224 116,260 130,186 138,186 w3 c0"}, 132},
    {"tall_root_over_a_fraction", "#ﾀ1/2ﾀﾝ",
     {"P 104,236 108,224 116,260 130,186 138,186 w3 c0", "L 132,225 164,225 w4 c0", "L 132,186 164,186 w3 c0",
      "T \"2\" 132,228 4x2 G16b c0", "T \"1\" 132,190 4x2 G16b c0"},
     164},
    // Texts are walked by characters: "す" ends in the notebook's byte, "タ"
    // in the exponent mark's, "ぢ" in the fraction mark's.
    {"trail_byte_is_not_a_notebook", "す", {"T \"す\" 100,200 2x3 G16b c0"}, 134},
    {"trail_byte_is_not_an_exponent", "タ2", {"T \"タ\" 100,200 2x3 G16b c0", "T \"2\" 134,200 3x3 G16b c0"}, 161},
    {"trail_byte_does_not_close_a_fraction", "ﾀ1/ぢﾀ",
     {"L 100,225 138,225 w4 c0", "T \"ぢ\" 100,228 3x3 G11b c0", "T \"1\" 103,190 4x2 G16b c0"}, 138},
    // clang-format on
};

INSTANTIATE_TEST_SUITE_P(Texts, MuTexts, ::testing::ValuesIn(kMuCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FormulaText, PictogramsAreTalisseCharacters) {
    start(Program::Talisse);
    EXPECT_EQ(mu("ｶｷ", 100, 200, 5), 154);
    EXPECT_EQ(page(), (std::vector<std::string>{"T \"ｶ\" 100,200 3x3 G16b c5", "T \"ｷ\" 127,200 3x3 G16b c5"}));
}

TEST_F(FormulaText, PictogramsKeepTheirColours) {
    mu("ｶｷ", 100, 200, 5);
    for (const auto& op : plat::display_list())
        if (op.kind == plat::OpKind::Box) {
            EXPECT_NE(op.colour, 5) << describe(op);
        }
}

TEST_F(FormulaText, GlyphStateCarriesIntoTheNextText) {
    mu("#", 100, 200);
    EXPECT_EQ(G.SIZE1, 22);
    EXPECT_EQ(G.AY, 132);
    mu("x^", 100, 300);
    EXPECT_EQ(G.X1, 1);
    plat::clear_display_list();
    EXPECT_EQ(mu("2", 100, 400), 124);
    // The exponent, and the tall root's over-line still open from the first text.
    EXPECT_EQ(page(), (std::vector<std::string>{"T \"2\" 100,400 3x2 G16b c0", "L 132,386 124,386 w3 c0"}));
    EXPECT_EQ(G.X1, 0);
}

TEST_F(FormulaText, DrawWidthComesBackAndIsLeftInB4) {
    FE$SETDRAWWIDTH(0, 2);
    mu("#ｶｷﾀ1/2ﾀ-x", 100, 200);
    EXPECT_EQ(FE$GETDRAWWIDTH(0), 2);
    EXPECT_EQ(G.B4, 2);
    for (const auto& op : plat::display_list()) {
        if (op.kind == plat::OpKind::Polyline || op.kind == plat::OpKind::Box) {
            EXPECT_EQ(op.width, 3) << describe(op);
        }
    }
}

TEST_F(FormulaText, NoWrappingPastTheRightEdge) { EXPECT_EQ(mu(std::string(60, '8'), 100, 200), 100 + 60 * 27); }

TEST_F(FormulaText, ListsTheWholeTextAsGiven) {
    mu("x=ﾀ1/2ﾀ", 100, 200, 3);
    EXPECT_EQ(notes(), std::vector<std::string>{"N \"x=ﾀ1/2ﾀ\" 100,200 to 191 c3"});
    // Not off the page, nor while measuring, nor an empty text.
    plat::clear_display_list();
    mu("3", 100, 800);
    mu("", 100, 200);
    measure("ﾀ1/2ﾀ");
    EXPECT_TRUE(notes().empty());
    start(Program::Talisse);
    mu("y", 10, 20);
    EXPECT_EQ(notes(), std::vector<std::string>{"N \"y\" 10,20 to 37 c0"});
}

TEST_F(FormulaText, MeasuringLeavesPositionAndTextAndDrawsNothing) {
    G.DSM1 = 555;
    G.DSM2 = 333;
    EXPECT_EQ(measure("x=ﾀ1/2ﾀ"), 27 + 32 + 32);
    EXPECT_EQ(G.DSM1, 555);
    EXPECT_EQ(G.DSM2, 333);
    EXPECT_EQ(G.A$, sj("x=ﾀ1/2ﾀ"));
    EXPECT_TRUE(G.KKAI$.empty());
    EXPECT_TRUE(page(true).empty());
    EXPECT_EQ(measure(""), 0);
}

TEST_F(FormulaText, MeasureIsWhatDrawingAdvances) {
    const char* texts[] = {"x=ﾀ1/2ﾀ", "ﾀ3/2ﾀ+y=2", "#ﾀ1/2ﾀﾝ", "ｶｶｷ",     "!5ﾝ+1",  "①/10",      "ﾀ12/5ﾀx",
                           "ﾀ1/ 2ﾀ",  "2x-3y=5",   "l=2.5*4", "ﾀx^2/3ﾀ", "(a+c)%", "ﾀ1/2/3ﾀ-ﾀﾀ"};
    for (const char* t : texts) {
        SCOPED_TRACE(t);
        start(Program::Morvane);
        const float width = measure(t);
        start(Program::Morvane);
        EXPECT_EQ(mu(t, 100, 200), 100 + width);
    }
}

}  // namespace
}  // namespace texttest
