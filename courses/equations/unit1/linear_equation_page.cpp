// Section ②: the equation 4x+3y=36, its table of solutions, and what a
// linear equation in two unknowns and its solution are.
#include "courses/equations/unit1/unit1.h"
#include "engine/shell/page.h"

using namespace page;

namespace {

// The left edge of the table's column for x = k.
float column_x(float k) { return G.GY5(2) + 76 * k; }

}  // namespace

void UNIT1_LINEAR_EQUATION_PAGE() {
    clear(0, 0, 1320, 1300);
    G.B1 = 40;
    G.B2 = 30;
    draw::set_width(5);

    at(7, G.B1, G.B2, SJ("Q1 "));
    cont(0, SJ("4人班を"));
    cont(3, SJ("x班,"));
    cont(0, SJ("3人班を"));
    cont(3, SJ("y班"));
    cont(0, SJ("として等式をつくりなさい。"));
    at(0, G.B1 + 64, G.B2 + 50, SJ("クラスの人数が36人 だから　"));
    pause();
    cont(3, SJ("4x+3y=36…①"));
    pause();
    cont(7, SJ(" 問１をしなさい。"));

    // The table of x against y, with only the first two values of y shown;
    // it stands beside the working, which goes on from the line above it.
    G.GY5(1) = G.B1 + 270;
    G.GY5(2) = G.GY5(1) + 76;
    G.t0014(1) = G.B2 + 70;
    G.t0014(2) = G.t0014(1) + 50;
    fixed_cell(G.GY5(1), G.t0014(1), 76, 50, 13, 0, SJ("x"));
    for (G.A1 = 0; G.A1 <= 8; G.A1 = G.A1 + 1) fixed_cell(column_x(G.A1), G.t0014(1), 76, 50, 15, 0, number_text(G.A1));
    for (G.A1 = 0; G.A1 <= 8; G.A1 = G.A1 + 1) {
        G.X = 36 - 4 * G.A1;
        G.R1B = 3;
        REDUCE_FRACTION();
        G.X$(G.A1) = G.T$;
    }
    fixed_cell(G.GY5(1), G.t0014(2), 76, 80, 13, 0, SJ("y"));
    for (G.A1 = 0; G.A1 <= 8; G.A1 = G.A1 + 1)
        fixed_cell(column_x(G.A1), G.t0014(2), 76, 80, 15, 0, G.A1 <= 1 ? G.X$(G.A1) : Str());

    pause();
    line(0, 50, SJ("3y="));
    pause();
    cont(0, SJ("36-4x"));
    pause();
    fixed(3, G.B1, G.B2 + 70, SJ("y=ﾀ36-4x/3ﾀ"));

    // The other values of y, one per key; the working goes on under the
    // table, from its last cell.
    pause();
    for (G.A1 = 2; G.A1 <= 8; G.A1 = G.A1 + 1) {
        pause();
        cell(column_x(G.A1), G.t0014(2), 76, 80, 15, 0, G.X$(G.A1));
    }

    pause();
    line(7, 80, SJ("<二元一次方程式、解>"));
    pause();
    line(0, 60, SJ("1 "));
    cont(5, SJ("二元一次方程式"));
    cont(0, SJ("…2つの文字をふくむ一次方程式  例 "));
    cont(3, SJ("4x+3y=36"));
    pause();
    line(0, 60, SJ("2 "));
    cont(5, SJ("解"));
    cont(0, SJ("…二元一次方程式を成り立たせる"));
    cont(3, SJ("文字の値の組"));
    cont(0, SJ("  例 "));
    cont(3, SJ("(0,12) "));
    pause();
    at(0, G.B1 + 64, G.B2 + 60, SJ("4x+3y=36の 左辺にx=0,y=12を代入すると"));
    pause();
    at(0, G.B1 + 64, G.B2 + 50, SJ("4x+3y=4*0+3*12=36 "));
    pause();
    cont(3, SJ("左辺＝右辺"));
    cont(0, SJ("となり、方程式が成り立つ"));
    pause();
    at(0, G.B1 + 64, G.B2 + 70, SJ("(1,ﾀ32/3ﾀ),(2,ﾀ28/3ﾀ),… などは、すべて解である。"));
}
