// Section ①: a drill of participation-rate problems. A year of boys and
// girls, how many took part in volunteer work and the two rates; the page
// fills a table cell by cell, writes the equations (the second with
// fractions, multiplied by 100 and divided by a common factor) and lets the
// solver find the numbers of boys and girls.
#include "courses/applications/unit3/unit3.h"
#include "engine/shell/page.h"
#include "engine/solver/hand_over.h"

using namespace page;

namespace {

// The participation table: a heading column and three data columns.
constexpr float kColumns[3] = {200, 328, 456};
constexpr float kTableTop = 400;

// Draws the rates and the counts until the number of students who took part
// is whole (the two shares may each end in .5). The counts of boys and girls
// are not kept: the solver finds them again.
void draw_numbers() {
    do {
        G.T(1) = 5 * plat::random_whole(5, 8);
        G.T(2) = 5 * plat::random_whole(5, 11);
        if (G.T(2) == G.T(1)) G.T(2) = G.T(2) + 5;
        const float boys = 10 * plat::random_whole(4, 6);
        const float girls = 10 * plat::random_whole(4, 6);
        G.T(3) = boys + girls;
        G.T(4) = G.T(1) * boys / 100;
        G.T(5) = G.T(2) * girls / 100;
        G.T(6) = G.T(4) + G.T(5);
    } while (G.T(6) - $PnFInt(G.T(6)) > 0);
}

void make_problem() {
    draw_numbers();
    // The rates as fractions in lowest terms, and the least common
    // denominator L that clears both: k1 x + k2 y = L·P.
    G.X = G.T(1);
    G.R1B = 100;
    REDUCE_FRACTION();
    G.T(7) = G.R1B;
    G.T(8) = G.X;
    G.X = G.T(2);
    G.R1B = 100;
    REDUCE_FRACTION();
    G.T(9) = G.R1B;
    G.T(10) = G.X;
    G.A31 = G.T(7);
    G.DS = G.T(8);
    G.LB8 = G.T(9);
    G.YAK1 = G.T(10);
    COMBINE_FRACTIONS();
    G.T(11) = G.R1B;
    G.T(12) = G.KJ2;
    G.T(13) = G.X2;
    G.T(14) = G.T(11) * G.T(6);
    G.T(15) = G.T(1) / G.T(12);
    NUMBERS_TO_TEXT();
}

// A table row of its heading cell and three empty cells.
void empty_row(float y, float height, const Str& heading) {
    cell(40, y, 160, height, 13, 0, heading);
    for (float x : kColumns) cell(x, y, 128, height, 15, 0, {});
}

// The row's three cells filled in one by one, each after a key.
void fill_row(float y, float height, const Str (&texts)[3]) {
    for (int i = 0; i < 3; ++i) {
        pause();
        fixed_cell(kColumns[i], y, 128, height, 15, 0, texts[i]);
    }
}

void show_question_and_table() {
    clear(0, 0, 680, 1800);
    at(3, 40, 30, SJ("例題2 "));
    cont(0, SJ("ある中学校の2年生の生徒数は"));
    at(0, 40, G.B2 + 50, SJ("男女あわせて") + G.A1$(3) + SJ("人です。そのうち、"));
    at(0, 40, G.B2 + 50, SJ("ボランティア活動に参加したことの"));
    at(0, 40, G.B2 + 50, SJ("ある生徒は") + G.A1$(6) + SJ("人で、男子の") + G.A1$(1) + SJ("％、"));
    at(0, 40, G.B2 + 50, SJ("女子の") + G.A1$(2) + SJ("％にあたります。"));
    at(0, 40, G.B2 + 50, SJ("この中学校の男子と女子の"));
    at(0, 40, G.B2 + 50, SJ("生徒数をそれぞれ求めなさい。"));
    pause();

    cell(40, kTableTop, 160, 50, 13, 0, {});
    const Str headings[3] = {SJ("男子"), SJ("女子"), SJ("合計")};
    for (int i = 0; i < 3; ++i) cell(kColumns[i], kTableTop, 128, 50, 13, 0, headings[i]);
    empty_row(kTableTop + 50, 50, SJ("全体(人)"));
    empty_row(kTableTop + 100, 50, SJ("参加(％)"));
    empty_row(kTableTop + 150, 70, SJ("参加(人)"));
    pause();
    fill_row(kTableTop + 50, 50, {"x", "y", G.A1$(3)});
    fill_row(kTableTop + 100, 50, {G.A1$(1), G.A1$(2), SJ("／")});
    fill_row(kTableTop + 150, 70, {SJ("ﾀ") + G.A1$(1) + SJ("/100ﾀx"), SJ("ﾀ") + G.A1$(2) + SJ("/100ﾀy"), G.A1$(6)});
    pause();
}

void show_equations() {
    // The previous problem's equations stay until here.
    clear(680, 0, 2520, 1800);
    at(7, 680, 30, SJ("2年生の男子の人数をx人,"));
    at(7, 680, G.B2 + 50, SJ("女子の人数をy人とすると、"));
    pause();
    at(0, 680, G.B2 + 50, SJ("2年生の生徒数の関係から"));
    pause();
    at(3, 680, G.B2 + 50, "x+y=" + G.A1$(3) + SJ("…①"));
    pause();
    at(0, 680, G.B2 + 50, SJ("参加したことのある人数の関係から"));
    pause();
    at(3, 680, G.B2 + 60, SJ("ﾀ") + G.A1$(1) + SJ("/100ﾀx+ﾀ") + G.A1$(2) + SJ("/100ﾀy=") + G.A1$(6) + SJ("…②"));
    pause();
    at(0, 680, G.B2 + 60, SJ(" ②*100"));
    pause();
    // 100 times P, written as P's digits and "00".
    at(0, 680, G.B2 + 60, G.A1$(1) + "x+" + G.A1$(2) + "y=" + G.A1$(6) + "00");
    pause();
    at(0, 680, G.B2 + 70, SJ("両辺を") + G.A1$(15) + SJ("でわって"));
    pause();
    at(3, 680, G.B2 + 70, G.A1$(12) + "x+" + G.A1$(13) + "y=" + G.A1$(14) + SJ("…③"));
}

void show_working_and_answer() {
    clear(40, 0, 640, 1300);
    at(3, 40, 30, SJ("式　"));
    // Every step of the working waits; no closing pair line, the answer
    // follows below. Both switches go back to 0 at once.
    G.II = 40;
    G.B1 = 121;
    G.B2 = 30;
    G.LLT = 1;
    solve({1, 1, G.T(3), G.T(12), G.T(13), G.T(14)}, {}, SJ("③"), 1);
    G.AA = 0;
    G.LLT = 0;
    at(0, G.B1, G.B2 - 20, SJ("これらは問題に適している。"));
    pause();
    line(5, 50, SJ("答　男子") + G.REI0Y$ + SJ("人,女子") + G.N$ + SJ("人"));
}

}  // namespace

void VOLUNTEER_EXAMPLE_LOOP() {
    draw::set_width(5);
    clear(0, 0, 1600, 1800);
    drill([] {
        make_problem();
        show_question_and_table();
        show_equations();
        show_working_and_answer();
    });
    pause();
    at(7, 484, 600, SJ("教科書P51 問3　をしなさい。"));
}
