#include "courses/equations/common/worked_page.h"

#include "engine/shell/page.h"

namespace worked {

void draw(const std::vector<Row>& rows) {
    for (const Row& row : rows) {
        switch (row.kind) {
            case Row::Text:
                page::at(row.colour, row.x, row.y, row.text);
                break;
            case Row::SameLine:
                page::cont(row.colour, row.text);
                break;
            case Row::Brace:
                page::brace(row.x, row.y, row.height, row.colour);
                G.YI1 = row.x + 40;
                G.B2 = row.y;
                break;
        }
        if (row.pause) page::pause();
    }
}

void show_answer_pages(const std::vector<AnswerPage>& pages) {
    for (size_t n = 0; n < pages.size(); ++n) {
        const AnswerPage& p = pages[n];
        if (n > 0) page::pause();
        page::clear(0, 0, 1600, 1800);
        G.B1 = p.margin;
        G.B2 = 30;
        page::at(3, p.margin, 30, p.title);
        draw(p.rows);
        page::solve_in_column(p.work_x, p.column_margin, p.pair, p.label1, p.label2);
    }
}

}  // namespace worked
