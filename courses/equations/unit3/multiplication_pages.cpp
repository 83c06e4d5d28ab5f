// Sections ① and ④: two worked examples in which neither adding nor
// subtracting removes a letter until one equation (①) or both (④) are
// multiplied. The working runs down the left column, the hints and the
// closing sentence in the notes column on the right.
#include "courses/equations/unit3/unit3.h"
#include "engine/shell/page.h"

using namespace page;

namespace {

// The page's frame, its title, and the given system in a brace.
void start_page(const Str& first, const Str& second) {
    clear(0, 0, 1600, 1800);
    G.B1 = 76;
    G.B2 = 30;
    G.XI2 = 608;
    G.B3 = 30;
    note(3, G.XI2, G.B3, SJ("どうすれば消去できる？"));
    braced_system(G.B1, G.B2, first, second);
}

// The multiplied equations subtracted in a column under the working.
void subtraction(const Str& upper, const Str& lower) { column_working(G.B1, G.B2 + 50, upper, lower); }

// The changed signs of the subtracted row, between it and the row above.
void changed_signs(const Str& signs) { sign_row(3, G.B1, G.B2 - 25, signs); }

void result_line(float colour, const Str& text) { at(colour, G.XJ2, G.B2 + 50, text); }
void next_note(float colour, const Str& text) { note(colour, G.XI2, G.B3 + 50, text); }
void note_block(const Str& text) { note(5, G.XI2, G.B3 + 80, text); }

}  // namespace

void UNIT3_FIND_EXAMPLE_PAGE() {
    start_page(SJ("x+2y=4…①"), SJ("2x+3y=5…②"));
    pause();
    next_note(7, SJ("①を 2x+4y=8 にすればいい"));
    pause();
    line(3, 50, SJ("①*2-②"));
    subtraction(SJ("2x+4y=8"), SJ("2x+3y=5"));
    changed_signs(SJ("+-  -  -"));
    pause();
    result_line(3, SJ("    y=3"));
    pause();
    line(3, 50, SJ("y=3 を①に代入して"));
    pause();
    line(0, 50, SJ("x+2*3=4"));
    pause();
    line(0, 50, SJ("x+6=4"));
    pause();
    line(0, 50, SJ("x=4-6=-2"));
    pause();
    line(5, 50, SJ("答 (x,y)=(-2,3)"));
    pause();
    note_block(SJ("何倍かして、"));
    next_note(5, SJ("係数の絶対値を同じにすればよい。"));
}

void UNIT3_HOW_TO_PAGE() {
    start_page(SJ("4x+7y=-2…①"), SJ("6x-5y=28…②"));
    pause();
    next_note(7, SJ("①も②も xの係数を12 にすればいい"));
    pause();
    line(3, 50, SJ("①*3-②*2"));
    pause();
    // A key between the upper row and the rest of the subtraction.
    G.JYOU = 1;
    subtraction(SJ("12x+21y=-6"), SJ("12x-10y=56"));
    pause();
    // Over 12x-10y=56: its 12x and 56 change to minus, its -10y to plus.
    changed_signs(SJ("+-   +   -"));
    pause();
    result_line(0, SJ("    31y=-62"));
    pause();
    result_line(0, SJ("      y=-2"));
    pause();
    line(3, 50, SJ("y=-2 を①に代入して"));
    pause();
    line(0, 50, SJ("4x+7*(-2)=-2"));
    pause();
    line(0, 50, SJ("4x-14=-2"));
    pause();
    line(0, 50, SJ("4x=-2+14=12"));
    pause();
    line(0, 50, SJ(" x=3"));
    pause();
    at(5, G.YI1 + 50, G.B2, SJ("答 (x,y)=(3,-2)"));
    pause();
    note_block(SJ("何倍かして、x,yのどちらかの"));
    next_note(5, SJ("係数の絶対値を同じにすればよい。"));
}
