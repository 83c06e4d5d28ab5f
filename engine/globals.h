// The course's shared state. Every routine of both programs reads and writes
// these variables by name (A$ is one variable everywhere), exactly as the
// lesson code is written; they live for the whole run. Numbers start at 0 and
// texts empty, as the lesson code counts on; the arrays are created at
// start-up. A test resets everything with reset_globals().
//
// One section per subsystem; add a variable to the section of the subsystem
// that first writes it, after checking that it is not already here. Many are
// scratch that several routines use in turn: the comment gives each use.
// State that one unit alone uses lives with that unit (in its namespace) and
// is put back by reset_globals() through on_reset_globals().
//
// One clash of names: the table R$() is `R$`; the plain text R$ (the scratch
// of STRIP_SPACES) is `R$s`.
#pragma once
#include <vector>

#include "engine/platform/runtime.h"

enum class Program { Morvane, Talisse };

// What the engine does differently for each course program. Chosen once at
// start-up; read where the difference lies, never by asking which program
// runs.
struct ProgramTraits {
    bool pictograms;            // the formula display draws its pictograms
    bool pause_can_be_skipped;  // a key pause returns at once while JYOU is 1
    bool brace_advances;        // after a brace, DSM1 is at its tips (else at its left)
    bool column_pauses;         // the column layout pauses after its upper row
    float first_value_min;      // the aligned column layout's value column starts
                                // at least this far right of its left edge (0: none)
};

inline constexpr ProgramTraits kMorvaneTraits{true, true, true, true, 0};
inline constexpr ProgramTraits kTalisseTraits{false, false, false, false, 340};

inline constexpr const ProgramTraits& traits_of(Program program) {
    return program == Program::Morvane ? kMorvaneTraits : kTalisseTraits;
}

struct Globals {
    Program program = Program::Morvane;     // which course program runs
    ProgramTraits traits = kMorvaneTraits;  // its differences from the other one

    // ------------------------------------------------ shared page state
    Str KKAI$;        // text for MU, in formula mark-up
    Str A$;           // text for measuring and per-glyph drawing; scratch
    float DSM1 = 0;   // x of the next piece of text
    float DSM2 = 0;   // y (line top) of the next piece of text
    float YMOTO = 0;  // palette colour of the next text
    float B1 = 0;     // left margin of the page
    float B2 = 0;     // y of the current line
    float B4 = 0;     // saved draw width
    float YI1 = 0;    // x where the last piece ended
    float TY = 0;     // a measured width
    float II = 0;     // left x of the solver's work area
    // A second text cursor, for notes in a column beside the working.
    float XI2 = 0;  // left margin of the notes
    float B3 = 0;   // y of the current note line
    float YJ1 = 0;  // x where the last note piece ended

