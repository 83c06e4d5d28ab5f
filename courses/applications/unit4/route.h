// The two figures every page of the speed unit draws: the route diagram
// (a horizontal route through a start, a point where the way of travelling
// changes and a goal, with dotted arcs for distances and times) and the table
// of distance, speed and time for the two legs and the whole trip.
#pragma once
#include <array>

#include "engine/globals.h"

namespace speed {

// The route's line; the points' x positions are each page's own.
inline constexpr float kRouteY = 230;
// Which side of the route an arc stands on.
inline constexpr float kAbove = -1;
inline constexpr float kBelow = 1;
// Degrees between neighbouring dots: 61 dots for the long arcs, 37 for the legs.
inline constexpr float kFineStep = 3;
inline constexpr float kCoarseStep = 5;

// The whole route from `from` to `to` in colour 0.
void route_line(float from, float to);
// The point where the way changes: its dot, then the first leg again in
// colour 0 and the second in colour 3 over the whole route.
void split_route(float from, float middle, float to);

// A dotted half-ellipse over the route from x `from` to x `to` (left to
// right), `height` above or below it, with `label` at its apex moved `shift`
// to the right.
void dotted_arc(float from, float to, float side, float step, float height, const Str& label, float label_colour,
                float dot_colour, float shift = 0);

// The table's columns: the label column from `left`, `label_width` wide,
// then the two legs and the whole trip, 114 wide each. The table is a figure
// beside the working: its cells leave the chain's cursor where it was.
struct SpeedTable {
    float left;
    float label_width;
    float corner_fill;              // the empty cell over the row labels
    std::array<Str, 3> heads;       // the two legs and the whole trip
    std::array<Str, 3> row_labels;  // distance, speed, time
};
// The frame: the header row, then each row's label and its three empty
// value cells, with no pause.
void table_frame(const SpeedTable& table);
// A value cell drawn again with its text: row 1 distance, 2 speed, 3 time;
// column 1 and 2 the legs, 3 the whole trip.
void value_cell(const SpeedTable& table, int row, int column, const Str& text);

}  // namespace speed
