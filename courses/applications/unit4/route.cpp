#include "courses/applications/unit4/route.h"

#include "engine/helpers/helpers.h"
#include "engine/shell/page.h"

namespace speed {

namespace {

constexpr float kRowTop[4] = {400, 450, 500, 550};
// The time row is taller for its stacked fractions.
constexpr float kRowHeight[4] = {50, 50, 50, 70};
constexpr float kValueWidth = 114;

float column_left(const SpeedTable& table, int column) {
    return table.left + table.label_width + kValueWidth * static_cast<float>(column - 1);
}

}  // namespace

void route_line(float from, float to) { draw::line(from, kRouteY, to, kRouteY, 0); }

void split_route(float from, float middle, float to) {
    draw::disc(middle, kRouteY, 6, 0);
    draw::line(from, kRouteY, middle, kRouteY, 0);
    draw::line(middle, kRouteY, to, kRouteY, 3);
}

void dotted_arc(float from, float to, float side, float step, float height, const Str& label, float label_colour,
                float dot_colour, float shift) {
    G.AIDA1 = from;
    G.YY1 = kRouteY;
    G.AAA = to;
    G.FMAESU = kRouteY;
    G.FY = side;
    G.TANI = step;
    G.Y = height;
    G.ZY0$ = label;
    G.YMOTO = label_colour;
    G.NO = dot_colour;
    G.EX = shift;
    G.EY = 0;
    DOTTED_SEMICIRCLE();
}

void table_frame(const SpeedTable& table) {
    page::fixed_cell(table.left, kRowTop[0], table.label_width, kRowHeight[0], table.corner_fill, 0, Str());
    for (int column = 1; column <= 3; ++column)
        page::fixed_cell(column_left(table, column), kRowTop[0], kValueWidth, kRowHeight[0], 13, 0,
                         table.heads[column - 1]);
    for (int row = 1; row <= 3; ++row) {
        page::fixed_cell(table.left, kRowTop[row], table.label_width, kRowHeight[row], 13, 0,
                         table.row_labels[row - 1]);
        for (int column = 1; column <= 3; ++column) value_cell(table, row, column, Str());
    }
}

void value_cell(const SpeedTable& table, int row, int column, const Str& text) {
    page::fixed_cell(column_left(table, column), kRowTop[row], kValueWidth, kRowHeight[row], 15, 0, text);
}

}  // namespace speed
