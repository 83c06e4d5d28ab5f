// The places of the elimination solver's working in the shared tables. T()
// holds the coefficients and A1$() their texts, F() the right sides and the
// other values and TITLE$() their texts; a text has the place of its number.
// The given system is a1x+b1y=c1, a2x+b2y=c2, multiplied by m1 and m2; the
// receiving equation, ax+by=c, is the given equation into which the value
// found first is put.
#pragma once

namespace solver::slot {

// ------------------------------------------------ T() and A1$()
inline constexpr int kUpperX = 1;        // m1*a1: x coefficient of the upper multiplied row
inline constexpr int kUpperY = 2;        // m1*b1
inline constexpr int kLowerX = 3;        // m2*a2: x coefficient of the lower multiplied row
inline constexpr int kLowerY = 4;        // m2*b2
inline constexpr int kCombinedX = 5;     // x coefficient of the rows added or subtracted
inline constexpr int kCombinedY = 6;     // y coefficient of the rows added or subtracted
inline constexpr int kGivenX1 = 21;      // a1
inline constexpr int kGivenY1 = 22;      // b1
inline constexpr int kGivenX2 = 23;      // a2
inline constexpr int kGivenY2 = 24;      // b2
inline constexpr int kMultiplier1 = 25;  // m1 (its text "*m1", or empty for 1)
inline constexpr int kMultiplier2 = 26;  // m2
inline constexpr int kReceivingX = 27;   // a
inline constexpr int kReceivingY = 28;   // b
// A multiplied row's coefficient and the given one it comes from lie this
// far apart.
inline constexpr int kGivenFromMultiplied = kGivenX1 - kUpperX;

// ------------------------------------------------ F() and TITLE$()
inline constexpr int kOperation = 1;         // +1 the rows are added, -1 subtracted; its text the sign
inline constexpr int kChangedXSign = 2;      // TITLE$ only: the sign the lower row's x term takes when
inline constexpr int kChangedYSign = 3;      // subtracted, the same for its y term,
inline constexpr int kChangedRightSign = 4;  // and for its right side
inline constexpr int kUpperRight = 11;       // m1*c1
inline constexpr int kLowerRight = 12;       // m2*c2
inline constexpr int kCombinedRight = 13;    // right side of the rows added or subtracted
inline constexpr int kFirstTerm = 14;       // the receiving equation's term of the letter found first, its value put in
inline constexpr int kMovedTerm = 15;       // the same term moved across the "="
inline constexpr int kOtherTerm = 16;       // c less that term: the other letter's term
inline constexpr int kGivenRight1 = 21;     // c1
inline constexpr int kGivenRight2 = 22;     // c2
inline constexpr int kReceivingRight = 23;  // c

}  // namespace solver::slot
