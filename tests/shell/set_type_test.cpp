// Lesson type as a student reads it, measured on the pixels of real pages:
// the digits of a number and the characters of a line stand as close as in a
// set line without touching, "=" sits between the formula text's minus and
// plus bars, and a decimal point stands on the digits' baseline.
#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

#include "programs/morvane/morvane.h"
#include "programs/talisse/talisse.h"
#include "tests/common/course_harness.h"
#include "tests/common/page_probe.h"

namespace {

using harness::presses;

// A lesson line's band: its glyphs' ink from the line's top to the deepest
// descender, and, for a text without descenders, to the foot of its tallest
// glyphs (a figure's lines may run just below).
constexpr float kLineDepth = 44;
constexpr float kNoDescenders = 40;

// A CJK ideograph (three bytes in UTF-8).
bool is_kanji(const std::string& utf8) {
    if (utf8.size() != 3) return false;
    const auto b = [&](size_t i) { return static_cast<unsigned>(static_cast<unsigned char>(utf8[i])); };
    const unsigned cp = ((b(0) & 0x0Fu) << 12) | ((b(1) & 0x3Fu) << 6) | (b(2) & 0x3Fu);
    return cp >= 0x4E00 && cp <= 0x9FFF;
}

float mean(const std::vector<float>& v) {
    return v.empty() ? 0 : std::accumulate(v.begin(), v.end(), 0.0f) / static_cast<float>(v.size());
}

// A run of text on a page and the white its glyphs may leave between them.
struct Spacing {
    const char* what;
    const CourseDef& course;
    std::string keys;
    float top;         // the line's top
    const char* text;  // without descenders
    float most;        // between any two neighbours (0: no bound of its own)
    float most_mean;   // on average; for a line with kanji, between two kanji
};

TEST(SetType, NumbersAndLinesHoldTogetherWithoutTouching) {
    const Spacing cases[] = {
        {"a number in a formula", morvane_course(), "1\r1\r" + presses(35), 475, "36", 8, 8},
        {"a number before its equation's mark", morvane_course(), "5\r3\r" + presses(3), 340, "12", 8, 8},
        {"a lesson line of kanji and kana", morvane_course(), "3\r1\r" + presses(9), 210,
         "係数の絶対値を同じにすればよい。", 0, 8},
        {"a word in the menu's heading", morvane_course(), "", 30, "Morvane", 0, 9.5f},
        {"a unit after a number", talisse_course(), "4\r1\r" + presses(1), 96, "50km", 0, 9.5f},
    };
    for (const Spacing& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(harness::run(c.course, c.keys));
        const auto run = probe::glyph_run(c.text, c.top);
        ASSERT_FALSE(run.empty()) << c.text;
        const std::vector<float> gaps = probe::ink_gaps(run, c.top, c.top + kNoDescenders);
        std::vector<float> kanji;
        for (size_t i = 0; i < gaps.size(); ++i) {
            SCOPED_TRACE(run[i].utf8 + run[i + 1].utf8);
            EXPECT_GE(gaps[i], 1.0f);
            if (c.most > 0) {
                EXPECT_LE(gaps[i], c.most);
            }
            if (is_kanji(run[i].utf8) && is_kanji(run[i + 1].utf8)) kanji.push_back(gaps[i]);
        }
        if (kanji.empty()) {
            EXPECT_LE(mean(gaps), c.most_mean);
        } else {
            EXPECT_LE(mean(kanji), c.most_mean);
            // Kana are narrower than kanji: a little more white round them.
            EXPECT_LE(mean(gaps), c.most_mean + 2);
        }
    }
}

// "③④を使って…": circled numbers drawn round, as large as the line
// allows, and apart.
TEST(SetType, CircledNumbersAreRoundAndApart) {
    ASSERT_TRUE(harness::run(morvane_course(), "5\r4\r" + presses(18)));
    constexpr float top = 440;
    const auto run = probe::glyph_run("③④を", top);
    ASSERT_EQ(run.size(), 3u);
    const plat::Image img = plat::rasterise(4, run.front().left, top, run.back().right, top + kLineDepth);
    for (size_t i = 0; i < 2; ++i) {
        SCOPED_TRACE(run[i].utf8);
        const auto ring = probe::glyph_ink(img, run[i], top, top + kLineDepth);
        EXPECT_NEAR(ring.x1 - ring.x0, ring.y1 - ring.y0, 1.0f);
        EXPECT_GE(ring.y1 - ring.y0, 30.0f);
    }
    for (float gap : probe::ink_gaps(run, top, top + kLineDepth)) EXPECT_GE(gap, 2.0f);
}

// "x=-4×(-4)+2": the "=" is centred between the minus bar after it and the
// plus bar further on, and the "×" with it.
TEST(SetType, EqualsAndTimesSitBetweenTheMinusAndPlusBars) {
    ASSERT_TRUE(harness::run(morvane_course(), "4\r3\r" + presses(7), 5));
    constexpr float top = 200;
    const auto equals = probe::glyph_run("x=", top);
    const auto times = probe::glyph_run("4×(", top);
    const auto close = probe::glyph_run("4)", top);
    ASSERT_EQ(equals.size(), 2u);
    ASSERT_EQ(times.size(), 3u);
    ASSERT_EQ(close.size(), 2u);
    const plat::Image img = plat::rasterise(4, equals.front().left, top, close.back().right + 60, top + kLineDepth);
    const auto middle = [](const probe::InkBox& b) { return (b.y0 + b.y1) / 2; };
    // The signs the formula text draws as bars take 27 after the glyph before.
    const auto bar = [&](float left) { return probe::ink_box(img, left + 4, top, left + 23, top + kLineDepth); };
    const float minus = middle(bar(equals.back().right));
    const float plus = middle(bar(close.back().right));
    ASSERT_LT(minus, plus);
    const float axis = (minus + plus) / 2;
    EXPECT_NEAR(middle(probe::glyph_ink(img, equals.back(), top, top + kLineDepth)), axis, 1.0f);
    EXPECT_NEAR(middle(probe::glyph_ink(img, times[1], top, top + kLineDepth)), axis, 2.0f);
}

// "=28-9=19≠右辺" in unit 1's judging drill: "≠" as wide as "=" and on the
// same axis.
TEST(SetType, NotEqualsMatchesEquals) {
    ASSERT_TRUE(harness::run(morvane_course(), "1\r4\r" + presses(11), 5));
    constexpr float top = 300;
    const auto equals = probe::glyph_run("=2", top);
    const auto not_equals = probe::glyph_run("≠右", top);
    ASSERT_EQ(equals.size(), 2u);
    ASSERT_EQ(not_equals.size(), 2u);
    const plat::Image img = plat::rasterise(4, equals.front().left, top, not_equals.back().right, top + kLineDepth);
    const auto eq = probe::glyph_ink(img, equals.front(), top, top + kLineDepth);
    const auto ne = probe::glyph_ink(img, not_equals.front(), top, top + kLineDepth);
    EXPECT_NEAR((ne.y0 + ne.y1) / 2, (eq.y0 + eq.y1) / 2, 1.0f);
    EXPECT_NEAR(ne.x1 - ne.x0, eq.x1 - eq.x0, 2.0f);
}

// "0.3x+0.4y=0.5": each decimal point's foot on the foot of the "4", a digit
// with a flat foot.
TEST(SetType, DecimalPointsStandOnTheDigitsBaseline) {
    ASSERT_TRUE(harness::run(morvane_course(), "5\r5\r"));
    constexpr float top = 80;
    const plat::Image img = plat::rasterise(4, 0, top, plat::kPageWidth, top + kLineDepth);
    const auto four = probe::glyph_run("0.4", top);
    ASSERT_EQ(four.size(), 3u);
    const float baseline = probe::glyph_ink(img, four[2], top, top + kLineDepth).y1;
    for (const char* number : {"0.3", "0.4", "0.5"}) {
        SCOPED_TRACE(number);
        const auto run = probe::glyph_run(number, top);
        ASSERT_EQ(run.size(), 3u);
        const auto point = probe::glyph_ink(img, run[1], top, top + kLineDepth);
        ASSERT_TRUE(point.any);
        EXPECT_NEAR(point.y1, baseline, 1.0f);
    }
}

}  // namespace