    // ----------------------------------------- formula text display
    float X1 = 0;        // exponent flag
    float TBSIYAKX = 0;  // small raised flag
    float SIZE1 = 0;     // open-root state
    float AY = 0;        // over-line start
    float AA1 = 0;       // big-bracket switch
    float RTASKAI1 = 0;  // fraction-part mode
    float N1 = 0;        // characters of the text still to draw; of a typed entry
    float SOSU = 0;      // position of a fraction's closing mark; of "/" in an entry; of a sign in the prompt table
    Str t0007$;          // the text after the last stacked fraction (nothing reads it)
    float TA6 = 0;       // glyph pen x
    float YT = 0;        // glyph pen y
    float ZX12 = 0;      // characters of the glyph run GY0$
    float NAG = 0;       // bound of the glyph loop (ZX12)
    float HENK = 0;      // character or entry number of a glyph, prompt or number loop
    float ZX5 = 0;       // bytes of the current glyph (2: double-byte); scratch of STRIP_MARKUP
    Str GY0$;            // the glyph run: a fraction part or one character
    Str LT$;             // the current glyph or prompt character; denominator of an entry; the error number
    // Fraction reduction: numerator X over denominator R1B, in and out.
    float X = 0;         // numerator; the reduced one on return
    float R1B = 0;       // denominator; the reduced one (never negative), or a sum's common denominator
    float KJ2 = 0;       // the given numerator; a sum's first numerator over the common denominator
    float TKAI = 0;      // greatest common divisor
    float TBBOYAKY = 0;  // least common multiple
    float X3 = 0;        // numerator times denominator of a positive fraction already in lowest terms
    float DB1 = 0;       // sign of the fraction, -1 or 1
    float Y = 0;         // row pitch of a column layout; height of a dotted arc
    Str DS1$;            // the given numerator as text; a sum's first numerator with its sign
    Str G$;              // the reduced (or common) denominator as text
    Str YY$;             // the given fraction; a sum's first term; upper row of a column layout or two-line box
    Str T$;              // the value; a sum's second term; lower row of a column layout or two-line box
    Str F$;              // the value as a signed term; a sum's second term with its sign
    Str U$;              // the reduction step; a sum over one bar
    Str L$;              // a sum's first numerator, unsigned
    Str R$s;             // plain text R$ (see above)
    float DS4 = 0;       // x of the next prompt-text cell
    // fraction texts
    float DB = 0;                                // case code of a reduction
    float Y_REDUCE = 0, RAB = 0, DS_REDUCE = 0;  // given denominator; reduced pair
    float KASANARIX = 0, H = 0;                  // Euclid's divisor; the product
    float H_MARKUP = 0, ZY5 = 0;                 // positions of removed marks
    Str E2$;                                     // the given denominator as text
    Str DA1$;                                    // the reduced numerator as text, unsigned
    Str XX$;                                     // "+" for a positive fraction, else empty
    Str DB$;                                     // the reduction step as a signed term
    Str HYOUJI$;                                 // the value without marks
    // fraction sums
    float DS = 0, A31 = 0, YAK1 = 0, LB8 = 0;  // the two fractions
    float X2 = 0, X4 = 0;                      // second numerator; the sum
    Str A2$, A3$, DS4$;                        // the two numerators and the sum's, unsigned
    Str DS2_FRACTION$;                         // the second numerator with its sign
    Str RABM$;                                 // the first term with its sign
    Str V$, DBM2$;                             // the sum as a first term; with its sign
    Str E1$;                                   // the two terms
    Str A4$, A5$;                              // the two fractions, unsigned
    // prompt text
    float SOSU1 = 0;    // position of a capital in the prompt table; of a fraction mark in a label
    float X9 = 0;       // characters of a prompt piece; of a number text
    float LE = 0;       // bound of the prompt cell loop (X9)
    Str FDS1$;          // the character STRIP_SPACES looks at
    Str NAGA$, KOSUU$;  // half-width capitals and their full-width forms
    Str BAIY$, CCC1$;   // half-width digits, signs and small letters and their full-width forms
    // small text
    float X_SMALL_TEXT = 0;         // characters of the piece being drawn
    float AA_MEASURE = 0, IB8 = 0;  // x and y kept across a measuring
    float YY = 0;                   // offset that centres a text in a small cell
    float DS3 = 0;                  // y of a small cell's (first) text
    float TX = 0;                   // bottom of a small cell
    float M1 = 0;                   // y of a two-line box's upper text
    float NASI = 0;                 // y of its lower text
    Str FKIG$;                      // a small cell's text, kept across its measuring

    // ------------------------------------------------------ course shell
    Str II1$;            // course title
    float Y5 = 0;        // x of the input field
    float Y6 = 0;        // y of the input field
    float XG = 0;        // the random seed; the fault's line number; a line's slope; a dividing ratio's first part
    float B = 0;         // the fault's error number; a line's intercept; a dividing ratio's second part
    Str I$;              // the last key polled
    Str DS2$;            // typed entry
    float AINP = 0;      // its value
    float A = 0;         // section-menu choice
    float JYOU = 0;      // key-pause skip switch (Morvane)
    float XJ2 = 0;       // x of a column layout's rows
    float YJ3 = 0;       // x where an aligned column layout's values start
    StrArray TITLE$;     // texts of F()
    NumArray F;          // the solver's second set of numbers (texts in TITLE$)
    StrArray A1$;        // texts of T()
    NumArray T;          // the numbers of the solver and the generators (texts in A1$)
    NumArray R1A;        // a polygon's vertices (k,1) x and (k,2) y; prime factors and their powers
    NumArray GY5;        // x of a table's columns; small divisors
    NumArray t0014;      // y of a table's rows; the divisors' partners
    NumArray Y7;         // x positions in the solver's working and column layouts; the first ten primes
    StrArray R$;         // terms of an aligned column layout's rows (table R$())
    StrArray X$;         // a polygon's vertex labels; a table's texts
    NumArray GX3;        // coefficients and multipliers for the solver
    NumArray GY3;        // right-hand sides for the solver
    float LCM2 = 0;      // input-field cursor x
    float SIKI = 0;      // input-field cursor y
    float HENK2 = 0;     // text colour kept across a key pause
    float TANI = 0;      // width of a table cell; height of a brace
    float X8 = 0;        // height of a table cell
    float NO = 0;        // border colour of a cell; colour of a column rule
    float TKAI2 = 0;     // fill colour of a cell
    Str LEM$;            // operation sign of a column layout
    float YG = 0;        // width of the wider row of a column layout
    float DS1 = 0;       // kept x of a cell or layout
    float AINP_AUX = 0;  // kept y of a cell or layout

