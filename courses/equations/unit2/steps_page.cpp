// Section ②: the system of section ① worked in the left column, with the
// four steps of the method noted beside it as the working reaches them.
#include "courses/equations/unit2/unit2.h"
#include "engine/shell/page.h"

using namespace page;

void UNIT2_STEPS_PAGE() {
    clear(0, 0, 1600, 1800);
    G.B1 = 76;
    G.B2 = 30;
    G.XI2 = 608;
    G.B3 = 30;

    note(3, G.XI2, G.B3, SJ("解き方を確認しよう。"));
    braced_system(G.B1, G.B2, SJ("3x+y=250…①"), SJ(" x+y=150…②"));
    pause();
    line(3, 50, SJ("①-②"));
    column_working(G.B1, G.B2 + 50, SJ("3x+y=250"), SJ(" x+y=150"));
    pause();
    at(0, G.XJ2, G.B2 + 50, SJ("2x  =100"));
    pause();
    note(7, G.XI2, G.B3 + 60, SJ("(1)"));
    note_cont(0, SJ("①-②でxだけの式に変形する。"));
    const float X_UNIT = G.DSM2;  // the line of note (1)
    pause();
    at(0, G.XJ2, G.B2 + 50, SJ(" x  =50"));
    pause();
    note(7, G.XI2, G.B3 + 120, SJ("(2)"));
    note_cont(0, SJ("xの値を求める。"));
    pause();
    line(3, 50, SJ("x=50 を②に代入して"));
    pause();
    note(7, G.XI2, G.B3 + 60, SJ("(3)"));
    note_cont(0, SJ("代入し、yの値を求める。"));
    pause();
    line(0, 50, SJ("50+y=150"));
    pause();
    line(0, 50, SJ("y=150-50"));
    pause();
    line(0, 50, SJ("y=100"));
    pause();
    line(5, 50, SJ("答 (x,y)=(50,100)"));
    pause();
    note(7, G.XI2, G.B3 + 60, SJ("(4)"));
    note_cont(0, SJ("答を書く。"));
    pause();
    // Under note (1), whatever line the notes have reached.
    note(5, G.XI2 + 114, X_UNIT + 60, SJ("yを消去する"));
}
