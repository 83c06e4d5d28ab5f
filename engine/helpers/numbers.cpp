// Number routines: a square root taken apart (sqrt n = a sqrt b) with its
// formula texts, prime factors up to 23, divisors with their co-divisors,
// and two routines on signed number texts.
#include <cmath>
#include <cstdint>

#include "engine/helpers/helpers.h"
#include "engine/helpers/internal.h"
#include "engine/text/text.h"

namespace {

// Remainder of two values taken as whole numbers.
std::int64_t whole_remainder(float a, float b) { return std::llrint(a) % std::llrint(b); }

Str without_spaces(const Str& text) {
    G.A$ = text;
    STRIP_SPACES();
    return G.A$;
}

}  // namespace

void SIMPLIFY_ROOT() {
    G.HH4 = 1;
    G.TY_ROOT = 2;
    G.ZY12 = G.TBSI1;
    // Square factors are taken out one trial square at a time, the trial
    // starting again at 2 after each; 0 has nothing to take out.
    if (G.TBSI1 == 0) G.TY_ROOT = 201;
    while (G.TY_ROOT != 201) {
        if (whole_remainder(G.TBSI1, G.TY_ROOT * G.TY_ROOT) != 0) {
            G.TY_ROOT += 1;
            continue;
        }
        G.HH4 = G.HH4 * G.TY_ROOT;
        G.TBSI1 = G.TBSI1 / (G.TY_ROOT * G.TY_ROOT);
        G.TY_ROOT = 2;
    }
    G.BB2$ = G.TBSI1 == 1 ? Str() : "!" + $PfSTR244(G.TBSI1);
    if (G.TBSI1 == 1 && G.HH4 == 1) G.R1A$ = "1";
    else G.R1A$ = G.HH4 == 1 ? Str() : $PfSTR244(G.HH4);
    G.BB1$ = G.R1A$ + G.BB2$ + SJ("ﾝ");
    G.AA_A$ = G.TBSI1 == G.ZY12 ? Str() : "!" + $PfSTR244(G.ZY12) + SJ("ﾝ") + "=";
    G.R1B$ = G.BB2$ + SJ("ﾝ");
    G.R1A$ = without_spaces(G.R1A$);
    G.BB1$ = without_spaces(G.BB1$);
    G.AA_A$ = without_spaces(G.AA_A$);
    G.R1B$ = without_spaces(G.R1B$);
}

void PRIME_FACTORISE() {
    for (int k = 1; k <= 10; ++k) {
        G.R1A(k, 1) = 0;
        G.R1A(k, 2) = 0;
    }
    const float primes[] = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29};
    for (int k = 1; k <= 10; ++k) G.Y7(k) = primes[k - 1];
    G.TX_FACTOR = std::fabs(G.TX_FACTOR);
    G.TJ = G.TX_FACTOR;
    G.XW = 1;
    G.TATE = 1;
    // Every prime divides 0: it has no factors, and nothing is left over.
    if (G.TX_FACTOR == 0) G.XW = 10;
    // Only the first nine primes are tried: 29 stands in the table but the
    // walk ends when it reaches it.
    while (G.XW != 10) {
        G.AAAY = static_cast<float>(whole_remainder(G.TX_FACTOR, G.Y7(G.XW)));
        if (G.AAAY == 0) {
            G.R1A(G.TATE, 1) = G.Y7(G.XW);
            G.R1A(G.TATE, 2) = G.R1A(G.TATE, 2) + 1;
            G.TX_FACTOR = G.TX_FACTOR / G.Y7(G.XW);
        } else {
            if (G.R1A(G.TATE, 1) != 0) G.TATE += 1;
            G.XW += 1;
        }
    }
    G.TATE -= 1;
    G.R1A(10, 1) = G.TX_FACTOR;
    G.R1A(10, 2) = 1;
    G.TX_FACTOR = G.TJ;
}

void LIST_DIVISORS() {
    G.CCC2 = std::fabs(G.CCC2);
    G.XW = 0;
    G.SIZE = G.CCC2;
    // The lists have room for 40 divisors; a number with more keeps its
    // first 40.
    G.A1 = 1;
    do {
        const float q = G.CCC2 / G.A1;
        if (q - std::floor(q) == 0) {
            if (G.XW == 40) break;
            G.XW += 1;
            G.GY5(G.XW) = G.A1;
            G.t0014(G.XW) = q;
        }
        G.A1 += 1;
    } while (G.A1 <= G.SIZE);
    G.YA = std::floor(G.XW / 2);
}

void NEGATE_SIGNED_TEXT() {
    G.X9 = $PfKLEN(G.A$);
    if (G.A$.empty()) return;
    const Str first = $PfKLEFT24(G.A$, 1);
    const Str rest = $PfKMID24(G.A$, 2, G.X9 - 1);
    if (first == "-") G.A$ = "+" + rest;
    else if (first == "+") G.A$ = "-" + rest;
    else G.A$ = "-" + G.A$;
}

void PARENTHESISE_NEGATIVE() {
    // "-" is never the second byte of a double-byte character, so a byte
    // search finds only real minus signs.
    G.H_MARKUP = $PfINSTR(1, G.A$, "-");
    if (G.H_MARKUP != 0) G.A$ = "(" + G.A$ + ")";
}
