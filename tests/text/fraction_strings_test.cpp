// Fraction texts: reduction with its case codes and texts, Euclid's
// algorithm, removing marks, and sums over the least common denominator.
#include <cmath>
#include <limits>

#include "tests/text/support.h"

namespace texttest {
namespace {

struct ReduceCase {
    float x, r1b;
    float db, X, R1B, DB1, TKAI, TBBOYAKY;
    const char *T, *F, *U, *DB$, *HYOUJI, *A;
    float X3;  // -99: left as it was
};

// A case goes by its fraction: "6/-4", named 6_over_minus4.
std::string term(float v) { return (v < 0 ? "minus" : "") + num(std::fabs(v)); }
void PrintTo(const ReduceCase& c, std::ostream* os) { *os << num(c.x) << "/" << num(c.r1b); }
std::string name_of(const ReduceCase& c) { return term(c.x) + "_over_" + term(c.r1b); }

class Reduce : public TextTest, public ::testing::WithParamInterface<ReduceCase> {};

TEST_P(Reduce, ReducesWithItsTexts) {
    const ReduceCase& c = GetParam();
    G.X3 = -99;
    G.T$ = "old";
    G.F$ = "+old";
    G.X = c.x;
    G.R1B = c.r1b;
    REDUCE_FRACTION();
    EXPECT_EQ(G.DB, c.db);
    EXPECT_EQ(G.X, c.X);
    EXPECT_EQ(G.R1B, c.R1B);
    EXPECT_EQ(G.DB1, c.DB1);
    EXPECT_EQ(G.TKAI, c.TKAI);
    EXPECT_EQ(G.TBBOYAKY, c.TBBOYAKY);
    EXPECT_EQ(u8(G.T$), c.T);
    EXPECT_EQ(u8(G.F$), c.F);
    EXPECT_EQ(u8(G.U$), c.U);
    EXPECT_EQ(u8(G.DB$), c.DB$);
    EXPECT_EQ(u8(G.HYOUJI$), c.HYOUJI);
    EXPECT_EQ(u8(G.A$), c.A);
    EXPECT_EQ(G.X3, c.X3);
}

// clang-format off
const ReduceCase kReduceCases[] = {
    {6, 4,    2, 3, 2, 1, 2, 12,    "ﾀ3/2ﾀ", "+ﾀ3/2ﾀ", "ﾀ6/4ﾀ=ﾀ3/2ﾀ", "+ﾀ6/4ﾀ=+ﾀ3/2ﾀ", "3/2", "+3/2", -99},
    {-6, 4,   2, -3, 2, -1, 2, 12,  "-ﾀ3/2ﾀ", "-ﾀ3/2ﾀ", "ﾀ-6/4ﾀ=-ﾀ3/2ﾀ", "ﾀ-6/4ﾀ=-ﾀ3/2ﾀ", "-3/2", "-3/2", -99},
    {6, -4,   2, -3, 2, -1, 2, 12,  "-ﾀ3/2ﾀ", "-ﾀ3/2ﾀ", "ﾀ6/-4ﾀ=-ﾀ3/2ﾀ", "ﾀ6/-4ﾀ=-ﾀ3/2ﾀ", "-3/2", "-3/2", -99},
    {-6, -4,  2, 3, 2, 1, 2, 12,    "ﾀ3/2ﾀ", "+ﾀ3/2ﾀ", "ﾀ-6/-4ﾀ=ﾀ3/2ﾀ", "+ﾀ-6/-4ﾀ=+ﾀ3/2ﾀ", "3/2", "+3/2", -99},
    {3, 5,    3, 3, 5, 1, 1, 15,    "ﾀ3/5ﾀ", "+ﾀ3/5ﾀ", "ﾀ3/5ﾀ", "+ﾀ3/5ﾀ", "3/5", "+3/5", 15},
    {-3, 5,   2, -3, 5, -1, 1, 15,  "-ﾀ3/5ﾀ", "-ﾀ3/5ﾀ", "ﾀ-3/5ﾀ=-ﾀ3/5ﾀ", "ﾀ-3/5ﾀ=-ﾀ3/5ﾀ", "-3/5", "-3/5", -99},
    {3, -5,   2, -3, 5, -1, 1, 15,  "-ﾀ3/5ﾀ", "-ﾀ3/5ﾀ", "ﾀ3/-5ﾀ=-ﾀ3/5ﾀ", "ﾀ3/-5ﾀ=-ﾀ3/5ﾀ", "-3/5", "-3/5", -99},
    {12, 18,  2, 2, 3, 1, 6, 36,    "ﾀ2/3ﾀ", "+ﾀ2/3ﾀ", "ﾀ12/18ﾀ=ﾀ2/3ﾀ", "+ﾀ12/18ﾀ=+ﾀ2/3ﾀ", "2/3", "+2/3", -99},
    {40, 100, 2, 2, 5, 1, 20, 200,  "ﾀ2/5ﾀ", "+ﾀ2/5ﾀ", "ﾀ40/100ﾀ=ﾀ2/5ﾀ", "+ﾀ40/100ﾀ=+ﾀ2/5ﾀ", "2/5", "+2/5", -99},
    {4, 6,    2, 2, 3, 1, 2, 12,    "ﾀ2/3ﾀ", "+ﾀ2/3ﾀ", "ﾀ4/6ﾀ=ﾀ2/3ﾀ", "+ﾀ4/6ﾀ=+ﾀ2/3ﾀ", "2/3", "+2/3", -99},
    {2, 3,    3, 2, 3, 1, 1, 6,     "ﾀ2/3ﾀ", "+ﾀ2/3ﾀ", "ﾀ2/3ﾀ", "+ﾀ2/3ﾀ", "2/3", "+2/3", 6},
    {32, 3,   3, 32, 3, 1, 1, 96,   "ﾀ32/3ﾀ", "+ﾀ32/3ﾀ", "ﾀ32/3ﾀ", "+ﾀ32/3ﾀ", "32/3", "+32/3", 96},
    {4, 2,    1, 2, 1, 1, 2, 4,     "2", "+2", "ﾀ4/2ﾀ=2", "+ﾀ4/2ﾀ=+2", "2", "+2", -99},
    {-8, 4,   1, -2, 1, -1, 4, 8,   "-2", "-2", "ﾀ-8/4ﾀ=-2", "ﾀ-8/4ﾀ=-2", "-2", "-2", -99},
    {12, 3,   1, 4, 1, 1, 3, 12,    "4", "+4", "ﾀ12/3ﾀ=4", "+ﾀ12/3ﾀ=+4", "4", "+4", -99},
    {5, 1,    4, 5, 1, 1, 1, 5,     "5", "+5", "ﾀ5/1ﾀ=5", "+ﾀ5/1ﾀ=+5", "5", "+5", -99},
    {5, -1,   4, -5, 1, -1, 1, 5,   "-5", "-5", "ﾀ5/-1ﾀ=-5", "ﾀ5/-1ﾀ=-5", "-5", "-5", -99},
    {0, 1,    4, 0, 1, 1, 1, 0,     "0", "+0", "ﾀ0/1ﾀ=0", "+ﾀ0/1ﾀ=+0", "0", "+0", -99},
    {0, 7,    5, 0, 7, 1, 7, 0,     "0", "+0", "ﾀ0/7ﾀ=0", "+ﾀ0/7ﾀ=+0", "0", "+0", -99},
    {0, -7,   5, 0, 7, 1, 7, 0,     "0", "+0", "ﾀ0/-7ﾀ=0", "+ﾀ0/-7ﾀ=+0", "0", "+0", -99},
    // A zero denominator has no value: its texts are empty, not the previous call's.
    {5, 0,    0, 5, 0, 1, 5, 0,     "", "", "ﾀ5/0ﾀ=", "+ﾀ5/0ﾀ=", "", "", -99},
    {-5, 0,   0, -5, 0, 1, 5, 0,    "", "", "ﾀ-5/0ﾀ=", "+ﾀ-5/0ﾀ=", "", "", -99},
    {0, 0,    0, 0, 0, 1, 0, 0,     "", "", "ﾀ0/0ﾀ=", "+ﾀ0/0ﾀ=", "", "", -99},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Cases, Reduce, ::testing::ValuesIn(kReduceCases),
                         [](const auto& info) { return name_of(info.param); });

using FractionStrings = TextTest;

TEST_F(FractionStrings, ReductionKeepsTheGivenTexts) {
    G.X = -6;
    G.R1B = 4;
    REDUCE_FRACTION();
    EXPECT_EQ(G.DS1$, "-6");
    EXPECT_EQ(G.E2$, "4");
    EXPECT_EQ(G.G$, "2");
    EXPECT_EQ(G.DA1$, "3");
    EXPECT_EQ(u8(G.YY$), "ﾀ-6/4ﾀ");
    EXPECT_EQ(G.XX$, "");
    EXPECT_EQ(G.KJ2, -6);
}

TEST_F(FractionStrings, EuclidGivesDivisorAndMultiple) {
    struct Case {
        float x, r1b, gcd, lcm;
    };
    for (const Case& c : {Case{12, 18, 6, 36}, Case{18, 12, 6, 36}, Case{7, 1, 1, 7}, Case{5, 0, 5, 0},
                          Case{0, 0, 0, 0}, Case{13, 7, 1, 91}, Case{100, 40, 20, 200}}) {
        G.X = c.x;
        G.R1B = c.r1b;
        GCD_LCM();
        EXPECT_EQ(G.TKAI, c.gcd) << c.x << " " << c.r1b;
        EXPECT_EQ(G.TBBOYAKY, c.lcm) << c.x << " " << c.r1b;
        EXPECT_EQ(G.X, c.x);
        EXPECT_EQ(G.R1B, c.r1b);
        EXPECT_EQ(G.KASANARIX, 0);
    }
}

TEST_F(FractionStrings, ReductionEndsForAnyNumbers) {
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float pairs[][2] = {{nan, 3},     {3, nan},   {inf, 3},       {3, inf},     {1.0f / 3, 1},
                              {0.1f, 0.3f}, {1e30f, 3}, {2.5f, 1e-45f}, {-inf, -inf}, {1e-40f, 7}};
    for (const auto& p : pairs) {
        G.X = p[0];
        G.R1B = p[1];
        REDUCE_FRACTION();  // returns
        G.X = p[0];
        G.R1B = p[1];
        GCD_LCM();
        EXPECT_EQ(G.KASANARIX, 0) << p[0] << " " << p[1];
    }
    // Halves still reduce as a student would expect.
    G.X = 1.5f;
    G.R1B = 3;
    REDUCE_FRACTION();
    EXPECT_EQ(G.X, 1);
    EXPECT_EQ(G.R1B, 2);
}

TEST_F(FractionStrings, StripMarkupRemovesTheFourMarks) {
    const char* cases[][2] = {
        {"-ﾀ3/2ﾀ", "-3/2"}, {"ﾀ6/4ﾀ=ﾀ3/2ﾀ", "6/43/2"}, {"", ""}, {"x^2^3ﾝ", "x23"}, {"!3ﾝ\\ｶ", "!3\\ｶ"}};
    for (const auto& c : cases) {
        G.A$ = sj(c[0]);
        STRIP_MARKUP();
        EXPECT_EQ(u8(G.A$), c[1]) << c[0];
    }
}

struct SumCase {
    float ds, a31, yak1, lb8;
    float R1B, KJ2, X2, X4;
    const char *DS1, *G, *DS2, *DS4, *YY, *RABM, *T, *F, *E1, *U, *V, *DBM2, *A4, *A5, *A2, *A3, *L;
    float ds_after, a31_after, yak1_after, lb8_after;
};

// A case goes by its sum: "1/2+-1/3", named 1_over_2_plus_minus1_over_3.
void PrintTo(const SumCase& c, std::ostream* os) {
    *os << num(c.ds) << "/" << num(c.a31) << "+" << num(c.yak1) << "/" << num(c.lb8);
}
std::string name_of(const SumCase& c) {
    return term(c.ds) + "_over_" + term(c.a31) + "_plus_" + term(c.yak1) + "_over_" + term(c.lb8);
}

class Sums : public TextTest, public ::testing::WithParamInterface<SumCase> {};

TEST_P(Sums, OverTheLeastCommonDenominator) {
    const SumCase& c = GetParam();
    G.L$ = "old";
    G.DS = c.ds;
    G.A31 = c.a31;
    G.YAK1 = c.yak1;
    G.LB8 = c.lb8;
    COMBINE_FRACTIONS();
    EXPECT_EQ(G.R1B, c.R1B);
    EXPECT_EQ(G.KJ2, c.KJ2);
    EXPECT_EQ(G.X2, c.X2);
    EXPECT_EQ(G.X4, c.X4);
    EXPECT_EQ(u8(G.DS1$), c.DS1);
    EXPECT_EQ(u8(G.G$), c.G);
    EXPECT_EQ(u8(G.DS2_FRACTION$), c.DS2);
    EXPECT_EQ(u8(G.DS4$), c.DS4);
    EXPECT_EQ(u8(G.A$), c.DS4);
    EXPECT_EQ(u8(G.YY$), c.YY);
    EXPECT_EQ(u8(G.RABM$), c.RABM);
    EXPECT_EQ(u8(G.T$), c.T);
    EXPECT_EQ(u8(G.F$), c.F);
    EXPECT_EQ(u8(G.E1$), c.E1);
    EXPECT_EQ(u8(G.U$), c.U);
    EXPECT_EQ(u8(G.V$), c.V);
    EXPECT_EQ(u8(G.DBM2$), c.DBM2);
    EXPECT_EQ(u8(G.A4$), c.A4);
    EXPECT_EQ(u8(G.A5$), c.A5);
    EXPECT_EQ(u8(G.A2$), c.A2);
    EXPECT_EQ(u8(G.A3$), c.A3);
    EXPECT_EQ(u8(G.L$), c.L);
    EXPECT_EQ(G.DS, c.ds_after);
    EXPECT_EQ(G.A31, c.a31_after);
    EXPECT_EQ(G.YAK1, c.yak1_after);
    EXPECT_EQ(G.LB8, c.lb8_after);
}

// clang-format off
const SumCase kSumCases[] = {
    {1, 2, 1, 3,     6, 3, 2, 5,     "3", "6", "+2", "5", "ﾀ3/6ﾀ", "+ﾀ3/6ﾀ", "ﾀ2/6ﾀ", "+ﾀ2/6ﾀ", "ﾀ3/6ﾀ+ﾀ2/6ﾀ", "ﾀ3+2/6ﾀ", "ﾀ5/6ﾀ", "+ﾀ5/6ﾀ", "ﾀ3/6ﾀ", "ﾀ2/6ﾀ", "3", "2", "3", 1, 2, 1, 3},
    {1, 2, -1, 3,    6, 3, -2, 1,    "3", "6", "-2", "1", "ﾀ3/6ﾀ", "+ﾀ3/6ﾀ", "-ﾀ2/6ﾀ", "-ﾀ2/6ﾀ", "ﾀ3/6ﾀ-ﾀ2/6ﾀ", "ﾀ3-2/6ﾀ", "ﾀ1/6ﾀ", "+ﾀ1/6ﾀ", "ﾀ3/6ﾀ", "ﾀ2/6ﾀ", "3", "2", "3", 1, 2, -1, 3},
    {1, 2, 1, -3,    6, 3, -2, 1,    "3", "6", "-2", "1", "ﾀ3/6ﾀ", "+ﾀ3/6ﾀ", "-ﾀ2/6ﾀ", "-ﾀ2/6ﾀ", "ﾀ3/6ﾀ-ﾀ2/6ﾀ", "ﾀ3-2/6ﾀ", "ﾀ1/6ﾀ", "+ﾀ1/6ﾀ", "ﾀ3/6ﾀ", "ﾀ2/6ﾀ", "3", "2", "3", 1, 2, -1, 3},
    {2, 3, 1, 6,     6, 4, 1, 5,     "4", "6", "+1", "5", "ﾀ4/6ﾀ", "+ﾀ4/6ﾀ", "ﾀ1/6ﾀ", "+ﾀ1/6ﾀ", "ﾀ4/6ﾀ+ﾀ1/6ﾀ", "ﾀ4+1/6ﾀ", "ﾀ5/6ﾀ", "+ﾀ5/6ﾀ", "ﾀ4/6ﾀ", "ﾀ1/6ﾀ", "4", "1", "4", 2, 3, 1, 6},
    {1, 6, 1, 3,     6, 1, 2, 3,     "1", "6", "+2", "3", "ﾀ1/6ﾀ", "+ﾀ1/6ﾀ", "ﾀ2/6ﾀ", "+ﾀ2/6ﾀ", "ﾀ1/6ﾀ+ﾀ2/6ﾀ", "ﾀ1+2/6ﾀ", "ﾀ3/6ﾀ", "+ﾀ3/6ﾀ", "ﾀ1/6ﾀ", "ﾀ2/6ﾀ", "1", "2", "1", 1, 6, 1, 3},
    {9, 20, 13, 20,  20, 9, 13, 22,  "9", "20", "+13", "22", "ﾀ9/20ﾀ", "+ﾀ9/20ﾀ", "ﾀ13/20ﾀ", "+ﾀ13/20ﾀ", "ﾀ9/20ﾀ+ﾀ13/20ﾀ", "ﾀ9+13/20ﾀ", "ﾀ22/20ﾀ", "+ﾀ22/20ﾀ", "ﾀ9/20ﾀ", "ﾀ13/20ﾀ", "9", "13", "9", 9, 20, 13, 20},
    {3, 1, 1, 4,     4, 12, 1, 13,   "12", "4", "+1", "13", "ﾀ12/4ﾀ", "+ﾀ12/4ﾀ", "ﾀ1/4ﾀ", "+ﾀ1/4ﾀ", "ﾀ12/4ﾀ+ﾀ1/4ﾀ", "ﾀ12+1/4ﾀ", "ﾀ13/4ﾀ", "+ﾀ13/4ﾀ", "ﾀ12/4ﾀ", "ﾀ1/4ﾀ", "12", "1", "12", 3, 1, 1, 4},
    {1, 4, 3, 1,     4, 1, 12, 13,   "1", "4", "+12", "13", "ﾀ1/4ﾀ", "+ﾀ1/4ﾀ", "ﾀ12/4ﾀ", "+ﾀ12/4ﾀ", "ﾀ1/4ﾀ+ﾀ12/4ﾀ", "ﾀ1+12/4ﾀ", "ﾀ13/4ﾀ", "+ﾀ13/4ﾀ", "ﾀ1/4ﾀ", "ﾀ12/4ﾀ", "1", "12", "1", 1, 4, 3, 1},
    {2, 1, 3, 1,     1, 2, 3, 5,     "2", "1", "+3", "5", "ﾀ2/1ﾀ", "+ﾀ2/1ﾀ", "ﾀ3/1ﾀ", "+ﾀ3/1ﾀ", "ﾀ2/1ﾀ+ﾀ3/1ﾀ", "ﾀ2+3/1ﾀ", "ﾀ5/1ﾀ", "+ﾀ5/1ﾀ", "ﾀ2/1ﾀ", "ﾀ3/1ﾀ", "2", "3", "2", 2, 1, 3, 1},
    {-1, 2, 3, 4,    4, -2, 3, 1,    "-2", "4", "+3", "1", "-ﾀ2/4ﾀ", "-ﾀ2/4ﾀ", "ﾀ3/4ﾀ", "+ﾀ3/4ﾀ", "-ﾀ2/4ﾀ+ﾀ3/4ﾀ", "ﾀ-2+3/4ﾀ", "ﾀ1/4ﾀ", "+ﾀ1/4ﾀ", "ﾀ2/4ﾀ", "ﾀ3/4ﾀ", "2", "3", "2", -1, 2, 3, 4},
    {1, -2, 3, 4,    4, -2, 3, 1,    "-2", "4", "+3", "1", "-ﾀ2/4ﾀ", "-ﾀ2/4ﾀ", "ﾀ3/4ﾀ", "+ﾀ3/4ﾀ", "-ﾀ2/4ﾀ+ﾀ3/4ﾀ", "ﾀ-2+3/4ﾀ", "ﾀ1/4ﾀ", "+ﾀ1/4ﾀ", "ﾀ2/4ﾀ", "ﾀ3/4ﾀ", "2", "3", "2", -1, 2, 3, 4},
    {1, 4, -1, 2,    4, 1, -2, -1,   "1", "4", "-2", "1", "ﾀ1/4ﾀ", "+ﾀ1/4ﾀ", "-ﾀ2/4ﾀ", "-ﾀ2/4ﾀ", "ﾀ1/4ﾀ-ﾀ2/4ﾀ", "ﾀ1-2/4ﾀ", "-ﾀ1/4ﾀ", "-ﾀ1/4ﾀ", "ﾀ1/4ﾀ", "ﾀ2/4ﾀ", "1", "2", "1", 1, 4, -1, 2},
    // Both parts negative: the same as both positive.
    {-1, -2, 1, 3,   6, 3, 2, 5,     "3", "6", "+2", "5", "ﾀ3/6ﾀ", "+ﾀ3/6ﾀ", "ﾀ2/6ﾀ", "+ﾀ2/6ﾀ", "ﾀ3/6ﾀ+ﾀ2/6ﾀ", "ﾀ3+2/6ﾀ", "ﾀ5/6ﾀ", "+ﾀ5/6ﾀ", "ﾀ3/6ﾀ", "ﾀ2/6ﾀ", "3", "2", "3", 1, 2, 1, 3},
    {1, 2, -1, -3,   6, 3, 2, 5,     "3", "6", "+2", "5", "ﾀ3/6ﾀ", "+ﾀ3/6ﾀ", "ﾀ2/6ﾀ", "+ﾀ2/6ﾀ", "ﾀ3/6ﾀ+ﾀ2/6ﾀ", "ﾀ3+2/6ﾀ", "ﾀ5/6ﾀ", "+ﾀ5/6ﾀ", "ﾀ3/6ﾀ", "ﾀ2/6ﾀ", "3", "2", "3", 1, 2, 1, 3},
    // Zero terms and a zero sum count as positive.
    {0, 2, 1, 3,     6, 0, 2, 2,     "0", "6", "+2", "2", "ﾀ0/6ﾀ", "+ﾀ0/6ﾀ", "ﾀ2/6ﾀ", "+ﾀ2/6ﾀ", "ﾀ0/6ﾀ+ﾀ2/6ﾀ", "ﾀ0+2/6ﾀ", "ﾀ2/6ﾀ", "+ﾀ2/6ﾀ", "ﾀ0/6ﾀ", "ﾀ2/6ﾀ", "0", "2", "0", 0, 2, 1, 3},
    {1, 2, -1, 2,    2, 1, -1, 0,    "1", "2", "-1", "0", "ﾀ1/2ﾀ", "+ﾀ1/2ﾀ", "-ﾀ1/2ﾀ", "-ﾀ1/2ﾀ", "ﾀ1/2ﾀ-ﾀ1/2ﾀ", "ﾀ1-1/2ﾀ", "ﾀ0/2ﾀ", "+ﾀ0/2ﾀ", "ﾀ1/2ﾀ", "ﾀ1/2ﾀ", "1", "1", "1", 1, 2, -1, 2},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Cases, Sums, ::testing::ValuesIn(kSumCases),
                         [](const auto& info) { return name_of(info.param); });

TEST_F(FractionStrings, DrillSumsGiveTheCommonDenominator) {
    struct Case {
        float ds, a31, yak1, lb8, r1b, kj2, x2;
    };
    for (const Case& c : {Case{1, 60, 1, 80, 240, 4, 3}, Case{1, 70, 1, 100, 700, 10, 7}, Case{1, 50, 1, 80, 400, 8, 5},
                          Case{1, 2, 3, 4, 4, 2, 3}, Case{2, 5, 11, 20, 20, 8, 11}}) {
        G.DS = c.ds;
        G.A31 = c.a31;
        G.YAK1 = c.yak1;
        G.LB8 = c.lb8;
        COMBINE_FRACTIONS();
        EXPECT_EQ(G.R1B, c.r1b) << c.a31 << " " << c.lb8;
        EXPECT_EQ(G.KJ2, c.kj2) << c.a31 << " " << c.lb8;
        EXPECT_EQ(G.X2, c.x2) << c.a31 << " " << c.lb8;
    }
}

TEST_F(FractionStrings, ZeroDenominatorsDivideNothingByZero) {
    G.DS = 1;
    G.A31 = 0;
    G.YAK1 = 1;
    G.LB8 = 0;
    COMBINE_FRACTIONS();
    EXPECT_TRUE(std::isfinite(G.KJ2));
    EXPECT_TRUE(std::isfinite(G.X2));
    EXPECT_TRUE(std::isfinite(G.R1B));
}

TEST_F(FractionStrings, ProductForTheSolverSurvivesAPrompt) {
    G.X = 2;
    G.R1B = 3;
    REDUCE_FRACTION();
    EXPECT_EQ(G.X3, 6);
    G.KKAI$ = sj("1.5 x");
    G.DSM1 = 100;
    G.DSM2 = 648;
    DRAW_PROMPT_TEXT();
    EXPECT_EQ(G.X3, 6);
}

}  // namespace
}  // namespace texttest
