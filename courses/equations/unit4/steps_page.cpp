// Section ②: the system of section ① worked once more by substitution in a
// left column, while a right column numbers the steps of the method as the
// working reaches them and closes with the method's definition. Each column
// keeps its own cursor: the left one the chain's (B1, B2, YI1), the right
// one its twins (XI2, B3, YJ1).
#include "courses/equations/unit4/unit4.h"
#include "engine/shell/page.h"

using namespace page;

namespace {

// A numbered step: its label 60 below the last line, its sentence after it.
void step(const Str& label, const Str& sentence) {
    note(7, G.XI2, G.B3 + 60, label);
    note_cont(0, sentence);
    pause();
}

}  // namespace

void UNIT4_STEPS_PAGE() {
    clear(0, 0, 1600, 1800);
    G.B1 = 76;
    G.B2 = 30;
    G.XI2 = 608;
    G.B3 = 30;

    note(3, G.XI2, G.B3, SJ("解き方を確認しよう。"));
    braced_system(G.B1, G.B2, SJ("2x+5y=600…①"), SJ("x=2y+30…②"));
    pause();
    line(3, 50, SJ("②を①に代入して"));
    line(0, 50, SJ("2(2y+30)+5y=600"));
    pause();
    step("(1)", SJ("式を代入してxを消去する。"));
    line(0, 50, SJ("   4y+60+5y=600"));
    pause();
    line(0, 50, SJ("      4y+5y=600-60"));
    pause();
    line(0, 50, SJ("         9y=540"));
    pause();
    line(0, 50, SJ("          y=60"));
    pause();
    step("(2)", SJ("yの値を求める。"));
    line(3, 50, SJ("y=60 を②に代入して"));
    pause();
    step("(3)", SJ("yの値を代入し、xの値を求める。"));
    line(0, 50, SJ("x=2*60+30=120+30"));
    pause();
    line(0, 50, SJ("x=150"));
    pause();
    at(5, G.B1 + 30, G.B2 + 50, SJ("答 (x,y)=(150,60)"));
    pause();
    step("(4)", SJ("答を書く。"));
    note(5, G.XI2, G.B3 + 60, SJ("代入法"));
    note(0, G.XI2, G.B3 + 50, SJ("一方の式を他方の式に代入して"));
    note(0, G.XI2, G.B3 + 50, SJ("1つの文字を消去する方法"));
}
