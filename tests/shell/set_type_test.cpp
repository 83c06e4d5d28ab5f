// Lesson type as a student reads it, measured on the pixels of real pages:
// the digits of a number and the characters of a line stand as close as in a
// set line without touching, "=" sits between the formula text's minus and
// plus bars, and a decimal point stands on the digits' baseline.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <numeric>
#include <optional>
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

// The prompt strip lists a unit's choices by circled numbers in its 16-unit
// cells. At 1x, as a student sees it in a window, each ring stays open: white
// between the ring and its digit, and between the strokes of the digit.
TEST(SetType, PromptStripRingsStayOpenAtOneToOne) {
    ASSERT_TRUE(harness::run(morvane_course(), "1\r"));
    // The strokes a line through the middle of each ring crosses: the ring's
    // two sides and the digit between, more where the digit is crossed twice.
    struct Ring {
        const char* utf8;
        int down;
    };
    const Ring rings[] = {{"①", 3}, {"③", 4}, {"⑤", 5}, {"⑥", 5}, {"⑧", 5}};
    for (const Ring& r : rings) {
        SCOPED_TRACE(r.utf8);
        // Its cell in the strip's text.
        std::optional<probe::InkBox> cell;
        for (const plat::DrawOp& op : plat::display_list()) {
            if (op.kind != plat::OpKind::Text || op.ay < 639) continue;
            float x = op.ax;
            for (const Str& c : plat::sj_chars(op.text)) {
                const float w = c.size() == 2 ? op.font.size : op.font.size / 2;
                if (plat::cp932_to_utf8(c) == r.utf8) cell = probe::InkBox{true, x, op.ay, x + w, op.ay + op.font.size};
                x += w;
            }
        }
        ASSERT_TRUE(cell);
        const plat::Image img = plat::rasterise(1, cell->x0, cell->y0, cell->x1, cell->y1 + 4);
        const probe::InkBox ring = probe::ink_box(img, cell->x0, cell->y0, cell->x1, cell->y1 + 4);
        ASSERT_TRUE(ring.any);
        const float mx = (ring.x0 + ring.x1) / 2, my = (ring.y0 + ring.y1) / 2;
        EXPECT_GE(probe::strokes_across(img, my, ring.x0, ring.x1), 3);
        EXPECT_GE(probe::strokes_down(img, mx, ring.y0, ring.y1), r.down);
        EXPECT_LE(probe::inked_share(img, ring.x0, ring.y0, ring.x1, ring.y1), 0.4);
    }
}

// Stacked fractions, each part set as one: "28" over "-7" (Morvane unit 4
// ③), "11" over "2" in a table cell (Talisse unit 6 ①), "80" over "100"
// (Talisse unit 3 ②), "36-4x" over "3" (Morvane unit 1 ②), "x+y" over "4"
// (Talisse unit 7 ②). A part's digits keep the proportions their
// magnification gives them, a little wider than tall; every two neighbours
// in it, digits, letters or a sign's bars, stand as close as the digits of
// a number, without touching, so that "-7" reads as one number and "36-4x"
// without holes; the part is centred on its bar; and the extent the display
// list records for each of its draws (what a box must cover to hide it) is
// where its ink is.
TEST(SetType, FractionPartsAreSetAsOneCentredOnTheirBar) {
    struct Part {
        const char* what;
        const CourseDef& course;
        std::string keys;
        const char* anchor;  // a run of its digits or letters, to find it by
        const char* text;    // the whole part, a character for each glyph or sign
        float top;           // the part's top
        bool denominator;    // below its bar (else above it)
    };
    const Part cases[] = {
        {"a numerator worked out", morvane_course(), "4\r3\r" + presses(8), "28", "28", 510, false},
        {"a negative denominator", morvane_course(), "4\r3\r" + presses(8), "7", "-7", 548, true},
        {"a numerator in a table", talisse_course(), "6\r1\r" + presses(1), "11", "11", 225, false},
        {"a denominator of three digits", talisse_course(), "3\r2\r" + presses(10), "100", "100", 288, true},
        {"a numerator with a minus", morvane_course(), "1\r2\r" + presses(5), "36", "36-4x", 190, false},
        {"a numerator with a plus", talisse_course(), "7\r2\r" + presses(5), "x", "x+y", 90, false},
    };
    // A part's glyphs: from its top to their foot (a table's rule may run
    // just below).
    constexpr float kPartDepth = 26;
    for (const Part& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(harness::run(c.course, c.keys, 5));
        const auto anchor = probe::glyph_run(c.anchor, c.top);
        ASSERT_FALSE(anchor.empty()) << c.anchor;
        // The bar: the line across the part, just below or above it.
        std::optional<plat::DrawOp> bar;
        const float bar_y0 = c.denominator ? c.top - 12 : c.top + 24, bar_y1 = bar_y0 + 20;
        for (const plat::DrawOp& op : plat::display_list())
            if (op.kind == plat::OpKind::Line && op.ay == op.by && op.ay > bar_y0 && op.ay < bar_y1 &&
                std::min(op.ax, op.bx) < anchor.back().right && std::max(op.ax, op.bx) > anchor.front().left)
                bar = op;
        ASSERT_TRUE(bar);
        const float left = std::min(bar->ax, bar->bx), right = std::max(bar->ax, bar->bx);
        const plat::Image img = plat::rasterise(4, left, c.top, right, c.top + kPartDepth);
        const probe::InkBox part = probe::ink_box(img, left, c.top, right, c.top + kPartDepth);
        const auto glyphs = probe::ink_columns(img, left, c.top, right, c.top + kPartDepth);
        const std::string text = c.text;
        ASSERT_EQ(glyphs.size(), text.size());
        // What the display list records of the part's draws: each glyph's
        // or sign's ink is where the extent of one of them is, but for the
        // white a glyph leaves at the sides of its cell (or an italic's ink
        // put past it) and a sign's bar its ink rounded out to whole units.
        constexpr float kSideWhite = 3.5f, kRounding = 1;
        std::vector<plat::Rect> extents;
        for (size_t i = 0; i < plat::display_list().size(); ++i)
            if (plat::display_list()[i].part &&
                plat::display_extents()[i].intersects({left, c.top, right, c.top + kPartDepth}))
                extents.push_back(plat::display_extents()[i]);
        for (size_t i = 0; i < glyphs.size(); ++i) {
            SCOPED_TRACE(text.substr(i, 1));
            const auto [x0, x1] = glyphs[i];
            const float slack = std::isalnum(static_cast<unsigned char>(text[i])) ? kSideWhite : kRounding;
            EXPECT_TRUE(std::any_of(
                extents.begin(), extents.end(),
                [&](const plat::Rect& e) { return std::fabs(e.x0 - x0) <= slack && std::fabs(e.x1 - x1) <= slack; }))
                << "ink from " << x0 << " to " << x1;
            if (std::isdigit(static_cast<unsigned char>(text[i]))) {
                const auto ink = probe::ink_box(img, glyphs[i].first, c.top, glyphs[i].second, c.top + kPartDepth);
                const float ratio = (glyphs[i].second - glyphs[i].first) / (ink.y1 - ink.y0);
                EXPECT_GE(ratio, 1.0f);
                EXPECT_LE(ratio, 1.3f);
            }
            if (i > 0) {
                EXPECT_GE(glyphs[i].first - glyphs[i - 1].second, 1.0f);
                EXPECT_LE(glyphs[i].first - glyphs[i - 1].second, 6.0f);
            }
        }
        EXPECT_NEAR((part.x0 + part.x1) / 2, (left + right) / 2, 1.5f);
    }
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
