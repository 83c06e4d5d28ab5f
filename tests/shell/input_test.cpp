// The input field, the value of an entry, and the prompts that read one.
#include "tests/shell/harness.h"

using namespace shelltest;

namespace {

// Types `keys` into the section-menu prompt of a started program.
bool type_into_field(const std::string& keys, Program p = Program::Morvane) {
    begin(p, keys);
    G.KKAI$ = SJ("①あ　②終了");
    return returns(ASK_SUBMENU_NUMBER);
}

// The dot: the last circle drawn at the field's cell row.
plat::DrawOp last_dot() {
    const auto circles = ops(plat::OpKind::Circle);
    EXPECT_FALSE(circles.empty());
    return circles.empty() ? plat::DrawOp{} : circles.back();
}

}  // namespace

TEST(InputField, ValuesOfEntries) {
    const struct {
        const char* typed;
        float value;
    } cases[] = {
        // clang-format off
        {"3", 3},      {"-2", -2},     {"0.5", 0.5f}, {".5", 0.5f}, {"1/2", 0.5f}, {"4/2", 2},
        {"-6/3", -2},  {"/3", 0},      {"1/2/4", 0.5f}, {"", 0},    {"01", 1},     {"1.0", 1},
        {"2/2", 1},    {"1-2", 1},     {"-", 0},      {".", 0},     {"123456789", 123456789.0f},
        // A zero divisor reads as an empty entry.
        {"5/", 0},     {"1/0", 0},     {"0/0", 0},    {"3/-", 0},   {"/", 0},      {"-0/0.0", 0},
        // clang-format on
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(type_into_field(std::string(c.typed) + "\r")) << c.typed;
        EXPECT_EQ(G.DS2$, c.typed);
        EXPECT_EQ(G.AINP, c.value) << c.typed;
    }
}

TEST(InputField, TheDivisionKeepsItsParts) {
    ASSERT_TRUE(type_into_field("12/34/5\r"));
    EXPECT_EQ(G.A$, "12");
    EXPECT_EQ(G.LT$, "34/5");
    EXPECT_EQ(G.N1, 7);
    EXPECT_EQ(G.SOSU, 3);
    EXPECT_EQ(G.AINP, 12.0f / 34.0f);
}

TEST(InputField, NineCharactersAreSubmittedTenNever) {
    ASSERT_TRUE(type_into_field("987654321\r"));
    EXPECT_EQ(G.DS2$, "987654321");

    // Enter on ten characters clears the field, which goes on waiting.
    EXPECT_FALSE(type_into_field("1234567890\r"));
    EXPECT_EQ(G.DS2$, "");
    EXPECT_EQ(last_dot().ax, 1064);
    // Ten characters are all shown before that.
    ASSERT_TRUE(type_into_field("1234567890\r7\r"));
    EXPECT_EQ(G.DS2$, "7");
    // Any key on a full entry clears it and is used up: the digit does not
    // start the new entry, nor does an ignored key.
    ASSERT_TRUE(type_into_field("12345678905\r"));
    EXPECT_EQ(G.DS2$, "");
    ASSERT_TRUE(type_into_field("1234567890a6\r"));
    EXPECT_EQ(G.DS2$, "6");
}

TEST(InputField, TenCharactersAreShown) {
    EXPECT_FALSE(type_into_field("1234567890"));
    EXPECT_EQ(G.DS2$, "1234567890");
    EXPECT_EQ(glyphs("０").size(), 1u);
    EXPECT_EQ(glyphs("０")[0].ax, 1056 + 9 * 16);
}

TEST(InputField, BackSpaceAndCode12ClearTheWholeEntry) {
    for (const char* clear : {"\b", "\x0c"}) {
        ASSERT_TRUE(type_into_field(std::string("123") + clear + "45\r"));
        EXPECT_EQ(G.DS2$, "45");
        EXPECT_EQ(G.AINP, 45);
        // While typing: the cleared digits are gone, the new entry starts
        // in the first cell.
        EXPECT_FALSE(type_into_field(std::string("123") + clear + "4"));
        ASSERT_EQ(glyphs("４").size(), 1u);
        EXPECT_EQ(glyphs("４")[0].ax, 1056);
        EXPECT_TRUE(has_box(1056, 640, 1248, 670, 15, 15));
    }
}

