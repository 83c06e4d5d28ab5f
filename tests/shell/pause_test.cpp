// The key pause of every page.
#include "tests/shell/harness.h"

using namespace shelltest;

TEST(KeyPause, ShowsItsBoxAndWaits) {
    for (Program p : {Program::Morvane, Program::Talisse}) {
        begin(p, "");
        FE$SETDRAWWIDTH(0, 5);
        EXPECT_FALSE(returns(PAUSE_FOR_KEY));
        EXPECT_TRUE(shows("何かキーを押して下さい。", 128, 666, 9)) << screen();
        EXPECT_EQ(plat::visible_notes().size(), 1u);
        EXPECT_TRUE(has_box(96, 657, 400, 693, 13, 4));
        EXPECT_EQ(FE$GETDRAWWIDTH(0), 3);
    }
}

TEST(KeyPause, AnyKeyEndsItAndEverythingIsPutBack) {
    for (const char* key : {"x", "\r", "\b", "7", " "}) {
        begin(Program::Morvane, key);
        // A line start in the strip left of 400 is erased, text right of it stays.
        G.YMOTO = 0;
        G.DSM1 = 16;
        G.DSM2 = 666;
        G.KKAI$ = SJ("左");
        MU();
        G.DSM1 = 420;
        G.DSM2 = 666;
        G.KKAI$ = SJ("右");
        MU();
        G.YMOTO = 15;
        FE$SETDRAWWIDTH(0, 5);
        G.B1 = 44;
        G.B2 = 300;
        G.YI1 = 500;
        ASSERT_TRUE(returns(PAUSE_FOR_KEY)) << key;
        EXPECT_EQ(G.I$, key);
        EXPECT_EQ(G.YMOTO, 15);
        EXPECT_EQ(G.HENK2, 15);
        EXPECT_EQ(FE$GETDRAWWIDTH(0), 5);
        EXPECT_EQ(G.B4, 5);
        EXPECT_EQ(G.DSM1, 320);
        EXPECT_EQ(G.DSM2, 666);
        EXPECT_EQ(G.KKAI$, "");
        EXPECT_EQ(G.B1, 44);
        EXPECT_EQ(G.B2, 300);
        EXPECT_EQ(G.YI1, 500);
        EXPECT_TRUE(has_box(0, 657, 400, 693, 15, 15));
        EXPECT_TRUE(painted_over("左"));
        EXPECT_FALSE(painted_over("右"));
        EXPECT_TRUE(painted_over("何かキーを押して下さい。"));
    }
}

TEST(KeyPause, EachPauseTakesOneKey) {
    begin(Program::Talisse, "ab");
    ASSERT_TRUE(returns(PAUSE_FOR_KEY));
    EXPECT_EQ(G.I$, "a");
    ASSERT_TRUE(returns(PAUSE_FOR_KEY));
    EXPECT_EQ(G.I$, "b");
    EXPECT_FALSE(returns(PAUSE_FOR_KEY));
}

TEST(KeyPause, MorvaneSkipsItWhileJyouIsOne) {
    begin(Program::Morvane, "k");
    G.JYOU = 1;
    G.YMOTO = 7;
    G.DSM1 = 1;
    G.DSM2 = 2;
    G.KKAI$ = "z";
    G.I$ = "i";
    G.HENK2 = 8;
    G.B4 = 9;
    FE$SETDRAWWIDTH(0, 2);
    ASSERT_TRUE(returns(PAUSE_FOR_KEY));
    EXPECT_TRUE(plat::display_list().empty());
    EXPECT_EQ(plat::pending_keys(), 1u);
    EXPECT_EQ(G.YMOTO, 7);
    EXPECT_EQ(G.DSM1, 1);
    EXPECT_EQ(G.DSM2, 2);
    EXPECT_EQ(G.KKAI$, "z");
    EXPECT_EQ(G.I$, "i");
    EXPECT_EQ(G.HENK2, 8);
    EXPECT_EQ(G.B4, 9);
    EXPECT_EQ(FE$GETDRAWWIDTH(0), 2);

    // Only exactly 1 skips.
    for (float jyou : {0.0f, 2.0f, -1.0f, 0.5f}) {
        begin(Program::Morvane, "");
        G.JYOU = jyou;
        EXPECT_FALSE(returns(PAUSE_FOR_KEY)) << jyou;
    }
}

TEST(KeyPause, TalisseAlwaysWaits) {
    begin(Program::Talisse, "");
    G.JYOU = 1;
    EXPECT_FALSE(returns(PAUSE_FOR_KEY));
    EXPECT_TRUE(shows("何かキーを押して下さい。", 128, 666, 9));
}
