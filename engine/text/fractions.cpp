// Fraction texts: a numerator and a denominator reduced to lowest terms and
// written in the formula mark-up (as a value, a signed term, a reduction
// step), and the sum of two fractions over their least common denominator.
#include <cmath>
#include <utility>

#include "engine/text/chain.h"
#include "engine/text/text.h"

using page::number_text;

namespace {

Str magnitude_text(float value) {
    G.A$ = $PfSTR248(std::fabs(value));
    STRIP_SPACES();
    return G.A$;
}

// Remainder of a by b, rounded downwards as the runtime's integer part does.
float floor_remainder(float a, float b) { return a - b * $PnFInt(a / b); }

// Euclid finishes within a few dozen steps for any pair of whole numbers a
// float can hold; a pair that has not finished by then has no common
// measure to find.
constexpr int kEuclidSteps = 1000;

}  // namespace

void GCD_LCM() {
    G.DS1 = G.X;
    G.KASANARIX = G.R1B;
    G.H = G.DS1 * G.KASANARIX;
    int steps = 0;
    while (G.KASANARIX != 0) {
        if (!std::isfinite(G.DS1) || !std::isfinite(G.KASANARIX) || ++steps > kEuclidSteps) {
            // Not whole numbers (or not numbers at all): no divisor but 1.
            G.DS1 = 1;
            G.KASANARIX = 0;
            break;
        }
        G.DS1 = floor_remainder(G.DS1, G.KASANARIX);
        std::swap(G.DS1, G.KASANARIX);
    }
    if (G.R1B == 0) {
        G.TKAI = G.X;
        G.TBBOYAKY = 0;
    } else if (G.R1B == 1) {
        G.TKAI = 1;
        G.TBBOYAKY = G.X;
    } else {
        G.TKAI = G.DS1;
        G.TBBOYAKY = G.H / G.TKAI;
    }
}

void STRIP_MARKUP() {
    const auto strip = [](const char* mark, float& position) {
        for (;;) {
            position = $PfINSTR(1, G.A$, mark);
            if (position == 0) return;
            G.A$ = $PfLEFT24(G.A$, position - 1) + $PfRIGHT24(G.A$, $PfLEN(G.A$) - position);
        }
    };
    strip("^", G.H_MARKUP);
    strip("\xDD", G.ZX5);  // the root end mark
    strip("\xC0", G.ZY5);  // the fraction mark
    strip("=", G.ZY5);
}

void REDUCE_FRACTION() {
    G.KJ2 = G.X;
    G.Y_REDUCE = G.R1B;
    G.DB1 = G.X * G.R1B < 0 ? -1 : 1;
    if (G.R1B == 0) {
        G.DB = 0;
        G.RAB = G.X;
        G.DS_REDUCE = 0;
        G.TKAI = std::fabs(G.X);
        G.TBBOYAKY = 0;
    } else if (std::fabs(G.R1B) == 1) {
        G.DB = 4;
        G.RAB = std::fabs(G.X);
        G.DS_REDUCE = 1;
        G.TKAI = 1;
        G.TBBOYAKY = std::fabs(G.X);
    } else if (G.X == 0) {
        G.DB = 5;
        G.RAB = 0;
        G.DS_REDUCE = std::fabs(G.R1B);
        G.TKAI = std::fabs(G.R1B);
        G.TBBOYAKY = 0;
    } else {
        G.X = std::fabs(G.X);
        G.R1B = std::fabs(G.R1B);
        GCD_LCM();
        const float g = G.TKAI;
        G.RAB = G.DB1 * G.X / g;
        G.DS_REDUCE = G.R1B / g;
        if (G.DS_REDUCE == 1) G.DB = 1;
        else if (G.DS_REDUCE == G.Y_REDUCE && G.DB1 == 1) G.DB = 3;
        else G.DB = 2;
        if (G.DB == 3) G.X3 = G.RAB * G.DS_REDUCE;
    }
    G.X = G.RAB;
    G.R1B = G.DS_REDUCE;

    G.DS1$ = number_text(G.KJ2);
    G.E2$ = number_text(G.Y_REDUCE);
    G.G$ = number_text(G.R1B);
    G.DA1$ = number_text(G.X);
    if ($PfKLEFT24(G.DA1$, 1) == "-") {
        G.N1 = $PfKLEN(G.DA1$);
        G.DA1$ = $PfKRIGHT24(G.DA1$, G.N1 - 1);
    }
    G.N1 = $PfKLEN(G.DA1$);

    const Str mark = SJ("ﾀ");
    G.YY$ = mark + G.DS1$ + "/" + G.E2$ + mark;
    const Str sign = G.DB1 == -1 ? "-" : "";
    switch (static_cast<int>(G.DB)) {
        case 1:
        case 4:
        case 5: G.T$ = sign + G.DA1$; break;
        case 2: G.T$ = sign + mark + G.DA1$ + "/" + G.G$ + mark; break;
        case 3: G.T$ = mark + G.DS1$ + "/" + G.E2$ + mark; break;
        default: G.T$.clear(); break;  // a zero denominator has no value
    }
    if (G.DB == 0) G.F$.clear();
    else G.F$ = G.DB1 == -1 ? G.T$ : "+" + G.T$;
    G.XX$ = G.DB1 == 1 ? "+" : "";
    if (G.DB == 3) {
        G.U$ = G.T$;
        G.DB$ = G.F$;
    } else {
        G.U$ = G.YY$ + "=" + G.T$;
        G.DB$ = G.XX$ + G.YY$ + "=" + G.F$;
    }
    G.A$ = G.T$;
    STRIP_MARKUP();
    G.HYOUJI$ = G.A$;
    G.A$ = G.F$;
    STRIP_MARKUP();
    if (G.DB == 4 && G.DB1 == -1) G.X = -G.X;
}

