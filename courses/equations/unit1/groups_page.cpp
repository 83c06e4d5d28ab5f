// Section ①: 36 pupils in 10 groups of four or of three. Solved once by a
// table of every case and once by an equation in x.
#include "courses/equations/unit1/unit1.h"
#include "engine/shell/page.h"

using namespace page;

namespace {

// Value cell of the table: row 1 to 3, column k = 0 to 10 (groups of four).
// The table stands under the working, which goes on above and beside it.
void groups_cell(float row, float k, float fill, float text_colour, const Str& text) {
    fixed_cell(G.GY5(k + 2), G.t0014(row), 60, 50, fill, text_colour, text);
}

}  // namespace

void UNIT1_GROUPS_PAGE() {
    clear(0, 0, 1320, 1300);
    G.B1 = 36;
    G.B2 = 15;
    draw::set_width(5);

    at(0, G.B1, G.B2, SJ("P34 "));
    cont(3, SJ("4人班,3人班の数は？"));
    pause();
    cont(7, SJ("(36人を10班に分けるとき)"));
    pause();

    // The table of cases: header column, then one column per number of
    // groups of four; only the first row is filled in at first.
    G.GY5(1) = 36;
    G.GY5(2) = 226;
    for (G.A1 = 3; G.A1 <= 13; G.A1 = G.A1 + 1) G.GY5(G.A1) = G.GY5(G.A1 - 1) + 60;
    G.t0014(1) = G.B2 + 180;
    G.t0014(2) = G.B2 + 230;
    G.t0014(3) = G.B2 + 280;
    const Str headers[3] = {SJ("4人班の数"), SJ("3人班の数"), SJ("合計人数")};
    for (int row = 1; row <= 3; ++row) {
        fixed_cell(G.GY5(1), G.t0014(row), 190, 50, 13, 0, headers[row - 1]);
        for (G.A1 = 0; G.A1 <= 10; G.A1 = G.A1 + 1) groups_cell(row, G.A1, 15, 0, row == 1 ? number_text(G.A1) : Str());
    }

    // First way: try five groups of four.
    line(7, 50, SJ("考え①"));
    G.GX3(1) = G.YI1;
    G.GY3(1) = G.B2;
    pause();
    at(0, G.GX3(1) + 30, G.GY3(1), SJ("4人班が5班のとき、3人班は　"));
    pause();
    cont(0, SJ("10-5=5(班)"));
    groups_cell(2, 5, 15, 0, SJ("5"));
    pause();
    at(0, G.GX3(1) + 30, G.B2 + 50, SJ("合計人数は "));
    pause();
    cont(0, SJ("4*5+3*5=20+15=35(人)"));
    groups_cell(3, 5, 15, 0, SJ("35"));
    pause();

    // Then every case, cell by cell.
    for (G.A1 = 0; G.A1 <= 10; G.A1 = G.A1 + 1) {
        pause();
        groups_cell(2, G.A1, 15, 0, number_text(10 - G.A1));
    }
    pause();
    for (G.A1 = 0; G.A1 <= 10; G.A1 = G.A1 + 1) {
        pause();
        groups_cell(3, G.A1, 15, 0, number_text(4 * G.A1 + 3 * (10 - G.A1)));
    }
    pause();

    // The case that makes 36.
    groups_cell(1, 6, 13, 5, SJ("6"));
    groups_cell(2, 6, 13, 5, SJ("4"));
    groups_cell(3, 6, 13, 5, SJ("36"));
    pause();

    // Second way: an equation in x.
    at(7, G.B1, G.t0014(3) + 70, SJ("考え②"));
    pause();
    at(0, G.YI1 + 30, G.B2, SJ("4人班がx班とすると、3人班は　"));
    pause();
    line(0, 50, SJ("(10-x)班で、合計人数が36人だから"));
    pause();
    line(0, 60, SJ("4x+3(10-x)=36"));
    G.GY5(1) = G.YI1;
    G.t0014(1) = G.B2;
    pause();
    line(0, 60, SJ("4x+30-3x=36"));
    pause();
    line(0, 60, SJ("4x-3x=36-30"));
    pause();

    // The rest to the right of the equation.
    G.B1 = G.GY5(1) + 30;
    G.B2 = G.t0014(1);
    at(0, G.B1, G.B2, SJ("x=6"));
    pause();
    line(0, 60, SJ("3人班は 10-6=4"));
    pause();
    line(5, 60, SJ("答　4人班が 6班　　3人班が 4班"));
}
