// Geometry, graph and number helpers: dotted arcs with labels, marks on
// segments and angles, grids and polygons, point constructions, the
// coordinate plane and its graphs, dimension arrows and the root, factor,
// divisor and sign-text routines. Like every routine of the course they take
// their inputs from the shared state (engine/globals.h) and leave their results
// there.
//
// Angles are radians with pi taken as AX = 3.14159, measured counterclockwise
// as seen on the page from +x (0 right, AX/2 up); the circle operation takes
// the same direction as the arc fraction 1 - angle / (2 AX), a part of a turn
// clockwise on the page.
#pragma once
#include "engine/globals.h"

// ------------------------------------------------ dotted arcs and labels

// DOTTED_SEMICIRCLE: a dotted half-ellipse over the segment from (AIDA1, YY1)
// to (AAA, FMAESU), with the label ZY0$ just outside its middle.
//   Reads: the end points; Y the height across the segment (0 < Y < 16 is
//   taken times 16, a negative Y as |Y|, 0 lays the dots on the segment); FY
//   the side (> 0: right of the way from the first point to the second, which
//   is below a left-to-right segment; anything else: left, above); TANI the
//   step between dots in degrees (both ends get a dot; a step of 0 or less
//   draws the first dot only); NO the dots' colour; ZY0$ (empty: no label),
//   YMOTO, EX, EY, XI5 for the label as ARC_LABEL takes them.
//   Draws: dots of radius 0.5 (as wide as the draw width in force); the label
//   centred above an arc over the segment (its box reaching down to the arc's
//   middle) or below an arc under it (its top on the middle), moved by EX, EY.
//   A segment of length 0 draws nothing. Positions carry the rounding of
//   single-precision trigonometry with pi as 3.14159: dots and labels lie
//   within a few thousandths of a unit of their exact places (compare with
//   a tolerance, not for equality).
//   Leaves: AIDA1, YY1 = the arc's middle point (also in LT1, XI1); AAA, FMAESU
//   = the first end point; ZY1, KAKKO1 = the second; DR, MU_DO, ZY11, HAN the
//   saved end points; Y as scaled; HH3 half the segment's length; ZX4 its
//   direction; XI3, ZX11 the first and last dot angle in degrees; the loop's
//   A1, D2, O; scratch CCC0, HENK3, HH5, ITI, t0001, t0004; and what
//   ARC_LABEL leaves (ZY0$ empty, TYY, EX, EY, LCM1, XI5 = 0).
//   Keeps: B1, B2, YI1, YMOTO and the draw width.
void DOTTED_SEMICIRCLE();

// ARC_LABEL: draws ZY0$ beside the vertex (AIDA1, YY1), on the bisector of the
// turn counterclockwise on the page from the ray towards (AAA, FMAESU) to the
// ray towards (ZY1, KAKKO1) (TYY = -1 takes the rays the other way round).
//   Reads: the three points, TYY; LCM1 the distance along the bisector from
//   the vertex to the point the label's box touches; ZY0$ (mark-up allowed);
//   YMOTO its colour; EX, EY offsets; XI5 = 1 draws it in the small style.
//   The box, TY wide and 44 high (80 with a stacked fraction), touches that
//   point with its side facing the vertex and is centred across the bisector.
//   Leaves: DSM1 the x after the label, DSM2 its top; KKAI$ empty; TY its
//   width; A$ and B4 changed; CCC2 the half-height (22 or 40); SOSU1 the
//   position of the first fraction mark (0: none); what ARC_ANGLES sets. Then
//   TYY = 0, ZY0$ = "", EX = EY = LCM1 = XI5 = 0: offsets serve one label.
//   Keeps: AA1, YMOTO, B1, B2, YI1 and the draw width.
void ARC_LABEL();

// ARC_ANGLES: ZX1, ZX2 = the directions from the vertex (AIDA1, YY1) to
// (AAA, FMAESU) and to (ZY1, KAKKO1); XX1, ZX0 their arc fractions (each pair
// exchanged when TYY = -1); ZY2 the bisector of the turn from ZX1 to ZX2
// (up to 3 AX, not brought below 2 AX); NAGASA1 the second ray's direction as
// computed before the exchange; AX = 3.14159.
void ARC_ANGLES();

// SEGMENT_DIRECTION: NAGASA1 = the direction from (AIDA1, YY1) to (AAA,
// FMAESU) in [0, 2 AX) (equal points give AX), t0004 the same in degrees;
// AX = 3.14159.
void SEGMENT_DIRECTION();

