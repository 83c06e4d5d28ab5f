// The runtime the course code is written against: drawing, fonts, keys,
// clock, random numbers, string and number conversions, arrays and faults.
// Every operation keeps the name and argument order the lesson code uses, so
// that a call reads the same here as in the lesson's description. Numbers are
// single-precision floats throughout; the first argument of most calls is the
// window number (always 0).
#pragma once
#include <initializer_list>
#include <string>
#include <vector>

#include "engine/platform/cp932.h"

namespace plat {
// The source line of a call, taken as a default argument
// (`SourceLine loc = SourceLine::current()`) so that it is the caller's line.
// GCC and Clang both give a builtin's default argument the line of the call;
// std::source_location is not there in every compiler we build with.
class SourceLine {
public:
    static constexpr SourceLine current(unsigned line = __builtin_LINE()) { return SourceLine(line); }
    constexpr unsigned line() const { return line_; }

private:
    constexpr explicit SourceLine(unsigned line) : line_(line) {}
    unsigned line_;
};
}  // namespace plat

// ---------------------------------------------------------------- drawing
// Text in the current font, top-left at (x, y), magnified h across and v down,
// in palette colour `colour` (0-15, 15 the page background).
void $PsSYMBOL40(float win, float a2, float x, float y, const Str& text, float h, float v, float colour, float a9,
                 float a10, float a11);
// mode 0: a line from (x1, y1) to (x2, y2) in `colour`; mode 2: a box with
// those corners filled with `fill` and edged with `colour`. rel 1 makes
// (x2, y2) an offset from (x1, y1).
void $PsLINE(float win, float a2, float x1, float y1, float rel, float x2, float y2, float a8, float colour, float mode,
             float fill, float a12, float a13);
// Circle or arc round (x, y), radius r. start and end are in turns from +x
// towards +y, drawn from start to end; 0 and 0 the whole circle. filled 1
// fills it with `fill` (last argument 3) or with `colour` (last argument 1).
void $PsCIRCLE(float win, float a2, float x, float y, float r, float colour, float aspect, float start, float end,
               float filled, float a11, float fill, float a13);
// Open polyline from a block: 13, N, -1, 0, 0, -1, colour, then y, x, 0 for
// every point, last point first, and a closing 0.
void $PsCONNECT(std::initializer_list<float> block);
void $PsCONNECT(const std::vector<float>& block);
// Clears the whole window to the background colour.
void $PsCLS(float win, float mode);
// Ends the program (unwinds to the program's entry point).
[[noreturn]] void $PsEND(float code);

// ------------------------------------------------------ window extension
void FE$SETMAPMODE(float win, float mode);
void FE$MAXIMIZEWINDOW(float win);
// Faces: "ｺﾞｼｯｸ" and "ゴシック" (the Gothic face), "Times New Roman" (serif
// italic), "MT Extra" (its "l" is the script ell).
void FE$SETFONTNAME(float win, const Str& face);
void FE$SETFONTSIZE(float win, float size);
void FE$SETFONTBOLD(float win, float on);    // -1 on, 0 off
void FE$SETFONTITALIC(float win, float on);  // -1 on, 0 off
void FE$SETDRAWWIDTH(float win, float w);
float FE$GETDRAWWIDTH(float win);

// ------------------------------------------------------- keys and clock
// The next waiting key as a one-character text ("\r" for Enter, "\b" for
// BackSpace, "\x0c" for Delete), "" when none waits. Never busy-waits: with
// no key waiting it presents the page and sleeps briefly on window events.
Str $PfINKEY24(float win);
// Services window events (the per-statement step of an idle loop).
void $PbCheckAll();
// Local time of day as "hh:mm:ss".
Str $PfTIME24();
void $PaRandomize(float seed);
// Uniform in [0, 1).
float $PaRnd();

