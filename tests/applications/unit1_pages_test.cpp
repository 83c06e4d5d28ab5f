// Talisse unit 1 run headless from the main menu: each section's key
// presses, and its pages as rows of text with their boxes, braces and the
// enlarged "=".
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/applications/support.h"
#include "tests/common/sign_rows.h"

using namespace apps_test;

namespace {

std::string section(int n) { return open_section(1, n); }

struct KeyCount {
    int section;
    int presses;
    const char* last_text;  // drawn after the last key
};

TEST(TalisseUnit1, EachSectionTakesItsKeyPressesAndEndsAtTheSectionMenu) {
    const KeyCount cases[] = {
        {1, 6, "連立方程式をつくって求めよう。"},
        {2, 31, "教科書P49 問1 をやろう。"},
        {3, 22 + 4, "　　3点シュート3本"},  // the solver's own four pauses
    };
    for (const KeyCount& c : cases) {
        SCOPED_TRACE(c.section);
        ASSERT_TRUE(run_talisse(section(c.section) + presses(c.presses - 1)));
        EXPECT_TRUE(at_pause());
        EXPECT_FALSE(page_shows(c.last_text));
        ASSERT_TRUE(run_talisse(section(c.section) + presses(c.presses)));
        EXPECT_TRUE(at_menu(kIntroMenu));
        EXPECT_TRUE(page_shows(c.last_text));
        EXPECT_EQ(plat::pending_keys(), 0u);
    }
}

TEST(TalisseUnit1, QuestionPage) {
    ASSERT_TRUE(run_talisse(section(1) + presses(6)));
    Layout page;
    page.at(30, 20, 7, "P47 ").then(3, "2点シュートと3点シュートのうちわけは？");
    page.at(30, 70, 0, "車いすバスケットボールの試合で、ルーネ選手は、放った2点シュートと");
    page.at(30, 120, 0, "3点シュートにより、19得点をあげる大活躍でした。");
    page.at(30, 190, 7, "① ").then(3, "これだけでそれぞれのシュートの本数を求められる?");
    page.at(66, 240, 7, "得点だけでは求められない。");
    page.at(30, 310, 7, "② ").then(3, "何がわかれば求められる?");
    page.at(66, 360, 7, "2点シュートと3点シュートをあわせた本数");
    page.at(30, 430, 7, "③ ").then(3, "2点シュートと3点シュートをあわせて8本、得点の合計が19点です。");
    page.at(66, 500, 7, "連立方程式をつくって求めよう。");
    expect_page(page);
    save_page("unit1-s1");
}

// The relations in boxes on page 1 of section ②, for one row of boxes at y.
void relation_rows(Layout& page, float y, const std::string& what, const std::string& total) {
    page.cell(44, 228, y, 0, "2点シュート").cell(44, 228, y + 44, 0, what);
    page.at(282, y + 20, 3, "+");
    page.cell(319, 228, y, 0, "3点シュート").cell(319, 228, y + 44, 0, what);
    page.at(611, y + 20, 3, total);
}

TEST(TalisseUnit1, SolutionPageOneBuildsTheSystemAndEliminatesByHand) {
    // After "(x,y)=(5,3)" the key pause comes twice before page 2.
    for (int n : {21, 22}) {
        ASSERT_TRUE(run_talisse(section(2) + presses(n)));
        EXPECT_TRUE(at_pause());
    }
    Layout page;
    page.at(44, 30, 3, "連立方程式で解いてみよう。");
    page.at(44, 80, 5, "① 数量の間の関係をみつける");
    page.at(44, 130, 0, "・入れたシュートの本数の関係");
    relation_rows(page, 190, "の本数", "8(本)");
    page.at(44, 290, 0, "・点数の関係");
    relation_rows(page, 350, "の得点", "19(点)");
    page.at(44, 450, 5, "② x,yを決め、連立方程式をつくる");
    page.at(44, 500, 0, "入れた2点シュートの本数をx本、");
    page.at(44, 550, 0, "3点シュートの本数をy本とすると");
    page.at(44, 600, 0, "本数の関係から　").then(0, "x+y=8");
    page.at(720, 30, 0, "点数の関係から　").then(0, "2x+3y=19");
    page.at(760, 80, 5, "③ 連立方程式を解く");
    page.at(800, 130, 0, "x+y=8…①").at(800, 180, 0, "2x+3y=19…②");
    page.at(798, 230, 3, "①*2-②");
    page.at(852, 280, 0, "2x+2y=16").at(798, 336, 0, "-").at(825, 336, 0, ")").at(852, 330, 0, "2x+3y=19");
    page.at(798, 305, 3, "+-  -  -");
    page.at(852, 380, 0, "   -y=-3").at(852, 430, 0, "    y=3");
    page.at(798, 480, 3, "y=3 を①に代入して");
    page.at(798, 530, 0, "x+3=8").at(798, 580, 0, "x=8-3=5").at(798, 630, 3, "(x,y)=(5,3)");
    expect_page(page);
    EXPECT_EQ(probe::expect_sign_rows_placed(), 1u);

    // The enlarged "=" between the boxes: one glyph four times as large, in
    // colour 3, in the plain face the texts before it left selected; the
    // total stands a fixed 64 after where it starts.
    std::vector<std::pair<float, float>> equals;
    for (const auto& op : ops(plat::OpKind::Text)) {
        if (op.text != "=" || op.h != 4) continue;
        EXPECT_EQ(op.v, 4);
        EXPECT_EQ(op.colour, 3);
        EXPECT_EQ(op.font.face, plat::Face::Gothic);
        EXPECT_EQ(op.font.size, 16);
        EXPECT_FALSE(op.font.bold);
        equals.push_back({op.ax, op.ay});
    }
    EXPECT_EQ(equals, (std::vector<std::pair<float, float>>{{557, 200}, {557, 360}}));

    // The brace of the system at the column's margin (its point 8 right of it).
    const auto braces = ops(plat::OpKind::Polyline);
    ASSERT_EQ(braces.size(), 1u);
    EXPECT_EQ(braces[0].pts[3], (std::pair<float, float>{768, 130 + 47.5f}));
    save_page("unit1-s2-page1");
}

TEST(TalisseUnit1, SolutionBoxesTakeTheDrawWidthInForce) {
    // Start-up leaves 3; section ③ sets 5 and leaves it.
    struct Case {
        std::string before;
        float width;
    };
    for (const Case& c : {Case{"", 3}, Case{"3\r" + presses(26), 5}}) {
        SCOPED_TRACE(c.width);
        ASSERT_TRUE(run_talisse(open_unit(1) + c.before + "2\r" + presses(2)));
        int boxes = 0;
        for (const auto& op : ops(plat::OpKind::Box)) {
            if (op.fill != 13) continue;
            ++boxes;
            EXPECT_EQ(op.width, c.width);
        }
        EXPECT_EQ(boxes, 2);
    }
}

TEST(TalisseUnit1, SolutionPageTwoChecksTheAnswer) {
    ASSERT_TRUE(run_talisse(section(2) + presses(31)));
    Layout page;
    page.at(44, 30, 3, "連立方程式で解いてみよう。");
    page.at(44, 80, 5, "① 数量の間の関係をみつける");
    page.at(44, 130, 0, "本数の関係と点数の関係");
    page.at(44, 180, 5, "② x,yを決め、連立方程式をつくる");
    page.at(44, 230, 0, "入れた2点シュートの本数をx本、");
    page.at(44, 280, 0, "3点シュートの本数をy本とすると");
    page.at(84, 330, 0, "x+y=8").at(84, 380, 0, "2x+3y=19");
    page.at(44, 430, 5, "③ 連立方程式を解く");
    page.at(44, 480, 0, "(x,y)=(5,3)");
    page.at(44, 530, 5, "④解が問題に適しているか確かめ、答をかく");
    page.at(722, 30, 0, "2点シュートと3点シュートの").at(722, 80, 0, "本数は合わせて");
    page.at(760, 130, 0, "5+3=8(本)");
    page.at(722, 180, 0, "点数の合計は");
    page.at(760, 230, 0, " 2*5+3*3").at(760, 280, 0, "=10+9=19(点)");
    page.at(722, 330, 0, "この解は問題にあっている。");
    page.at(760, 380, 5, "答　2点シュート5本,").at(760, 430, 5, "　　3点シュート3本");
    page.at(760, 490, 7, "教科書P49 問1 をやろう。");
    expect_page(page);
    const auto braces = ops(plat::OpKind::Polyline);
    ASSERT_EQ(braces.size(), 1u);
    EXPECT_EQ(braces[0].pts[3], (std::pair<float, float>{52, 330 + 47.5f}));
    save_page("unit1-s2-page2");
}

TEST(TalisseUnit1, QuestionOneSetsUpThePointsSystemAndSolvesIt) {
    // Page 1 up to the hand-over.
    ASSERT_TRUE(run_talisse(section(3) + presses(12)));
    Layout setup;
    setup.at(38, 30, 3, "教科書P49 問1　解答");
    setup.at(38, 80, 0, "2点シュートであげた得点をx点、").at(38, 130, 0, "3点シュートであげた得点をy点");
    setup.at(38, 180, 0, "とすると");
    setup.at(38, 230, 0, "得点の関係から　").then(3, "x+y=19…①");
    setup.at(38, 300, 0, "2点シュートの本数は　").then(3, "ﾀx/2ﾀ本");
    setup.at(38, 370, 0, "3点シュートの本数は　").then(3, "ﾀy/3ﾀ本");
    setup.at(38, 440, 0, "あわせて8本 だから ").then(3, "ﾀx/2ﾀ+ﾀy/3ﾀ=8…②");
    setup.at(38, 510, 0, "②*6 ").then(3, "3x+2y=48…②'");
    setup.at(38, 560, 3, "①,②'を使って連立方程式をつくると");
    expect_rows(setup);
    // The width of a text that starts with a fraction is not the glyph
    // rule's: the last two rows are checked where they start.
    save_page("unit1-s3-page1");

    ASSERT_TRUE(run_talisse(section(3) + presses(26)));
    Layout check;
    check.at(38, 30, 3, "教科書P49 問1　解答");
    check.at(38, 100, 0, "2点シュートの本数は　");
    check.at(38, 170, 0, "3点シュートの本数は　");
    check.at(38, 230, 0, "合わせて ").then(0, "5+3=").then(3, "8(本)");
    check.at(38, 290, 0, "点数の合計は ").then(0, "10+9=").then(3, "19(点)");
    check.at(38, 350, 0, "この解は問題にあっている。");
    check.at(38, 410, 5, "答　2点シュート5本,").at(38, 460, 5, "　　3点シュート3本");
    // The solver's working beside it, which the half-page clear left: the
    // labels ① and ②', ① times 3, y first, into ①, the pair (10, 9).
    check.at(704, 130, 3, "①*3-②'").at(640, 340, 7, "この値を①に代入して").at(670, 550, 5, "(x,y)=(10,9)");
    expect_rows(check);
    for (const char* label : {"=19…①", "=48…②'"}) EXPECT_TRUE(page_shows(label)) << label;
    // The given system's brace where the two blanks at 640 end.
    const auto braces = ops(plat::OpKind::Polyline);
    ASSERT_FALSE(braces.empty());
    EXPECT_EQ(braces[0].pts[3].first, 640 + 2 * 27 + 8);
    EXPECT_EQ(plat::current_draw_width(), 5);
    save_page("unit1-s3-page2");
}

}  // namespace
