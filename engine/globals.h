// The course's shared state. Every routine of both programs reads and writes
// these variables by name (A$ is one variable everywhere), exactly as the
// lesson code is written; they live for the whole run. Numbers start at 0 and
// texts empty, as the lesson code counts on; the arrays are created at
// start-up. A test resets everything with reset_globals().
//
// One section per subsystem; add a variable to the section of the subsystem
// that first writes it, after checking that it is not already here.
//
// One clash of names: the table R$() is `R$`; the plain text R$ (the scratch
// of STRIP_SPACES) is `R$s`.
#pragma once
#include "engine/platform/runtime.h"

enum class Program { Morvane, Talisse };

// What the engine does differently for each course program. Chosen once at
// start-up; read where the difference lies, never by asking which program
// runs.
struct ProgramTraits {
    bool pictograms;           // the formula display draws its pictograms
    bool pause_can_be_skipped;  // a key pause returns at once while JYOU is 1
    bool brace_advances;       // after a brace, DSM1 is at its tips (else at its left)
    bool column_pauses;        // the column layout pauses after its upper row
    float first_value_min;     // the aligned column layout's value column starts
                               // at least this far right of its left edge (0: none)
};

inline constexpr ProgramTraits kMorvaneTraits{true, true, true, true, 0};
inline constexpr ProgramTraits kTalisseTraits{false, false, false, false, 340};

inline constexpr const ProgramTraits& traits_of(Program program) {
    return program == Program::Morvane ? kMorvaneTraits : kTalisseTraits;
}

struct Globals {
    // Which course program runs, and its differences from the other one.
    Program program = Program::Morvane;
    ProgramTraits traits = kMorvaneTraits;

    // ------------------------------------------------ shared page state
    Str KKAI$;          // text for MU, in formula mark-up
    Str A$;             // text for measuring and per-glyph drawing; scratch
    float DSM1 = 0;     // x of the next piece of text
    float DSM2 = 0;     // y (line top) of the next piece of text
    float YMOTO = 0;    // palette colour of the next text
    float B1 = 0;       // left margin of the page
    float B2 = 0;       // y of the current line
    float B3 = 0;
    float B4 = 0;       // saved draw width
    float YI1 = 0;      // x where the last piece ended
    float TY = 0;       // a measured width
    float II = 0;

    // ----------------------------------------- formula text display
    float X1 = 0;        // exponent flag
    float TBSIYAKX = 0;  // small raised flag
    float SIZE1 = 0;     // open-root state
    float AY = 0;        // over-line start
    float AA1 = 0;       // big-bracket switch
    float RTASKAI1 = 0;  // fraction-part mode
    float N1 = 0;
    float SOSU = 0;
    Str t0007$;
    float TA6 = 0, YT = 0, ZX12 = 0, NAG = 0, HENK = 0, ZX5 = 0;
    Str GY0$, LT$;
    float X = 0, R1B = 0, KJ2 = 0, TKAI = 0, TBBOYAKY = 0, X3 = 0, DB1 = 0, Y = 0;
    Str DS1$, G$, YY$, T$, F$, U$, L$;
    Str R$s;  // plain text R$ (see above)
    float DS4 = 0;
    // fraction texts
    float DB = 0;                                  // case code of a reduction
    float Y_REDUCE = 0, RAB = 0, DS_REDUCE = 0;    // given denominator; reduced pair
    float KASANARIX = 0, H = 0;                    // Euclid's divisor; the product
    float H_MARKUP = 0, ZY5 = 0;                   // positions of removed marks
    Str E2$, DA1$, XX$, DB$, HYOUJI$;
    // fraction sums
    float DS = 0, A31 = 0, YAK1 = 0, LB8 = 0;      // the two fractions
    float X2 = 0, X4 = 0;                          // second numerator; the sum
    Str A2$, A3$, DS4$, DS2_FRACTION$, RABM$, V$, DBM2$, E1$, A4$, A5$;
    // prompt text
    float SOSU1 = 0, X9 = 0, LE = 0;
    Str FDS1$, NAGA$, KOSUU$, BAIY$, CCC1$;
    // small text
    float X_SMALL_TEXT = 0, AA_MEASURE = 0, IB8 = 0;
    float YY = 0, DS3 = 0, TX = 0, M1 = 0, NASI = 0;
    Str FKIG$;

