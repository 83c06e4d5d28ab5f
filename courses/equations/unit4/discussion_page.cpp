// Section ⑦: one system solved twice, by elimination on the left and by
// substitution on the right, the page moving back and forth between the
// columns. Each column's margin and current line are kept in GX3/GY3 (left
// in element 1, right in element 2) while the page works in the other.
#include "courses/equations/unit4/unit4.h"
#include "engine/shell/page.h"

using namespace page;

namespace {

void keep_column(float k) {
    G.GX3(k) = G.B1;
    G.GY3(k) = G.B2;
}
void resume_column(float k) {
    G.B1 = G.GX3(k);
    G.B2 = G.GY3(k);
}
// x found: on the line of the equation before it, 40 right of its end.
void found_x() { at(3, G.YI1 + 40, G.B2, "x=2"); }
// y from x in ①, ending in the answer.
void y_and_answer() {
    line(3, 50, SJ("x=2 を①に代入して"));
    line(3, 50, "y=");
    pause();
    cont(0, "4*2-11=8-11=");
    cont(3, "-3");
    line(5, 50, SJ("答 (x,y)=(2,-3)"));
}

// The rest of a column, each line after a key: two steps of its own, then
// -4x=-8, x and y with the answer; both methods end alike.
void finish_column(const Str& first, const Str& second) {
    for (const Str& text : {first, second, Str("-4x=-8")}) {
        line(0, 50, text);
        pause();
    }
    found_x();
    pause();
    y_and_answer();
    pause();
}

}  // namespace

void UNIT4_DISCUSSION_PAGE() {
    clear(0, 0, 1600, 1800);
    G.B1 = 38;
    G.B2 = 30;
    labelled_system(3, SJ("どのように解く？"), G.B1, G.B2, SJ("y=4x-11…①"), SJ("8x-3y=25…②"), 0);
    pause();
    at(7, G.B1, G.B2, SJ("<加減法>"));
    line(3, 50, SJ("①*3 3y=12x-33…①'"));
    line(3, 50, SJ("①'+② 8x=12x-8"));
    keep_column(1);
    pause();

    G.B1 = 722;
    G.B2 = 30;
    at(7, G.B1, G.B2, SJ("<代入法>"));
    line(3, 50, SJ("①*3 3y=12x-33…①'"));
    at(3, G.B1 - 34, G.B2 + 50, SJ("①'の3yで②の3yをおきかえると"));
    line(3, 50, "8x-(12x-33)=25");
    keep_column(2);
    pause();

    // The addition comes whole, with its result: its own pause does not wait.
    resume_column(1);
    column_working(G.B1, G.B2 + 50, "   3y=12x-33", "8x-3y=    25", "+");
    finish_column("  8x   =12x-8", "8x-12x=-8");

    resume_column(2);
    finish_column("8x-12x+33=25", "8x-12x=25-33");

    G.B1 = 570;
    line(5, 50, SJ("★yを消去して解いている。"));
    pause();
    line(5, 50, SJ("★3yでも代入できる。"));
}
