// The row of changed signs over the subtracted row of a column subtraction:
// drawn from its specified place, each sign small, nearer the row whose signs
// it changes than the row above, so that none merges with a sign or a digit
// of either row ("4x+y" over "x+y" once read "4x±y") nor reads as an
// underline of the row above.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "engine/text/chain.h"
#include "tests/common/course_harness.h"
#include "tests/common/sign_rows.h"
#include "tests/solver/headless_solver.h"

namespace {

using namespace solver_test;
using probe::SignRow;

// Strokes of colour 3 that start within the band of a sign row.
std::vector<plat::DrawOp> sign_strokes(float y) {
    std::vector<plat::DrawOp> out;
    for (const plat::DrawOp& op : plat::display_list())
        if (op.kind == plat::OpKind::Line && op.colour == 3 && op.ay >= y && op.ay < y + 50) out.push_back(op);
    return out;
}

struct Case {
    const char* name;
    System system;
};

TEST(SignRows, SmallSignsInTheirColumnsClearOfBothRows) {
    const Case cases[] = {
        {"x_first_4x+y", {4, 1, 4, 1, 1, -5}},           {"y_first_2x+3y", {2, 3, 1, 2, -2, 3}},
        {"x_first_multiplied", {3, -7, 38, 13, -5, 38}}, {"y_first_multiplied", {6, -1, 22, 6, 5, -2}},
        {"x_first_negative", {-3, 2, 1, -5, 2, 3}},      {"y_first_large", {12, -10, 56, 12, 7, 5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(run(Call(c.system), 10));
        const std::vector<SignRow> rows = probe::sign_rows();
        ASSERT_FALSE(rows.empty());
        harness::save_png(std::string("sign-row-") + c.name);
        for (const SignRow& row : rows) {
            // Listed at its own place, with its own text.
            EXPECT_NEAR(row.end - row.x, 27.0f * static_cast<float>(row.signs.size()), 0.01f);
            // Each stroke lies inside the 27-wide cell of its sign.
            const auto strokes = sign_strokes(row.y);
            for (const plat::DrawOp& s : strokes) {
                const float half = s.width / 2;
                const float l = std::min(s.ax, s.bx) - half, r = std::max(s.ax, s.bx) + half;
                const int cell = static_cast<int>(std::floor((l - row.x) / 27));
                if (cell < 0 || cell >= static_cast<int>(row.signs.size())) continue;  // another row's
                EXPECT_NE(row.signs[static_cast<size_t>(cell)], ' ');
                EXPECT_GE(l, row.x + 27.0f * static_cast<float>(cell));
                EXPECT_LE(r, row.x + 27.0f * static_cast<float>(cell + 1));
            }
        }
        EXPECT_EQ(probe::expect_sign_rows_placed(), rows.size());
    }
}

// A fixed page's row of several signs is one text, each sign in its cell.
TEST(SignRows, ARowOfSeveralSignsKeepsItsTextAndPlace) {
    plat::use_headless({"", std::nullopt, std::nullopt});
    reset_globals();
    create_shared_arrays();
    FE$SETDRAWWIDTH(0, 3);
    page::sign_row(3, 40, 205, SJ("+-  -  -"));
    const auto rows = probe::sign_rows();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].signs, "+-  -  -");
    EXPECT_EQ(rows[0].x, 40);
    EXPECT_EQ(rows[0].y, 205);
    EXPECT_EQ(rows[0].end, 40 + 8 * 27);
    EXPECT_EQ(G.DSM1, 40 + 8 * 27);
    EXPECT_EQ(FE$GETDRAWWIDTH(0), 3);  // the caller's width is back
    // One stroke for each "-", two for the "+", centred in their cells.
    const auto strokes = sign_strokes(205);
    ASSERT_EQ(strokes.size(), 5u);
    for (const plat::DrawOp& s : strokes) {
        const float centre = (s.ax + s.bx) / 2;
        const float cell_centre = 40 + 27 * std::floor((centre - 40) / 27) + 13.5f;
        EXPECT_FLOAT_EQ(centre, cell_centre);
    }
}

}  // namespace
