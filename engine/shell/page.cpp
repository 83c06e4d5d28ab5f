#include "engine/shell/page.h"

namespace page {

void brace(float x, float y, float height, float colour) {
    G.YMOTO = colour;
    G.DSM1 = x;
    G.DSM2 = y;
    G.TANI = height;
    DRAW_BRACE();
}

void braced_system(float x, float y, const Str& first, const Str& second, float gap, float step, float colour) {
    brace(x, y, 100, colour);
    at(colour, x + gap, y, first);
    at(colour, x + gap, G.B2 + step, second);
}

void labelled_system(float label_colour, const Str& label, float x, float y, const Str& first, const Str& second,
                     float brace_gap) {
    at(label_colour, x, y, label);
    braced_system(G.YI1 + brace_gap, G.B2, first, second);
}

void system_brace(float x, float y, float height) {
    brace(x, y, height, 0);
    G.YI1 = x + 40;
    G.B2 = y;
}

void draw_rows(const std::vector<Row>& rows) {
    for (const Row& row : rows) {
        switch (row.kind) {
            case Row::At: at(row.colour, row.x, row.y, row.text); break;
            case Row::Line: line(row.colour, row.step, row.text); break;
            case Row::Cont: cont(row.colour, row.text); break;
            case Row::Brace: system_brace(row.x, row.y, row.height); break;
        }
        if (row.pause_after) pause();
    }
}

void worked_system(const Str& label, float x, float y, float margin, const Str& first, const Str& second,
                   const std::vector<Row>& working) {
    G.B1 = margin;
    labelled_system(3, label, x, y, first, second, 0);
    draw_rows(working);
}

void column_working(float x, float y, const Str& upper, const Str& lower, const Str& sign, float pitch,
                    float rule_colour, float colour) {
    G.YMOTO = colour;
    G.YY$ = upper;
    G.T$ = lower;
    G.LEM$ = sign;
    G.DSM1 = x;
    G.DSM2 = y;
    G.Y = pitch;
    G.NO = rule_colour;
    SHOW_COLUMN_ELIMINATION();
}

namespace {

void cell_inputs(float x, float y, float w, float h, float fill, float text_colour, float border) {
    G.DSM1 = x;
    G.DSM2 = y;
    G.TANI = w;
    G.X8 = h;
    G.NO = border;
    G.TKAI2 = fill;
    G.YMOTO = text_colour;
}

// The chain's cursor after a box: its right edge and its top.
void follow_box() {
    G.YI1 = G.DSM1;
    G.B2 = G.DSM2;
}

}  // namespace

void fixed_cell(float x, float y, float w, float h, float fill, float text_colour, const Str& text, float border) {
    cell_inputs(x, y, w, h, fill, text_colour, border);
    G.A$ = text;
    DRAW_TABLE_CELL();
}

void cell(float x, float y, float w, float h, float fill, float text_colour, const Str& text, float border) {
    fixed_cell(x, y, w, h, fill, text_colour, text, border);
    follow_box();
}

void two_line_box(float x, float y, float w, float h, float fill, float text_colour, const Str& upper, const Str& lower,
                  float border) {
    cell_inputs(x, y, w, h, fill, text_colour, border);
    G.YY$ = upper;
    G.T$ = lower;
    DRAW_TWO_LINE_BOX();
    follow_box();
}

void boxed_title(float x, float y, const Str& title, float title_width, const Str& number, float number_width) {
    cell(x, y, title_width, 46, 13, 0, title, 3);
    cell(G.YI1 + 10, y, number_width, 44, 3, 13, number, 4);
}

void aim_page(bool clear_first, float heading_colour, float indent, std::initializer_list<Str> sentences) {
    if (clear_first) clear(0, 0, 1760, 1800);
    G.B1 = 44;
    G.B2 = 240;
    at(heading_colour, G.B1, G.B2, SJ("<めあて>"));
    for (const Str& sentence : sentences) at(0, G.B1 + indent, G.B2 + 65, sentence);
}

void section_menu(const Str& menu_line, std::initializer_list<Section> sections) {
    const int items = static_cast<int>(sections.size()) + 1;
    for (;;) {
        const int item = ask_section_menu(menu_line, items);
        if (item == items) return;
        sections.begin()[item - 1]();
    }
}

void drill(const std::function<void()>& problem, const std::function<void()>& after_ask) {
    G.AINP = 3;
    while (G.AINP != 1) {
        problem();
        ASK_NEXT_STEP();
        if (after_ask) after_ask();
    }
}

}  // namespace page