    // ------------------------------------------------------ course shell
    Str II1$;          // course title
    float Y5 = 0;      // x of the input field
    float Y6 = 0;      // y of the input field
    float XG = 0;
    float B = 0;
    Str I$;            // the last key polled
    Str DS2$;          // typed entry
    float AINP = 0;    // its value
    float A = 0;       // section-menu choice
    float JYOU = 0;    // key-pause skip switch (Morvane)
    float XJ2 = 0, YJ3 = 0;
    StrArray TITLE$;   // texts of F()
    NumArray F;
    StrArray A1$;      // texts of T()
    NumArray T;
    NumArray R1A;
    NumArray GY5;
    NumArray t0014;
    NumArray Y7;
    StrArray R$;       // table R$()
    StrArray X$;
    NumArray GX3;      // coefficients and multipliers for the solver
    NumArray GY3;      // right-hand sides for the solver
    float LCM2 = 0;    // input-field cursor x
    float SIKI = 0;    // input-field cursor y
    float HENK2 = 0;   // text colour kept across a key pause
    float TANI = 0;    // width of a table cell; height of a brace
    float X8 = 0;      // height of a table cell
    float NO = 0;      // border colour of a cell; colour of a column rule
    float TKAI2 = 0;   // fill colour of a cell
    Str LEM$;          // operation sign of a column layout
    float YG = 0;      // width of the wider row of a column layout
    float DS1 = 0;     // kept x of a cell or layout
    float AINP_AUX = 0;  // kept y of a cell or layout

    // ------------------------------------------- elimination solver
    float AA = 0;      // pause switch
    float LLT = 0;     // answer-line switch
    Str CCC3$, ENZAN$;  // equation labels
    Str REI0Y$, N$;     // texts of x and y
    Str A41$;
    float XI0 = 0;
    float P = 0, Q = 0;  // least common multiples of the x and of the y coefficients
    Str A21$;            // text of x for substitution
    Str SIKI$;           // label of the equation that receives the first value

    // ------------------------------------------------------ course units
    float XW = 0;      // last random sign draw; a drill's right-side shift
    float TATE = 0;    // position of a pool pick, then the shuffle case
    float A1 = 0;      // loop counter (pool shift, table columns)

    // ------------------------------------------------ equations unit 2
    // (variables first written here)
    float XT = 0;      // add/subtract generator: -1 equal, else opposite coefficients
    float t0001 = 0;   // add/subtract generator: coin of a coefficient's sign
    float TKAI1 = 0;   // practice drill: problem number of the visit
    float X_UNIT = 0;  // steps page: y of the first step note
    float XI2 = 0;     // second column: left margin
    float YJ1 = 0;     // second column: x where its last piece ended


    // ------------------------------------------------ equations unit 3
    // (variables first written here)


    // ------------------------------------------------ equations unit 4
    // (variables first written here)


    // ------------------------------------------------ equations units 5 and 6
    // (variables first written here)


    // ------------------------------------------------ geometry, graph and number helpers
    // (variables first written here)


    // ------------------------------------------------ applications units 1 to 3
    // (variables first written here)


    // ------------------------------------------------ applications unit 4
    // (variables first written here)


    // ------------------------------------------------ applications units 5 to 7
    // (variables first written here)

};

inline Globals G;

// Everything back to its start value (the arrays uncreated), for `program`.
inline void reset_globals(Program program = Program::Morvane) {
    G = Globals{};
    G.program = program;
    G.traits = traits_of(program);
}
