// The coordinate plane, its decimal labels, plotted points and graphs.
#include <algorithm>
#include <cstdio>

#include "tests/helpers/support.h"

namespace helperstest {
namespace {

std::string num(float v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%g", static_cast<double>(v));
    return buf;
}

// The page's texts as "text x,y hxv font", font as G (Gothic) or S (serif),
// its size, b bold, i italic.
std::vector<std::string> texts() {
    std::vector<std::string> out;
    for (const auto& op : ops(plat::OpKind::Text)) {
        std::string font = op.font.face == plat::Face::Serif ? "S" : "G";
        font += num(op.font.size) + (op.font.bold ? "b" : "") + (op.font.italic ? "i" : "");
        out.push_back(u8(op.text) + " " + num(op.ax) + "," + num(op.ay) + " " + num(op.h) + "x" + num(op.v) + " " +
                      font);
    }
    return out;
}

// Lines as "x1,y1-x2,y2 wW cC".
std::vector<std::string> lines() {
    std::vector<std::string> out;
    for (const auto& op : ops(plat::OpKind::Line))
        out.push_back(num(op.ax) + "," + num(op.ay) + "-" + num(op.bx) + "," + num(op.by) + " w" + num(op.width) +
                      " c" + std::to_string(op.colour));
    return out;
}

bool has(const std::vector<std::string>& list, const std::string& item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

void plane(float x0, float x1, float y0, float y1, float xstep, float ystep, float aaax, float ta1, float ta2,
           float no = 1) {
    G.TBSI = x0, G.JYOUK = x1, G.TBSIYAKY = y0, G.t000C = y1;
    G.R1B_GRAPH = xstep, G.RTASKAI2 = ystep, G.AAAX = aaax, G.TA1 = ta1, G.TA2 = ta2, G.NO = no;
}

TEST_F(HelpersTest, AxesWithGridStepNumbersAndNames) {
    plane(-10, 10, -5, 5, 1, 1, 20, 100, 100);
    FE$SETDRAWWIDTH(0, 2);
    FE$SETFONTNAME(0, sj("Times New Roman"));  // the step numbers take the caller's face
    DRAW_AXES();
    EXPECT_EQ(G.HH, 300);
    EXPECT_EQ(G.GX1, 200);
    EXPECT_EQ(G.GY1, 500);
    EXPECT_EQ(G.ZY, 300);
    EXPECT_EQ(G.AIDA, 100);
    EXPECT_EQ(G.ZX, 100);
    EXPECT_EQ(G.NAGASA, 26);
    const auto l = lines();
    // 21 thin vertical and 11 thin horizontal lines half a unit up and left,
    // 5 + 3 heavier ones, the two axes.
    EXPECT_EQ(l.size(), 21u + 11u + 5u + 3u + 2u);
    for (const char* line :
         {"99.5,100-99.5,300 w1 c0", "499.5,100-499.5,300 w1 c0", "100,299.5-500,299.5 w1 c0",
          "100,99.5-500,99.5 w1 c0", "100,100-100,300 w3 c1", "400,100-400,300 w3 c1", "100,300-500,300 w3 c1",
          "100,100-500,100 w3 c1", "300,100-300,300 w4 c0", "100,200-500,200 w4 c0"})
        EXPECT_TRUE(has(l, line)) << line;
    EXPECT_EQ(texts(),
              (std::vector<std::string>{"-10 61,200 2x1 S26", "-5 174,200 2x1 S26", "5 387,200 2x1 S26",
                                        "10 474,200 2x1 S26", "-5 248,283 2x1 S26", "5 274,83 2x1 S26",
                                        "x 479.2,161 3x2 S20.8bi", "0 274,200 2x1 G26b", "y 300,87 2x1 G26b"}));
    const plat::Font& f = plat::current_font();
    EXPECT_EQ(f.face, plat::Face::Gothic);
    EXPECT_EQ(f.size, 16);
    EXPECT_FALSE(f.bold || f.italic);
    EXPECT_EQ(FE$GETDRAWWIDTH(0), 2);
    EXPECT_EQ(G.LLT, 0);
    EXPECT_EQ(G.KKAI$, "y");
}

TEST_F(HelpersTest, AxesGuardsAndSwitches) {
    struct Case {
        const char* name;
        float xstep, ystep, aaax, ta1, ta2, no, llt;
        float r1b_after, rtaskai2_after, left, top, nagasa;
        size_t lines, numbers;
    } cases[] = {
        // y steps of 2 count -2.5 .. 2.5; -0.5 and 0.5 come nearest to step 0.
        {"steps 0 and -2", 0, -2, 20, 100, 100, 1, 0, 1, 2, 100, 100, 26, 21 + 6 + 5 + 2 + 2, 4 + 2},
        {"corner (0, 0)", 1, 1, 20, 0, 0, 1, 0, 1, 1, 640, 180, 26, 21 + 11 + 5 + 3 + 2, 4 + 2},
        // The first grid line, half a unit left of the page's edge, lies
        // wholly off the page (its ink from x -1 to 0): nothing is kept.
        {"left edge 0 alone", 1, 1, 20, 0, 100, 1, 0, 1, 1, 0, 100, 26, 21 + 11 + 5 + 3 + 2 - 1, 4 + 2},
        {"grid step 40", 1, 1, 40, 100, 100, 1, 0, 1, 1, 100, 100, 30, 21 + 11 + 5 + 3 + 2, 4 + 2},
        {"no grid", 1, 1, 20, 100, 100, 0, 0, 1, 1, 100, 100, 26, 2, 0},
        {"no step numbers", 1, 1, 20, 100, 100, 1, -1, 1, 1, 100, 100, 26, 21 + 11 + 5 + 3 + 2, 0},
        {"step numbers on", 1, 1, 20, 100, 100, 1, 1, 1, 1, 100, 100, 26, 21 + 11 + 5 + 3 + 2, 4 + 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        plat::clear_display_list();
        plane(-10, 10, -5, 5, c.xstep, c.ystep, c.aaax, c.ta1, c.ta2, c.no);
        G.LLT = c.llt;
        DRAW_AXES();
        EXPECT_EQ(G.R1B_GRAPH, c.r1b_after);
        EXPECT_EQ(G.RTASKAI2, c.rtaskai2_after);
        EXPECT_EQ(G.AIDA, c.left);
        EXPECT_EQ(G.ZX, c.top);
        EXPECT_EQ(G.NAGASA, c.nagasa);
        EXPECT_EQ(lines().size(), c.lines);
        const auto t = texts();
        ASSERT_EQ(t.size(), c.numbers + 3);  // and "x", "0", "y"
        EXPECT_EQ(t[t.size() - 3].substr(t[t.size() - 3].rfind(' ')), " S" + num(c.nagasa * 0.8f) + "bi");
        EXPECT_EQ(G.LLT, 0);
    }
}

TEST_F(HelpersTest, AxesDivideTheirRangesInPlace) {
    plane(-10, 10, 0, 4, 2, 1, 20, 100, 100);
    DRAW_AXES();
    EXPECT_EQ(G.TBSI, -5);
    EXPECT_EQ(G.JYOUK, 5);
    // The outer ticks carry the step numbers -5 and 5.
    const auto t = texts();
    EXPECT_EQ(t[0].substr(0, 3), "-5 ");
    EXPECT_EQ(t[1].substr(0, 2), "5 ");
    // An upper bound below the lower one still draws at the lower bound:
    // one thin and (a fifth step) one heavier line with its number.
    plat::clear_display_list();
    plane(5, 2, 0, 0, 1, 1, 20, 100, 100);
    DRAW_AXES();
    EXPECT_EQ(lines().size(), 1u + 1u + 1u + 1u + 2u);
    EXPECT_TRUE(has(lines(), "299.5,100-299.5,100 w1 c0"));
    EXPECT_EQ(texts()[0].substr(0, 2), "5 ");
    EXPECT_EQ(G.A1, 1);  // one past the last y step
}

TEST_F(HelpersTest, DecimalLabelsReadAsTheirValues) {
    struct Case {
        const char* name;
        float x0, x1, xstep;
        std::vector<std::string> labels;  // each label with its point, as read
    } cases[] = {
        {"step 0.5", 0, 5, 0.5f, {"2.5", "5"}},
        {"step 2", -20, 20, 2, {"-20", "-10", "10", "20"}},
        {"step 0.3, negative halves", -3, 3, 0.3f, {"-3", "-1.5", "1.5", "3"}},
        {"step 0.7", 0, 7, 0.7f, {"3.5", "7"}},
        {"step 0.1, below one", -1, 1, 0.1f, {"-1", "-0.5", "0.5", "1"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        plat::clear_display_list();
        plane(c.x0, c.x1, 0, 0, c.xstep, 1, 20, 100, 100);
        DRAW_AXES();
        plat::clear_display_list();
        DRAW_AXIS_DECIMAL_LABELS();
        // Join each label with the point that follows it.
        std::vector<std::string> read;
        const auto t = ops(plat::OpKind::Text);
        for (size_t k = 0; k < t.size(); ++k) {
            if (t[k].text == ".") continue;
            std::string s = t[k].text;
            if (k + 1 < t.size() && t[k + 1].text == ".") {
                const size_t whole = s.size() - 1;
                s = s.substr(0, whole) + "." + s.substr(whole);
            }
            read.push_back(s);
        }
        EXPECT_EQ(read, c.labels);
        EXPECT_EQ(plat::current_font().size, 16);
    }
}

TEST_F(HelpersTest, DecimalLabelPlaces) {
    plane(0, 5, 0, 5, 0.5f, 1, 20, 100, 100);
    DRAW_AXES();
    plat::clear_display_list();
    DRAW_AXIS_DECIMAL_LABELS();
    EXPECT_EQ(G.NAGASA, 26);
    // 2.5 at step 5: "25" centred under x 200, the point 6 left of the join
    // and 4 lower; 5 at step 10; the y-axis label 5 ending at the axis.
    EXPECT_EQ(texts(), (std::vector<std::string>{"25 174,204 2x1 G26", ". 194,208 2x1 G26", "5 287,204 2x1 G26",
                                                 "5 74,87 2x1 G26"}));
}

// A plane with origin (300, 200), 20 per unit, y from -5 to 5 on the page
// between y 100 and 300.
void small_plane() {
    G.HH = 300, G.GX1 = 200, G.AAAX = 20, G.ZX = 100, G.ZY = 300;
    G.R1B_GRAPH = 1, G.RTASKAI2 = 1, G.TBSIYAKY = -5, G.t000C = 5, G.TKAI2 = 4, G.YMOTO = 0;
}

TEST_F(HelpersTest, PlottedPointWithItsLabel) {
    struct Case {
        float r1b, tbbo;
        Pt dot, label;
    } cases[] = {
        {1, 0, {340, 140}, {320, 100}},
        {1, 30, {340, 140}, {350, 100}},
        {0, 0, {340, 140}, {320, 100}},  // a step of 0 taken as 1
        {2, 0, {320, 140}, {300, 100}},
    };
    for (const auto& c : cases) {
        plat::clear_display_list();
        small_plane();
        G.R1B_GRAPH = c.r1b, G.TBBO = c.tbbo, G.TBBOYAKX = 0;
        G.GX = 2, G.GY = 3, G.t0001 = 4, G.ZY0$ = "P";
        PLOT_POINT();
        const auto d = ops(plat::OpKind::Circle);
        ASSERT_EQ(d.size(), 1u);
        EXPECT_EQ(d[0].ax, c.dot.x);
        EXPECT_EQ(d[0].ay, c.dot.y);
        EXPECT_EQ(d[0].r, 4);
        EXPECT_EQ(d[0].fill, 4);
        const auto n = labels();
        ASSERT_EQ(n.size(), 1u);
        EXPECT_EQ(n[0].ax, c.label.x);
        EXPECT_EQ(n[0].ay, c.label.y);
        EXPECT_EQ(n[0].colour, 4);
        EXPECT_EQ(G.TBBO, 0);
        EXPECT_EQ(G.R1B_GRAPH, c.r1b == 0 ? 1 : c.r1b);
        EXPECT_EQ(G.ZY0$, "P");  // kept for the next point
    }
}

TEST_F(HelpersTest, FunctionGraphsAsDots) {
    struct Case {
        const char* name;
        float kind, a, b, from, to;
        float first_x;    // value of the first x computed
        size_t min_dots;  // dots within the plane's height
        Pt last;          // the last dot drawn, where the label goes
    } cases[] = {
        {"line from x = 0", 3, 1, 0, 0, 4, 0, 5001, {380, 120}},
        {"parabola from 0.002", 2, 0.25f, 0, 0, 4, 0.002f, 5001, {380, 120}},
        {"inverse proportion across 0", 1, 1, 0, -5, 5, -5, 4000, {400, 196}},
        {"another kind drawn as a line, from 0.002", 7, 1, 1, 0, 2, 0.002f, 5001, {340, 140}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        plat::clear_display_list();
        small_plane();
        G.R1B1 = c.kind, G.P2 = c.a, G.RABM = c.b, G.TBSI = c.from, G.JYOUK = c.to, G.ZY0$ = "f";
        FE$SETDRAWWIDTH(0, 3);
        DRAW_FUNCTION_GRAPH();
        EXPECT_EQ(G.DS1, c.first_x);
        const auto d = ops(plat::OpKind::Circle);
        EXPECT_GE(d.size(), c.min_dots);
        for (const auto& dot : d) {
            ASSERT_TRUE(dot.ay >= 100 && dot.ay <= 300) << dot.ay;  // never outside the height, never NaN
            ASSERT_TRUE(std::isfinite(dot.ax));
            EXPECT_EQ(dot.r, 1);
        }
        EXPECT_TRUE(near(d.back().ax, d.back().ay, c.last.x, c.last.y, 0.1f)) << show(d.back().ax, d.back().ay);
        const auto n = labels();
        ASSERT_EQ(n.size(), 1u);
        EXPECT_TRUE(near(n[0].ax, n[0].ay, d.back().ax, d.back().ay));
        EXPECT_EQ(G.R1B_GRAPH + G.RTASKAI2, 2);
    }
}

TEST_F(HelpersTest, LinesGivenAsAxPlusByEqualsC) {
    // 2x = 6: the vertical line x = 3, width 5, labelled 10 right of its top.
    small_plane();
    G.R1B1 = 4, G.P2 = 2, G.RABM = 0, G.BAIX = 6, G.ZY0$ = "L", G.TBBO = 5;
    FE$SETDRAWWIDTH(0, 3);
    DRAW_FUNCTION_GRAPH();
    EXPECT_EQ(lines(), (std::vector<std::string>{"360,300-360,100 w5 c4"}));
    ASSERT_EQ(labels().size(), 1u);
    EXPECT_EQ(labels()[0].ax, 375);
    EXPECT_EQ(labels()[0].ay, 100);
    EXPECT_EQ(G.BAIX, 3);
    EXPECT_EQ(FE$GETDRAWWIDTH(0), 3);
    EXPECT_EQ(G.TBBO, 0);

    // 2x + 4y = 8: y = -0.5x + 2.
    plat::clear_display_list();
    small_plane();
    G.R1B1 = 4, G.P2 = 2, G.RABM = 4, G.BAIX = 8, G.TBSI = 0, G.JYOUK = 4;
    DRAW_FUNCTION_GRAPH();
    EXPECT_EQ(G.P2, -0.5f);
    EXPECT_EQ(G.RABM, 2);
    EXPECT_EQ(G.R1B1, 3);
    const auto d = ops(plat::OpKind::Circle);
    EXPECT_EQ(d.front().ax, 300);
    EXPECT_EQ(d.front().ay, 160);
    EXPECT_TRUE(near(d.back().ax, d.back().ay, 380, 200, 0.1f));

    // 0x + 0y = c is no line: nothing at all, but the settings are reset.
    plat::clear_display_list();
    small_plane();
    G.R1B1 = 4, G.P2 = 0, G.RABM = 0, G.BAIX = 5, G.TBBO = 7, G.TBBOYAKX = 8, G.R1B_GRAPH = 3;
    FE$SETDRAWWIDTH(0, 2);
    DRAW_FUNCTION_GRAPH();
    EXPECT_TRUE(plat::display_list().empty());
    EXPECT_EQ(G.TBBO + G.TBBOYAKX, 0);
    EXPECT_EQ(G.R1B_GRAPH, 1);
    EXPECT_EQ(FE$GETDRAWWIDTH(0), 2);
    EXPECT_EQ(G.BAIX, 5);

    // The vertical line alone leaves width 5.
    DRAW_VERTICAL_GRAPH_LINE();
    EXPECT_EQ(FE$GETDRAWWIDTH(0), 5);
}

TEST_F(HelpersTest, GraphOutsideThePlaneAndEmptyLabels) {
    small_plane();
    G.R1B1 = 3, G.P2 = 0, G.RABM = 50, G.TBSI = 0, G.JYOUK = 4, G.ZY0$ = "g";
    G.DSM1 = 700, G.DSM2 = 500;
    DRAW_FUNCTION_GRAPH();
    EXPECT_TRUE(ops(plat::OpKind::Circle).empty());
    ASSERT_EQ(labels().size(), 1u);
    EXPECT_EQ(labels()[0].ax, 700);  // placed from the cursor the caller had
    plat::clear_display_list();
    small_plane();
    G.R1B1 = 3, G.P2 = 1, G.RABM = 0, G.ZY0$ = "", G.TBBO = 9;
    DRAW_FUNCTION_GRAPH();
    EXPECT_TRUE(labels().empty());
    EXPECT_EQ(G.TBBO, 0);
}

}  // namespace
}  // namespace helperstest