TEST(InputField, OtherKeysAreIgnored) {
    // Letters, space, "+", ",", ":" and the two bytes of a full-width digit.
    ASSERT_TRUE(type_into_field(std::string("1a +,:\x82\x50") + "2\r"));
    EXPECT_EQ(G.DS2$, "12");
}

TEST(InputField, EchoIsFullWidthAndAPointTakesNoCell) {
    EXPECT_FALSE(type_into_field("1.5"));
    ASSERT_EQ(glyphs("１").size(), 1u);
    ASSERT_EQ(glyphs("．").size(), 1u);
    ASSERT_EQ(glyphs("５").size(), 1u);
    EXPECT_EQ(glyphs("１")[0].ax, 1056);
    EXPECT_EQ(glyphs("．")[0].ax, 1068);
    EXPECT_EQ(glyphs("５")[0].ax, 1072);
    EXPECT_EQ(glyphs("５")[0].colour, 5);
    EXPECT_EQ(last_dot().ax, 1096);

    EXPECT_FALSE(type_into_field("-4/2"));
    EXPECT_EQ(glyphs("－")[0].ax, 1056);
    EXPECT_EQ(glyphs("÷")[0].ax, 1088);
}

TEST(InputField, TheTypedCharactersAreListedWhileOnThePage) {
    EXPECT_FALSE(type_into_field("1.5"));
    EXPECT_TRUE(shows("1", 1056, 648, 5)) << screen();
    EXPECT_TRUE(shows(".", 1072, 648, 5)) << screen();
    EXPECT_TRUE(shows("5", 1072, 648, 5)) << screen();
    // Gone with the clear and with the closing erase box.
    for (const char* keys : {"12\b", "12\r"}) {
        type_into_field(keys);
        EXPECT_TRUE(shown("1").empty()) << keys << "\n" << screen();
        EXPECT_TRUE(shown("2").empty()) << keys << "\n" << screen();
    }
}

TEST(InputField, TheDotWaitsShownInTheNextCell) {
    EXPECT_FALSE(type_into_field(""));
    plat::DrawOp dot = last_dot();
    EXPECT_EQ(dot.ax, 1064);
    EXPECT_EQ(dot.ay, 656);
    EXPECT_EQ(dot.r, 4);
    EXPECT_EQ(dot.colour, 5);
    EXPECT_TRUE(shows("入力", 1008, 648, 0));

    EXPECT_FALSE(type_into_field("12x"));
    dot = last_dot();
    EXPECT_EQ(dot.ax, 1064 + 32);
    EXPECT_EQ(dot.colour, 5);
    // One dot on the page: each hidden one is gone.
    int shown_dots = 0;
    for (const auto& c : ops(plat::OpKind::Circle)) shown_dots += c.colour == 5;
    EXPECT_EQ(shown_dots, 1);
}

TEST(InputField, WhatItLeavesBehind) {
    begin(Program::Morvane, "\r");
    FE$SETDRAWWIDTH(0, 5);
    G.YMOTO = 7;
    ASSERT_TRUE(returns(INPUT_FIELD));
    EXPECT_EQ(G.YMOTO, 0);
    EXPECT_EQ(G.DSM1, 1040);
    EXPECT_EQ(G.DSM2, 648);
    EXPECT_EQ(G.I$, "\r");
    EXPECT_EQ(FE$GETDRAWWIDTH(0), 5);
    // The label is gone with the closing erase box.
    EXPECT_TRUE(painted_over("入力"));
    EXPECT_TRUE(has_box(1008, 640, 1248, 670, 15, 15));

    begin(Program::Morvane, "3\b\r");
    ASSERT_TRUE(returns(INPUT_FIELD));
    EXPECT_EQ(G.YMOTO, 5);  // a character was accepted, even though cleared
    EXPECT_EQ(G.DS2$, "");
}