// ------------------------------------------------ segment and angle marks
// The segment routines take the segment from (DB2, BX) to (HENK1, CX) and
// leave its length in MOTOA and its unit direction in (CY, CCC2); a segment
// without length draws nothing. A count XX numbers the marks 1, 2, ... while
// not above it, the first always drawn.

// Up to six arrowheads LCM1 long and wide, each 16 further along, beyond the
// point that divides the segment XG : B; colour NO. XG + B = 0 draws nothing.
void SEGMENT_ARROWS_AT_RATIO();
// Up to six strokes 2 LCM1 long across the segment, R apart (0 or above 30:
// 8), from its middle moved TYY along it; colour NO. Leaves R = R (XX + 1).
void SEGMENT_TICKS_AT_MIDDLE();
// The angle at the vertex as ARC_ANGLES takes it: XX arcs of radius LCM1 - 8,
// LCM1 - 16, ... in colour TKAI2 (radii of 0 or less are left out), or with
// XX <= 0 a sector of radius LCM1 filled with TKAI2, edged in NO; then
// ARC_LABEL with ZY0$ at LCM1 along the bisector. B_ANGLE = the last radius.
void ANGLE_MARK();
// HH2$ = the counterclockwise angle from the first ray to the second in
// degrees, to the nearest tenth ("90", "45", "22.5"); ZY2 that angle in
// radians, t0004 in degrees. A$ = HH2$.
void ANGLE_VALUE_TEXT();
// The corner of the parallelogram with sides LCM1 along both rays, as one
// three-point polyline in colour NO (the square mark of a right angle).
void ANGLE_CORNER_MARK();

// ------------------------------------------------ grids and polygons

// Graph paper from (TA1, TA2): RR squares across, X8 down, AAAX each, thin
// lines (width 1) in colour NO, the left and bottom edges and every fifth
// line from them heavy (width 3, colour 14, left in TKAI2). NO = 15 draws
// nothing. Either way leaves the plane's frame: edges AIDA, ZX, GY1, ZY and
// origin (HH, GX1) at the bottom-left corner; AX = 3.14159. Keeps the width.
void DRAW_GRID();
// The closed polygon through R1A(k, 1), R1A(k, 2) for k = 1..t0006 (3 to 10;
// anything else draws nothing), sides NAGASA wide in colour NO. ZY0$ = "1"
// labels vertex k with X$(k), any other text with letters from its first
// character ("A": A, B, C, ...), each LCM1 from its vertex on the bisector
// of the angle towards vertices k+1 and k+2. Leaves ZY0$ empty, B_ANGLE =
// LCM1 (LCM1 = 0 after labels), the caller's width.
void DRAW_POLYGON();
void VERTEX_LETTERS();
void VERTEX_MARKS();

// ------------------------------------------------ point constructions

// The foot (DY, Y22) of the perpendicular from (CCC0, HENK3) to the line
// through (DB2, BX) and (HENK1, CX), marked with a disc of radius 2 in
// colour 15. In the general case TBSI, TBSIYAKY = the line's slope and
// intercept, JYOUK, t000C the perpendicular's (the plane's ranges too).
void FOOT_OF_PERPENDICULAR();
// The meeting point (AY1, BY1) of the line L through (DB2, BX), (HENK1, CX)
// and the line M through (CCC0, HENK3), (CY, CCC2). Slopes and intercepts in
// GX2, GY2 and B1_LINE2, AA1_LINE2; a vertical line has the slope 1000 and
// its x in AY1. Parallel lines: no point (AY1, BY1 otherwise unchanged).
void LINE_INTERSECTION();
// Where the line through (DB2, BX), (HENK1, CX) crosses the height HENK3
// (given CCC0 < 0) or the x CCC0 (given HENK3 < 0): (DS1, AINP_AUX). A
// vertical line gives (DB2, HENK3), a horizontal one (CCC0, BX); the slope
// and intercept otherwise in XG, B.
void AXIS_CROSSING_POINT();
// (LT1, XI1) = the point at KAKUDO degrees on the half-ellipse of height Y
// over the segment from P (AIDA1, YY1) to Q (AAA, FMAESU): 0 gives Q, 180 P,
// 90 the point Y to the left of the way from P to Q. A segment without length
// gives P. Leaves AAA, FMAESU = the unturned point; DR, MU_DO, ZY11, HAN = P, Q.
void ROTATED_POINT();

// SETU = 1 and TANI_KEY = 1..10 when I$ is one of the keys Q W E R T @ I [ ]
// S (exactly, upper case); otherwise SETU = 0 and TANI_KEY unchanged.
void LETTER_KEY_MAP();

