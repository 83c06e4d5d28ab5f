// The four substitution generators of the unit's drills. They draw the same
// kind of system, p x + q y = r with ② giving one letter in terms of the
// other, around a whole-number solution, and lay out the same working:
// substitute ② (or its rearranged form ②') into ①, expand, move the
// constant, collect, divide, put the value back, answer. What differs is
// which letter ② gives (the "x forms" give x = ay + b and find y first, the
// "y forms" give y = ax + b and find x first), whether ② has first to be
// rearranged (the problems of section ⑤), the range of p, and the title.
#include "courses/equations/unit4/unit4.h"
#include "engine/shell/page.h"

using namespace page;

namespace unit4 {
float TXX = 0;
const bool registered = on_reset_globals([] { TXX = 0; });
}  // namespace unit4

namespace {

struct Form {
    bool x_form;   // ② gives x in terms of y
    bool problem;  // ② is given as x - ay = b (y - ax = b) and rearranged first
    Str title;
};

// A signed coefficient: magnitude floor(r*n + k), negated when the sign draw
// is below one half.
float coefficient(float n, float k) {
    const float magnitude = plat::random_whole(n, k);
    G.XW = plat::random_whole(2, 1);
    return G.XW == 1 ? -magnitude : magnitude;
}

// Draws the system. The value drawn first (x for the y forms, y for the x
// forms) is drawn again while it equals TXX and kept there at once, so a
// draw rejected afterwards (the collected coefficient is 0) still counts as
// the previous value.
void draw_system(const Form& form) {
    float& first = form.x_form ? G.DSM2 : G.DSM1;
    float& second = form.x_form ? G.DSM1 : G.DSM2;
    do {
        do {
            first = plat::random_whole(5, 1);
            G.XW = plat::random_whole(2, 0);
            if (G.XW == 0) first = -first;
        } while (first == unit4::TXX);
        unit4::TXX = first;
        G.T(3) = coefficient(4, 1);  // a
        G.T(6) = coefficient(4, 1);  // b
        second = G.T(3) * first + G.T(6);
        G.T(1) = coefficient(5, form.x_form ? 2 : 1);  // p
        G.T(2) = coefficient(5, 1);                    // q
        G.T(5) = G.T(1) * G.DSM1 + G.T(2) * G.DSM2;    // r
        // The bracket multiplied out: by q in the y forms, by p in the x forms.
        const float factor = form.x_form ? G.T(1) : G.T(2);
        G.T(7) = factor * G.T(3);
        G.T(8) = factor * G.T(6);
        G.T(9) = -G.T(8);
        G.T(10) = (form.x_form ? G.T(2) : G.T(1)) + G.T(7);
        G.T(11) = G.T(5) + G.T(9);
    } while (G.T(10) == 0);
    G.T(12) = G.T(3) * first;
    G.F(3) = G.T(3);
    G.F(10) = G.T(10);
    G.F(11) = G.T(11);
    if (form.problem) G.T(23) = -G.T(3);
}

// A coefficient before a letter: 1 is not written, -1 is written "-".
void coefficient_text(float k) {
    if (G.T(k) == 1) G.A1$(k) = "";
    else if (G.T(k) == -1) G.A1$(k) = "-";
}
void signed_text(float k) {
    if (G.T(k) > 0) G.A1$(k) = "+" + G.A1$(k);
}

void build_texts(const Form& form) {
    NUMBERS_TO_TEXT();
    G.REI0Y$ = number_text(G.DSM1);
    G.N$ = number_text(G.DSM2);
    if (form.x_form) G.A41$ = G.DSM2 < 0 ? "(" + G.N$ + ")" : G.N$;
    else G.A21$ = G.DSM1 < 0 ? "(" + G.REI0Y$ + ")" : G.REI0Y$;
    for (float k : {1.0f, 2.0f, 3.0f, 7.0f, 10.0f}) coefficient_text(k);
    signed_text(2);
    // q·a follows p x in the y forms; p·a leads its line in the x forms.
    if (!form.x_form) signed_text(7);
    signed_text(8);
    signed_text(9);
    // b is written plain on the given ② of a problem, signed everywhere else.
    if (!form.problem) signed_text(6);
    if (form.problem) {
        coefficient_text(23);
        signed_text(23);
    }
}

void show_page(const Form& form) {
    const Str& a1 = G.A1$(1);
    const Str& a2 = G.A1$(2);
    const Str& a3 = G.A1$(3);
    const Str& r = G.A1$(5);
    // The letter ② gives (solved for last) and the one found first.
    const Str given = form.x_form ? "x" : "y";
    const Str found = form.x_form ? "y" : "x";
    const Str& found_text = form.x_form ? G.N$ : G.REI0Y$;
    const Str& given_text = form.x_form ? G.REI0Y$ : G.N$;
    const Str& found_bracketed = form.x_form ? G.A41$ : G.A21$;
    const Str label = form.problem ? SJ("②'") : SJ("②");

    clear(0, 0, 1320, 1300);
    G.B1 = 114;
    G.B2 = 30;
    at(3, G.B1, G.B2, form.title);
    system_brace(G.B1, G.B2 + 60);
    fixed(0, G.YI1, G.B2, a1 + "x" + a2 + "y=" + r + SJ("…①"));
    // ② solved for the given letter, as given or as rearranged.
    const auto solved = [&](const Str& eq_label) { return given + "=" + a3 + found + G.A1$(6) + eq_label; };
    if (form.problem) {
        at(0, G.YI1, G.B2 + 50, given + G.A1$(23) + found + "=" + G.A1$(6) + SJ("…②"));
        signed_text(6);
        pause();
        line(3, 70, SJ("②から　"));
        cont(0, solved(SJ("…②'")));
    } else {
        at(0, G.YI1, G.B2 + 50, solved(SJ("…②")));
    }
    pause();
    line(3, form.problem ? 60 : 70, label + SJ("を ① に代入して、"));

    const Str bracket = "(" + a3 + found + G.A1$(6) + ")";
    if (form.x_form) {
        line(0, 50, a1 + bracket + a2 + "y=" + r);
        pause();
        line(0, 60, G.A1$(7) + "y" + G.A1$(8) + a2 + "y=" + r);
        pause();
        line(0, 60, G.A1$(7) + "y" + a2 + "y=" + r + G.A1$(9));
    } else {
        line(0, 50, a1 + "x" + a2 + bracket + "=" + r);
        pause();
        line(0, 60, a1 + "x" + G.A1$(7) + "x" + G.A1$(8) + "=" + r);
        pause();
        line(0, 60, a1 + "x" + G.A1$(7) + "x=" + r + G.A1$(9));
    }
    pause();
    // A collected coefficient of 1 already gives the value: it is
    // highlighted and no quotient follows, but the step keeps its pause.
    const bool unit_coefficient = G.T(10) == 1;
    line(unit_coefficient ? 3 : 0, 60, G.A1$(10) + found + "=" + G.A1$(11));
    pause();
    line(3, form.problem ? 70 : 80,
         unit_coefficient ? Str() : found + SJ("=ﾀ") + G.TITLE$(11) + "/" + G.TITLE$(10) + SJ("ﾀ=") + found_text);

    G.B1 = 600;
    G.B2 = 90;
    pause();
    line(3, 50, found + "=" + found_text + SJ(" を") + label + SJ("に代入して"));
    pause();
    line(0, 60, given + "=" + G.TITLE$(3) + "*" + found_bracketed + G.A1$(6));
    pause();
    line(3, 60, " =" + G.A1$(12) + G.A1$(6) + "=" + given_text);
    pause();
    line(5, 80, SJ("答 (x,y)=(") + G.REI0Y$ + "," + G.N$ + ")");
}

void generate(const Form& form) {
    draw_system(form);
    build_texts(form);
    show_page(form);
}

}  // namespace

void RANDOM_EXAMPLE_Y_FORM() { generate({false, false, SJ("例3　次の連立方程式を解きなさい。")}); }
void RANDOM_EXAMPLE_X_FORM() { generate({true, false, SJ("例3　次の連立方程式を解きなさい。")}); }
void RANDOM_PROBLEM_Y_FORM() { generate({false, true, SJ("例題1　次の連立方程式を解きなさい。")}); }
void RANDOM_PROBLEM_X_FORM() { generate({true, true, SJ("例題2　次の連立方程式を解きなさい。")}); }
