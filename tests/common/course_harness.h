// The shared harness of the page tests: runs a course program headless on a
// key script and reads back what it shows. A page is asserted as a short
// table of (y, x, colour, text) rows; a section's key count is the number of
// presses that brings back its unit's menu line.
//
//   ASSERT_TRUE(harness::run(morvane_course(), "2\r3\r" + harness::presses(5)));
//   harness::Layout page;
//   page.at(38, 30, 7, "例1　").then(0, "x+y=5");
//   harness::expect_page(page);          // exactly these texts above the strip
//   harness::save_png("unit2-example1");  // only when COURSE_PNG_DIR is set
//
// Header only: a test program links the course programs it runs.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "engine/globals.h"
#include "engine/platform/screen.h"
#include "engine/shell/shell.h"
#include "tests/common/page_probe.h"

namespace harness {

// ------------------------------------------------------------ keys
// n presses of a key at the key pauses.
inline std::string presses(int n) { return std::string(static_cast<size_t>(n), ' '); }
// A number typed into the input field and submitted.
inline std::string enter(int n) { return std::to_string(n) + "\r"; }
// Menu choices one after another: choose({2, 3}) is "2\r3\r".
inline std::string choose(std::initializer_list<int> items) {
    std::string keys;
    for (int n : items) keys += enter(n);
    return keys;
}

// ------------------------------------------------------------ running
// Runs `course` on `keys` with the random seed `seed` until the keys are used
// up and it waits for another one. True if it was still running then (false:
// it ended). `draws`, when given, are the first random numbers the program
// gets (each in [0, 1)), before those of the seed.
inline bool run(const CourseDef& course, const std::string& keys, float seed = 1,
                const std::vector<float>& draws = {}) {
    plat::use_headless({keys, seed, std::nullopt, draws});
    try {
        run_course(course);
    } catch (const plat::ScriptEnded&) {
        return true;
    }
    return false;
}

inline std::string utf8(const Str& sj) { return plat::cp932_to_utf8(sj); }

// ------------------------------------------------------------ what is shown
// Texts on the page above the bottom prompt strip, and in the strip.
inline std::vector<plat::VisibleText> page_texts() {
    std::vector<plat::VisibleText> out;
    for (const auto& t : plat::visible_notes())
        if (t.y < 639) out.push_back(t);
    return out;
}
inline std::vector<plat::VisibleText> strip_texts() {
    std::vector<plat::VisibleText> out;
    for (const auto& t : plat::visible_notes())
        if (t.y >= 639) out.push_back(t);
    return out;
}
inline bool page_shows(const std::string& text) {
    for (const auto& t : page_texts())
        if (t.utf8 == text) return true;
    return false;
}
inline bool strip_shows(const std::string& text) {
    for (const auto& t : strip_texts())
        if (t.utf8 == text) return true;
    return false;
}

// The solver's answer line "(x,y)=(…)" (colour 5) on the page, "" when
// there is none, and the line of a whole-number solution.
inline std::string answer_line() {
    for (const auto& t : page_texts())
        if (t.colour == 5 && t.utf8.rfind("(x,y)=(", 0) == 0) return t.utf8;
    return "";
}
inline std::string answer_of(float x, float y) {
    return "(x,y)=(" + std::to_string(static_cast<int>(x)) + "," + std::to_string(static_cast<int>(y)) + ")";
}

inline const char* const kPausePrompt = "何かキーを押して下さい。";
inline const char* const kNextStepPrompt = "次のステップは１を入力。";

// The texts the program drew last, oldest first: what it waits at.
inline std::vector<std::string> last_texts(size_t n) {
    std::vector<std::string> out;
    const auto& list = plat::display_list();
    for (auto op = list.rbegin(); op != list.rend() && out.size() < n; ++op)
        if (op->kind == plat::OpKind::Note) out.insert(out.begin(), utf8(op->text));
    return out;
}
// Waiting at a key pause, at a drill's next-step box (its prompt and the
// input field's label), or at the menu whose line is `menu_line`.
inline bool at_pause() { return last_texts(1) == std::vector<std::string>{kPausePrompt}; }
inline bool at_next_step() { return last_texts(2) == std::vector<std::string>{kNextStepPrompt, "入力"}; }
inline bool at_menu(const std::string& menu_line) {
    return last_texts(2) == std::vector<std::string>{menu_line, "入力"};
}

// How many key presses after `keys` bring `course` back to the menu whose
// line is `menu_line` (-1 if none up to `most` does). Each count is a run
// of its own, so the result is what a student at the keyboard would press.
inline int presses_to_menu(const CourseDef& course, const std::string& keys, const std::string& menu_line,
                           int most = 200, float seed = 1) {
    for (int n = 0; n <= most; ++n)
        if (run(course, keys + presses(n), seed) && at_menu(menu_line) && plat::pending_keys() == 0) return n;
    return -1;
}

// ------------------------------------------------------------ sections
// A fixed section's keys: `presses` key presses after the keys that open it
// bring its unit's menu back, the last of them drawing `last_text`.
struct SectionKeys {
    std::string open;  // keys from the main menu that open the section
    int presses;
    std::string last_text;
};
inline void expect_section_keys(const CourseDef& course, const std::string& menu_line, const SectionKeys& c) {
    SCOPED_TRACE(c.open);
    ASSERT_TRUE(run(course, c.open + presses(c.presses - 1)));
    EXPECT_TRUE(at_pause());
    EXPECT_FALSE(page_shows(c.last_text));
    ASSERT_TRUE(run(course, c.open + presses(c.presses)));
    EXPECT_TRUE(at_menu(menu_line));
    EXPECT_TRUE(page_shows(c.last_text));
    EXPECT_EQ(plat::pending_keys(), 0u);
}

// ------------------------------------------------------------ a page as rows
// The advance of a text without stacked fractions, by the display's glyph
// rules: "=" and "l" 32, "." 8, "'" 12, ×, ÷ and ± 27, other double-byte
// characters 34, every other character (a space included) 27.
inline float advance(const std::string& text_utf8) {
    float x = 0;
    for (const Str& c : plat::sj_chars(plat::utf8_to_cp932(text_utf8))) {
        const std::string u = plat::cp932_to_utf8(c);
        if (u == "=" || u == "l") x += 32;
        else if (u == ".") x += 8;
        else if (u == "'") x += 12;
        else if (u == "×" || u == "÷" || u == "±") x += 27;
        else if (c.size() == 2) x += 34;
        else x += 27;
    }
    return x;
}

// One text expected on the page. A NaN x means "anywhere from x_lo to x_hi"
// (a centred text whose width the test does not compute).
struct Expect {
    float y, x;
    int colour;
    std::string text;
    float x_lo = 0, x_hi = 0;
};

// A page's texts built up as the page places them.
class Layout {
public:
    // A piece at (x, y).
    Layout& at(float x, float y, int colour, const std::string& text) {
        items_.push_back({y, x, colour, text});
        end_x_ = x + advance(text);
        y_ = y;
        return *this;
    }
    // A piece straight after the previous one.
    Layout& then(int colour, const std::string& text) { return at(end_x_, y_, colour, text); }
    // A cell text centred in a cell from `left`, `width` wide.
    Layout& cell(float left, float width, float y, int colour, const std::string& text) {
        items_.push_back({y, left + (width - advance(text)) / 2, colour, text});
        return *this;
    }
    // A text somewhere inside a cell (a stacked fraction).
    Layout& inside(float left, float width, float y, int colour, const std::string& text) {
        items_.push_back({y, NAN, colour, text, left, left + width});
        return *this;
    }
    float end_x() const { return end_x_; }
    const std::vector<Expect>& items() const { return items_; }

private:
    std::vector<Expect> items_;
    float end_x_ = 0, y_ = 0;
};

namespace detail {
inline bool matches(const plat::VisibleText& s, const Expect& e) {
    if (s.utf8 != e.text || s.colour != e.colour || std::fabs(s.y - e.y) > 0.01f) return false;
    return std::isnan(e.x) ? s.x >= e.x_lo && s.x < e.x_hi : std::fabs(s.x - e.x) < 0.01f;
}
inline std::string describe(float y, float x, int colour, const std::string& text) {
    return "y " + std::to_string(y) + " x " + std::to_string(x) + " colour " + std::to_string(colour) + " \"" + text +
           "\"";
}
}  // namespace detail

// The page shows every expected text (and maybe others).
inline void expect_rows(const Layout& layout) {
    const std::vector<plat::VisibleText> shown = page_texts();
    for (const Expect& e : layout.items()) {
        const bool found =
            std::any_of(shown.begin(), shown.end(), [&](const auto& s) { return detail::matches(s, e); });
        EXPECT_TRUE(found) << "missing: " << detail::describe(e.y, e.x, e.colour, e.text);
    }
}

// The page shows exactly the expected texts (above the bottom strip; only
// those that start left of `left_of` when it is given, as for a column).
inline void expect_page(const Layout& layout, float left_of = INFINITY) {
    std::vector<plat::VisibleText> shown = page_texts();
    std::erase_if(shown, [&](const plat::VisibleText& t) { return t.x >= left_of; });
    std::vector<bool> used(shown.size(), false);
    for (const Expect& e : layout.items()) {
        bool found = false;
        for (size_t i = 0; i < shown.size() && !found; ++i)
            if (!used[i] && detail::matches(shown[i], e)) used[i] = found = true;
        EXPECT_TRUE(found) << "missing: " << detail::describe(e.y, e.x, e.colour, e.text);
    }
    for (size_t i = 0; i < shown.size(); ++i)
        EXPECT_TRUE(used[i]) << "unexpected: "
                             << detail::describe(shown[i].y, shown[i].x, shown[i].colour, shown[i].utf8);
}

// A drill that `to_next_step` has brought to its first next-step box ends
// only on a value of exactly 1 (a fraction such as 2/2 included): a key
// pause over the last problem, then after a key the rows of `closing` and
// the menu whose line is `menu_line`. 2, 0 or an empty entry bring a new
// problem instead, on a cleared work area showing `problem_text`.
inline void expect_drill_ends(const CourseDef& course, const std::string& to_next_step, const Layout& closing,
                              const std::string& menu_line, const std::string& problem_text) {
    for (const char* end : {"1\r", "2/2\r"}) {
        SCOPED_TRACE(end);
        ASSERT_TRUE(run(course, to_next_step + end));
        EXPECT_TRUE(at_pause());
        EXPECT_FALSE(answer_line().empty());  // the last problem stays
        for (const Expect& e : closing.items()) EXPECT_FALSE(page_shows(e.text));
        ASSERT_TRUE(run(course, to_next_step + end + " "));
        expect_rows(closing);
        EXPECT_TRUE(at_menu(menu_line));
        EXPECT_FALSE(answer_line().empty());
    }
    for (const char* again : {"2\r", "\r", "0\r"}) {
        SCOPED_TRACE(again);
        ASSERT_TRUE(run(course, to_next_step + again));
        EXPECT_TRUE(at_pause());
        EXPECT_TRUE(answer_line().empty());
        EXPECT_TRUE(page_shows(problem_text));
    }
}

// ------------------------------------------------------------ drawings
// Filled boxes of the page drawn with `fill` since the last clear (table
// cells among them), as (left, top, right, bottom).
struct Rect {
    float l, t, r, b;
};
inline std::vector<Rect> boxes_filled(int fill) {
    std::vector<Rect> out;
    for (const auto& op : plat::display_list())
        if (op.kind == plat::OpKind::Box && op.fill == fill && op.colour != 15)
            out.push_back(
                {std::min(op.ax, op.bx), std::min(op.ay, op.by), std::max(op.ax, op.bx), std::max(op.ay, op.by)});
    return out;
}
// Draws of one kind still in the display list.
inline std::vector<plat::DrawOp> ops(plat::OpKind kind) {
    std::vector<plat::DrawOp> found;
    for (const auto& op : plat::display_list())
        if (op.kind == kind) found.push_back(op);
    return found;
}

// Writes the page as COURSE_PNG_DIR/name.png (scale 2) when that variable is
// set, for a person to look at; does nothing otherwise.
inline void save_png(const std::string& name) { probe::save_png(name, 2); }

}  // namespace harness
