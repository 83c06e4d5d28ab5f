// Number texts, the page-clearing boxes and the sign-text helpers.
#include "tests/shell/harness.h"

using namespace shelltest;

TEST(NumbersToText, PlainTextsOfBothTables) {
    begin(Program::Talisse);
    G.A1$(0) = "keep";
    G.TITLE$(0) = "keep";
    G.T(1) = 4;
    G.T(2) = -1;
    G.T(3) = 0;
    G.T(80) = 1234567;
    G.F(1) = 0.5f;
    G.F(40) = -12;
    G.A1$(25) = "";  // a caller's edit, made plain again
    G.T(25) = 1;
    NUMBERS_TO_TEXT();
    EXPECT_EQ(G.A1$(1), "4");
    EXPECT_EQ(G.A1$(2), "-1");
    EXPECT_EQ(G.A1$(3), "0");
    EXPECT_EQ(G.A1$(25), "1");
    EXPECT_EQ(G.A1$(79), "0");
    EXPECT_EQ(G.A1$(80), "1234567");
    EXPECT_EQ(G.TITLE$(1), ".5");
    EXPECT_EQ(G.TITLE$(40), "-12");
    EXPECT_EQ(G.A$, "-12");
    EXPECT_EQ(G.HENK, 41);
    EXPECT_EQ(G.A1$(0), "keep");
    EXPECT_EQ(G.TITLE$(0), "keep");
}

TEST(PageClearing, BoxesAndWhatTheyLeave) {
    begin(Program::Morvane);
    CLEAR_BELOW_TITLE();
    EXPECT_TRUE(has_box(0, 54, 1440, 900, 15, 15));
    ERASE_INPUT_AREA();
    EXPECT_TRUE(has_box(1136, 576, 2576, 666, 15, 15));
    EXPECT_EQ(G.DSM1, 1136);
    EXPECT_EQ(G.DSM2, 576);
}

TEST(PageClearing, AHeadingAboveTheBandStays) {
    begin(Program::Morvane);
    G.YMOTO = 3;
    G.DSM1 = 40;
    G.DSM2 = 5;
    G.KKAI$ = SJ("見出し");
    MU();
    G.DSM1 = 40;
    G.DSM2 = 100;
    G.KKAI$ = SJ("本文");
    MU();
    CLEAR_BELOW_TITLE();
    EXPECT_TRUE(shows("見出し", 40, 5, 3));
    EXPECT_TRUE(shown("本文").empty());
}

TEST(SignTexts, LeadingSignsComeOff) {
    const struct {
        const char* in;
        const char* plus;
        const char* sign;
    } cases[] = {
        {"+12", "12", "12"},  {"+", "", ""},      {"++2", "+2", "+2"},   {"", "", ""},
        {"-3", "-3", "3"},    {"3+", "3+", "3+"}, {" +1", " +1", " +1"}, {"-", "-", ""},
        {"--3", "--3", "-3"}, {"+3", "3", "3"},   {"－3", "－3", "－3"},
    };
    for (const auto& c : cases) {
        G.A$ = plat::utf8_to_cp932(c.in);
        STRIP_LEADING_PLUS();
        EXPECT_EQ(u8(G.A$), c.plus) << c.in;
        G.A$ = plat::utf8_to_cp932(c.in);
        STRIP_LEADING_SIGN();
        EXPECT_EQ(u8(G.A$), c.sign) << c.in;
    }
}