// ------------------------------------------------------------ strings
// Character forms count a double-byte character as one; positions from 1.
float $PfKLEN(const Str& s);
Str $PfKLEFT24(const Str& s, float n);
Str $PfKRIGHT24(const Str& s, float n);
Str $PfKMID24(const Str& s, float start, float len);
float $PfKINSTR(float start, const Str& s, const Str& pattern);  // 0 if absent
// Byte forms.
float $PfLEN(const Str& s);
Str $PfLEFT24(const Str& s, float n);
Str $PfRIGHT24(const Str& s, float n);
Str $PfMID24(const Str& s, float start, float len);
float $PfINSTR(float start, const Str& s, const Str& pattern);  // 0 if absent

// ------------------------------------------------------------ numbers
// A number's text: a space before a value that is not negative, whole values
// as plain digits, up to 7 significant digits, no leading zero below 1
// (".5", "-.5"), negative zero as "0".
Str $PfSTR244(float x);
Str $PfSTR248(float x);
// The number at the start of a text ("-"? digits with at most one "."), 0 if none.
float $PfVAL(const Str& s);
// Integer part, downwards.
float $PnFInt(float x);
// The check after an arithmetic operation: a result that is not a finite
// number (an overflow) becomes a run-time fault placed at the caller's line.
float $PnErrSetCal(float result, plat::SourceLine loc = plat::SourceLine::current());

// ------------------------------------------------------------- faults
// A run-time fault: a place number and a code, shown by the error screen.
namespace plat {
enum FaultCode { kFaultOverflow = 6, kFaultSubscript = 9, kFaultDivisionByZero = 11 };
struct RuntimeFault {
    int place;
    int code;
};
[[noreturn]] void raise_fault(int place, int code);
// A random whole number floor(r*n + k) from one draw r of $PaRnd, exactly as
// if computed in exact arithmetic: always within [k, k+n-1] for whole n, k.
float random_whole(float n, float k);
// The same for a given draw r in [0, 1).
float random_whole_from(float r, float n, float k);
// a / b, where a divisor of 0 is a run-time fault (code 11) and a quotient too
// large for a float one of code 6, both placed at the caller's line.
float checked_divide(float a, float b, plat::SourceLine loc = plat::SourceLine::current());
}  // namespace plat
// Place number and code of the last fault raised.
float $PfERL();
float $PfERR();

// ------------------------------------------------------------- arrays
// An array created with its upper bound (or bounds): indices 0 to the bound,
// checked; an index outside them is a run-time fault (code 9) whose place is
// the caller's source line.
template <class T>
class BasicArray {
public:
    void dim(float bound) { dim2(bound, -1); }
    void dim(float bound1, float bound2) { dim2(bound1, bound2); }
    bool created() const { return n1_ > 0; }
    T& operator()(float i, plat::SourceLine loc = plat::SourceLine::current()) { return data_[index(i, -1, loc)]; }
    T& operator()(float i, float j, plat::SourceLine loc = plat::SourceLine::current()) {
        return data_[index(i, j, loc)];
    }
    size_t bound1() const { return n1_ ? n1_ - 1 : 0; }
    size_t bound2() const { return n2_ ? n2_ - 1 : 0; }

private:
    void dim2(float b1, float b2) {
        n1_ = static_cast<size_t>(b1) + 1;
        n2_ = b2 < 0 ? 0 : static_cast<size_t>(b2) + 1;
        data_.assign(n1_ * (n2_ ? n2_ : 1), T{});
    }
    size_t index(float i, float j, const plat::SourceLine& loc) const {
        const bool two = j >= 0 || n2_ != 0;
        if (i != i || i < 0 || i >= static_cast<float>(n1_) || (two != (n2_ != 0)) ||
            (two && (j != j || j < 0 || j >= static_cast<float>(n2_))))
            plat::raise_fault(static_cast<int>(loc.line()), plat::kFaultSubscript);
        const size_t ii = static_cast<size_t>(i);
        return two ? ii * n2_ + static_cast<size_t>(j) : ii;
    }
    size_t n1_ = 0, n2_ = 0;
    std::vector<T> data_;
};
using NumArray = BasicArray<float>;
using StrArray = BasicArray<Str>;
