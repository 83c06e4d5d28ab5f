// Stacked fractions: the parts measured, centred over the wider one, the bar,
// the denominator lowered under roots and exponents, the tall root's
// over-line, and segments that a writer got wrong.
#include "tests/text/support.h"

namespace texttest {
namespace {

struct FractionCase {
    const char* name;
    const char* segment;  // between the two fraction marks
    std::vector<std::string> drawn;
    float width;
};

void PrintTo(const FractionCase& c, std::ostream* os) { *os << c.name; }

class Fractions : public TextTest, public ::testing::WithParamInterface<FractionCase> {};

TEST_P(Fractions, StacksTheParts) {
    const FractionCase& c = GetParam();
    EXPECT_EQ(mu(std::string("ﾀ") + c.segment + "ﾀ", 100, 200), 100 + c.width);
    EXPECT_EQ(page(), c.drawn);
    EXPECT_EQ(G.DSM2, 200);
    EXPECT_EQ(G.RTASKAI1, 0);
}

const FractionCase kFractionCases[] = {
    // clang-format off
    {"one_digit_each", "3/4",
     {"L 100,225 132,225 w4 c0", "T \"4\" 100,228 4x2 G16b c0", "T \"3\" 100,190 4x2 G16b c0"}, 32},
    {"wider_numerator", "12/5",
     {"L 100,225 164,225 w4 c0", "T \"5\" 116,228 4x2 G16b c0", "T \"1\" 100,190 4x2 G16b c0",
      "T \"2\" 132,190 4x2 G16b c0"},
     64},
    {"half_unit_offset_kept", "1/ 2",
     {"L 100,225 159,225 w4 c0", "T \"2\" 127,228 4x2 G16b c0", "T \"1\" 113.5,190 4x2 G16b c0"}, 59},
    {"second_slash_is_division", "1/2/3",
     {"L 100,225 202,225 w4 c0", "T \"2\" 100,228 4x2 G16b c0", "T \"÷\" 132,228 3x3 G11b c0",
      "T \"3\" 170,228 4x2 G16b c0", "T \"1\" 135,190 4x2 G16b c0"},
     102},
    {"empty_numerator", "/5", {"L 100,225 132,225 w4 c0", "T \"5\" 100,228 4x2 G16b c0"}, 32},
    {"exponent_lowers_the_denominator", "1/x^2",
     {"L 100,225 156,225 w4 c0", "T \"x\" 104,220 12x5 S8bi c0", "T \"2\" 132,232 6x3 G8b c0",
      "T \"1\" 112,190 4x2 G16b c0"},
     56},
    {"root_sign_lowers_it_further", "1/√3ﾝ",
     {"L 100,225 158,225 w4 c0", "P 104,268 108,257 116,273 124,238 126,238 w3 c0", "T \"3\" 126,244 4x2 G16b c0",
      "L 126,238 158,238 w3 c0", "T \"1\" 113,190 4x2 G16b c0"},
     58},
    {"root_mark_in_denominator", "1/!3ﾝ",
     {"L 100,225 158,225 w4 c0", "P 104,260 108,249 116,265 124,230 126,230 w3 c0", "T \"3\" 126,236 4x2 G16b c0",
      "L 126,230 158,230 w3 c0", "T \"1\" 113,190 4x2 G16b c0"},
     58},
    {"root_in_numerator", "!3ﾝ/2",
     {"L 100,225 158,225 w4 c0", "T \"2\" 113,236 4x2 G16b c0", "P 104,214 108,203 116,219 124,184 126,184 w3 c0",
      "T \"3\" 126,190 4x2 G16b c0", "L 126,184 158,184 w3 c0"},
     58},
    // The search for the exponent mark is bytewise: "タ" ends in its byte.
    {"trail_byte_counts_as_exponent", "1/タ",
     {"L 100,225 138,225 w4 c0", "T \"タ\" 100,236 3x3 G11b c0", "T \"1\" 103,190 4x2 G16b c0"}, 38},
    // A segment without "/" is all numerator over an empty denominator.
    {"no_slash", "12", {"L 100,225 164,225 w4 c0", "T \"1\" 100,190 4x2 G16b c0", "T \"2\" 132,190 4x2 G16b c0"}, 64},
    // clang-format on
};

INSTANTIATE_TEST_SUITE_P(Segments, Fractions, ::testing::ValuesIn(kFractionCases),
                         [](const auto& info) { return std::string(info.param.name); });

using Fraction = TextTest;

TEST_F(Fraction, EmptySegmentIsABarOfNoLength) {
    EXPECT_EQ(mu("ﾀﾀ3", 100, 200), 127);
    for (const auto& op : plat::display_list())
        if (op.kind == plat::OpKind::Text) {
            EXPECT_EQ(u8(op.text), "3");
        }
}

TEST_F(Fraction, TallRootOverLineOnlyForTheTallRoot) {
    for (float size1 : {0.0f, 1.0f, 11.0f}) {
        start(Program::Morvane);
        G.SIZE1 = size1;
        G.AY = 50;
        mu("ﾀ1/2ﾀ", 100, 200);
        for (const auto& op : plat::display_list()) EXPECT_NE(describe(op), "L 100,186 132,186 w3 c0") << size1;
    }
}

TEST_F(Fraction, TextAfterTheFractionSurvivesTheNestedMeasuring) {
    // The parts are measured by MU itself; what follows the closing mark must
    // still be drawn, and the listing keeps the caller's whole text.
    EXPECT_EQ(mu("x=ﾀ1/2ﾀ+ﾀ3/4ﾀ=ﾀ5/4ﾀ", 100, 200), 100 + 27 + 32 + 32 + 27 + 32 + 32 + 32);
    EXPECT_EQ(notes(), std::vector<std::string>{"N \"x=ﾀ1/2ﾀ+ﾀ3/4ﾀ=ﾀ5/4ﾀ\" 100,200 to 314 c0"});
}

TEST_F(Fraction, MeasuringATextWithAFractionFromOutside) {
    // A table cell measures before it draws: position and text come back.
    G.DSM1 = 40;
    G.DSM2 = 60;
    EXPECT_EQ(measure("ﾀ1/2ﾀ+ﾀ3/4ﾀ"), 91);
    EXPECT_EQ(G.DSM1, 40);
    EXPECT_EQ(G.DSM2, 60);
    EXPECT_EQ(G.A$, sj("ﾀ1/2ﾀ+ﾀ3/4ﾀ"));
    EXPECT_EQ(G.RTASKAI1, 0);
}

TEST_F(Fraction, DrawWidthBackAfterBarAndOverLine) {
    FE$SETDRAWWIDTH(0, 2);
    mu("#ﾀ1/2ﾀﾝ", 100, 200);
    EXPECT_EQ(FE$GETDRAWWIDTH(0), 2);
}

}  // namespace
}  // namespace texttest
