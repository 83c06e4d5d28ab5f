// Section ①: the textbook's opening problem worked twice side by side, with
// pencils and notebooks on the left and as a system on the right, leading to
// the idea of leaving only one letter.
#include "courses/equations/unit2/unit2.h"
#include "engine/shell/page.h"

using namespace page;

namespace {

// The pencil and the notebook draw in their own colours whatever the text
// colour is.
constexpr float kPictogram = 0;

}  // namespace

void UNIT2_FIND_METHOD_PAGE() {
    clear(0, 0, 1600, 1800);
    G.B1 = 38;
    G.B2 = 30;
    draw::set_width(5);

    // With pictures.
    at(3, G.B1, G.B2, SJ("教科書P39 ひろげよう"));
    line(kPictogram, 60, SJ("ｶ"));
    cont(0, SJ("を鉛筆、"));
    cont(kPictogram, SJ("ｷ"));
    cont(0, SJ("をノートとすると"));
    pause();
    line(kPictogram, 80, SJ("ｶｶｶ"));
    at(kPictogram, G.YI1 + 30, G.B2, SJ("ｷ"));
    at(0, G.YI1 + 30, G.B2, SJ("→250円…①"));
    pause();
    at(kPictogram, G.B1 + 76, G.B2 + 80, SJ("ｶ"));
    at(kPictogram, G.YI1 + 30, G.B2, SJ("ｷ"));
    at(0, G.YI1 + 30, G.B2, SJ("→150円…②"));
    pause();
    // The arrows of the two pencils and of the one pencil stand under the
    // arrow of ②.
    line(kPictogram, 80, SJ("ｶｶ"));
    at(0, G.YI1 + 76 + 60, G.B2, SJ("→"));
    pause();
    cont(0, SJ("100円…③"));
    pause();
    line(kPictogram, 80, SJ("ｶ"));
    at(0, G.YI1 + 114 + 60, G.B2, SJ("→"));
    pause();
    cont(0, SJ("50円…④"));
    pause();
    line(kPictogram, 80, SJ("ｷ"));
    at(0, G.YI1 + 30, G.B2, SJ("→"));
    pause();
    cont(0, SJ("150円-50円=100円…⑤"));
    pause();

    // As a system: the system and the three results at their rows first,
    // then the working in the gaps. Rows 2 and 3 are the same row.
    G.B1 = 760;
    G.B2 = 30;
    G.t0014(1) = 30;
    G.t0014(2) = G.t0014(1) + 100;
    G.t0014(3) = G.t0014(2);
    G.t0014(4) = G.t0014(3) + 100;
    G.t0014(5) = G.t0014(4) + 100;
    G.t0014(6) = G.t0014(5) + 150;
    at(3, G.B1 - 114, G.B2, SJ("鉛筆1本x円、ノート1冊y円とすると"));
    pause();
    braced_system(G.B1, G.t0014(1) + 50, SJ("3x+y=250…①"), SJ(" x+y=150…②"));
    pause();
    at(0, G.B1 + 54, G.t0014(4) + 50, SJ("2x   =100…③"));
    pause();
    at(0, G.B1 + 54, G.B2 + 50, SJ(" x    =50…④"));
    pause();
    at(0, G.B1, G.t0014(6), SJ("y=150-50=100…⑤"));
    pause();
    at(3, G.B1 - 114, G.t0014(2) + 50, SJ("①-②"));
    column_working(G.B1, G.t0014(3) + 50, SJ("3x+y=250"), SJ(" x+y=150"));
    pause();
    at(0, G.B1, G.t0014(5) + 100, SJ("50+y=150"));
    pause();
    at(3, G.B1, G.t0014(5) + 50, SJ("x=50 を②に代入して"));
    pause();
    line(5, 150, SJ("文字を1つだけにすれば解ける。"));
}
