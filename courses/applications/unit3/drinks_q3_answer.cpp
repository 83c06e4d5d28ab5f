// Section ②: the worked answer of textbook question 3, tea and sports drinks.
// A table of the quantities filled cell by cell, the two equations, the
// second cleared of its denominators, the solver's working and the answer.
#include "courses/applications/unit3/unit3.h"
#include "engine/shell/page.h"
#include "engine/solver/hand_over.h"

using namespace page;

namespace {

// The table: the label column at GY5(11), 266 wide, the data columns from
// GY5(12), 152 wide each; the rows' tops in t0014(11..14).
float column(int k) { return G.GY5(12) + 152 * static_cast<float>(k - 1); }
float row(int r) { return G.t0014(static_cast<float>(10 + r)); }

// A row's label cell and its three data cells, still to be filled in (the
// third of them holds one blank when `blank_last`). The working goes on
// under the table.
void empty_row(int r, float height, const Str& label, bool blank_last) {
    cell(G.GY5(11), row(r), 266, height, 13, 0, label);
    for (int k = 1; k <= 3; ++k) cell(column(k), row(r), 152, height, 15, 0, k == 3 && blank_last ? Str(" ") : Str());
}

// The data row r filled from A1$(1..3), each cell after a key, while the
// working stays where it is.
void fill_row(int r, float height) {
    for (G.A1 = 1; G.A1 <= 3; G.A1 = G.A1 + 1) {
        pause();
        fixed_cell(column(static_cast<int>(G.A1)), row(r), 152, height, 15, 0, G.A1$(G.A1));
    }
}

void set_row_texts(const Str& first, const Str& second, const Str& third) {
    G.A1$(1) = first;
    G.A1$(2) = second;
    G.A1$(3) = third;
}

}  // namespace

void DRINKS_Q3_ANSWER() {
    clear(0, 0, 1600, 1800);
    G.B1 = 38;
    G.B2 = 30;
    draw::set_width(5);
    at(3, G.B1, G.B2, SJ("教科書P51 問3"));
    pause();

    G.GY5(11) = G.B1;
    G.GY5(12) = G.GY5(11) + 266;
    G.t0014(11) = G.B2 + 70;
    G.t0014(12) = G.t0014(11) + 50;
    G.t0014(13) = G.t0014(12) + 50;
    G.t0014(14) = G.t0014(13) + 50;
    cell(G.GY5(11), row(1), 266, 50, 14, 0, {});
    set_row_texts(SJ("お茶"), SJ("ドリンク"), SJ("合計"));
    for (int k = 1; k <= 3; ++k) cell(column(k), row(1), 152, 50, 13, 0, G.A1$(static_cast<float>(k)));
    empty_row(2, 50, SJ("先月の本数(本)"), false);
    empty_row(3, 50, SJ("今月の割合(％)"), true);
    empty_row(4, 70, SJ("今月の本数(本)"), true);

    line(0, 80, SJ("先月売れたお茶をx本、"));
    line(0, 50, SJ("スポーツドリンクをy本とすると"));
    pause();
    set_row_texts("x", "y", "400");
    fill_row(2, 50);
    pause();
    set_row_texts("80", "90", SJ("／"));
    fill_row(3, 50);
    set_row_texts(SJ("ﾀ80/100ﾀx"), SJ("ﾀ90/100ﾀy"), "345");
    fill_row(4, 70);
    pause();

    line(0, 50, SJ("先月売れた本数の関係から　"));
    pause();
    cont(3, SJ("x+y=400…①"));
    pause();
    line(0, 50, SJ("今月売れた本数の関係から"));
    pause();
    line(3, 70, SJ("ﾀ80/100ﾀx+ﾀ90/100ﾀy=345…②"));
    pause();

    // The right column.
    G.B1 = 798;
    G.B2 = 30;
    pause();
    at(0, G.B1, G.B2, SJ("②の分母をはらって"));
    pause();
    line(0, 60, SJ("10*ﾀ80/100ﾀx+"));
    line(0, 80, SJ(" 10*ﾀ90/100ﾀy=10*345"));
    pause();
    line(3, 70, SJ("8x+9y=3450…③"));
    pause();
    pause();

    // The table and the left column go; the right column stays beside the
    // working.
    clear(0, 0, 760, 1800);
    G.II = 40;
    G.B1 = G.II + 27;
    G.B2 = 30;
    G.YMOTO = 3;
    blank(G.II, G.B2, " ");
    G.GX3(5) = 8;
    G.GX3(6) = 1;
    solve({1, 1, 400, 8, 9, 3450}, SJ("①"), SJ("③"));
    pause();
    line(0, 50, SJ("この解は問題にあっている。"));
    fixed(5, 646, G.B2 - 50, SJ("答　先月売れたお茶が150本,"));
    at(5, 646, G.B2, SJ("　　スポーツドリンクが250本"));
}
