// Talisse unit 2: the admission-fee drill over many seeds (the shown system
// has the drawn fees as its solution, the answer states them, every draw in
// its range, the solver's switches back at 0), its flow from problem to
// problem, and the page of textbook question 2.
#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>

#include "tests/applications/support.h"

using namespace apps_test;

namespace {

const std::string kDrill = open_section(2, 1);
// Enough presses for any problem's key pauses; the input field ignores the
// rest, so the run ends at the next-step box.
const std::string kToNextStep = presses(120);

int to_int(const std::string& s) { return std::stoi(s); }

// A coefficient as the equation shows it: nothing for 1.
std::string coefficient(int n) { return n == 1 ? "" : std::to_string(n); }

struct Shown {
    int a1 = 0, b1 = 0, c1 = 0, a2 = 0, b2 = 0, c2 = 0;
    int adult = 0, child = 0;
};

// Reads the finished left half of a problem.
Shown read_problem() {
    Shown s;
    const std::regex group("おとな(\\d+)人と小学生(\\d+)人で(\\d+)円");
    std::smatch m;
    std::string first = text_at(30, 130, 0), second = text_at(30, 230, 0);
    EXPECT_TRUE(std::regex_match(first, m, group)) << first;
    if (!m.empty()) s.a1 = to_int(m[1]), s.b1 = to_int(m[2]), s.c1 = to_int(m[3]);
    EXPECT_TRUE(std::regex_match(second, m, group)) << second;
    if (!m.empty()) s.a2 = to_int(m[1]), s.b2 = to_int(m[2]), s.c2 = to_int(m[3]);
    std::string adult = text_at(30, 430, 5), child = text_at(106, 480, 5);
    EXPECT_TRUE(std::regex_match(adult, m, std::regex("答　おとな1人(\\d+)円"))) << adult;
    if (!m.empty()) s.adult = to_int(m[1]);
    EXPECT_TRUE(std::regex_match(child, m, std::regex("小学生1人(\\d+)円"))) << child;
    if (!m.empty()) s.child = to_int(m[1]);
    return s;
}

TEST(TalisseUnit2, AdmissionFeeDrillShowsTheDrawnFeesOverManySeeds) {
    bool x_eliminated = false, y_eliminated = false, no_divisor = false;
    for (int seed = 0; seed < 60; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        ASSERT_TRUE(run_talisse(kDrill + kToNextStep, static_cast<float>(seed)));
        ASSERT_TRUE(at_next_step());
        const Shown s = read_problem();
        // The draws' ranges: fees 1500 to 1900 in hundreds, the child fee 5
        // to 7 tenths of it; groups of 3-6 adults and 1-2 children, 1-2
        // adults and 3-6 children.
        EXPECT_TRUE(s.adult >= 1500 && s.adult <= 1900 && s.adult % 100 == 0) << s.adult;
        EXPECT_EQ(s.child * 10 % s.adult, 0) << s.child;
        EXPECT_GE(s.child * 10 / s.adult, 5);
        EXPECT_LE(s.child * 10 / s.adult, 7);
        EXPECT_TRUE(s.a1 >= 3 && s.a1 <= 6 && s.b1 >= 1 && s.b1 <= 2) << s.a1 << " " << s.b1;
        EXPECT_TRUE(s.a2 >= 1 && s.a2 <= 2 && s.b2 >= 3 && s.b2 <= 6) << s.a2 << " " << s.b2;
        // The fees solve both groups, and the equations say so.
        EXPECT_EQ(s.a1 * s.adult + s.b1 * s.child, s.c1);
        EXPECT_EQ(s.a2 * s.adult + s.b2 * s.child, s.c2);
        EXPECT_EQ(text_at(30, 180, 3), coefficient(s.a1) + "x+" + coefficient(s.b1) + "y=" + std::to_string(s.c1));
        EXPECT_EQ(text_at(30, 280, 3), coefficient(s.a2) + "x+" + coefficient(s.b2) + "y=" + std::to_string(s.c2));
        EXPECT_EQ(text_at(30, 380, 0), "これらは問題にあっている。");
        EXPECT_EQ(text_at(620, 30, 3), "式　");
        // The answer is on the left: the working has no closing pair line,
        // and both switches are back at 0.
        for (const auto& t : page_texts()) EXPECT_EQ(t.utf8.find("(x,y)=("), std::string::npos) << t.utf8;
        EXPECT_EQ(G.LLT, 0);
        EXPECT_EQ(G.AA, 0);
        const bool y_gone = s.b1 * G.GX3(5) == s.b2 * G.GX3(6);
        (y_gone ? y_eliminated : x_eliminated) = true;
        no_divisor |= s.a1 % s.a2 != 0 && s.b2 % s.b1 != 0;
    }
    // Both working orders and the least-common-multiple rule were reached.
    EXPECT_TRUE(x_eliminated);
    EXPECT_TRUE(y_eliminated);
    EXPECT_TRUE(no_divisor);
}

TEST(TalisseUnit2, AdmissionFeeDrillFlow) {
    // The first problem at once, on the right; the left half empty.
    ASSERT_TRUE(run_talisse(kDrill));
    EXPECT_TRUE(at_pause());
    EXPECT_EQ(text_at(620, 30, 3), "例題1 ");
    EXPECT_EQ(text_at(620, 230, 0), "小学生1人の入園料を求めなさい。");
    for (const auto& t : page_texts()) EXPECT_GE(t.x, 620) << t.utf8;
    save_page("unit2-drill-question");

    // Another number, a zero divisor among them, brings a new problem; the
    // previous answer stays on the left until the new problem's first key.
    for (const char* again : {"2\r", "1/0\r", "\r"}) {
        SCOPED_TRACE(again);
        ASSERT_TRUE(run_talisse(kDrill + kToNextStep, 5));
        const std::string answer = text_at(30, 430, 5);
        ASSERT_FALSE(answer.empty());
        ASSERT_TRUE(run_talisse(kDrill + kToNextStep + again, 5));
        EXPECT_TRUE(at_pause());
        EXPECT_EQ(text_at(30, 430, 5), answer);
        EXPECT_EQ(text_at(620, 30, 3), "例題1 ");
        ASSERT_TRUE(run_talisse(kDrill + kToNextStep + again + presses(1), 5));
        EXPECT_TRUE(text_at(30, 430, 5).empty());
    }

    // 1 (or 2/2) ends the drill: the pointer at once, then the menu line.
    for (const char* stop : {"1\r", "2/2\r"}) {
        ASSERT_TRUE(run_talisse(kDrill + kToNextStep + stop, 5));
        EXPECT_TRUE(at_menu(kPriceMenu));
        EXPECT_EQ(text_at(44, 570, 7), "教科書P50 問2　をしなさい。");
        EXPECT_FALSE(text_at(30, 430, 5).empty());
        EXPECT_EQ(plat::current_draw_width(), 5);
    }
    save_page("unit2-drill-end");

    // The answer page run after the drill shows its pair line.
    ASSERT_TRUE(run_talisse(kDrill + kToNextStep + "2\r" + kToNextStep + "1\r2\r" + presses(11), 5));
    EXPECT_TRUE(at_menu(kPriceMenu));
    EXPECT_EQ(text_at(670, 550, 5), "(x,y)=(4,6)");
}

TEST(TalisseUnit2, QuestionTwoPage) {
    ASSERT_TRUE(run_talisse(open_section(2, 2) + presses(5)));
    Layout setup;
    setup.at(38, 30, 3, "教科書P50 問2　解答");
    setup.at(38, 80, 0, "プリンをx個、").at(38, 130, 0, "ゼリーをy個とすると、");
    setup.at(38, 180, 0, "あわせて10個 だから").at(38, 230, 3, "x+y=10");
    setup.at(38, 280, 0, "代金の合計が1120円 だから").at(38, 330, 3, "130x+100y=1120");
    expect_page(setup);
    EXPECT_TRUE(at_pause());

    ASSERT_TRUE(run_talisse(open_section(2, 2) + presses(11)));
    Layout page = setup;
    // The solver's working from the blank at 640: ① times 130, y first,
    // into ①, the pair (4, 6); then the closing line under it at the
    // solver's margin and the answer at 120, level with the last two lines.
    page.at(704, 130, 3, "①*130-②").at(640, 340, 7, "この値を①に代入して").at(670, 550, 5, "(x,y)=(4,6)");
    page.at(640, 600, 0, "この解は問題にあっている。");
    page.at(120, 550, 5, "答　プリン4個,").at(120, 600, 5, "　　ゼリー6個");
    expect_rows(page);
    const auto braces = ops(plat::OpKind::Polyline);
    ASSERT_FALSE(braces.empty());
    EXPECT_EQ(braces[0].pts[3].first, 640 + 27 + 8);
    EXPECT_EQ(plat::current_draw_width(), 5);
    save_page("unit2-q2");
}

}  // namespace
