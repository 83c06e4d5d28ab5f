// Strings, numbers, random numbers, arrays, faults, keys and the clock of the
// runtime.
#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <set>

#include "engine/platform/runtime.h"
#include "engine/platform/screen.h"

namespace {

Str sj(const char* utf8) { return plat::utf8_to_cp932(utf8); }

// ------------------------------------------------------------- CP932
TEST(Cp932, ConvertsTheCourseCharactersBothWays) {
    struct Case {
        const char* utf8;
        const char* cp932;
    };
    const Case cases[] = {
        // clang-format off
        {"①⑳", "\x87\x40\x87\x53"},      {"ｶｷﾀﾝ", "\xB6\xB7\xC0\xDD"},       {"す文タ", "\x82\xB7\x95\xB6\x83\x5E"},
        {"×÷±√°", "\x81\x7E\x81\x80\x81\x7D\x81\xE3\x81\x8B"}, {"―－．", "\x81\x5C\x81\x7C\x81\x44"},
        {"χΑ", "\x83\xD4\x83\x9F"},       {"x=ﾀ3/2ﾀ", "x=\xC0" "3/2\xC0"},
        // clang-format on
    };
    for (const Case& c : cases) {
        EXPECT_EQ(plat::utf8_to_cp932(c.utf8), c.cp932) << c.utf8;
        EXPECT_EQ(plat::cp932_to_utf8(c.cp932), c.utf8) << c.utf8;
    }
    EXPECT_EQ(plat::utf8_to_cp932("aℓb"), "a?b");              // no counterpart
    EXPECT_EQ(plat::cp932_to_utf8("a\x81"), "a\xEF\xBF\xBD");  // lead byte at the end
    EXPECT_EQ(SJ("番号"), sj("番号"));
}

TEST(Cp932, WalksCharactersNotBytes) {
    // "す" ends in the notebook mark's byte, "文" in the pencil mark's, "タ" in "^".
    const Str text = sj("すｷ文ｶタ^");
    const std::vector<Str> chars = plat::sj_chars(text);
    ASSERT_EQ(chars.size(), 6u);
    EXPECT_EQ(chars[1], "\xB7");
    EXPECT_EQ(chars[3], "\xB6");
    EXPECT_EQ(chars[5], "^");
    EXPECT_EQ(plat::sj_count(text), 6u);
    EXPECT_EQ(plat::sj_char_len(text, 0), 2);
    EXPECT_EQ(plat::sj_char_len(text, 2), 1);
    EXPECT_EQ(plat::sj_char_len("\x82", 0), 1);  // a lone lead byte
}

// ------------------------------------------------------------ strings
TEST(Strings, CharacterOperationsCountDoubleByteCharactersAsOne) {
    const Str text = sj("す^タｷ①2");
    EXPECT_EQ($PfKLEN(text), 6);
    EXPECT_EQ($PfLEN(text), 9);
    EXPECT_EQ($PfKINSTR(1, text, "^"), 2);
    EXPECT_EQ($PfKINSTR(3, text, "^"), 0);  // "タ" ends in the byte of "^"
    EXPECT_EQ($PfKINSTR(1, sj("すｷ"), "\xB7"), 2);
    EXPECT_EQ($PfKINSTR(1, sj("タ"), "^"), 0);
    EXPECT_EQ($PfKINSTR(1, text, sj("①")), 5);
    EXPECT_EQ($PfKINSTR(1, text, ""), 1);
    EXPECT_EQ($PfKINSTR(1, "", "a"), 0);
    EXPECT_EQ($PfKLEFT24(text, 1), sj("す"));
    EXPECT_EQ($PfKLEFT24(text, 0), "");
    EXPECT_EQ($PfKLEFT24(text, -2), "");
    EXPECT_EQ($PfKLEFT24(text, 99), text);
    EXPECT_EQ($PfKRIGHT24(text, 2), sj("①2"));
    EXPECT_EQ($PfKRIGHT24(text, 5), sj("^タｷ①2"));
    EXPECT_EQ($PfKRIGHT24(text, 0), "");
    EXPECT_EQ($PfKMID24(text, 3, 2), sj("タｷ"));
    EXPECT_EQ($PfKMID24(text, 6, 5), "2");
    EXPECT_EQ($PfKMID24(text, 7, 1), "");
    EXPECT_EQ($PfKMID24(text, 2, 0), "");
}

TEST(Strings, ByteOperationsCountBytes) {
    const Str text = sj("す1");  // 0x82 0xB7 '1'
    EXPECT_EQ($PfLEN(text), 3);
    EXPECT_EQ($PfINSTR(1, text, "\xB7"), 2);  // bytes: the trail byte matches
    EXPECT_EQ($PfINSTR(3, text, "\xB7"), 0);
    EXPECT_EQ($PfLEFT24(text, 2), sj("す"));
    EXPECT_EQ($PfRIGHT24(text, 1), "1");
    EXPECT_EQ($PfMID24(text, 2, 1), "\xB7");
    EXPECT_EQ($PfINSTR(1, "3/4/5", "/"), 2);
    EXPECT_EQ($PfINSTR(3, "3/4/5", "/"), 4);
}

// ------------------------------------------------------------ numbers
TEST(Numbers, NumberTexts) {
    struct Case {
        float value;
        const char* text;
    };
    const Case cases[] = {
        // clang-format off
        {0, " 0"},        {-0.0f, " 0"},          {5, " 5"},           {-5, "-5"},
        {0.5f, " .5"},    {-0.5f, "-.5"},         {12.5f, " 12.5"},    {0.1f, " .1"},
        {100, " 100"},    {1234567, " 1234567"},  {-40, "-40"},        {1.0f / 3, " .3333333"},
        {2.0f / 3, " .6666667"}, {0.001f, " .001"}, {-1.25f, "-1.25"}, {16777216, " 16777216"},
        {123.4567f, " 123.4567"}, {0.0625f, " .0625"},
        // small values keep seven significant digits, rounded
        {1.23456789e-5f, " .00001234568"}, {-2.5e-5f, "-.000025"},
        // clang-format on
    };
    for (const Case& c : cases) EXPECT_EQ($PfSTR244(c.value), c.text) << c.value;
    EXPECT_EQ($PfSTR248(-0.5f), "-.5");
}

TEST(Numbers, ValueOfATextIsTheNumberAtItsStart) {
    struct Case {
        const char* text;
        float value;
    };
    const Case cases[] = {
        // clang-format off
        {"12", 12},  {"-3", -3}, {"0.5", 0.5f}, {".5", 0.5f}, {"2/4", 2},   {"1-2", 1},      {"", 0},
        {"-", 0},    {".", 0},   {"/3", 0},     {"-.5", -0.5f}, {"1.2.3", 1.2f}, {" 7", 7}, {"0012", 12},
        {"123456789", 123456789.0f}, {"5.", 5},  {"x3", 0},
        // clang-format on
    };
    for (const Case& c : cases) EXPECT_EQ($PfVAL(c.text), c.value) << c.text;
    EXPECT_FALSE(std::signbit($PfVAL("-0")));
    // Number texts read back.
    for (float v : {0.5f, -12.25f, 1234567.0f, 0.3333333f}) EXPECT_EQ($PfVAL($PfSTR244(v)), v);
}

TEST(Numbers, IntegerPartGoesDownwards) {
    EXPECT_EQ($PnFInt(2.7f), 2);
    EXPECT_EQ($PnFInt(-0.5f), -1);
    EXPECT_EQ($PnFInt(-3), -3);
}

// ------------------------------------------------------- random numbers
TEST(Random, ReproducibleForASeedAndInRange) {
    plat::use_headless({});
    $PaRandomize(17);
    std::vector<float> first;
    for (int i = 0; i < 100; ++i) first.push_back($PaRnd());
    $PaRandomize(17);
    for (int i = 0; i < 100; ++i) EXPECT_EQ($PaRnd(), first[static_cast<size_t>(i)]);
    $PaRandomize(18);
    int same = 0;
    for (int i = 0; i < 100; ++i) same += $PaRnd() == first[static_cast<size_t>(i)];
    EXPECT_LT(same, 3);
    for (int i = 0; i < 100000; ++i) {
        const float r = $PaRnd();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
    }
}

TEST(Random, SeedFromTheHarnessReplacesTheProgramsSeed) {
    plat::use_headless({.keys = "", .seed = 5.0f, .time = std::nullopt});
    $PaRandomize(99);
    const float a = $PaRnd();
    plat::use_headless({});
    $PaRandomize(5);
    EXPECT_EQ($PaRnd(), a);
}

TEST(Random, WholeNumbersStayInTheirRange) {
    const float just_below_one = std::nextafter(1.0f, 0.0f);
    // Written out in single precision the draw leaves its range...
    EXPECT_EQ(std::floor(just_below_one * 4.0f + 1.0f), 5.0f);
    // ...the helper never does.
    for (int n = 1; n <= 200; ++n)
        for (int k = -60; k <= 60; k += 7) {
            const float nf = static_cast<float>(n), kf = static_cast<float>(k);
            ASSERT_EQ(plat::random_whole_from(just_below_one, nf, kf), kf + nf - 1) << n << " " << k;
            ASSERT_EQ(plat::random_whole_from(0, nf, kf), kf);
        }
    EXPECT_EQ(plat::random_whole_from(0.5f, 9, 1), 5);
    plat::use_headless({});
    $PaRandomize(3);
    std::set<float> seen;
    for (int i = 0; i < 6000; ++i) {
        const float v = plat::random_whole(6, 1);
        ASSERT_GE(v, 1);
        ASSERT_LE(v, 6);
        seen.insert(v);
    }
    EXPECT_EQ(seen.size(), 6u);
}

// ------------------------------------------------------ arrays and faults
TEST(Arrays, IndicesRunFromZeroToTheBoundAndAreChecked) {
    NumArray a;
    a.dim(40);
    a(0) = 1;
    a(40) = 2;
    EXPECT_EQ(a(40), 2);
    EXPECT_EQ(a(39), 0);
    const int line = __LINE__ + 2;
    try {
        a(41);
        FAIL() << "no fault";
    } catch (const plat::RuntimeFault& f) {
        EXPECT_EQ(f.code, 9);
        EXPECT_EQ(f.place, line);
    }
    EXPECT_EQ($PfERR(), 9);
    EXPECT_EQ($PfERL(), line);
    EXPECT_THROW(a(-1), plat::RuntimeFault);
    EXPECT_THROW(a(NAN), plat::RuntimeFault);
    NumArray table;
    table.dim(2, 10);
    table(2, 10) = 3;
    EXPECT_EQ(table(2, 10), 3);
    EXPECT_THROW(table(3, 0), plat::RuntimeFault);
    EXPECT_THROW(table(0, 11), plat::RuntimeFault);
    EXPECT_THROW(table(1), plat::RuntimeFault);  // one index for two dimensions
    NumArray never;
    EXPECT_THROW(never(0), plat::RuntimeFault);  // not created
    StrArray texts;
    texts.dim(10);
    EXPECT_EQ(texts(10), "");
}

TEST(Faults, DivisionAndOverflowAreRunTimeFaults) {
    EXPECT_EQ(plat::checked_divide(3, 4), 0.75f);
    try {
        plat::checked_divide(5, 0);
        FAIL();
    } catch (const plat::RuntimeFault& f) {
        EXPECT_EQ(f.code, plat::kFaultDivisionByZero);
    }
    EXPECT_THROW(plat::checked_divide(0, 0), plat::RuntimeFault);
    EXPECT_THROW(plat::checked_divide(3e38f, 1e-10f), plat::RuntimeFault);
    EXPECT_THROW($PnErrSetCal(INFINITY), plat::RuntimeFault);
    EXPECT_EQ($PfERR(), plat::kFaultOverflow);
    EXPECT_EQ($PnErrSetCal(2.5f), 2.5f);
    EXPECT_THROW($PsEND(0), plat::ProgramEnded);
}

// ------------------------------------------------------ keys and clock
TEST(Headless, KeysComeFromTheScriptThenTheRunStops) {
    plat::use_headless({.keys = "1\r\b\x0c", .seed = std::nullopt, .time = std::nullopt});
    EXPECT_TRUE(plat::headless());
    EXPECT_EQ(plat::pending_keys(), 4u);
    EXPECT_EQ($PfINKEY24(0), "1");
    EXPECT_EQ($PfINKEY24(0), "\r");
    EXPECT_EQ($PfINKEY24(0), "\b");
    EXPECT_EQ($PfINKEY24(0), "\x0c");
    EXPECT_EQ(plat::pending_keys(), 0u);
    EXPECT_THROW($PfINKEY24(0), plat::ScriptEnded);
    EXPECT_THROW($PbCheckAll(), plat::ScriptEnded);  // an idle loop would wait for ever
}

TEST(Headless, StartsAfreshEachTime) {
    plat::use_headless({});
    FE$SETFONTNAME(0, SJ("Times New Roman"));
    FE$SETFONTSIZE(0, 8);
    FE$SETDRAWWIDTH(0, 5);
    $PsLINE(0, 0, 10, 10, 0, 20, 20, -1, 0, 0, 0, -1, 7);
    try {
        plat::raise_fault(12, 9);
    } catch (const plat::RuntimeFault&) {
    }
    plat::use_headless({});
    EXPECT_TRUE(plat::display_list().empty());
    EXPECT_EQ(plat::current_font(), plat::Font{});
    EXPECT_EQ(FE$GETDRAWWIDTH(0), 3);
    EXPECT_EQ($PfERL(), 0);
}

TEST(Clock, TimeOfDay) {
    plat::use_headless({.keys = "", .seed = std::nullopt, .time = "23:59:59"});
    EXPECT_EQ($PfTIME24(), "23:59:59");
    plat::use_headless({});
    const std::string now = $PfTIME24();
    EXPECT_TRUE(std::regex_match(now, std::regex("([01][0-9]|2[0-3]):[0-5][0-9]:[0-5][0-9]"))) << now;
}

TEST(Fonts, EveryFaceIsInstalled) {
    const auto missing = plat::check_fonts();
    EXPECT_FALSE(missing.has_value()) << *missing;
}

}  // namespace
