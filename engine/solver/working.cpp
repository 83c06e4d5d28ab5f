// What both working pages of the elimination solver prepare before they
// draw, and the drawing steps they share.
#include "engine/solver/working.h"

#include "engine/shell/shell.h"
#include "engine/text/chain.h"
#include "engine/text/text.h"

namespace solver {

namespace {

// Exact whole-number arithmetic for the back-substitution of a value that is
// not whole: the products of the working's numbers do not fit in 64 bits for
// the largest coefficients the solver accepts.
__extension__ typedef __int128 Wide;

Wide wide(float v) { return static_cast<Wide>(v); }

Wide magnitude(Wide v) { return v < 0 ? -v : v; }

Wide gcd(Wide a, Wide b) {
    a = magnitude(a);
    b = magnitude(b);
    while (b != 0) {
        const Wide r = a % b;
        a = b;
        b = r;
    }
    return a;
}

// The value text of n/d (d not 0), reduced here first so that the numbers
// handed on stay as small as the fraction allows.
Str fraction_text(Wide n, Wide d) {
    if (d < 0) {
        n = -n;
        d = -d;
    }
    const Wide g = gcd(n, d);
    if (g > 1) {
        n /= g;
        d /= g;
    }
    G.X = static_cast<float>(n);
    G.R1B = static_cast<float>(d);
    REDUCE_FRACTION();
    return G.T$;
}

// Takes the text REDUCE_FRACTION just made as a value text, and the same in
// brackets for substituting it when the value is negative.
void take_value(Str& text, Str& substitution) {
    text = G.T$;
    substitution = G.DB1 == -1 ? "(" + text + ")" : text;
}

}  // namespace

void prepare_values(First first) {
    // The equation that receives the value found first.
    const bool into_first = G.XI0 == 1;
    const float a = into_first ? G.T(21) : G.T(23);
    const float b = into_first ? G.T(22) : G.T(24);
    const float c = into_first ? G.F(21) : G.F(22);
    const float divisor = first == First::X ? G.T(5) : G.T(6);
    const float p = first == First::X ? a : b;  // coefficient of the first unknown
    const float q = first == First::X ? b : a;  // coefficient of the other one

    const float product = p * G.F(13);
    G.F(14) = product / divisor;
    G.F(15) = -G.F(14);
    G.F(16) = c + G.F(15);
    G.T(27) = a;
    G.T(28) = b;
    G.F(23) = c;

    NUMBERS_TO_TEXT();

    // When p does not cancel the first value's denominator, the term p times
    // that value and everything after it are fractions: write them exactly.
    const Wide term_num = wide(p) * wide(G.F(13));
    const Wide term_den = wide(divisor);
    const bool whole_term = term_num % term_den == 0;
    const Wide other_num = wide(c) * term_den - term_num;  // other term, over term_den
    if (!whole_term) {
        G.TITLE$(14) = fraction_text(term_num, term_den);
        G.TITLE$(15) = fraction_text(-term_num, term_den);
        G.TITLE$(16) = fraction_text(other_num, term_den);
    }

    // The value texts, x before y whichever was found first.
    auto first_value = [&] {
        G.X = G.F(13);
        G.R1B = divisor;
        REDUCE_FRACTION();
    };
    auto second_value = [&] {
        if (whole_term) {
            G.X = G.F(16);
            G.R1B = q;
            REDUCE_FRACTION();
        } else {
            fraction_text(other_num, term_den * wide(q));
        }
    };
    if (first == First::X) {
        first_value();
        take_value(G.REI0Y$, G.A21$);
        second_value();
        take_value(G.N$, G.A41$);
    } else {
        second_value();
        take_value(G.REI0Y$, G.A21$);
        first_value();
        take_value(G.N$, G.A41$);
    }
}

void unit_rule(int k) {
    if (G.T(k) == 1)
        G.A1$(k) = Str();
    else if (G.T(k) == -1)
        G.A1$(k) = Str("-");
}

void coefficient_loop() {
    for (G.A1 = 1; G.A1 <= 6; G.A1 += 1) {
        unit_rule(static_cast<int>(G.A1));
        unit_rule(static_cast<int>(G.A1) + 20);
    }
}

void multiplier_marks() {
    for (int k = 25; k <= 26; ++k)
        G.A1$(k) = G.T(k) == 1 ? Str() : "*" + G.A1$(k);
}

void plus_before_y_terms() {
    for (G.A1 = 2; G.A1 <= 4; G.A1 += 2) {
        const int k = static_cast<int>(G.A1);
        if (G.T(k) > 0) G.A1$(k) = "+" + G.A1$(k);
        if (G.T(k + 20) > 0) G.A1$(k + 20) = "+" + G.A1$(k + 20);
    }
}

void sign_texts() {
    G.TITLE$(1) = Str(G.F(1) == 1 ? "+" : "-");
    G.TITLE$(2) = Str(G.T(3) > 0 ? "-" : "+");
    G.TITLE$(3) = Str(G.T(4) > 0 ? "-" : "+");
    G.TITLE$(4) = Str(G.F(12) > 0 ? "-" : "+");
}

void lay_out_rows(int base, int right, float left) {
    // Talisse creates no R$() at start-up; the rows need six places.
    if (!G.R$.created()) G.R$.dim(10);
    G.R$(1) = G.A1$(base) + "x";
    G.Y7(1) = page::measure(G.R$(1));
    G.R$(2) = G.A1$(base + 1) + "y";
    G.Y7(2) = page::measure(G.R$(2));
    G.R$(3) = G.A1$(base + 2) + "x";
    G.Y7(3) = page::measure(G.R$(3));
    G.R$(4) = G.A1$(base + 3) + "y";
    G.Y7(4) = page::measure(G.R$(4));
    G.R$(5) = "=" + G.TITLE$(right);
    G.R$(6) = "=" + G.TITLE$(right + 1);
    G.Y7(5) = left;
    G.Y7(6) = G.Y7(5) + (G.Y7(1) > G.Y7(3) ? G.Y7(1) : G.Y7(3));
    G.Y7(7) = G.Y7(6) + (G.Y7(2) > G.Y7(4) ? G.Y7(2) : G.Y7(4));
}

void draw_given_system() {
    // The brace stands where the caller's label ended.
    G.YMOTO = 0;
    G.DSM2 = G.B2;
    G.TANI = 100;
    DRAW_BRACE();

    page::fixed(0, G.Y7(6) - G.Y7(1), G.B2, G.R$(1));
    page::fixed(0, G.Y7(7) - G.Y7(2), G.B2, G.R$(2));
    G.KKAI$ = G.R$(5) + SJ("…") + G.CCC3$;
    MU();

    G.B2 = G.B2 + 50;
    page::fixed(0, G.Y7(6) - G.Y7(3), G.B2, G.R$(3));
    page::fixed(0, G.Y7(7) - G.Y7(4), G.B2, G.R$(4));
    G.KKAI$ = G.R$(6) + SJ("…") + G.ENZAN$;
    MU();
}

void draw_column_work() {
    G.YMOTO = 0;
    G.LEM$ = G.TITLE$(1);
    G.DSM1 = G.B1;
    G.DSM2 = G.B2 + 50;
    G.Y = 50;
    G.NO = 0;
    SHOW_COLUMN_ELIMINATION_ALIGNED();
}

void draw_sign_row() {
    if (G.TITLE$(1) != "-") return;
    const float y = G.B2 - 25;
    page::sign_row(3, G.B1, y, "+");
    page::sign_row(3, G.Y7(5), y, G.TITLE$(2));
    page::sign_row(3, G.Y7(6), y, G.TITLE$(3));
    page::sign_row(3, G.Y7(7) + 27, y, G.TITLE$(4));
}

float first_value_x(float row_end) {
    // The combined right side can be a digit or two longer than the rows'
    // and start further left than they do, so now and then it reaches into
    // the value column; the value then follows it after a space.
    return row_end >= G.YJ3 ? row_end + page::measure(" ") : G.YJ3;
}

void pause_if_every_step() {
    if (G.AA == 1) PAUSE_FOR_KEY();
}

}  // namespace solver
