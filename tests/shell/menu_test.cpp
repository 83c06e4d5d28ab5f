// The main menus of both programs, their dispatch, a unit's section menu,
// start-up and the error screen.
#include <vector>

#include "tests/common/page_probe.h"
#include "tests/shell/harness.h"

using namespace shelltest;

namespace {

// A course whose units record that they ran.
std::vector<int> units_run;
template <int N>
void record_unit() {
    units_run.push_back(N);
}

CourseDef recording_course(Program program) {
    CourseDef c = course_of(program);
    c.units = {record_unit<1>, record_unit<2>, record_unit<3>, record_unit<4>,
               record_unit<5>, record_unit<6>, record_unit<7>};
    return c;
}

int heading_draws_of(const std::string& heading) {
    int n = 0;
    for (const auto& op : ops(plat::OpKind::Note))
        if (u8(op.text) == heading) ++n;
    return n;
}
int heading_draws() { return heading_draws_of("＜Morvane　メニュー＞"); }

}  // namespace

TEST(MainMenu, MorvanePage) {
    EXPECT_FALSE(run(morvane_course(), ""));
    EXPECT_TRUE(shows("＜Morvane　メニュー＞", 264, 30, 15));
    const char* items[] = {"1　連立方程式とその解",   "2　加減法1",  "3　加減法2", "4　代入法",
                           "5　いろいろな連立方程式", "6　練習問題", "7　",        "8　終了"};
    for (int n = 1; n <= 8; ++n) EXPECT_TRUE(shows(items[n - 1], 44, 120 + 60 * (n - 1), n % 2 ? 13 : 15)) << n;
    EXPECT_TRUE(shows("番号を入力して下さい。", 816, 648, 0));
    EXPECT_TRUE(shows("入力", 1008, 648, 0));
    EXPECT_TRUE(has_box(22, 10, 1342, 610, 15, 10));  // the panel
    EXPECT_EQ(plat::visible_notes().size(), 11u) << screen();
}

TEST(MainMenu, TalissePage) {
    EXPECT_FALSE(run(talisse_course(), ""));
    EXPECT_TRUE(shows("＜Talisse　メニュー＞", 264, 30, 15));
    const char* items[] = {
        "1　導入",     "2　代金の問題",         "3　割合の問題",         "4　速さ・時間・道のりの問題",
        "5　練習問題", "6　学びをたしかめよう", "7　学びを身につけよう", "8　終了"};
    for (int n = 1; n <= 8; ++n) EXPECT_TRUE(shows(items[n - 1], 44, 120 + 60 * (n - 1), n % 2 ? 13 : 15)) << n;
    EXPECT_TRUE(shows("番号を入力して下さい。", 816, 648, 0));
}

TEST(MainMenu, EightEndsTheProgram) {
    for (Program p : {Program::Morvane, Program::Talisse}) {
        for (const char* keys : {"8\r", "16/2\r", "08\r", "8.0\r"}) {
            units_run.clear();
            EXPECT_TRUE(run(recording_course(p), keys)) << keys;
            EXPECT_TRUE(units_run.empty());
        }
    }
}

// Which unit each entry opens; 0 for none (the menu is drawn again).
TEST(MainMenu, DispatchTestsTheDividedValueAndCutsOffTheFraction) {
    const struct {
        const char* keys;
        int unit;
    } cases[] = {
        {"1\r", 1},    {"2\r", 2},   {"4/2\r", 2}, {"6\r", 6},   {"7\r", 7},   {"2.5\r", 2}, {"7.6\r", 7},
        {"7.99\r", 7}, {"2/4\r", 0}, {"0\r", 0},   {"9\r", 0},   {"-3\r", 0},  {"\r", 0},    {"8.5\r", 0},
        {"abc\r", 0},  {"5/\r", 0},  {"1/0\r", 0}, {"0/0\r", 0}, {"3/-\r", 0}, {"/\r", 0},
    };
    for (const auto& c : cases) {
        units_run.clear();
        EXPECT_FALSE(run(recording_course(Program::Morvane), c.keys)) << c.keys;
        if (c.unit) EXPECT_EQ(units_run, std::vector<int>{c.unit}) << c.keys;
        else EXPECT_TRUE(units_run.empty()) << c.keys;
        // Whatever happened, the menu is on the page again, drawn anew.
        EXPECT_EQ(heading_draws(), 1) << c.keys;
        EXPECT_TRUE(shows("番号を入力して下さい。", 816, 648, 0)) << c.keys;
    }
}