// ------------------------------------------------ the coordinate plane

// The plane from the ranges TBSI..JYOUK (x) and TBSIYAKY..t000C (y), with
// R1B_GRAPH and RTASKAI2 units per grid step (0 taken as 1, a negative step
// as its size; the ranges are divided by them in place), AAAX per step, the
// top-left at (TA1, TA2) ((0, 0) taken as (640, 180)). NO = 0 draws only the
// axes and "x", "0", "y"; otherwise the grid, every fifth line heavier with
// its step number (LLT = -1: no numbers). Leaves the frame (AIDA, ZX, GY1,
// ZY, origin HH, GX1), NAGASA the font size of the numbers (26, or 30 when
// AAAX >= 40), LLT = 0; the Gothic face at size 16, bold and italic off, the
// caller's width.
void DRAW_AXES();
// Labels with one decimal at every fifth step but 0 of the last plane,
// read as values (step x R1B_GRAPH): "2.5" as "25" with a point at the join.
void DRAW_AXIS_DECIMAL_LABELS();

// A disc of radius t0001 at the value pair (GX, GY) in colour TKAI2 and the
// label ZY0$ 20 left and 40 above it, moved by TBBO, TBBOYAKX (then 0).
void PLOT_POINT();
// The graph of kind R1B1 (1: P2 / x; 2: P2 x^2; 3: P2 x + RABM; 4: the line
// P2 x + RABM y = BAIX, vertical when RABM = 0, nothing when P2 is 0 too)
// from TBSI to JYOUK, labelled ZY0$ at its last dot (the line's top for a
// vertical line). Leaves R1B_GRAPH = RTASKAI2 = 1, TBBO = TBBOYAKX = 0, the
// caller's width.
void DRAW_FUNCTION_GRAPH();
// The graph as 5001 dots of radius 1 in colour TKAI2, those within the
// plane's height; DSM1, DSM2 = the last dot drawn.
void PLOT_FUNCTION_DOTS();
// The line x = BAIX (grid steps) from TBSIYAKY up to t000C in colour TKAI2,
// width 5 (left so); DSM1, DSM2 = 10 right of its top.
void DRAW_VERTICAL_GRAPH_LINE();

// ------------------------------------------------ dimension lines

// The shaft from (LT1, XI1) to (AIDA1, YY1) with an open head LCM1 long and
// wide on (LT1, XI1), or on (AIDA1, YY1) when IROIRO = -1 (the ends are
// exchanged otherwise); TXM = 2 heads both ends (then 0). Colour NO. Ends that
// coincide give the shaft only. IROIRO = 0 afterwards.
void DRAW_DIMENSION_SEGMENT();
// The run (colour 7) and rise (colour 3) arrows of the step from (LT2, GX4)
// to (B2_DIMENSION, GX5), put in left-to-right order, with the texts of
// their lengths in graph units (AAAX per unit) in t0012$ and MUKI$ ("0.5"),
// labelled when DX$ holds "y" first (run) and second (rise). A leg without
// length, or AAAX = 0: empty texts, no labels. Leaves width 4.
void DRAW_DIMENSION();
void DRAW_DIMENSION_LABEL_X();
void DRAW_DIMENSION_LABEL_Y();

// ------------------------------------------------ numbers and sign texts

// sqrt TBSI1 = HH4 sqrt TBSI1 (squares 2^2 .. 200^2 taken out); ZY12 = the
// radicand; texts in the root mark-up "!"..."ﾝ": R1A$ (the coefficient),
// BB1$ (the simplified root), AA_A$ ("!72ﾝ=", empty when nothing came out),
// R1B$ (the reduced root alone). 0 takes nothing out.
void SIMPLIFY_ROOT();
// The prime factors 2 to 23 of |TX_FACTOR|: R1A(k, 1), R1A(k, 2) = prime and
// exponent for k = 1..TATE, row 10 = (the cofactor left over, 1); 0 has no
// factors and leaves (0, 1). Y7(1..10) = the primes to 29.
void PRIME_FACTORISE();
// The divisors of |CCC2| in GY5(1..XW), their co-divisors in t0014(); at most
// 40 are kept. YA = XW / 2, rounded down.
void LIST_DIVISORS();
// A$ with its sign turned round: "-3" -> "+3", "+2x" -> "-2x", "5" -> "-5".
void NEGATE_SIGNED_TEXT();
// A$ in brackets when it holds a "-" anywhere ("((-3))" from "(-3)").
void PARENTHESISE_NEGATIVE();
