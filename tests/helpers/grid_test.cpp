// Graph paper and labelled polygons.
#include "tests/helpers/support.h"

#include "engine/text/text.h"

namespace helperstest {
namespace {

TEST_F(HelpersTest, GridHasEveryFifthLineHeavyFromTheLeftAndBottom) {
    G.TA1 = 100, G.TA2 = 50, G.AAAX = 10, G.RR = 12, G.X8 = 7, G.NO = 8;
    FE$SETDRAWWIDTH(0, 4);
    DRAW_GRID();
    std::vector<std::string> heavy, thin;
    for (const auto& op : ops(plat::OpKind::Line)) {
        const bool vertical = op.ax == op.bx;
        const std::string at = vertical ? "x" + std::to_string(int(op.ax)) : "y" + std::to_string(int(op.ay));
        if (op.width == 3) {
            EXPECT_EQ(op.colour, 14);
            heavy.push_back(at);
        } else {
            EXPECT_EQ(op.width, 1);
            EXPECT_EQ(op.colour, 8);
            thin.push_back(at);
        }
        if (vertical) {
            EXPECT_EQ(op.ay, 50);
            EXPECT_EQ(op.by, 120);
        } else {
            EXPECT_EQ(op.ax, 100);
            EXPECT_EQ(op.bx, 220);
        }
    }
    // Columns 0, 5, 10 and rows 0 and 5 counted up from the bottom edge.
    EXPECT_EQ(heavy, (std::vector<std::string>{"x100", "x150", "x200", "y120", "y70"}));
    EXPECT_EQ(thin.size(), 13u + 8u - 5u);
    EXPECT_EQ(FE$GETDRAWWIDTH(0), 4);
    // The frame the graph routines read: origin at the bottom-left corner.
    EXPECT_EQ(G.AIDA, 100);
    EXPECT_EQ(G.ZX, 50);
    EXPECT_EQ(G.GY1, 220);
    EXPECT_EQ(G.ZY, 120);
    EXPECT_EQ(G.HH, 100);
    EXPECT_EQ(G.GX1, 120);
    EXPECT_EQ(G.TKAI2, 14);
}

TEST_F(HelpersTest, GridInTheBackgroundColourDrawsNothingButSetsTheFrame) {
    G.TA1 = 10, G.TA2 = 20, G.AAAX = 5, G.RR = 4, G.X8 = 2, G.NO = 15, G.TKAI2 = 9;
    DRAW_GRID();
    EXPECT_TRUE(plat::display_list().empty());
    EXPECT_EQ(G.TKAI2, 9);
    EXPECT_EQ(G.GY1, 30);
    EXPECT_EQ(G.ZY, 30);
    EXPECT_EQ(G.GX1, 30);
    EXPECT_EQ(G.AX, 3.14159f);
}

// The grid and the axes leave one frame: a point plotted after the grid
// stands on the grid's squares, counted from its bottom-left corner.
TEST_F(HelpersTest, PointsStandOnTheGridsFrame) {
    G.TA1 = 100, G.TA2 = 50, G.AAAX = 10, G.RR = 12, G.X8 = 7, G.NO = 8;
    DRAW_GRID();
    plat::clear_display_list();
    G.R1B_GRAPH = 1, G.RTASKAI2 = 1, G.GX = 3, G.GY = 2, G.t0001 = 3, G.TKAI2 = 2, G.ZY0$ = "";
    PLOT_POINT();
    const auto dot = ops(plat::OpKind::Circle);
    ASSERT_EQ(dot.size(), 1u);
    EXPECT_EQ(dot[0].ax, 130);
    EXPECT_EQ(dot[0].ay, 100);
}

class PolygonTest : public HelpersTest {
protected:
    void triangle() {
        G.t0006 = 3;
        const float v[][2] = {{100, 300}, {300, 300}, {200, 100}};
        for (int k = 1; k <= 3; ++k) G.R1A(k, 1) = v[k - 1][0], G.R1A(k, 2) = v[k - 1][1];
        G.NAGASA = 4, G.NO = 1, G.LCM1 = 6, G.YMOTO = 0;
    }
    static std::vector<std::string> label_texts() {
        std::vector<std::string> out;
        for (const auto& n : labels()) out.push_back(u8(n.text));
        return out;
    }
};

TEST_F(PolygonTest, SidesAndVertexLabels) {
    struct Case {
        const char* switch_text;
        std::vector<std::string> labels;
    } cases[] = {
        {"A", {"A", "B", "C"}},        {"P", {"P", "Q", "R"}},
        {"Ａ", {"Ａ", "Ｂ", "Ｃ"}},  // a full-width first letter counts on in full width
        {"1", {"O", "頂点", "ﾀ1/2ﾀ"}}, {"", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.switch_text);
        plat::clear_display_list();
        triangle();
        G.X$(1) = "O", G.X$(2) = sj("頂点"), G.X$(3) = sj("ﾀ1/2ﾀ");
        G.ZY0$ = sj(c.switch_text);
        FE$SETDRAWWIDTH(0, 2);
        DRAW_POLYGON();
        const auto sides = ops(plat::OpKind::Line);
        ASSERT_EQ(sides.size(), std::string(c.switch_text) == "1" ? 4u : 3u);  // a fraction label adds its bar
        EXPECT_TRUE(line_is(sides[0], {100, 300}, {300, 300}));
        EXPECT_TRUE(line_is(sides[2], {200, 100}, {100, 300}));  // closed back to vertex 1
        EXPECT_EQ(sides[0].width, 4);
        EXPECT_EQ(sides[0].colour, 1);
        EXPECT_EQ(label_texts(), c.labels);
        EXPECT_TRUE(G.ZY0$.empty());
        EXPECT_EQ(FE$GETDRAWWIDTH(0), 2);
        EXPECT_EQ(G.B_ANGLE, 6);
        EXPECT_EQ(G.LCM1, c.labels.empty() ? 6 : 0);
    }
}

TEST_F(PolygonTest, VertexLabelsStandOutsideTheTriangle) {
    triangle();
    G.ZY0$ = "A";
    DRAW_POLYGON();
    const auto notes = labels();
    ASSERT_EQ(notes.size(), 3u);
    // A at the lower left, B at the lower right, C above the apex.
    EXPECT_LT(notes[0].bx, 100);
    EXPECT_GT(notes[0].ay, 300 - 44);
    EXPECT_GT(notes[1].ax, 300);
    EXPECT_GT(notes[1].ay, 300 - 44);
    EXPECT_LT(notes[2].ay + 44, 100);
    EXPECT_LT(notes[2].ax, 200);
    EXPECT_GT(notes[2].bx, 200);
}

TEST_F(PolygonTest, OffsetsApplyToTheFirstLabelOnly) {
    triangle();
    G.ZY0$ = "A";
    DRAW_POLYGON();
    const auto plain = labels();
    plat::clear_display_list();
    triangle();
    G.ZY0$ = "A", G.EX = 10, G.EY = 5;
    DRAW_POLYGON();
    const auto moved = labels();
    ASSERT_EQ(moved.size(), 3u);
    EXPECT_TRUE(near(moved[0].ax, moved[0].ay, plain[0].ax + 10, plain[0].ay + 5));
    EXPECT_TRUE(near(moved[1].ax, moved[1].ay, plain[1].ax, plain[1].ay));
}

TEST_F(PolygonTest, VertexCountsWithoutRoomDrawNothing) {
    for (float n : {2.0f, 11.0f, 0.0f, -3.0f, 3.5f}) {
        plat::clear_display_list();
        triangle();
        G.t0006 = n;
        G.ZY0$ = "A";
        DRAW_POLYGON();
        EXPECT_TRUE(plat::display_list().empty()) << n;
    }
    // Ten vertices fit.
    G.t0006 = 10;
    for (int k = 1; k <= 10; ++k) G.R1A(k, 1) = 100.0f * k, G.R1A(k, 2) = k % 2 ? 100.0f : 200.0f;
    DRAW_POLYGON();
    EXPECT_EQ(ops(plat::OpKind::Line).size(), 10u);
}

}  // namespace
}  // namespace helperstest
