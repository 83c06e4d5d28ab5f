// The working pages of the elimination solver up to the back-substitution:
// what they prepare before they draw, and how they draw it.
#include "engine/solver/working.h"

#include "engine/shell/shell.h"
#include "engine/solver/slots.h"
#include "engine/text/chain.h"
#include "engine/text/text.h"

namespace solver {

using namespace slot;

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

// The back-substitution numbers, every number text, and the value texts of
// x and y (REI0Y$, A21$, N$, A41$), in that order.
void prepare_values(First first) {
    // The equation that receives the value found first.
    const bool into_first = G.XI0 == 1;
    const float a = into_first ? G.T(kGivenX1) : G.T(kGivenX2);
    const float b = into_first ? G.T(kGivenY1) : G.T(kGivenY2);
    const float c = into_first ? G.F(kGivenRight1) : G.F(kGivenRight2);
    const float divisor = first == First::X ? G.T(kCombinedX) : G.T(kCombinedY);
    const float p = first == First::X ? a : b;  // coefficient of the first unknown
    const float q = first == First::X ? b : a;  // coefficient of the other one

    const float product = p * G.F(kCombinedRight);
    G.F(kFirstTerm) = product / divisor;
    G.F(kMovedTerm) = -G.F(kFirstTerm);
    G.F(kOtherTerm) = c + G.F(kMovedTerm);
    G.T(kReceivingX) = a;
    G.T(kReceivingY) = b;
    G.F(kReceivingRight) = c;

    NUMBERS_TO_TEXT();

    // When p does not cancel the first value's denominator, the term p times
    // that value and everything after it are fractions: write them exactly.
    const Wide term_num = wide(p) * wide(G.F(kCombinedRight));
    const Wide term_den = wide(divisor);
    const bool whole_term = term_num % term_den == 0;
    const Wide other_num = wide(c) * term_den - term_num;  // other term, over term_den
    if (!whole_term) {
        G.TITLE$(kFirstTerm) = fraction_text(term_num, term_den);
        G.TITLE$(kMovedTerm) = fraction_text(-term_num, term_den);
        G.TITLE$(kOtherTerm) = fraction_text(other_num, term_den);
    }

    // The value texts, x before y whichever was found first.
    auto first_value = [&] {
        G.X = G.F(kCombinedRight);
        G.R1B = divisor;
        REDUCE_FRACTION();
    };
    auto second_value = [&] {
        if (whole_term) {
            G.X = G.F(kOtherTerm);
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

// The 1/-1 rule on coefficient k: 1 is written as nothing, -1 as "-".
void unit_rule(int k) {
    if (G.T(k) == 1) G.A1$(k) = Str();
    else if (G.T(k) == -1) G.A1$(k) = Str("-");
}

// A coefficient 1 written as nothing and -1 as "-", on the multiplied and
// combined coefficients and on the given ones with the multipliers.
void coefficient_loop() {
    for (G.A1 = kUpperX; G.A1 <= kCombinedY; G.A1 += 1) {
        unit_rule(static_cast<int>(G.A1));
        unit_rule(static_cast<int>(G.A1) + kGivenFromMultiplied);
    }
}

void multiplier_marks() {
    for (int k = kMultiplier1; k <= kMultiplier2; ++k) G.A1$(k) = G.T(k) == 1 ? Str() : "*" + G.A1$(k);
}

// "+" in front of the y coefficients, multiplied and given, when positive.
void plus_before_y_terms() {
    for (G.A1 = kUpperY; G.A1 <= kLowerY; G.A1 += kLowerY - kUpperY) {
        const int k = static_cast<int>(G.A1);
        const int given = k + kGivenFromMultiplied;
        if (G.T(k) > 0) G.A1$(k) = "+" + G.A1$(k);
        if (G.T(given) > 0) G.A1$(given) = "+" + G.A1$(given);
    }
}

// The operation sign and the signs the subtracted row takes.
void sign_texts() {
    G.TITLE$(kOperation) = Str(G.F(kOperation) == 1 ? "+" : "-");
    G.TITLE$(kChangedXSign) = Str(G.T(kLowerX) > 0 ? "-" : "+");
    G.TITLE$(kChangedYSign) = Str(G.T(kLowerY) > 0 ? "-" : "+");
    G.TITLE$(kChangedRightSign) = Str(G.F(kLowerRight) > 0 ? "-" : "+");
}

// Lays out (without drawing) the two rows built from the coefficient texts
// A1$(base..base+3) and the right sides TITLE$(right), TITLE$(right+1),
// with the x column starting at `left`: R$(1)..R$(6) and Y7(1)..Y7(7).
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

// Draws the given system: the brace at the caller's DSM1 and the two rows,
// each followed by its label. Leaves B2 on the second row.
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

// The multiplied rows as a column addition or subtraction from B1, one line
// below B2; leaves B2 on the lower row and YJ3 on the value column.
void draw_column_work() {
    G.YMOTO = 0;
    G.LEM$ = G.TITLE$(kOperation);
    G.DSM1 = G.B1;
    G.DSM2 = G.B2 + 50;
    G.Y = 50;
    G.NO = 0;
    SHOW_COLUMN_ELIMINATION_ALIGNED();
}

// The row of changed signs between the two rows of a subtraction.
void draw_sign_row() {
    if (G.TITLE$(kOperation) != "-") return;
    const float y = G.B2 - 25;
    page::sign_row(3, G.B1, y, "+");
    page::sign_row(3, G.Y7(5), y, G.TITLE$(kChangedXSign));
    page::sign_row(3, G.Y7(6), y, G.TITLE$(kChangedYSign));
    page::sign_row(3, G.Y7(7) + 27, y, G.TITLE$(kChangedRightSign));
}

// Where the value found first starts on the combined equation's line, whose
// text ends at `row_end`. The combined right side can be a digit or two
// longer than the rows' and start further left than they do, so now and then
// it reaches into the value column YJ3; the value then follows it after a
// half-width space.
float first_value_x(float row_end) { return row_end >= G.YJ3 ? row_end + page::measure(" ") : G.YJ3; }

}  // namespace

void show_elimination(First first) {
    const bool x_first = first == First::X;
    prepare_values(first);

    // Coefficient texts. In the receiving equation the coefficient of the
    // letter found second gets the 1/-1 rule, while that of the letter found
    // first keeps its digits: the working writes it before the value put in
    // ("1*2+y=3", "x+1*2=5"). The y coefficient carries its sign either way.
    coefficient_loop();
    multiplier_marks();
    unit_rule(x_first ? kReceivingY : kReceivingX);
    if (G.T(kReceivingY) > 0) G.A1$(kReceivingY) = "+" + G.A1$(kReceivingY);
    plus_before_y_terms();
    sign_texts();

    // The given system, then the multiplied one laid out for the columns.
    lay_out_rows(kGivenX1, kGivenRight1, G.YI1 + 40);
    draw_given_system();
    lay_out_rows(kUpperX, kUpperRight, G.II + 40);
    PAUSE_FOR_KEY();

    // Which equation is multiplied by what, and how they are combined; when
    // y comes first the line is set in from the work area's edge.
    G.B1 = G.II;
    page::at(3, x_first ? G.B1 : G.B1 + 64, G.B2 + 50,
             G.CCC3$ + G.A1$(kMultiplier1) + G.TITLE$(kOperation) + G.ENZAN$ + G.A1$(kMultiplier2));
    PAUSE_FOR_KEY();

    draw_column_work();
    if (!x_first) pause_if_every_step();
    draw_sign_row();

    // The combined equation holds the first letter alone, its term ending
    // under that letter's column and its right side under the rows' "=". A
    // coefficient 1 makes it the value itself, which is then highlighted and
    // not repeated.
    const int combined = x_first ? kCombinedX : kCombinedY;
    const Str term = G.A1$(combined) + (x_first ? "x" : "y");
    const float colour = G.T(combined) == 1 ? 3 : 0;
    G.Y7(8) = (x_first ? G.Y7(6) : G.Y7(7)) - page::measure(term);
    pause_if_every_step();
    page::fixed(colour, G.Y7(8), G.B2 + 50, term);
    page::at(colour, G.Y7(7), G.B2 + 50, "=" + G.TITLE$(kCombinedRight));
    const float value_x = first_value_x(G.YI1);
    pause_if_every_step();

    if (G.T(combined) == 1) G.YY$ = Str();
    else G.YY$ = x_first ? "x=" + G.REI0Y$ : "y=" + G.N$;
    page::at(3, value_x, G.B2, G.YY$);
    PAUSE_FOR_KEY();

    // The sentence naming the receiving equation. Callers that redo the
    // back-substitution themselves erase from its line.
    G.SIKI$ = G.XI0 == 1 ? G.CCC3$ : G.ENZAN$;
    page::line(7, 60, SJ("この値を") + G.SIKI$ + SJ("に代入して"));
    G.GX3(1) = G.DSM1;
    G.GY3(1) = G.B2;
    PAUSE_FOR_KEY();
}

void pause_if_every_step() {
    if (G.AA == 1) PAUSE_FOR_KEY();
}

void show_solution_pair() {
    if (G.LLT != 1) page::at(5, G.YI1 + 30, G.B2, "(x,y)=(" + G.REI0Y$ + "," + G.N$ + ")");
}

}  // namespace solver
