// Prompt text: full-width characters in 16-unit cells, the period in the gap,
// blank cells for spaces, "^" leaving a character as it is, the mapping
// tables, spaces stripped from number texts, and the clock seed.
#include "tests/text/support.h"

namespace texttest {
namespace {

using PromptText = TextTest;

float prompt(std::string_view utf8, float x, float y, float colour = 0) {
    G.KKAI$ = sj(utf8);
    G.DSM1 = x;
    G.DSM2 = y;
    G.YMOTO = colour;
    DRAW_PROMPT_TEXT();
    return G.DSM1;
}

TEST_F(PromptText, SectionMenuLineTakesTwentyCells) {
    EXPECT_EQ(prompt("P46 練習問題 ①,②解答　　　③終了", 16, 666), 336);
    std::vector<std::string> want;
    const std::pair<const char*, float> cells[] = {{"Ｐ", 16},  {"４", 32},  {"６", 48},  {"練", 80},  {"習", 96},
                                                   {"問", 112}, {"題", 128}, {"①", 160},  {"，", 176}, {"②", 192},
                                                   {"解", 208}, {"答", 224}, {"　", 240}, {"　", 256}, {"　", 272},
                                                   {"③", 288},  {"終", 304}, {"了", 320}};
    for (auto [text, x] : cells) want.push_back("T \"" + std::string(text) + "\" " + num(x) + ",666 1x1 G16b c0");
    EXPECT_EQ(page(), want);
    EXPECT_EQ(notes(), std::vector<std::string>{"N \"P46 練習問題 ①,②解答　　　③終了\" 16,666 to 336 c0"});
    EXPECT_TRUE(G.KKAI$.empty());
    EXPECT_TRUE(plat::current_font().bold);
}

TEST_F(PromptText, TypedKeysEchoWithThePeriodInTheGap) {
    float x = 1056;
    for (const char* key : {"1", ".", "5"}) {
        G.A$ = key;
        G.DSM1 = x;
        G.DSM2 = 648;
        G.YMOTO = 5;
        DRAW_WIDE_TEXT();
        EXPECT_EQ(G.DSM1, x);
        x = G.DS4;
    }
    EXPECT_EQ(x, 1088);
    EXPECT_EQ(page(), (std::vector<std::string>{"T \"１\" 1056,648 1x1 G16b c5", "T \"．\" 1068,648 1x1 G16b c5",
                                                "T \"５\" 1072,648 1x1 G16b c5"}));
}

struct PromptCase {
    const char* name;
    const char* text;
    std::vector<std::string> drawn;
    float end;
};

void PrintTo(const PromptCase& c, std::ostream* os) { *os << c.name; }

class Prompts : public TextTest, public ::testing::WithParamInterface<PromptCase> {};

TEST_P(Prompts, SetsEveryCharacterInItsCell) {
    const PromptCase& c = GetParam();
    EXPECT_EQ(prompt(c.text, 100, 300), c.end);
    EXPECT_EQ(page(), c.drawn);
}

const PromptCase kPromptCases[] = {
    // clang-format off
    {"exponent_leaves_the_digit_half_width", "x^2", {"T \"χ\" 100,300 1x1 G16b c0", "T \"2\" 116,296 1x1 G16b c0"}, 132},
    {"two_marks_act_as_one", "x^^2", {"T \"χ\" 100,300 1x1 G16b c0", "T \"2\" 116,296 1x1 G16b c0"}, 132},
    {"greek_alpha_and_raised_z", "Az", {"T \"Α\" 100,300 1x1 G16b c0", "T \"z\" 116,296 1x1 G16b c0"}, 132},
    {"spaces_take_blank_cells", "a b", {"T \"ａ\" 100,300 1x1 G16b c0", "T \"ｂ\" 132,300 1x1 G16b c0"}, 148},
    {"signs", "-3*4/2=-6", {"T \"－\" 100,300 1x1 G16b c0", "T \"３\" 116,300 1x1 G16b c0",
                            "T \"×\" 132,300 1x1 G16b c0", "T \"４\" 148,300 1x1 G16b c0",
                            "T \"÷\" 164,300 1x1 G16b c0", "T \"２\" 180,300 1x1 G16b c0",
                            "T \"＝\" 196,300 1x1 G16b c0", "T \"－\" 212,300 1x1 G16b c0",
                            "T \"６\" 228,300 1x1 G16b c0"},
     244},
    {"katakana_stays_half_width", "ｱﾀ", {"T \"ｱ\" 100,296 1x1 G16b c0", "T \"―\" 116,300 1x1 G16b c0"}, 132},
    {"empty", "", {}, 100},
    // clang-format on
};

INSTANTIATE_TEST_SUITE_P(Texts, Prompts, ::testing::ValuesIn(kPromptCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PromptText, WideTextDropsSpacesButALoneSpaceIsABlankCell) {
    G.DSM1 = 100;
    G.DSM2 = 300;
    G.A$ = "a b";
    DRAW_WIDE_TEXT();
    EXPECT_EQ(G.DS4, 132);
    plat::clear_display_list();
    G.A$ = " ";
    DRAW_WIDE_TEXT();
    EXPECT_EQ(G.DS4, 116);
    EXPECT_TRUE(page().empty());
}

TEST_F(PromptText, EmptyPromptLeavesBoldAlone) {
    FE$SETFONTBOLD(0, 0);
    EXPECT_EQ(prompt("", 100, 300), 100);
    EXPECT_FALSE(plat::current_font().bold);
    EXPECT_TRUE(page(true).empty());
}

TEST_F(PromptText, PendingExponentCrossesBetweenPromptsAndFormulas) {
    prompt("2^", 100, 300);
    EXPECT_EQ(G.X1, 1);
    // The formula text applies it to its next glyph ...
    G.KKAI$ = "3";
    G.DSM1 = 100;
    G.DSM2 = 400;
    plat::clear_display_list();
    MU();
    EXPECT_EQ(page(), std::vector<std::string>{"T \"3\" 100,400 3x2 G16b c0"});
    // ... and a formula's pending mark leaves the prompt's next character as it is.
    G.KKAI$ = "^";
    MU();
    plat::clear_display_list();
    prompt("4", 100, 500);
    EXPECT_EQ(page(), std::vector<std::string>{"T \"4\" 100,496 1x1 G16b c0"});
    EXPECT_EQ(G.X1, 0);
}

TEST_F(PromptText, MappingTables) {
    // Each half-width character and the Shift-JIS code of its cell.
    const std::pair<const char*, unsigned> rows[] = {
        {" ", 0x8140}, {"A", 0x839F},    {"B", 0x8261}, {"Z", 0x8279}, {"X", 0x8277}, {"x", 0x83D4}, {"0", 0x824F},
        {"9", 0x8258}, {"a", 0x8281},    {"w", 0x8297}, {"y", 0x8299}, {"*", 0x817E}, {"/", 0x8180}, {"+", 0x817B},
        {"-", 0x817C}, {"\xC0", 0x815C}, {"=", 0x8181}, {".", 0x8144}, {"?", 0x81E4}, {"(", 0x8169}, {")", 0x816A},
        {"!", 0x81E3}, {"$", 0x81DF},    {"@", 0x817D}, {"&", 0x83CE}, {"'", 0x81DA}, {"[", 0x8185}, {"]", 0x8186},
        {"<", 0x8183}, {">", 0x8184},    {",", 0x8143}, {"%", 0x818B}, {"~", 0x81A2}, {":", 0x8146}};
    for (auto [half, code] : rows) {
        G.LT$ = half;
        TO_FULL_WIDTH_CHAR();
        ASSERT_EQ(G.LT$.size(), 2u) << half;
        EXPECT_EQ((static_cast<unsigned char>(G.LT$[0]) << 8) | static_cast<unsigned char>(G.LT$[1]), code) << half;
    }
    for (const char* same : {"z", "#", "\\", "_", "{", "}", "\xB1", "\x82\xA0", ""}) {
        G.LT$ = same;
        TO_FULL_WIDTH_CHAR();
        EXPECT_EQ(G.LT$, same);
    }
    EXPECT_EQ($PfKLEN(G.KOSUU$), 27);
    EXPECT_EQ($PfKLEN(G.CCC1$), 60);
    EXPECT_EQ($PfLEN(G.BAIY$), 60);
}

TEST_F(PromptText, StripSpaces) {
    const char* cases[][2] = {{" 12", "12"}, {"-3", "-3"}, {"a　b", "a　b"}, {"", ""}, {" 1 2 ", "12"}};
    for (const auto& c : cases) {
        G.A$ = sj(c[0]);
        STRIP_SPACES();
        EXPECT_EQ(u8(G.A$), c[1]);
    }
}

TEST_F(PromptText, ReseedFromTheClock) {
    for (auto [time, seed] : {std::pair{"23:59:59", 141.0f}, {"00:00:00", 0.0f}, {"07:08:09", 24.0f}}) {
        plat::use_headless({.keys = "", .seed = std::nullopt, .time = time});
        RESEED_FROM_CLOCK();
        EXPECT_EQ(G.XG, seed) << time;
        const float first = $PaRnd();
        $PaRandomize(seed);
        EXPECT_EQ($PaRnd(), first) << time;
    }
}

}  // namespace
}  // namespace texttest
