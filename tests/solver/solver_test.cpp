// The elimination solver run headless: multipliers, operation, branch, value
// texts and every line of the working with its place on the page.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <string>
#include <vector>

#include "tests/solver/headless_solver.h"

namespace {

using namespace solver_test;

// The page as lines "dy text", dy from the label's line. Pieces of a line are
// joined left to right; "[c]" marks the colour where it changes and a blank
// stands for a gap between two pieces.
std::vector<std::string> page(const std::vector<Piece>& drawn) {
    std::map<float, std::vector<Piece>> lines;
    for (const Piece& p : drawn) lines[p.y].push_back(p);
    std::vector<std::string> out;
    for (auto& [y, line] : lines) {
        std::sort(line.begin(), line.end(), [](const Piece& a, const Piece& b) { return a.x < b.x; });
        std::string text = std::to_string(static_cast<int>(y - kTop)) + " ";
        int colour = -1;
        float end = 0;
        for (const Piece& p : line) {
            if (colour != -1 && p.x != end) text += " ";
            if (p.colour != colour) text += "[" + std::to_string(p.colour) + "]";
            text += p.text;
            colour = p.colour;
            end = p.end;
        }
        out.push_back(text);
    }
    return out;
}

std::vector<Piece> on_line(const std::vector<Piece>& drawn, float dy) {
    std::vector<Piece> line;
    for (const Piece& p : drawn)
        if (p.y == kTop + dy) line.push_back(p);
    std::sort(line.begin(), line.end(), [](const Piece& a, const Piece& b) { return a.x < b.x; });
    return line;
}

// Where the rule under the column work ends.
std::optional<float> rule_end() {
    for (const plat::DrawOp& op : plat::display_list())
        if (op.kind == plat::OpKind::Line && op.ay == kTop + 250) return op.bx;
    return std::nullopt;
}

// The lines of the working stand where the page's layout puts them: like
// terms in columns, the combined equation under them, the first value right
// of the rule, the back-substitution from the work area's edge, the answer
// 30 right of the last value.
void expect_layout(const std::vector<Piece>& drawn, bool x_first, Program program, bool answer) {
    // The brace of the given system where the caller's label ended.
    int braces = 0;
    for (const plat::DrawOp& op : plat::display_list())
        if (op.kind == plat::OpKind::Polyline) {
            ++braces;
            ASSERT_EQ(op.pts.size(), 7u);
            const auto top = std::make_pair(label_end + 35, kTop + 5);
            const auto bottom = std::make_pair(label_end + 35, kTop + 90);
            EXPECT_TRUE((op.pts.front() == top && op.pts.back() == bottom) ||
                        (op.pts.front() == bottom && op.pts.back() == top));
            EXPECT_EQ(op.pts[3], std::make_pair(label_end + 8, kTop + 47.5f));
        }
    EXPECT_EQ(braces, 1);

    // Two rows: x terms end together, y terms end together, the right sides
    // start together, and the wider x term starts at `start`.
    auto rows = [&](float dy, float start) {
        const auto upper = on_line(drawn, dy), lower = on_line(drawn, dy + 50);
        ASSERT_EQ(upper.size(), 3u) << dy;
        ASSERT_EQ(lower.size(), 3u) << dy;
        EXPECT_EQ(upper[0].end, lower[0].end) << dy;
        EXPECT_EQ(upper[1].end, lower[1].end) << dy;
        EXPECT_EQ(upper[2].x, lower[2].x) << dy;
        EXPECT_EQ(upper[2].x, upper[1].end) << dy;
        EXPECT_EQ(std::min(upper[0].x, lower[0].x), start) << dy;
        EXPECT_EQ(std::min(upper[1].x, lower[1].x), upper[0].end) << dy;
    };
    rows(0, label_end + 40);
    rows(150, kLeft + 54);
    const auto upper = on_line(drawn, 150);
    if (upper.size() != 3) return;
    const float x_column = upper[0].end, y_column = upper[1].end;

    const auto operation = on_line(drawn, 100);
    ASSERT_EQ(operation.size(), 1u);
    EXPECT_EQ(operation[0].x, x_first ? kLeft : kLeft + 64);

    // The operation mark in front of the lower row.
    const auto mark = on_line(drawn, 206);
    ASSERT_EQ(mark.size(), 2u);
    EXPECT_EQ(mark[0].x, kLeft);
    EXPECT_EQ(mark[1].text, ")");

    // A subtraction's changed signs over the operation mark, the columns'
    // starts and the right side.
    const auto signs = on_line(drawn, 175);
    if (!signs.empty()) {
        ASSERT_EQ(signs.size(), 4u);
        EXPECT_EQ(signs[0].x, kLeft);
        EXPECT_EQ(signs[1].x, kLeft + 54);
        EXPECT_EQ(signs[2].x, x_column);
        EXPECT_EQ(signs[3].x, y_column + 27);
        EXPECT_EQ(mark[0].text, "-");
    } else {
        EXPECT_EQ(mark[0].text, "+");
    }

    // Combined equation: its term ends under its letter's column, its right
    // side starts under the rows' "="; then the first value right of the rule.
    const auto combined = on_line(drawn, 250);
    ASSERT_GE(combined.size(), 2u);
    EXPECT_EQ(combined[0].end, x_first ? x_column : y_column);
    EXPECT_EQ(combined[1].x, y_column);
    const auto rule = rule_end();
    ASSERT_TRUE(rule.has_value());
    if (combined.size() == 3) {
        float value_x = *rule + 40;
        if (program == Program::Talisse) value_x = std::max(value_x, kLeft + 340);
        // A right side that reaches the value column pushes the value on.
        if (combined[1].end >= value_x) value_x = combined[1].end + 27;
        EXPECT_EQ(combined[2].x, value_x);
        EXPECT_GT(combined[2].x, combined[1].end);
    }

    // Back-substitution from the work area's edge.
    for (float dy : {310.f, 360.f, 410.f, 460.f}) {
        const auto line = on_line(drawn, dy);
        ASSERT_FALSE(line.empty()) << dy;
        EXPECT_EQ(line[0].x, kLeft) << dy;
        for (size_t i = 1; i < line.size(); ++i) EXPECT_EQ(line[i].x, line[i - 1].end) << dy;
    }
    const auto last = on_line(drawn, 520);
    if (answer) {
        ASSERT_FALSE(last.empty());
        const float value_end = last.size() == 2 ? last[0].end : kLeft;
        if (last.size() == 2) {
            EXPECT_EQ(last[0].x, kLeft);
        }
        EXPECT_EQ(last.back().x, value_end + 30);
    }
}

struct Case {
    const char* name;
    Call call;
    float m1, m2;
    char operation;  // '+' or '-'
    char first;      // 'x' or 'y'
    float XI0;
    const char* x;
    const char* y;
    std::vector<std::string> page;
};

std::vector<Case> cases() {
    Call talisse{{1, 1, 3, 1, -1, 1}, Program::Talisse};
    Call labelled{{1, 4, 7, 7, 15, 36}, Program::Morvane, 1, 1, "③", "④"};
    Call every_step{{5, 3, -1, 2, -1, 4}, Program::Morvane, 1};
    return {
        // clang-format off
        // y first.
        {"AddedYFirst", {{3, 2, 5, -3, 5, 2}}, 1, 1, '+', 'y', 1, "1", "1",
         {"0 [0]3x+2y=5…①", "50 [0]-3x+5y=2…②", "100 [3]①+②", "150 [0]3x+2y=5",
          "200 [0]-3x+5y=2", "206 [0]+)", "250 [0]7y=7 [3]y=1", "310 [7]この値を①に代入して",
          "360 [0]3x+2*1=5", "410 [0]3x+2=5", "460 [0]3x=5-2=3", "520 [3]x=1 [5](x,y)=(1,1)"}},
        {"SubtractedXCoefficientOne", {{1, 1, 5, 1, -3, -3}}, 1, 1, '-', 'y', 1, "3", "2",
         {"0 [0]x +y=5…①", "50 [0]x-3y=-3…②", "100 [3]①-②", "150 [0]x +y=5", "175 [3]+ -+ +",
          "200 [0]x-3y=-3", "206 [0]-)", "250 [0]4y=8 [3]y=2", "310 [7]この値を①に代入して",
          "360 [0]x+1*2=5", "410 [0]x+2=5", "460 [3]x=[0]5-2=[3]3", "520 [5](x,y)=(3,2)"}},
        {"NegativeY", {{6, -1, 22, 6, 5, -2}}, 1, 1, '-', 'y', 1, "3", "-4",
         {"0 [0]6x -y=22…①", "50 [0]6x+5y=-2…②", "100 [3]①-②", "150 [0]6x -y=22",
          "175 [3]+ - - +", "200 [0]6x+5y=-2", "206 [0]-)", "250 [0]-6y=24 [3]y=-4",
          "310 [7]この値を①に代入して", "360 [0]6x-1*(-4)=22", "410 [0]6x+4=22",
          "460 [0]6x=22-4=18", "520 [3]x=3 [5](x,y)=(3,-4)"}},
        {"CombinedYCoefficientOne", {{1, 1, 19, 3, 2, 48}}, 3, 1, '-', 'y', 1, "10", "9",
         {"0 [0]x +y=19…①", "50 [0]3x+2y=48…②", "100 [3]①*3-②", "150 [0]3x+3y=57",
          "175 [3]+ - - -", "200 [0]3x+2y=48", "206 [0]-)", "250 [3]y=9",
          "310 [7]この値を①に代入して", "360 [0]x+1*9=19", "410 [0]x+9=19",
          "460 [3]x=[0]19-9=[3]10", "520 [5](x,y)=(10,9)"}},
        {"ZeroYIntoSecond", {{2, 3, -2, 3, -2, -3}}, 3, 2, '-', 'y', 2, "-1", "0",
         {"0 [0]2x+3y=-2…①", "50 [0]3x-2y=-3…②", "100 [3]①*3-②*2", "150 [0]6x+9y=-6",
          "175 [3]+ - + +", "200 [0]6x-4y=-6", "206 [0]-)", "250 [0]13y=0 [3]y=0",
          "310 [7]この値を②に代入して", "360 [0]3x-2*0=-3", "410 [0]3x+0=-3",
          "460 [0]3x=-3+0=-3", "520 [3]x=-1 [5](x,y)=(-1,0)"}},
        {"FractionsYFirst", {{2, 6, 3, 6, 3, 4}}, 3, 1, '-', 'y', 2, "ﾀ1/2ﾀ", "ﾀ1/3ﾀ",
         {"0 [0]2x+6y=3…①", "50 [0]6x+3y=4…②", "100 [3]①*3-②", "150 [0]6x+18y=9",
          "175 [3]+ - - -", "200 [0]6x +3y=4", "206 [0]-)", "250 [0]15y=5 [3]y=ﾀ1/3ﾀ",
          "310 [7]この値を②に代入して", "360 [0]6x+3*ﾀ1/3ﾀ=4", "410 [0]6x+1=4",
          "460 [0]6x=4-1=3", "520 [3]x=ﾀ1/2ﾀ [5](x,y)=(ﾀ1/2ﾀ,ﾀ1/3ﾀ)"}},
        {"XSidesOfTwoEquationsEqual", {{2, 3, 7, 2, -1, 3}}, 1, 1, '-', 'y', 2, "2", "1",
         {"0 [0]2x+3y=7…①", "50 [0]2x -y=3…②", "100 [3]①-②", "150 [0]2x+3y=7",
          "175 [3]+ - + -", "200 [0]2x -y=3", "206 [0]-)", "250 [0]4y=4 [3]y=1",
          "310 [7]この値を②に代入して", "360 [0]2x-1*1=3", "410 [0]2x-1=3", "460 [0]2x=3+1=4",
          "520 [3]x=2 [5](x,y)=(2,1)"}},
        {"CombinedYCoefficientMinusOne", {{1, 1, 11, 8, 9, 100}}, 8, 1, '-', 'y', 1, "-1", "12",
         {"0 [0]x +y=11…①", "50 [0]8x+9y=100…②", "100 [3]①*8-②", "150 [0]8x+8y=88",
          "175 [3]+ - - -", "200 [0]8x+9y=100", "206 [0]-)", "250 [0]-y=-12 [3]y=12",
          "310 [7]この値を①に代入して", "360 [0]x+1*12=11", "410 [0]x+12=11",
          "460 [3]x=[0]11-12=[3]-1", "520 [5](x,y)=(-1,12)"}},
        // The combined right side reaches the value column: the value follows it.
        {"LongRightSideYFirst", {{-3, -1, -1, -1, -2, 3}}, 1, 3, '-', 'y', 1, "1", "-2",
         {"0 [0]-3x -y=-1…①", "50 [0]-x-2y=3…②", "100 [3]①-②*3", "150 [0]-3x -y=-1",
          "175 [3]+ + + -", "200 [0]-3x-6y=9", "206 [0]-)", "250 [0]5y=-10 [3]y=-2",
          "310 [7]この値を①に代入して", "360 [0]-3x-1*(-2)=-1", "410 [0]-3x+2=-1",
          "460 [0]-3x=-1-2=-3", "520 [3]x=1 [5](x,y)=(1,-2)"}},
        // Labels of the caller, a pause at every step, no answer line.
        {"LabelsEveryStepNoAnswer", labelled, 7, 1, '-', 'y', 1, "3", "1",
         {"0 [0]x +4y=7…③", "50 [0]7x+15y=36…④", "100 [3]③*7-④", "150 [0]7x+28y=49",
          "175 [3]+ - - -", "200 [0]7x+15y=36", "206 [0]-)", "250 [0]13y=13 [3]y=1",
          "310 [7]この値を③に代入して", "360 [0]x+4*1=7", "410 [0]x+4=7", "460 [3]x=[0]7-4=[3]3"}},
        // x first.
        {"AddedXFirst", {{1, 1, 3, 1, -1, 1}}, 1, 1, '+', 'x', 1, "2", "1",
         {"0 [0]x+y=3…①", "50 [0]x-y=1…②", "100 [3]①+②", "150 [0]x+y=3", "200 [0]x-y=1",
          "206 [0]+)", "250 [0]2x =4 [3]x=2", "310 [7]この値を①に代入して", "360 [0]1*2+y=3",
          "410 [0]2+y=3", "460 [3]y[0]=3-2[3]=1", "520 [5](x,y)=(2,1)"}},
        {"SecondMultipliedIntoSecond", {{5, 3, -1, 2, -1, 4}}, 1, 3, '+', 'x', 2, "1", "-2",
         {"0 [0]5x+3y=-1…①", "50 [0]2x -y=4…②", "100 [3]①+②*3", "150 [0]5x+3y=-1",
          "200 [0]6x-3y=12", "206 [0]+)", "250 [0]11x =11 [3]x=1", "310 [7]この値を②に代入して",
          "360 [0]2*1-y=4", "410 [0]2-y=4", "460 [0]-y=4-2=2", "520 [3]y=-2 [5](x,y)=(1,-2)"}},
        {"EveryStepXFirst", every_step, 1, 3, '+', 'x', 2, "1", "-2",
         {"0 [0]5x+3y=-1…①", "50 [0]2x -y=4…②", "100 [3]①+②*3", "150 [0]5x+3y=-1",
          "200 [0]6x-3y=12", "206 [0]+)", "250 [0]11x =11 [3]x=1", "310 [7]この値を②に代入して",
          "360 [0]2*1-y=4", "410 [0]2-y=4", "460 [0]-y=4-2=2", "520 [3]y=-2 [5](x,y)=(1,-2)"}},
        {"XCoefficientOneKeptInSubstitution", {{1, -1, 8, 3, 1, 4}}, 1, 1, '+', 'x', 1, "3", "-5",
         {"0 [0]x-y=8…①", "50 [0]3x+y=4…②", "100 [3]①+②", "150 [0]x-y=8", "200 [0]3x+y=4",
          "206 [0]+)", "250 [0]4x =12 [3]x=3", "310 [7]この値を①に代入して", "360 [0]1*3-y=8",
          "410 [0]3-y=8", "460 [0]-y=8-3=5", "520 [3]y=-5 [5](x,y)=(3,-5)"}},
        {"NegativeX", {{2, -1, -1, 4, -1, -3}}, 1, 1, '-', 'x', 1, "-1", "-1",
         {"0 [0]2x-y=-1…①", "50 [0]4x-y=-3…②", "100 [3]①-②", "150 [0]2x-y=-1",
          "175 [3]+ - + +", "200 [0]4x-y=-3", "206 [0]-)", "250 [0]-2x =2 [3]x=-1",
          "310 [7]この値を①に代入して", "360 [0]2*(-1)-y=-1", "410 [0]-2-y=-1",
          "460 [0]-y=-1+2=1", "520 [3]y=-1 [5](x,y)=(-1,-1)"}},
        {"LargerLcmOfX", {{3, 2, 8, 5, -3, 7}}, 3, 2, '+', 'x', 1, "2", "1",
         {"0 [0]3x+2y=8…①", "50 [0]5x-3y=7…②", "100 [3]①*3+②*2", "150 [0]9x+6y=24",
          "200 [0]10x-6y=14", "206 [0]+)", "250 [0]19x =38 [3]x=2", "310 [7]この値を①に代入して",
          "360 [0]3*2+2y=8", "410 [0]6+2y=8", "460 [0]2y=8-6=2", "520 [3]y=1 [5](x,y)=(2,1)"}},
        {"BothMultipliedSubtracted", {{3, -7, 38, 13, -5, 38}}, 5, 7, '-', 'x', 1, "1", "-5",
         {"0 [0]3x-7y=38…①", "50 [0]13x-5y=38…②", "100 [3]①*5-②*7", "150 [0]15x-35y=190",
          "175 [3]+ - + -", "200 [0]91x-35y=266", "206 [0]-)", "250 [0]-76x =-76 [3]x=1",
          "310 [7]この値を①に代入して", "360 [0]3*1-7y=38", "410 [0]3-7y=38",
          "460 [0]-7y=38-3=35", "520 [3]y=-5 [5](x,y)=(1,-5)"}},
        {"LongRightSideXFirst", {{5, 2, -24, -12, 6, 36}}, 3, 1, '-', 'x', 1, "-4", "-2",
         {"0 [0]5x+2y=-24…①", "50 [0]-12x+6y=36…②", "100 [3]①*3-②", "150 [0]15x+6y=-72",
          "175 [3]+ + - -", "200 [0]-12x+6y=36", "206 [0]-)", "250 [0]27x =-108 [3]x=-4",
          "310 [7]この値を①に代入して", "360 [0]5*(-4)+2y=-24", "410 [0]-20+2y=-24",
          "460 [0]2y=-24+20=-4", "520 [3]y=-2 [5](x,y)=(-4,-2)"}},
        {"TalisseValueColumn", talisse, 1, 1, '+', 'x', 1, "2", "1",
         {"0 [0]x+y=3…①", "50 [0]x-y=1…②", "100 [3]①+②", "150 [0]x+y=3", "200 [0]x-y=1",
          "206 [0]+)", "250 [0]2x =4 [3]x=2", "310 [7]この値を①に代入して", "360 [0]1*2+y=3",
          "410 [0]2+y=3", "460 [3]y[0]=3-2[3]=1", "520 [5](x,y)=(2,1)"}},
        // Mended: x = 0 joins the moved term with "+" ("y=3+0=3").
        {"ZeroXJoinedWithPlus", {{1, 1, 3, 1, -1, -3}}, 1, 1, '+', 'x', 1, "0", "3",
         {"0 [0]x+y=3…①", "50 [0]x-y=-3…②", "100 [3]①+②", "150 [0]x+y=3", "200 [0]x-y=-3",
          "206 [0]+)", "250 [0]2x =0 [3]x=0", "310 [7]この値を①に代入して", "360 [0]1*0+y=3",
          "410 [0]0+y=3", "460 [3]y[0]=3+0[3]=3", "520 [5](x,y)=(0,3)"}},
        // Mended: least common multiples of pairs with a common factor.
        {"CommonFactorInX", {{4, 3, 10, 6, 5, 16}}, 3, 2, '-', 'y', 1, "1", "2",
         {"0 [0]4x+3y=10…①", "50 [0]6x+5y=16…②", "100 [3]①*3-②*2", "150 [0]12x +9y=30",
          "175 [3]+ - - -", "200 [0]12x+10y=32", "206 [0]-)", "250 [0]-y=-2 [3]y=2",
          "310 [7]この値を①に代入して", "360 [0]4x+3*2=10", "410 [0]4x+6=10",
          "460 [0]4x=10-6=4", "520 [3]x=1 [5](x,y)=(1,2)"}},
        {"CommonFactorInY", {{3, 4, 2, 5, 6, 4}}, 3, 2, '-', 'x', 1, "2", "-1",
         {"0 [0]3x+4y=2…①", "50 [0]5x+6y=4…②", "100 [3]①*3-②*2", "150 [0]9x+12y=6",
          "175 [3]+ - - -", "200 [0]10x+12y=8", "206 [0]-)", "250 [0]-x =-2 [3]x=2",
          "310 [7]この値を①に代入して", "360 [0]3*2+4y=2", "410 [0]6+4y=2",
          "460 [0]4y=2-6=-4", "520 [3]y=-1 [5](x,y)=(2,-1)"}},
        // Mended: a first value that is not whole, carried on as fractions.
        {"FractionalXCarried", {{1, 1, 2, -1, 1, -1}}, 1, 1, '-', 'x', 1, "ﾀ3/2ﾀ", "ﾀ1/2ﾀ",
         {"0 [0]x+y=2…①", "50 [0]-x+y=-1…②", "100 [3]①-②", "150 [0]x+y=2",
          "175 [3]+ + - +", "200 [0]-x+y=-1", "206 [0]-)", "250 [0]2x =3 [3]x=ﾀ3/2ﾀ",
          "310 [7]この値を①に代入して", "360 [0]1*ﾀ3/2ﾀ+y=2", "410 [0]ﾀ3/2ﾀ+y=2",
          "460 [3]y[0]=2-ﾀ3/2ﾀ[3]=ﾀ1/2ﾀ", "520 [5](x,y)=(ﾀ3/2ﾀ,ﾀ1/2ﾀ)"}},
        {"FractionalYCarried", {{2, 3, 1, 2, -2, 3}}, 1, 1, '-', 'y', 2, "ﾀ11/10ﾀ", "-ﾀ2/5ﾀ",
         {"0 [0]2x+3y=1…①", "50 [0]2x-2y=3…②", "100 [3]①-②", "150 [0]2x+3y=1",
          "175 [3]+ - + -", "200 [0]2x-2y=3", "206 [0]-)", "250 [0]5y=-2 [3]y=-ﾀ2/5ﾀ",
          "310 [7]この値を②に代入して", "360 [0]2x-2*(-ﾀ2/5ﾀ)=3", "410 [0]2x+ﾀ4/5ﾀ=3",
          "460 [0]2x=3-ﾀ4/5ﾀ=ﾀ11/5ﾀ", "520 [3]x=ﾀ11/10ﾀ [5](x,y)=(ﾀ11/10ﾀ,-ﾀ2/5ﾀ)"}},
        // clang-format on
    };
}

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class Working : public ::testing::TestWithParam<Case> {};

TEST_P(Working, SolvesAndLaysOutTheWorking) {
    const Case& c = GetParam();
    const bool x_first = c.first == 'x';
    const int pauses = 4 + (c.call.AA == 1 ? (x_first ? 4 : 9) : 0);

    // One key short: the working stops at its last pause.
    EXPECT_FALSE(run(c.call, pauses - 1));
    ASSERT_TRUE(run(c.call, pauses));
    EXPECT_EQ(plat::pending_keys(), 0u);

    EXPECT_EQ(G.GX3(5), c.m1);
    EXPECT_EQ(G.GX3(6), c.m2);
    EXPECT_EQ(G.F(1), c.operation == '+' ? 1 : -1);
    EXPECT_EQ(G.T(5) == 0, !x_first);
    EXPECT_EQ(G.T(6) == 0, x_first);
    EXPECT_EQ(G.XI0, c.XI0);
    EXPECT_EQ(utf8(G.REI0Y$), c.x);
    EXPECT_EQ(utf8(G.N$), c.y);
    // The value texts are made x first, then y, whose sign is left behind.
    EXPECT_EQ(G.DB1, c.y[0] == '-' ? -1 : 1);
    // The column layout moved the multiplied rows' column stops.
    EXPECT_EQ(G.Y7(5), kLeft + 54);

    const auto drawn = pieces();
    EXPECT_EQ(page(drawn), c.page);
    const bool answer = c.call.LLT != 1;
    expect_layout(drawn, x_first, c.call.program, answer);

    // What the caller gets back: the cursor after the last text, the
    // sentence's end, the labels emptied and the pause switch cleared.
    ASSERT_FALSE(drawn.empty());
    const Piece* sentence = nullptr;
    for (const Piece& p : drawn)
        if (p.y == kTop + 310) sentence = &p;
    ASSERT_NE(sentence, nullptr);
    EXPECT_EQ(G.GX3(1), sentence->end);
    EXPECT_EQ(G.GY3(1), kTop + 310);
    EXPECT_EQ(G.B1, kLeft);
    EXPECT_EQ(G.B2, kTop + 520);
    const auto last = on_line(drawn, 520);
    EXPECT_EQ(G.YI1, last.empty() ? kLeft : last.back().end);
    EXPECT_EQ(G.YMOTO, answer ? 5 : 3);
    EXPECT_TRUE(G.CCC3$.empty());
    EXPECT_TRUE(G.ENZAN$.empty());
    EXPECT_EQ(G.AA, 0);
    EXPECT_EQ(G.LLT, c.call.LLT);
}

INSTANTIATE_TEST_SUITE_P(Systems, Working, ::testing::ValuesIn(cases()),
                         [](const auto& info) { return std::string(info.param.name); });

// The texts the x-first working is built from, each coefficient in the form
// its place on the page wants.
TEST(WorkingTexts, CoefficientMultiplierAndSignTexts) {
    struct TextCase {
        System system;
        std::vector<float> back;         // F(14), F(15), F(16), T(27), T(28), F(23)
        std::vector<std::string> a1;     // A1$(1)..A1$(6), A1$(21)..A1$(28)
        std::vector<std::string> signs;  // TITLE$(1)..TITLE$(4)
        std::string x_sub, y_sub;        // A21$, A41$
    };
    const std::vector<TextCase> table = {
        {{5, 3, -1, 2, -1, 4},
         {2, -2, 2, 2, -1, 4},
         {"5", "+3", "6", "-3", "11", "0", "5", "+3", "2", "-", "", "*3", "2", "-"},
         {"+", "-", "+", "-"},
         "1",
         "(-2)"},
        {{2, -1, -1, 4, -1, -3},
         {-2, 2, 1, 2, -1, -1},
         {"2", "-", "4", "-", "-2", "0", "2", "-", "4", "-", "", "", "2", "-"},
         {"-", "-", "+", "+"},
         "(-1)",
         "(-1)"},
        {{1, -1, 8, 3, 1, 4},
         {3, -3, 5, 1, -1, 8},
         {"", "-", "3", "+", "4", "0", "", "-", "3", "+", "", "", "1", "-"},
         {"+", "-", "-", "-"},
         "3",
         "(-5)"},
    };
    for (const TextCase& tc : table) {
        SCOPED_TRACE(testing::Message() << tc.system.a1 << "x+" << tc.system.b1 << "y=" << tc.system.c1);
        ASSERT_TRUE(run(Call{tc.system}, 4));
        EXPECT_EQ((std::vector<float>{G.F(14), G.F(15), G.F(16), G.T(27), G.T(28), G.F(23)}), tc.back);
        std::vector<std::string> a1;
        for (int k : {1, 2, 3, 4, 5, 6, 21, 22, 23, 24, 25, 26, 27, 28}) a1.push_back(utf8(G.A1$(k)));
        EXPECT_EQ(a1, tc.a1);
        EXPECT_EQ((std::vector<std::string>{G.TITLE$(1), G.TITLE$(2), G.TITLE$(3), G.TITLE$(4)}), tc.signs);
        EXPECT_EQ(utf8(G.A21$), tc.x_sub);
        EXPECT_EQ(utf8(G.A41$), tc.y_sub);
    }
}

// The working waits at its main steps, and at every step when asked: after
// k keys the page ends with the piece drawn just before the (k+1)th pause.
TEST(WorkingPauses, FallBetweenTheSteps) {
    struct PauseCase {
        Call call;
        std::vector<std::string> last_piece;  // after 0, 1, 2, ... keys
    };
    const std::vector<PauseCase> table = {
        {{{5, 3, -1, 2, -1, 4}}, {"=4…②", "①+②*3", "x=1", "この値を②に代入して", "(x,y)=(1,-2)"}},
        {{{5, 3, -1, 2, -1, 4}, Program::Morvane, 1},
         {"=4…②", "①+②*3", "=12", "=11", "x=1", "この値を②に代入して", "-y", "=2", "(x,y)=(1,-2)"}},
        {{{6, -1, 22, 6, 5, -2}}, {"=-2…②", "①-②", "y=-4", "この値を①に代入して", "(x,y)=(3,-4)"}},
        {{{6, -1, 22, 6, 5, -2}, Program::Morvane, 1},
         {"=-2…②", "①-②", "=-2", "+", "=24", "y=-4", "この値を①に代入して", "6x-1*(-4)=22", "6x+4=22",
          "6x=", "22-4=", "18", "x=3", "(x,y)=(3,-4)"}},
        // Talisse waits at the same steps.
        {{{6, -1, 22, 6, 5, -2}, Program::Talisse}, {"=-2…②", "①-②", "y=-4", "この値を①に代入して", "(x,y)=(3,-4)"}},
    };
    for (const PauseCase& pc : table) {
        for (size_t keys = 0; keys < pc.last_piece.size(); ++keys) {
            const bool done = run(pc.call, static_cast<int>(keys));
            EXPECT_EQ(done, keys + 1 == pc.last_piece.size()) << keys;
            const auto drawn = pieces();
            ASSERT_FALSE(drawn.empty());
            EXPECT_EQ(drawn.back().text, pc.last_piece[keys]) << "after " << keys << " keys";
        }
    }
}

// Systems outside what the working can show are refused with "解けません"
// under the caller's line, without a pause and without dividing by zero.
TEST(WorkingRefuses, SystemsWithoutOneWholeSolution) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const std::vector<System> systems = {
        {0, 2, 4, 1, 1, 3},      // no x in the first equation
        {1, 1, 3, 1, 0, 1},      // no y in the second
        {1.5f, 1, 2, 1, -1, 1},  // a coefficient that is not whole
        {1, 1, 2.5f, 1, -1, 1},  // a right side that is not whole
        {2, 4, 6, 1, 2, 3},      // the same equation twice
        {2, 4, 6, 1, 2, 5},      // parallel: no solution
        {nan, 1, 2, 1, -1, 1},
        {1, 1, inf, 1, -1, 1},
        {3e7f, 1, 2, 1, -1, 1},  // too large to be held exactly
        // Working numbers too large to be held exactly: a multiplied right
        // side, and the product of the first value's numerator and its
        // coefficient in the receiving equation.
        {1, 2, 16000000, 7, 3, 1},
        {3, 1, 12000001, 3, -1, 1},
    };
    for (const System& s : systems) {
        SCOPED_TRACE(testing::Message() << s.a1 << "x+" << s.b1 << "y=" << s.c1 << ", " << s.a2 << "x+" << s.b2
                                        << "y=" << s.c2);
        Call call{s};
        call.AA = 1;
        call.label1 = "③";
        ASSERT_TRUE(run(call, 0));  // no key is wanted
        const auto drawn = pieces();
        ASSERT_EQ(drawn.size(), 1u);
        EXPECT_EQ(drawn[0].text, "解けません");
        EXPECT_EQ(drawn[0].x, kLeft);
        EXPECT_EQ(drawn[0].y, kTop + 50);
        EXPECT_EQ(drawn[0].colour, 3);
        EXPECT_EQ(G.B2, kTop);
        EXPECT_EQ(G.YI1, label_end);
        EXPECT_EQ(G.YMOTO, 3);
        EXPECT_TRUE(G.CCC3$.empty());
        EXPECT_TRUE(G.ENZAN$.empty());
        EXPECT_EQ(G.AA, 0);
    }
}

// Large numbers that are still held exactly are worked as usual.
TEST(WorkingLargeNumbers, SolvedWhileHeldExactly) {
    struct LargeCase {
        System system;
        const char* x;
        const char* y;
    };
    const std::vector<LargeCase> table = {
        {{1, 1, 10000000, 1, -1, 6000000}, "8000000", "2000000"},
        {{3, 1, 4000000, 3, -1, 1}, "ﾀ4000001/6ﾀ", "ﾀ3999999/2ﾀ"},
    };
    for (const LargeCase& lc : table) {
        SCOPED_TRACE(lc.x);
        ASSERT_TRUE(run(Call{lc.system}, 4));
        EXPECT_EQ(utf8(G.REI0Y$), lc.x);
        EXPECT_EQ(utf8(G.N$), lc.y);
    }
}

}  // namespace