// ---------------------------------------------------------------- prompts

TEST(SubmenuPrompt, LineStaysWhileTypingAndTheStripErases) {
    EXPECT_FALSE(type_into_field("2"));
    EXPECT_TRUE(shows("①あ　②終了", 16, 666, 0));
    ASSERT_TRUE(type_into_field("2\r"));
    EXPECT_TRUE(shows("①あ　②終了", 16, 666, 0));
    EXPECT_EQ(G.AINP, 2);
    EXPECT_EQ(G.KKAI$, "");
    EXPECT_TRUE(painted_over("入力"));
    ERASE_BOTTOM_STRIP();
    EXPECT_TRUE(painted_over("①あ　②終了"));
    EXPECT_TRUE(has_box(0, 657, 992, 720, 15, 15));
}

TEST(NextStepPrompt, BoxValueAndRestoredWidth) {
    for (Program p : {Program::Morvane, Program::Talisse}) {
        begin(p, "");
        FE$SETDRAWWIDTH(0, 5);
        EXPECT_FALSE(returns(ASK_NEXT_STEP));
        EXPECT_TRUE(shows("次のステップは１を入力。", 128, 648, 9)) << screen();
        EXPECT_TRUE(has_box(96, 639, 400, 675, 13, 12));
        EXPECT_EQ(FE$GETDRAWWIDTH(0), 2);

        const struct {
            const char* keys;
            float value;
        } cases[] = {{"1\r", 1}, {"01\r", 1}, {"1.0\r", 1}, {"2/2\r", 1}, {"2\r", 2}, {"\r", 0}, {"1/0\r", 0}};
        for (const auto& c : cases) {
            begin(p, c.keys);
            FE$SETDRAWWIDTH(0, 5);
            G.YMOTO = 3;
            ASSERT_TRUE(returns(ASK_NEXT_STEP)) << c.keys;
            EXPECT_EQ(G.AINP, c.value) << c.keys;
            EXPECT_EQ(FE$GETDRAWWIDTH(0), 5);
            EXPECT_EQ(G.B4, 5);
            EXPECT_EQ(G.YMOTO, std::string(c.keys) == "\r" ? 0 : 5);
            EXPECT_TRUE(painted_over("次のステップは１を入力。"));
            EXPECT_TRUE(painted_over("入力"));
            EXPECT_TRUE(has_box(1008, 639, 1168, 666, 15, 15));
        }
    }
}

TEST(PressKeyBox, WaitsForAnyKeyAndKeepsColourAndWidth) {
    begin(Program::Morvane, "");
    G.KKAI$ = SJ("確認");
    EXPECT_FALSE(returns(PRESS_KEY_BOX));
    EXPECT_TRUE(shows("確認", 48, 666, 9));
    EXPECT_TRUE(has_box(16, 657, 496, 693, 13, 4));

    begin(Program::Morvane, "q");
    G.KKAI$ = SJ("確認");
    G.YMOTO = 15;
    FE$SETDRAWWIDTH(0, 5);
    ASSERT_TRUE(returns(PRESS_KEY_BOX));
    EXPECT_EQ(G.YMOTO, 15);
    EXPECT_EQ(FE$GETDRAWWIDTH(0), 5);
    EXPECT_EQ(G.I$, "q");
    EXPECT_EQ(G.DSM1, 48 + 2 * 16);
    EXPECT_TRUE(painted_over("確認"));
}

TEST(FlushKeys, DiscardsWhatWaitsAndNeverWaits) {
    begin(Program::Morvane, "abc");
    ASSERT_TRUE(returns(FLUSH_KEYS));
    EXPECT_EQ(plat::pending_keys(), 0u);
    EXPECT_EQ(G.I$, "");
    ASSERT_TRUE(returns(FLUSH_KEYS));
}
