// Unit 5 of Morvane run headless from the main menu: each section's key
// presses, the tidying on its pages, and the systems it hands to the solver
// (the menu is in unit_cycle_test.cpp).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/equations/worked_support.h"

using namespace worked_test;

namespace {

const char* const kMenuLine = "①かっこ　②問8　③分数　④問9　⑤話しあおう　⑥A=B=C　⑦問10　⑧終了";
std::string open_section(int n) { return "5\r" + std::to_string(n) + "\r"; }
bool at_section_menu() { return at_menu(kMenuLine); }

// ------------------------------------------------------- key counts

TEST(Unit5Sections, EachSectionTakesItsKeyPressesAndEndsAtTheMenu) {
    struct Count {
        int section, presses;
        const char* last_text;  // drawn after the last key
    };
    const Count cases[] = {
        {1, 10, "教科書P44 問8　をしなさい。"},
        {2, 19, "(x,y)=(-1,-2)"},
        {3, 14, "教科書P45 問9　をしなさい。"},
        {4, 19, "(x,y)=(3,2)"},
        {5, 25, "(x,y)=(-4,-7)"},
        {6, 10, "教科書P46 問10　をしなさい。"},
        {7, 14, "(x,y)=(3,4)"},
    };
    for (const Count& c : cases) {
        SCOPED_TRACE("section " + std::to_string(c.section));
        auto shows_last = [&] { return page_has([&](const auto& t) { return t.utf8 == c.last_text; }); };
        ASSERT_TRUE(run_morvane(open_section(c.section) + presses(c.presses - 1)));
        EXPECT_TRUE(at_pause());
        EXPECT_FALSE(shows_last());
        ASSERT_TRUE(run_morvane(open_section(c.section) + presses(c.presses)));
        EXPECT_TRUE(at_section_menu());
        EXPECT_TRUE(shows_last());
        EXPECT_EQ(plat::pending_keys(), 0u);
    }
}

// ------------------------------------------------ the solver's pages

TEST(Unit5Sections, EveryPageSolvesItsSystemInItsColumn) {
    const SolvedPage pages[] = {
        {"brackets example", open_section(1) + presses(8), 694, 30, 640, "①", "②'", "①", "(x,y)=(3,-1)"},
        {"question 8 (1)", open_section(2) + presses(4), 694, 30, 640, "①", "③", "③", "(x,y)=(15,-3)"},
        {"question 8 (2)", open_section(2) + presses(9), 694, 30, 640, "③", "②", "②", "(x,y)=(-7,2)"},
        {"question 8 (3)", open_section(2) + presses(14), 694, 30, 640, "③", "②", "②", "(x,y)=(4,-2)"},
        {"question 8 (4)", open_section(2) + presses(19), 694, 30, 640, "③", "④", "④", "(x,y)=(-1,-2)"},
        {"question 9 (1)", open_section(4) + presses(4), 694, 30, 640, "③", "②", "②", "(x,y)=(-4,-10)"},
        {"question 9 (2)", open_section(4) + presses(9), 694, 30, 640, "①", "③", "①", "(x,y)=(6,-14)"},
        {"question 9 (3)", open_section(4) + presses(14), 694, 30, 640, "①", "③", "①", "(x,y)=(-1,12)"},
        {"question 9 (4)", open_section(4) + presses(19), 694, 30, 640, "③", "④", "③", "(x,y)=(3,2)"},
        {"ingenuity (1)", open_section(5) + presses(5), 694, 30, 640, "③", "②", "②", "(x,y)=(-1,2)"},
        {"ingenuity (2)", open_section(5) + presses(11), 681, 30, 600, "③", "②", "②", "(x,y)=(100,125)"},
        {"ingenuity (3)", open_section(5) + presses(18), 681, 30, 600, "③", "④", "③", "(x,y)=(-1,3)"},
        {"ingenuity (4)", open_section(5) + presses(25), 681, 30, 600, "③", "④", "③", "(x,y)=(-4,-7)"},
        {"A=B=C example", open_section(6) + presses(8), 761, 30, 680, "①", "③", "①", "(x,y)=(11,14)"},
        {"question 10 (1)", open_section(7) + presses(4), 761, 30, 680, "①", "③", "③", "(x,y)=(2,-3)"},
        {"question 10 (2)", open_section(7) + presses(9), 721, 30, 640, "①", "②", "①", "(x,y)=(1,-5)"},
        {"question 10 (3)", open_section(7) + presses(14), 761, 30, 680, "③", "④", "④", "(x,y)=(3,4)"},
    };
    for (const SolvedPage& p : pages) expect_solved(p);
}

TEST(Unit5Sections, LabelsWithAMarkReachTheOperationLine) {
    ASSERT_TRUE(run_morvane(open_section(1) + presses(8)));
    EXPECT_TRUE(page_has([](const auto& t) { return t.utf8 == "①-②'*2" && t.colour == 3; }));
    ASSERT_TRUE(run_morvane(open_section(2) + presses(9)));  // question 8 (2): ② keeps its label
    EXPECT_TRUE(page_has([](const auto& t) { return t.utf8 == "③-②" && t.colour == 3; }));
}

// ------------------------------------------------------ the pages

TEST(Unit5Sections, BracketsExampleClosesLevelWithTheWorking) {
    // The left column one key apart; the solver's system follows the
    // announcement without a key.
    ASSERT_TRUE(run_morvane(open_section(1) + presses(3)));
    Layout left;
    left.at(40, 30, 3, "例題3　次の連立方程式を解きなさい。");
    left.at(80, 80, 0, "4x-y=13…①").at(80, 130, 0, "2x-3(1-y)=0…②");
    left.at(40, 180, 3, "②を整理すると").at(40, 230, 0, "2x-3+3y=0").at(40, 280, 0, "2x+3y=3…②'");
    expect_page(left);
    EXPECT_TRUE(has_brace(40, 80));
    ASSERT_TRUE(run_morvane(open_section(1) + presses(4)));
    left.at(40, 330, 3, "②'を使って連立方程式をつくると").at(640, 30, 3, "  ");
    expect_rows(left);
    EXPECT_TRUE(has_brace(694, 30));

    // The rule after one more key, the pointer after another.
    ASSERT_TRUE(run_morvane(open_section(1) + presses(9)));
    Layout rule;
    rule.at(40, 500, 5, "かっこのある連立方程式は、").at(40, 550, 5, "かっこをはずし、整理してから解く。");
    expect_rows(rule);
    EXPECT_FALSE(page_has([](const auto& t) { return t.y == 600; }));
    ASSERT_TRUE(run_morvane(open_section(1) + presses(10)));
    rule.at(44, 600, 3, "教科書P44 問8　をしなさい。");
    expect_rows(rule);
    save_png("unit5-brackets");
}

TEST(Unit5Sections, FractionsExampleSolvesBySubstitution) {
    ASSERT_TRUE(run_morvane(open_section(3) + presses(14)));
    Layout page;
    page.at(76, 30, 3, "例題4　次の連立方程式を解きなさい。");
    page.at(116, 80, 0, "x=2y+5…①").at(116, 150, 0, "ﾀx/3ﾀ-ﾀy/2ﾀ=2…②");
    page.at(76, 210, 3, "②の両辺に６をかけて分母をはらうと");
    page.at(76, 280, 0, "6*ﾀx/3ﾀ+6*(-ﾀy/2ﾀ)=6*2");
    page.at(76, 340, 0, "2x-3y=12…②'");
    page.at(76, 390, 3, "②'を使って連立方程式をつくると");
    page.at(800, 30, 0, "x=2y+5…①").at(800, 80, 0, "2x-3y=12…②'");
    page.at(760, 130, 3, "①を②'に代入して");
    page.at(760, 180, 0, "2(2y+5)-3y=12").at(760, 230, 0, "4y+10-3y=12").at(760, 280, 0, "4y-3y=12-10");
    page.at(760, 330, 3, "y=2").at(760, 380, 3, "y=2 を①に代入して");
    page.at(760, 430, 3, "x").then(0, "=2*2+5=4+5").then(3, "=9");
    page.at(760, 480, 5, "答 (x,y)=(9,2)");
    page.at(40, 480, 5, "係数に分数や小数のある連立方程式は、");
    page.at(40, 530, 5, "係数が全部整数になるように変形してから解く。");
    page.at(40, 580, 3, "教科書P45 問9　をしなさい。");
    expect_page(page);
    EXPECT_TRUE(has_brace(76, 80, 120));
    EXPECT_TRUE(has_brace(760, 30, 100));
    save_png("unit5-fractions");

    // "y=2" comes with its caption; the rest of the line x=2×2+5=9 with the
    // answer after one key.
    auto shows = [](const char* text) { return page_has([&](const auto& t) { return t.utf8 == text; }); };
    ASSERT_TRUE(run_morvane(open_section(3) + presses(10)));
    EXPECT_TRUE(shows("y=2") && shows("y=2 を①に代入して"));
    ASSERT_TRUE(run_morvane(open_section(3) + presses(11)));
    EXPECT_TRUE(shows("x") && !shows("=9"));
    ASSERT_TRUE(run_morvane(open_section(3) + presses(12)));
    EXPECT_TRUE(shows("=2*2+5=4+5") && shows("=9") && shows("答 (x,y)=(9,2)"));
    EXPECT_FALSE(shows("係数に分数や小数のある連立方程式は、"));
}

// A page's own rows, each (colour, x, y, text).
struct Row {
    int colour;
    float x, y;
    const char* text;
};
Layout rows_of(std::initializer_list<Row> rows) {
    Layout page;
    for (const Row& r : rows) page.at(r.x, r.y, r.colour, r.text);
    return page;
}

// A page that hands its system to the solver: its own column, left of the
// solver's work area, is complete when the solver first waits (after
// `presses` keys in the section) and still the same when the working ends
// four keys later. The given system's brace stands at the title's x.
struct ColumnPage {
    const char* name;
    int section, presses;
    float work_x;            // the solver's working starts here
    Layout rows;             // every text left of it
    float brace_y, brace_h;  // brace_h 0: the page has no system of its own
};

std::vector<ColumnPage> answer_pages() {
    return {
        // clang-format off
        {"question 8 (1)", 2, 0, 640,
         rows_of({{3, 40, 30, "問8　解答(1)"}, {0, 80, 80, "4x+7y=39…①"}, {0, 80, 130, "2(x-y)=3x+3y…②"},
                  {3, 40, 180, "②を整理すると"}, {0, 40, 230, "2x-2y-3x-3y=0"}, {0, 40, 280, "-x-5y=0 …③"},
                  {3, 40, 330, "③を使って連立方程式をつくると"}}),
         80, 100},
        {"question 8 (2)", 2, 5, 640,
         rows_of({{3, 40, 30, "問8　解答(2)"}, {0, 80, 80, "3(x+y)=2x-1 …①"}, {0, 80, 130, "x+y=-5 …②"},
                  {3, 40, 180, "①を整理すると"}, {0, 40, 230, "3x+3y-2x=-1"}, {0, 40, 280, "x+3y=-1 …③"},
                  {3, 40, 330, "③を使って連立方程式をつくると"}}),
         80, 100},
        {"question 8 (3)", 2, 10, 640,
         rows_of({{3, 40, 30, "問8　解答(3)"}, {0, 80, 80, "3(x+2y)=5(x-4) …①"}, {0, 80, 130, "x+3y=-2 …②"},
                  {3, 40, 180, "①を整理すると"}, {0, 40, 230, "3x+6y=5x-20"}, {0, 40, 280, "3x+6y-5x=-20"},
                  {0, 40, 330, "-2x+6y=-20 …③"}, {3, 40, 380, "③を使って連立方程式をつくると"}}),
         80, 100},
        {"question 8 (4)", 2, 15, 640,
         rows_of({{3, 40, 30, "問8　解答(4)"}, {0, 80, 80, "2x-(x+7y)=13 …①"}, {0, 80, 130, "2(x+3y)-5y=-4 …②"},
                  {3, 40, 180, "①を整理すると"}, {0, 40, 230, "2x-x-7y=13"}, {0, 40, 280, "x-7y=13 …③"},
                  {3, 40, 330, "②を整理すると"}, {0, 40, 380, "2x+6y-5y=-4"}, {0, 40, 430, "2x+y=-4 …④"},
                  {3, 40, 480, "③,④を使って連立方程式をつくると"}}),
         80, 100},
        {"question 9 (1)", 4, 0, 640,
         rows_of({{3, 76, 30, "問9　解答(1)"}, {0, 116, 80, "ﾀx/4ﾀ-ﾀy/5ﾀ=1 …①"}, {0, 116, 140, "3x+4y=-52 …②"},
                  {3, 76, 200, "①の分母をはらうと"}, {0, 76, 260, "20*ﾀx/4ﾀ-20*ﾀy/5ﾀ=20*1"},
                  {0, 76, 320, "5x-4y=20 …③"}, {3, 76, 370, "③を使って連立方程式をつくると"}}),
         80, 100},
        {"question 9 (2)", 4, 5, 640,
         rows_of({{3, 76, 30, "問9　解答(2)"}, {0, 116, 80, "4x+y=10 …①"}, {0, 116, 140, "ﾀ2/3ﾀx+ﾀy/7ﾀ=2 …②"},
                  {3, 76, 200, "②の分母をはらうと"}, {0, 76, 260, "21*ﾀ2/3ﾀx+21*ﾀy/7ﾀ=21*2"},
                  {0, 76, 320, "14x+3y=42 …③"}, {3, 76, 370, "③を使って連立方程式をつくると"}}),
         80, 125},
        // The working over two lines, its second half from x 346.
        {"question 9 (3)", 4, 10, 640,
         rows_of({{3, 76, 30, "問9　解答(3)"}, {0, 116, 80, "x+y=11 …①"}, {0, 116, 150, "ﾀ8/100ﾀx+ﾀ9/100ﾀy=1 …②"},
                  {3, 76, 220, "100*②"}, {0, 76, 290, "100*ﾀ8/100ﾀx+100*ﾀ9/100ﾀy"}, {0, 346, 360, "=100*1"},
                  {0, 76, 410, "8x+9y=100 …③"}, {3, 76, 460, "③を使って連立方程式をつくると"}}),
         80, 115},
        {"question 9 (4)", 4, 15, 640,
         rows_of({{3, 40, 30, "問9　解答(4)"}, {0, 80, 80, "ﾀx/2ﾀ-ﾀy/4ﾀ=1 …①"}, {0, 80, 150, "ﾀx/3ﾀ+ﾀy/2ﾀ=2 …②"},
                  {3, 40, 220, "4*①"}, {0, 40, 270, "2x-y=4 …③"}, {3, 40, 340, "6*②"},
                  {0, 40, 390, "2x+3y=12 …④"}, {3, 40, 440, "③④を使って連立方程式をつくると"}}),
         80, 125},
        {"question 10 (1)", 7, 0, 680,
         rows_of({{3, 40, 30, "問10　解答(1)"}, {3, 40, 80, "4を2回使って連立方程式をつくると"},
                  {0, 80, 130, "5x+2y=4 …①"}, {0, 80, 180, "-x-y+3=4 …②"}, {3, 40, 240, "②から"},
                  {0, 40, 300, "-x-y=4-3"}, {0, 40, 350, "-x-y=1 …③"}, {0, 40, 400, "したがって、"}}),
         130, 100},
        // No system of its own: only the solver's.
        {"question 10 (2)", 7, 5, 640,
         rows_of({{3, 40, 30, "問10　解答(2)"}, {3, 40, 80, "38を2回使って連立方程式をつくると"}}), 0, 0},
        {"question 10 (3)", 7, 10, 680,
         rows_of({{3, 40, 30, "問10　解答(3)"}, {3, 40, 80, "5+3y を2回使って連立方程式をつくると"},
                  {0, 80, 130, "3x+2y=5+3y …①"}, {0, 80, 180, "2x+11=5+3y …②"}, {3, 40, 240, "①から"},
                  {0, 40, 300, "3x+2y-3y=5"}, {0, 40, 350, "3x-y=5 …③"}, {3, 40, 410, "②から"},
                  {0, 40, 470, "2x-3y=5-11"}, {0, 40, 520, "2x-3y=-6 …④"}, {0, 40, 570, "したがって、"}}),
         130, 100},
        // The ingenuity pages tidy a step per key; their column is complete
        // at the solver's first wait all the same.
        {"ingenuity (1)", 5, 1, 640,
         rows_of({{3, 40, 30, "工夫(1)"}, {0, 80, 80, "0.3x+0.4y=0.5 …①"}, {0, 80, 140, "x-2y=-5 …②"},
                  {3, 40, 200, "10*①"}, {0, 40, 260, "10*0.3x+10*0.4y"}, {0, 364, 310, "=10*0.5"},
                  {0, 40, 370, "3x+4y=5 …③"}, {3, 40, 420, "③を使って連立方程式をつくると"}}),
         80, 100},
        {"ingenuity (2)", 5, 7, 600,
         rows_of({{3, 40, 30, "工夫(2)"}, {0, 80, 80, "0.1x+0.04y=15 …①"}, {0, 80, 150, "3x-2y=50 …②"},
                  {3, 40, 220, "100*①"}, {0, 40, 280, "100*0.1x+100*0.04y"}, {0, 310, 330, "=100*15"},
                  {0, 40, 380, "10x+4y=1500 …③"}, {3, 40, 430, "③を使って連立方程式をつくると"}}),
         80, 100},
        {"ingenuity (3)", 5, 14, 600,
         rows_of({{3, 40, 30, "工夫(3)"}, {0, 80, 80, "y=-x+2 …①"}, {0, 80, 150, "0.5x+y=2.5 …②"},
                  {3, 40, 220, "①より"}, {0, 40, 270, "x+y=2 …③"}, {3, 40, 340, "2*②"}, {0, 40, 390, "x+2y=5 …④"},
                  {3, 40, 440, "③④を使って連立方程式をつくると"}}),
         80, 100},
        {"ingenuity (4)", 5, 21, 600,
         rows_of({{3, 40, 30, "工夫(4)"}, {0, 80, 80, "-20x+10y=10 …①"}, {0, 80, 150, "500x=200(y-3) …②"},
                  {3, 40, 220, "①/10"}, {0, 40, 270, "-2x+y=1 …③"}, {3, 40, 340, "②/100"},
                  {0, 40, 390, "5x=2(y-3)"}, {0, 40, 440, "5x=2y-6"}, {0, 40, 490, "5x-2y=-6 …④"},
                  {3, 40, 540, "③④を使って連立方程式をつくると"}}),
         80, 100},
        // clang-format on
    };
}

TEST(Unit5Sections, AnswerPagesShowTheirLeftColumnBeforeTheSolverWaits) {
    for (const ColumnPage& p : answer_pages()) {
        SCOPED_TRACE(p.name);
        const float brace_x = p.rows.items().front().x;
        auto own_braces = [&] {
            std::vector<Brace> left;
            for (const Brace& b : braces())
                if (b.x < p.work_x) left.push_back(b);
            return left;
        };
        // At the solver's first wait: nothing of the previous page is left.
        ASSERT_TRUE(run_morvane(open_section(p.section) + presses(p.presses)));
        EXPECT_TRUE(at_pause());
        expect_page(p.rows, p.work_x);
        const auto braced = own_braces();
        ASSERT_EQ(braced.size(), p.brace_h > 0 ? 1u : 0u);
        if (p.brace_h > 0) {
            EXPECT_EQ(braced[0].x, brace_x);
            EXPECT_EQ(braced[0].y, p.brace_y);
            EXPECT_EQ(braced[0].height, p.brace_h);
        }
        // The working done: nothing of it strays into the column.
        ASSERT_TRUE(run_morvane(open_section(p.section) + presses(p.presses + 4)));
        expect_page(p.rows, p.work_x);
        EXPECT_EQ(own_braces().size(), braced.size());
        EXPECT_FALSE(answer_line().empty());
        save_png("unit5-section" + std::to_string(p.section) + "-" + std::to_string(p.presses + 4));
    }
}

TEST(Unit5Sections, IngenuityPagesTidyAStepPerKey) {
    // Page 3 after its system, after ③, and complete.
    ASSERT_TRUE(run_morvane(open_section(5) + presses(12)));
    Layout page;
    page.at(40, 30, 3, "工夫(3)").at(80, 80, 0, "y=-x+2 …①").at(80, 150, 0, "0.5x+y=2.5 …②");
    expect_page(page);
    EXPECT_TRUE(has_brace(40, 80));
    ASSERT_TRUE(run_morvane(open_section(5) + presses(13)));
    page.at(40, 220, 3, "①より").at(40, 270, 0, "x+y=2 …③");
    expect_page(page);
    ASSERT_TRUE(run_morvane(open_section(5) + presses(14)));
    page.at(40, 340, 3, "2*②").at(40, 390, 0, "x+2y=5 …④").at(40, 440, 3, "③④を使って連立方程式をつくると");
    expect_rows(page);

    // Page 4 divides: "/" outside a fraction is ÷.
    ASSERT_TRUE(run_morvane(open_section(5) + presses(25)));
    Layout last;
    last.at(40, 220, 3, "①/10").at(40, 270, 0, "-2x+y=1 …③").at(40, 340, 3, "②/100");
    last.at(40, 390, 0, "5x=2(y-3)").at(40, 440, 0, "5x=2y-6").at(40, 490, 0, "5x-2y=-6 …④");
    expect_rows(last);
    save_png("unit5-ingenuity-4");
}

TEST(Unit5Sections, ABCExamplePlacesItsRuleFromTheWorkingsLastLine) {
    ASSERT_TRUE(run_morvane(open_section(6) + presses(10)));
    Layout page;
    page.at(40, 30, 3, "例題5　次の連立方程式を解きなさい。").at(40, 80, 0, "x+y=3x-2y+20=25");
    page.at(40, 140, 3, "25を2回使って連立方程式をつくると");
    page.at(80, 190, 0, "x+y=25…①").at(80, 240, 0, "3x-2y+20=25…②");
    page.at(40, 300, 3, "②から").at(40, 360, 0, "3x-2y=25-20").at(40, 410, 0, "3x-2y=5…③");
    page.at(40, 460, 0, "したがって、");
    page.at(40, 500, 5, "A=B=C の形の連立方程式は、").at(40, 550, 5, "A,B,Cのうち一番簡単な式を2回使う。");
    page.at(40, 600, 3, "教科書P46 問10　をしなさい。");
    expect_rows(page);
    EXPECT_TRUE(has_brace(40, 190));
    save_png("unit5-abc");
}

}  // namespace
