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
//   A segment of length 0 draws nothing.
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
