// Roots taken apart, prime factors, divisors and sign texts.
#include "tests/helpers/support.h"

#include "engine/text/text.h"

namespace helperstest {
namespace {

TEST_F(HelpersTest, SimplifiedRoots) {
    struct Case {
        float n, a, b;
        const char *coefficient, *simplified, *step, *root;
    } cases[] = {
        {1, 1, 1, "1", "1ﾝ", "", "ﾝ"},
        {7, 1, 7, "", "!7ﾝ", "", "!7ﾝ"},
        {12, 2, 3, "2", "2!3ﾝ", "!12ﾝ=", "!3ﾝ"},
        {16, 4, 1, "4", "4ﾝ", "!16ﾝ=", "ﾝ"},
        {72, 6, 2, "6", "6!2ﾝ", "!72ﾝ=", "!2ﾝ"},  // 2² first, then 3² from 2 again: not 3√8
        {40000, 200, 1, "200", "200ﾝ", "!40000ﾝ=", "ﾝ"},
        {44521, 1, 44521, "", "!44521ﾝ", "", "!44521ﾝ"},  // 211² is beyond the trial squares
        {44100, 210, 1, "210", "210ﾝ", "!44100ﾝ=", "ﾝ"},
        {-72, 6, -2, "6", "6!-2ﾝ", "!-72ﾝ=", "!-2ﾝ"},
        {0, 1, 0, "", "!0ﾝ", "", "!0ﾝ"},  // nothing to take out, and it ends
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.n);
        G.TBSI1 = c.n;
        SIMPLIFY_ROOT();
        EXPECT_EQ(G.HH4, c.a);
        EXPECT_EQ(G.TBSI1, c.b);
        EXPECT_EQ(G.ZY12, c.n);
        EXPECT_EQ(u8(G.R1A$), c.coefficient);
        EXPECT_EQ(u8(G.BB1$), c.simplified);
        EXPECT_EQ(u8(G.AA_A$), c.step);
        EXPECT_EQ(u8(G.R1B$), c.root);
        EXPECT_EQ(G.TY_ROOT, 201);
    }
}

// The step's texts drawn one after the other read √72 = 6√2: two root
// signs, each with its over-line over its own digits only.
TEST_F(HelpersTest, SimplifiedRootDrawsThroughTheTextDisplay) {
    G.TBSI1 = 72;
    SIMPLIFY_ROOT();
    G.KKAI$ = G.AA_A$ + G.BB1$;
    G.DSM1 = 100, G.DSM2 = 100, G.YMOTO = 0;
    MU();
    std::string glyphs;
    for (const auto& op : ops(plat::OpKind::Text)) glyphs += u8(op.text);
    EXPECT_EQ(glyphs, "72=62");
    EXPECT_EQ(ops(plat::OpKind::Polyline).size(), 2u);
    const auto text = ops(plat::OpKind::Text);
    for (const auto& bar : ops(plat::OpKind::Line)) {
        // Every over-line lies above digits of one root, never above "=" or "6".
        for (const auto& g : text) {
            const std::string s = u8(g.text);
            if (s == "=" || s == "6") {
                EXPECT_TRUE(bar.bx <= g.ax || bar.ax >= g.ax + 10) << s;
            }
        }
    }
}

TEST_F(HelpersTest, PrimeFactors) {
    struct Case {
        float n;
        std::vector<std::pair<float, float>> rows;  // rows 1 to TATE
        float cofactor;
    } cases[] = {
        {360, {{2, 3}, {3, 2}, {5, 1}}, 1},
        {58, {{2, 1}}, 29},  // 29 is never tried
        {29, {}, 29},
        {1, {}, 1},
        {-360, {{2, 3}, {3, 2}, {5, 1}}, 1},
        {276, {{2, 2}, {3, 1}, {23, 1}}, 1},
        {510510 * 23, {{2, 1}, {3, 1}, {5, 1}, {7, 1}, {11, 1}, {13, 1}, {17, 1}, {23, 1}}, 1},
        {0, {}, 0},  // no factors, and it ends
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.n);
        G.TX_FACTOR = c.n;
        G.R1A(4, 1) = 99;  // stale rows are cleared
        PRIME_FACTORISE();
        EXPECT_EQ(G.TATE, c.rows.size());
        for (int k = 1; k <= 9; ++k) {
            const auto want = k <= static_cast<int>(c.rows.size()) ? c.rows[k - 1] : std::pair<float, float>{0, 0};
            EXPECT_EQ(G.R1A(k, 1), want.first) << k;
            EXPECT_EQ(G.R1A(k, 2), want.second) << k;
        }
        EXPECT_EQ(G.R1A(10, 1), c.cofactor);
        EXPECT_EQ(G.R1A(10, 2), 1);
        EXPECT_EQ(G.TX_FACTOR, std::fabs(c.n));
        EXPECT_EQ(G.Y7(10), 29);
    }
}

TEST_F(HelpersTest, Divisors) {
    struct Case {
        float n;
        float count, half;
        std::vector<float> first;  // the first divisors
        float last_divisor, last_co;
    } cases[] = {
        {12, 6, 3, {1, 2, 3, 4, 6, 12}, 12, 1},
        {-12, 6, 3, {1, 2, 3, 4, 6, 12}, 12, 1},
        {1, 1, 0, {1}, 1, 1},
        {0, 1, 0, {1}, 1, 0},
        {36, 9, 4, {1, 2, 3, 4, 6, 9}, 36, 1},
        {1680, 40, 20, {1, 2, 3}, 1680, 1},
        {2520, 40, 20, {1, 2, 3}, 280, 9},  // 48 divisors: the first 40 are kept
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.n);
        G.CCC2 = c.n;
        LIST_DIVISORS();
        EXPECT_EQ(G.XW, c.count);
        EXPECT_EQ(G.YA, c.half);
        EXPECT_EQ(G.CCC2, std::fabs(c.n));
        for (size_t k = 0; k < c.first.size(); ++k) EXPECT_EQ(G.GY5(k + 1), c.first[k]);
        EXPECT_EQ(G.GY5(G.XW), c.last_divisor);
        EXPECT_EQ(G.t0014(G.XW), c.last_co);
        for (float k = 1; k <= G.XW; ++k) EXPECT_EQ(G.GY5(k) * G.t0014(k), G.CCC2);
    }
}

TEST_F(HelpersTest, SignTexts) {
    struct Case {
        const char *text, *negated, *bracketed;
        float chars, minus_at;
    } cases[] = {
        {"-3", "+3", "(-3)", 2, 1},
        {"+2x", "-2x", "+2x", 3, 0},
        {"5", "-5", "5", 1, 0},
        {"", "", "", 0, 0},
        {"-", "+", "(-)", 1, 1},
        {"-ｘ（２）", "+ｘ（２）", "(-ｘ（２）)", 5, 1},
        {"ａ-1", "-ａ-1", "(ａ-1)", 3, 3},
        {"3-2", "-3-2", "(3-2)", 3, 2},
        {"(-3)", "-(-3)", "((-3))", 4, 2},
        {"す", "-す", "す", 1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        G.A$ = sj(c.text);
        NEGATE_SIGNED_TEXT();
        EXPECT_EQ(u8(G.A$), c.negated);
        EXPECT_EQ(G.X9, c.chars);
        G.A$ = sj(c.text);
        PARENTHESISE_NEGATIVE();
        EXPECT_EQ(u8(G.A$), c.bracketed);
        EXPECT_EQ(G.H_MARKUP, c.minus_at);
    }
}

}  // namespace
}  // namespace helperstest
