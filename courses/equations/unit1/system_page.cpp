// Section ③: the tables of 4x+3y=36 and x+y=10 share the pair (6,4); then
// what a system, its solution and solving it are.
#include "courses/equations/unit1/unit1.h"
#include "engine/shell/page.h"

using namespace page;

namespace {

// A table of x = 0 to 8 against y whose question line is at B2, in the
// columns both tables share. The x row is filled in; the y row holds the
// texts `y_text` gives (empty for an empty cell), and the cursor follows its
// cells, so that the next question starts under the y row.
template <class YText>
void solutions_table(float y_row_height, YText y_text) {
    G.GY5(1) = G.B1 + 76;
    G.GY5(2) = G.GY5(1) + 76;
    G.t0014(1) = G.B2 + 70;
    G.t0014(2) = G.t0014(1) + 50;
    cell(G.GY5(1), G.t0014(1), 76, 50, 13, 0, SJ("x"));
    for (G.A1 = 0; G.A1 <= 8; G.A1 = G.A1 + 1) cell(G.GY5(2) + 76 * G.A1, G.t0014(1), 76, 50, 15, 0, number_text(G.A1));
    cell(G.GY5(1), G.t0014(2), 76, y_row_height, 13, 0, SJ("y"));
    for (G.A1 = 0; G.A1 <= 8; G.A1 = G.A1 + 1) {
        const Str text = y_text(G.A1);
        cell(G.GY5(2) + 76 * G.A1, G.t0014(2), 76, y_row_height, 15, 0, text);
    }
}

}  // namespace

void UNIT1_SYSTEM_PAGE() {
    clear(0, 0, 1320, 1300);
    G.B1 = 40;
    G.B2 = 30;
    draw::set_width(5);

    // Q1: the solutions of 4x+3y=36 again, all at once.
    at(7, G.B1, G.B2, SJ("Q1 "));
    cont(3, SJ("4x+3y=36…①"));
    for (int i = 1; i <= 4; ++i) G.GX3(static_cast<float>(i)) = G.B1 + 76 + 532;
    G.GY3(1) = G.B2 + 70;
    G.GY3(2) = G.B2 + 120;
    solutions_table(80, [](float k) {
        G.X = 36 - 4 * k;
        G.R1B = 3;
        REDUCE_FRACTION();
        return G.T$;
    });
    pause();

    // Q2: ten groups in all.
    line(7, 90, SJ("Q2 "));
    cont(0, SJ("あわせて"));
    cont(3, SJ("10班"));
    cont(0, SJ("から等式をつくりなさい。"));
    pause();
    at(3, G.B1 + 64, G.B2 + 50, SJ("x+y=10…②"));
    pause();
    cont(7, SJ(" 問2をしなさい。"));
    G.GY3(3) = G.B2 + 70;
    G.GY3(4) = G.B2 + 120;
    solutions_table(50, [](float) { return Str(); });
    pause();
    for (G.A1 = 0; G.A1 <= 8; G.A1 = G.A1 + 1) {
        pause();
        cell(G.GY5(2) + 76 * G.A1, G.t0014(2), 76, 50, 15, 0, number_text(10 - G.A1));
    }
    pause();
    at(7, G.B1 + 64, G.B2 + 60, SJ(" 問3をしなさい。"));
    pause();

    // The pair both tables share, highlighted; the cursor stays.
    const float heights[4] = {50, 80, 50, 50};
    const char* const texts[4] = {"6", "4", "6", "4"};
    for (int i = 0; i < 4; ++i)
        fixed_cell(G.GX3(static_cast<float>(i + 1)), G.GY3(static_cast<float>(i + 1)), 76, heights[i], 11, 5, texts[i]);
    pause();
    line(3, 80, SJ("(6,4) は①と②の共通な解になっている。"));
    line(5, 50, SJ("二元一次方程式の解は、組み合わせると1つに決まる。"));
    pause();
    pause();

    // Second page: the definitions.
    clear(0, 0, 1320, 1300);
    G.B1 = 44;
    G.B2 = 30;
    at(3, G.B1, G.B2, SJ("<連立方程式、解>"));
    pause();
    line(0, 60, SJ("1 "));
    cont(5, SJ("連立方程式"));
    cont(0, SJ("…2つの方程式を組にしたもの"));
    at(0, G.B1 + 64, G.B2 + 50, SJ("例　"));
    braced_system(G.YI1, G.B2, SJ("4x+3y=36…①"), SJ("x+y=10…②"), 40, 50, 3);
    pause();
    line(0, 60, SJ("2 "));
    cont(5, SJ("解"));
    cont(0, SJ("…2つの方程式のどちらも成り立たせる"));
    cont(3, SJ("文字の値の組"));
    at(0, G.B1 + 64, G.B2 + 50, SJ("例　"));
    cont(3, SJ("(6,4) "));
    pause();
    line(0, 60, SJ("3 "));
    cont(5, SJ("連立方程式を解く"));
    cont(0, SJ("…解を求めること"));
}