TEST(MainMenu, ItemsWithoutAUnitShowTheMenuAgain) {
    // Morvane's item 7, and an item whose unit is not built.
    EXPECT_TRUE(run(morvane_course(), "7\r8\r"));
    CourseDef c = talisse_course();
    c.units[3] = nullptr;
    EXPECT_FALSE(run(c, "4\r"));
    EXPECT_EQ(heading_draws_of("＜Talisse　メニュー＞"), 1);
    EXPECT_TRUE(shows("番号を入力して下さい。", 816, 648, 0));
}

TEST(MainMenu, AUnitStartsOnAnErasedPageAndTheMenuReturnsWhole) {
    static bool page_was_empty = false;
    CourseDef c = morvane_course();
    c.units[2] = [] {
        page_was_empty = plat::visible_notes().empty();
        G.YMOTO = 0;
        G.DSM1 = 100;
        G.DSM2 = 300;
        G.KKAI$ = SJ("ページの文");
        MU();
        PAUSE_FOR_KEY();
    };
    EXPECT_FALSE(run(c, "3\r"));
    EXPECT_TRUE(page_was_empty);
    EXPECT_TRUE(shows("ページの文", 100, 300, 0));
    EXPECT_TRUE(shown("＜Morvane　メニュー＞").empty());

    EXPECT_FALSE(run(c, "3\rx"));
    EXPECT_TRUE(shown("ページの文").empty());
    EXPECT_TRUE(shows("＜Morvane　メニュー＞", 264, 30, 15));
    EXPECT_EQ(plat::visible_notes().size(), 11u) << screen();
}

namespace {
std::vector<const void*> unit_frames;
void frame_recording_unit() {
    unit_frames.push_back(__builtin_frame_address(0));
    ask_section_menu(SJ("①終了"), 1);
}
}  // namespace

TEST(MainMenu, MovingAroundDoesNotGrowTheStack) {
    // Each visit of a unit, entered from the menu and left by its section
    // menu, starts at the same depth.
    CourseDef c = talisse_course();
    c.units.fill(frame_recording_unit);
    std::string keys;
    for (int i = 0; i < 50; ++i) keys += std::to_string(i % 7 + 1) + "\r1\r9\r";
    unit_frames.clear();
    EXPECT_TRUE(run(c, keys + "8\r"));
    ASSERT_EQ(unit_frames.size(), 50u);
    for (const void* f : unit_frames) EXPECT_EQ(f, unit_frames[0]);
}

// ------------------------------------------------------------ section menu

namespace {
std::vector<int> sections_opened;
void two_section_unit() {
    for (;;) {
        const int item = ask_section_menu(SJ("①一　②二　③終了"), 3);
        if (item == 3) return;
        sections_opened.push_back(item);
        EXPECT_EQ(G.AINP, 10);
    }
}
}  // namespace

TEST(SectionMenu, AsksAgainOutOfRangeAndReturnsOnTheLastItem) {
    CourseDef c = morvane_course();
    c.units[0] = two_section_unit;
    sections_opened.clear();
    EXPECT_FALSE(run(c, "1\r0\r4\r-1\r2.9\r1\r"));
    EXPECT_EQ(sections_opened, (std::vector<int>{2, 1}));
    EXPECT_TRUE(shows("①一　②二　③終了", 16, 666, 0));
    EXPECT_EQ(G.A, 1);

    sections_opened.clear();
    EXPECT_FALSE(run(c, "1\r3\r"));
    EXPECT_TRUE(sections_opened.empty());
    EXPECT_TRUE(shows("＜Morvane　メニュー＞", 264, 30, 15));
    EXPECT_TRUE(shown("①一　②二　③終了").empty());
}

// --------------------------------------------------------------- start-up

TEST(StartUp, SeedIsHourPlusMinutePlusSecond) {
    const struct {
        const char* time;
        float seed;
    } cases[] = {{"00:00:00", 0}, {"23:59:59", 141}, {"01:00:00", 1}, {"00:01:00", 1}, {"10:20:30", 60}};
    for (const auto& c : cases) {
        run(morvane_course(), "", c.time);
        EXPECT_EQ(G.XG, c.seed) << c.time;
    }
    // The same sum, the same random numbers.
    run(morvane_course(), "", "01:00:00");
    const float a = $PaRnd(), b = $PaRnd();
    run(morvane_course(), "", "00:01:00");
    EXPECT_EQ($PaRnd(), a);
    EXPECT_EQ($PaRnd(), b);
}

