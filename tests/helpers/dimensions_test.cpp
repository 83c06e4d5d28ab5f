// Arrows and the dimension lines of a step between two points.
#include "tests/helpers/support.h"

namespace helperstest {
namespace {

std::vector<plat::DrawOp> lines() { return ops(plat::OpKind::Line); }

TEST_F(HelpersTest, ArrowHeads) {
    struct Case {
        const char* name;
        float iroiro, txm;
        std::vector<std::pair<Pt, Pt>> lines;
        Pt tip_after, tail_after;
    } cases[] = {
        // clang-format off
        {"head on the second end", 0, 0,
         {{{100, 200}, {300, 200}}, {{284, 208}, {300, 200}}, {{284, 192}, {300, 200}}}, {300, 200}, {100, 200}},
        {"head on the first end", -1, 0,
         {{{300, 200}, {100, 200}}, {{116, 192}, {100, 200}}, {{116, 208}, {100, 200}}}, {100, 200}, {300, 200}},
        {"heads on both ends", 5, 2,
         {{{100, 200}, {300, 200}}, {{284, 208}, {300, 200}}, {{284, 192}, {300, 200}},
          {{300, 200}, {100, 200}}, {{116, 192}, {100, 200}}, {{116, 208}, {100, 200}}},
         {100, 200}, {300, 200}},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        plat::clear_display_list();
        G.AIDA1 = 100, G.YY1 = 200, G.LT1 = 300, G.XI1 = 200;
        G.IROIRO = c.iroiro, G.TXM = c.txm, G.LCM1 = 16, G.NO = 2;
        DRAW_DIMENSION_SEGMENT();
        const auto l = lines();
        ASSERT_EQ(l.size(), c.lines.size());
        for (size_t k = 0; k < l.size(); ++k) {
            EXPECT_TRUE(line_is(l[k], c.lines[k].first, c.lines[k].second)) << k;
            EXPECT_EQ(l[k].colour, 2);
        }
        EXPECT_TRUE(near(G.AIDA1, G.YY1, c.tip_after.x, c.tip_after.y));
        EXPECT_TRUE(near(G.LT1, G.XI1, c.tail_after.x, c.tail_after.y));
        EXPECT_EQ(G.IROIRO, 0);
        EXPECT_EQ(G.TXM, 0);
    }
    // Ends that coincide: the shaft alone.
    plat::clear_display_list();
    G.AIDA1 = 50, G.YY1 = 50, G.LT1 = 50, G.XI1 = 50, G.TXM = 2;
    DRAW_DIMENSION_SEGMENT();
    EXPECT_EQ(lines().size(), 2u);
}

struct Step {
    Pt from, to;
};

void dimension(Step s, float aaax, const char* switches) {
    G.LT2 = s.from.x, G.GX4 = s.from.y, G.B2_DIMENSION = s.to.x, G.GX5 = s.to.y;
    G.AAAX = aaax, G.DX$ = switches;
    DRAW_DIMENSION();
}

TEST_F(HelpersTest, DimensionOfAStep) {
    for (Step s : {Step{{100, 300}, {300, 200}}, Step{{300, 200}, {100, 300}}}) {
        plat::clear_display_list();
        FE$SETDRAWWIDTH(0, 2);
        dimension(s, 40, "yy");
        // Ordered left to right, for the caller too.
        EXPECT_EQ(G.LT2, 100);
        EXPECT_EQ(G.GX4, 300);
        EXPECT_EQ(G.B2_DIMENSION, 300);
        EXPECT_EQ(G.GX5, 200);
        const auto l = lines();
        ASSERT_EQ(l.size(), 6u);
        EXPECT_TRUE(line_is(l[0], {100, 300}, {300, 300}));
        EXPECT_TRUE(line_is(l[1], {284, 308}, {300, 300}));
        EXPECT_EQ(l[0].colour, 7);
        EXPECT_EQ(l[0].width, 4);
        EXPECT_TRUE(line_is(l[3], {300, 300}, {300, 200}));
        EXPECT_TRUE(line_is(l[4], {308, 216}, {300, 200}));
        EXPECT_TRUE(line_is(l[5], {292, 216}, {300, 200}));
        EXPECT_EQ(l[3].colour, 3);
        const auto n = labels();
        ASSERT_EQ(n.size(), 2u);
        EXPECT_EQ(n[0].text, "5");
        EXPECT_EQ(n[0].ax, 186);
        EXPECT_EQ(n[0].ay, 256);
        EXPECT_EQ(n[0].colour, 7);
        EXPECT_EQ(n[1].text, "2.5");
        EXPECT_EQ(n[1].ax, 300);
        EXPECT_EQ(n[1].ay, 234);
        EXPECT_EQ(n[1].colour, 3);
        EXPECT_EQ(FE$GETDRAWWIDTH(0), 4);
        EXPECT_EQ(G.NO, 3);
        EXPECT_EQ(G.LCM1, 16);
        EXPECT_EQ(G.IROIRO, 0);
        EXPECT_EQ(G.YMOTO, 3);
    }
}

TEST_F(HelpersTest, DimensionTextsAndSwitches) {
    struct Case {
        const char* name;
        Step step;
        const char* switches;
        const char* run;
        const char* rise;
        std::vector<std::string> shown;
        float run_label_top;
    } cases[] = {
        {"falling step", {{100, 200}, {300, 300}}, "yy", "5", "-2.5", {"5", "-2.5"}, 200},
        {"half a rise", {{100, 300}, {300, 280}}, "yy", "5", "0.5", {"5", "0.5"}, 256},
        {"half a fall", {{100, 280}, {300, 300}}, "yy", "5", "-0.5", {"5", "-0.5"}, 280},
        {"half a run: no zero", {{100, 300}, {120, 200}}, "yy", ".5", "2.5", {".5", "2.5"}, 256},
        {"run only", {{100, 300}, {300, 200}}, "y", "5", "2.5", {"5"}, 256},
        {"rise only", {{100, 300}, {300, 200}}, "ny", "5", "2.5", {"2.5"}, 0},
        {"no switches", {{100, 300}, {300, 200}}, "", "5", "2.5", {}, 0},
        {"upper case is no switch", {{100, 300}, {300, 200}}, "YY", "5", "2.5", {}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        plat::clear_display_list();
        dimension(c.step, 40, c.switches);
        EXPECT_EQ(G.t0012$, c.run);
        EXPECT_EQ(G.MUKI$, c.rise);
        std::vector<std::string> shown;
        for (const auto& n : labels()) shown.push_back(n.text);
        EXPECT_EQ(shown, c.shown);
        if (!c.shown.empty() && std::string(c.switches)[0] == 'y') {
            EXPECT_EQ(labels()[0].ay, c.run_label_top);
        }
    }
}

TEST_F(HelpersTest, DimensionWithoutALegOrAScale) {
    struct Case {
        const char* name;
        Step step;
        float aaax;
    } cases[] = {
        {"no run", {{100, 300}, {100, 200}}, 40},
        {"no rise", {{100, 300}, {300, 300}}, 40},
        {"no scale", {{100, 300}, {300, 200}}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        plat::clear_display_list();
        G.YMOTO = 9;
        dimension(c.step, c.aaax, "yy");
        EXPECT_GE(lines().size(), 4u);  // both arrows, a leg of no length as its shaft alone
        EXPECT_TRUE(labels().empty());
        EXPECT_TRUE(G.t0012$.empty());
        EXPECT_TRUE(G.MUKI$.empty());
        EXPECT_EQ(G.YMOTO, 9);
        EXPECT_EQ(FE$GETDRAWWIDTH(0), 4);
    }
}

}  // namespace
}  // namespace helperstest
