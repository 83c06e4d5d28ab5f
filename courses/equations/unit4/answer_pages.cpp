// Sections ④ and ⑥: the worked answers to questions 6 and 7, two systems
// side by side, drawn at once.
#include <initializer_list>

#include "courses/equations/unit4/unit4.h"
#include "engine/shell/page.h"

using namespace page;

namespace {

struct Row {
    float colour;
    Str text;
};

// The head of an answer column with margin `margin`: the part label 38 left
// of the margin, the brace where the label ends and both equations 40 right
// of that.
void column_head(float margin, const Str& label, const Str& first, const Str& second) {
    G.B1 = margin;
    G.B2 = 30;
    labelled_system(3, label, G.B1 - 38, G.B2, first, second, 0);
}
// Working lines, 50 apart at the margin.
void lines(std::initializer_list<Row> rows) {
    for (const Row& r : rows) line(r.colour, 50, r.text);
}

}  // namespace

void UNIT4_Q6_ANSWERS() {
    clear(0, 0, 1600, 1800);
    fixed(7, 38, 30, SJ("問6"));
    column_head(266, "(1)", SJ("9x-2y=12…①"), SJ("y=3x…②"));
    lines({{3, SJ("②を①に代入して")},
           {0, "9x-2*3x=12"},
           {0, "9x-6x=12"},
           {0, "3x=12"},
           {0, "x=4"},
           {3, SJ("x=4 を②に代入して")},
           {0, "y=3*4"},
           {0, "y=12"},
           {5, SJ("答 (x,y)=(4,12)")}});
    column_head(798, "(2)", SJ("x=-5y+4…①"), SJ("2x+y=-1…②"));
    lines({{3, SJ("①を②に代入して")},
           {0, "2(-5y+4)+y=-1"},
           {0, "-10y+8+y=-1"},
           {0, "-10y+y=-1-8"},
           {0, "-9y=-9"},
           {0, "y=1"},
           {3, SJ("y=1 を①に代入して")},
           {0, "x=-5*1+4=-5+4"},
           {0, "x=-1"},
           {5, SJ("答 (x,y)=(-1,1)")}});
}

void UNIT4_Q7_ANSWERS() {
    clear(0, 0, 1600, 1800);
    fixed(7, 38, 30, SJ("問7"));
    column_head(190, "(1)", SJ("y-x=4…①"), SJ("5x-3y=2…②"));
    line(3, 50, SJ("①から　"));
    cont(0, SJ("y=x+4…①'"));
    lines({{3, SJ("①'を②に代入して")},
           {0, "5x-3(x+4)=2"},
           {0, "5x-3x-12=2"},
           {0, "5x-3x=2+12"},
           {0, "2x=14"},
           {0, "x=7"},
           {3, SJ("x=7 を①'に代入して")},
           {0, "y=7+4=11"},
           {5, SJ("答 (x,y)=(7,11)")}});
    column_head(722, "(2)", SJ("3x+2y=-11…①"), SJ("3y-x=0…②"));
    line(3, 50, SJ("②から　"));
    cont(0, SJ("x=3y…②'"));
    lines({{3, SJ("②'を①に代入して")},
           {0, "3*3y+2y=-11"},
           {0, "9y+2y=-11"},
           {0, "11y=-11"},
           {0, "y=-1"},
           {3, SJ("y=-1 を②'に代入して")},
           {0, "x=3*(-1)=-3"},
           {5, SJ("答 (x,y)=(-3,-1)")}});
}