TEST(StartUp, StartValuesAndArraysInBothPrograms) {
    for (Program p : {Program::Morvane, Program::Talisse}) {
        G.JYOU = 1;
        run(course_of(p), "");
        EXPECT_EQ(G.program, p);
        EXPECT_EQ(G.Y5, 1056);
        EXPECT_EQ(G.Y6, 648);
        EXPECT_EQ(G.JYOU, 0);
        EXPECT_EQ(G.II1$, p == Program::Morvane ? "Morvane" : "Talisse");
        EXPECT_EQ(FE$GETDRAWWIDTH(0), 3);
        // Every array with its bound, R$() in Talisse too.
        G.TITLE$(40) = "x";
        G.F(40) = 1;
        G.A1$(80) = "x";
        G.T(80) = 1;
        G.GY5(40) = 1;
        G.t0014(40) = 1;
        G.Y7(10) = 1;
        G.R$(10) = "x";
        G.X$(20) = "x";
        G.GX3(40) = 1;
        G.GY3(40) = 1;
        // The prime-factor table read either way round.
        G.R1A(2, 10) = 1;
        G.R1A(10, 2) = 1;
        EXPECT_THROW(G.T(81), plat::RuntimeFault);
    }
}

// ------------------------------------------------------------ error screen

TEST(ErrorScreen, OneLineOnAClearedWindowAndNothingElse) {
    CourseDef c = morvane_course();
    c.units[0] = [] { plat::raise_fault(77, plat::kFaultSubscript); };
    // Keys typed after the fault are never read.
    EXPECT_FALSE(run(c, "1\r123"));
    EXPECT_EQ(plat::pending_keys(), 3u);
    const auto notes = plat::visible_notes();
    ASSERT_EQ(notes.size(), 1u) << screen();
    EXPECT_EQ(notes[0].utf8,
              u8($PfSTR244(77)) + "," + u8($PfSTR244(9)) + "エラーが発生しました。マウスで×をクリックして下さい。");
    EXPECT_EQ(notes[0].x, 288);
    EXPECT_EQ(notes[0].y, 432);
    EXPECT_EQ(notes[0].colour, 13);
    EXPECT_EQ(ops(plat::OpKind::Text).size(), 1u);
    probe::save_png("error_screen", 1);
}

TEST(ErrorScreen, AnArrayFaultInAPageEndsThere) {
    CourseDef c = talisse_course();
    c.units[4] = [] { G.GX3(41) = 1; };
    EXPECT_FALSE(run(c, "5\r"));
    ASSERT_EQ(plat::visible_notes().size(), 1u) << screen();
    EXPECT_NE(plat::visible_notes()[0].utf8.find("エラーが発生しました。"), std::string::npos);
}

TEST(Program, ClosingTheWindowEndsItCleanly) {
    CourseDef c = morvane_course();
    c.units[1] = [] { throw plat::WindowClosed{}; };
    EXPECT_TRUE(run(c, "2\r"));
}

// The heading's course title is a name: every letter in the heading's own
// face (Gothic, bold, size 16), none set as a formula letter (no script ell,
// no italic serif), and the letters one after another at the plain advance.
TEST(MainMenu, TheHeadingDrawsTheTitleAsPlainText) {
    struct Case {
        CourseDef course;
        std::string title;
    };
    for (const Case& c : {Case{morvane_course(), "Morvane"}, Case{talisse_course(), "Talisse"}}) {
        SCOPED_TRACE(c.title);
        EXPECT_FALSE(run(c.course, ""));
        std::string drawn;
        std::vector<float> xs;
        for (const auto& op : ops(plat::OpKind::Text)) {
            if (op.ay > 40 || op.ay < 20) continue;
            EXPECT_EQ(op.font.face, plat::Face::Gothic) << u8(op.text);
            EXPECT_TRUE(op.font.bold) << u8(op.text);
            EXPECT_FALSE(op.font.italic) << u8(op.text);
            EXPECT_EQ(op.font.size, 16) << u8(op.text);
            EXPECT_EQ(op.ay, 30) << u8(op.text);
            EXPECT_EQ(op.colour, 15) << u8(op.text);
            drawn += u8(op.text);
            xs.push_back(op.ax);
        }
        EXPECT_EQ(drawn, "＜" + c.title + "　メニュー＞");
        ASSERT_EQ(xs.size(), c.title.size() + 7);
        for (size_t i = 1; i <= c.title.size(); ++i) EXPECT_FLOAT_EQ(xs[i], 264 + 34 + 27 * (i - 1));
        EXPECT_TRUE(shows("＜" + c.title + "　メニュー＞", 264, 30, 15));
    }
}