    // ------------------------------------------- elimination solver
    float AA = 0;        // pause switch
    float LLT = 0;       // answer-line switch
    Str CCC3$, ENZAN$;   // equation labels
    Str REI0Y$, N$;      // texts of x and y
    Str A41$;            // text of y, in brackets when negative
    float XI0 = 0;       // the equation the first value goes into: 1 the first, 2 the second
    float P = 0, Q = 0;  // least common multiples of the x and of the y coefficients
    Str A21$;            // text of x for substitution
    Str SIKI$;           // label of the equation that receives the first value

    // ------------------------------- geometry, graph and number helpers
    // Angles and arcs: pi, the segment or ray points, the label and its
    // placing, the directions and arc fractions of two rays.
    float AX = 0;                                // pi as the geometry routines take it, 3.14159
    float AIDA1 = 0, YY1 = 0;                    // first end point; vertex of two rays
    float AAA = 0, FMAESU = 0;                   // second end point; point on the first ray
    float ZY1 = 0, KAKKO1 = 0;                   // point on the second ray
    float FY = 0;                                // side of a dotted semicircle (> 0: right of its way)
    float TYY = 0;                               // -1 swaps the two rays; shift of segment ticks
    float LCM1 = 0;                              // label distance; mark size; radius; arrowhead length
    Str ZY0$;                                    // label text (formula mark-up)
    float EX = 0, EY = 0;                        // offsets of the next label
    float XI5 = 0;                               // 1: the next label in the small text style
    float NAGASA1 = 0, t0004 = 0;                // a direction in radians and in degrees
    float XX1 = 0, ZX0 = 0;                      // arc fractions of the first and second ray
    float ZX1 = 0, ZX2 = 0, ZY2 = 0;             // directions of the rays; their bisector
    float CCC0 = 0, HENK3 = 0, CCC2 = 0;         // differences, points and half-heights (scratch)
    float DR = 0, MU_DO = 0, ZY11 = 0, HAN = 0;  // saved end points
    float HH3 = 0, ZX4 = 0;                      // half a segment's length; its direction
    float XI3 = 0, ZX11 = 0, D2 = 0, O = 0;      // dot angles, their step and bound
    float LT1 = 0, XI1 = 0;                      // a computed point; an arrow's other end
    // t0001 is also the add/subtract generator's sign coin.
    float HH5 = 0, ITI = 0, t0001 = 0;  // an unturned point; a distance; a dot radius
    // Segment and angle marks, corners, grids and polygons.
    float DB2 = 0, BX = 0, HENK1 = 0, CX = 0;                 // a segment or line from (DB2, BX) to (HENK1, CX)
    float MOTOA = 0, CY = 0;                                  // a segment's length; its unit direction (CY, CCC2)
    float XX = 0, R = 0, D = 0;                               // number of marks; spacing of ticks and its start value
    float Y2 = 0, BX1 = 0, AY1 = 0, BY1 = 0, Y3 = 0, Y4 = 0;  // points of marks; an intersection
    float DY = 0, Y22 = 0;                                    // a base point; a foot
    float HONSU = 0, t0002 = 0, t0003 = 0;                    // counts of arrowheads, ticks and arcs
    float B_ANGLE = 0;                                        // radius of the last arc; the label distance of a polygon
    Str HH2$;                                                 // an angle's size in degrees
    float ZY3 = 0, I = 0, ZY4 = 0, 待つ = 0;                  // corner points of an angle's corner mark
    float TA1 = 0, TA2 = 0;                                   // top-left of a grid or plane
    float AAAX = 0;                                           // length of one grid step
    float RR = 0;                                             // squares across a grid
    float AIDA = 0, ZX = 0, GY1 = 0, ZY = 0;                  // the plane's left, top, right and bottom edges
    float HH = 0, GX1 = 0;                                    // the plane's origin
    float YOKO = 0, GX0 = 0;                                  // squares across and down a grid
    float t0006 = 0, NAGASA = 0;                              // a polygon's vertex count and side width; a font size
    float KAKU = 0;                                           // a polygon's vertex count
    float GGX = 0, GGY = 0;                                   // the next vertex and the one after it
    float TA3 = 0;                                            // character code of the first vertex letter
    float t0009 = 0, t000A = 0;                               // vertex counts of the two labelling loops
    float KJ1 = 0;                                            // a vertex number
    // Point constructions.
    float TBSI = 0, JYOUK = 0, TBSIYAKY = 0, t000C = 0;   // slopes and intercepts; the plane's ranges
    float GX2 = 0, GY2 = 0, B1_LINE2 = 0, AA1_LINE2 = 0;  // slopes and intercepts of two lines
    // Letter keys.
    float SETU = 0, TANI_KEY = 0;  // 1 when I$ is a mapped key; its number
    // Coordinate plane and graphs.
    float R1B_GRAPH = 0, RTASKAI2 = 0;           // axis units per grid step
    float AA2 = 0, R1A1 = 0;                     // the last grid step right and up
    float HHP = 0, HH1 = 0;                      // a label's whole part and tenths; a plotting step
    Str P1$, P2$;                                // the texts of that whole part and tenths
    float GX = 0, GY = 0;                        // a point's values
    float TBBO = 0, TBBOYAKX = 0;                // offsets of the next graph label
    float R1B1 = 0, P2 = 0, RABM = 0, BAIX = 0;  // a graph's kind and numbers
    float HOUKOU = 0, N2 = 0;                    // a point on the page
    float t0011 = 0, RAB_PLOT = 0;               // x and y of the next plotted point
    float t000B = 0;                             // the number of plotting steps
    // Dimension lines and rotated points.
    float IROIRO = 0, TXM = 0;                          // arrowhead on the first point; heads on both ends
    float LT2 = 0, GX4 = 0, B2_DIMENSION = 0, GX5 = 0;  // the two points of a dimension
    Str DX$, t0012$, MUKI$;                             // label switches; run and rise texts
    float KAKUDO = 0;                                   // an angle in degrees
    // Number routines.
    float TBSI1 = 0, HH4 = 0, ZY12 = 0, TY_ROOT = 0;  // a radicand, its coefficient
    Str R1A$, BB1$, AA_A$, R1B$, BB2$;                // texts of a simplified root
    float TX_FACTOR = 0, TJ = 0, AAAY = 0;            // a number to factorise
    float YA = 0, SIZE = 0;                           // half the number of divisors

    // ------------------------------------------------------ course units
    float XW = 0;     // last random sign draw; a drill's right-side shift
    float TATE = 0;   // position of a pool pick, then the shuffle case
    float A1 = 0;     // loop counter (pool shift, table columns)
    float TKAI1 = 0;  // a drill's problem count in this visit (its parity picks the case)
};

inline Globals G;

// A unit's own state registers here, once, how it is put back:
//   const bool registered = on_reset_globals([] { TXX = 0; });
using StateReset = void (*)();
inline std::vector<StateReset>& unit_state_resets() {
    static std::vector<StateReset> resets;
    return resets;
}
inline bool on_reset_globals(StateReset reset) {
    unit_state_resets().push_back(reset);
    return true;
}

// Everything back to its start value (the arrays uncreated), for `program`,
// the units' own state included.
inline void reset_globals(Program program = Program::Morvane) {
    G = Globals{};
    G.program = program;
    G.traits = traits_of(program);
    for (StateReset reset : unit_state_resets()) reset();
}