void COMBINE_FRACTIONS() {
    // Every sign goes to the numerator: a fraction over a negative
    // denominator is the same fraction with both parts negated.
    if (G.A31 < 0) {
        G.DS = -G.DS;
        G.A31 = -G.A31;
    }
    if (G.LB8 < 0) {
        G.YAK1 = -G.YAK1;
        G.LB8 = -G.LB8;
    }

    if (G.A31 == 1 && G.LB8 == 1) {
        G.R1B = 1;
        G.KJ2 = G.DS;
        G.X2 = G.YAK1;
    } else if (G.A31 == 1) {
        G.R1B = G.LB8;
        G.KJ2 = G.DS * G.LB8;
        G.X2 = G.YAK1;
    } else if (G.LB8 == 1) {
        G.R1B = G.A31;
        G.KJ2 = G.DS;
        G.X2 = G.YAK1 * G.A31;
    } else {
        G.X = std::fabs(G.A31);
        G.R1B = std::fabs(G.LB8);
        REDUCE_FRACTION();
        G.R1B = G.TBBOYAKY;
        // Only two zero denominators give no divisor; nothing is scaled then.
        const float g = G.TKAI == 0 ? 1 : G.TKAI;
        G.KJ2 = (G.DS * G.LB8) / g;
        G.X2 = (G.YAK1 * G.A31) / g;
    }
    G.X4 = G.KJ2 + G.X2;

    const Str a = magnitude_text(G.KJ2);
    G.DS1$ = a;
    G.A2$ = a;
    const Str d = number_text(G.R1B);
    G.G$ = d;
    const Str b = magnitude_text(G.X2);
    G.DS2_FRACTION$ = b;
    G.A3$ = b;
    const Str s = magnitude_text(G.X4);
    G.DS4$ = s;

    // Zero counts as positive in every sign.
    const Str mark = SJ("ﾀ");
    const auto fraction = [&](const Str& digits) { return mark + digits + "/" + d + mark; };
    const auto opening = [&](float sign, const Str& digits) { return (sign < 0 ? "-" : "") + fraction(digits); };
    const auto following = [&](float sign, const Str& digits) { return (sign < 0 ? "-" : "+") + fraction(digits); };
    G.YY$ = opening(G.DS, a);
    G.RABM$ = following(G.DS, a);
    G.L$ = a;
    G.T$ = opening(G.YAK1, b);
    G.F$ = following(G.YAK1, b);
    G.V$ = opening(G.X4, s);
    G.DBM2$ = following(G.X4, s);
    G.E1$ = opening(G.DS, G.L$) + G.F$;
    G.A4$ = fraction(a);
    G.A5$ = fraction(b);
    if (G.DS < 0) G.DS1$ = "-" + a;
    G.DS2_FRACTION$ = (G.YAK1 < 0 ? "-" : "+") + b;
    G.U$ = mark + G.DS1$ + G.DS2_FRACTION$ + "/" + d + mark;
}
