// Running Morvane headless for the unit 1 tests, and what the tests expect
// of a page.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "engine/globals.h"
#include "engine/platform/screen.h"
#include "programs/morvane/morvane.h"

namespace unit1_test {

// Keys that open unit 1 from the main menu, and then a section.
inline std::string open_unit() { return "1\r"; }
inline std::string open_section(int n) { return "1\r" + std::to_string(n) + "\r"; }
// n presses of a key at the key pauses.
inline std::string presses(int n) { return std::string(static_cast<size_t>(n), ' '); }

// Runs Morvane on `keys` until they are used up and it waits for another
// key. True if it was still running then (false: it ended).
inline bool run_morvane(const std::string& keys, float seed = 1) {
    plat::use_headless({keys, seed, std::nullopt});
    try {
        run_course(morvane_course());
    } catch (const plat::ScriptEnded&) {
        return true;
    }
    return false;
}

inline std::string utf8(const Str& sj) { return plat::cp932_to_utf8(sj); }

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

inline bool strip_shows(const std::string& text) {
    for (const auto& t : strip_texts())
        if (t.utf8 == text) return true;
    return false;
}

inline const char* const kPausePrompt = "何かキーを押して下さい。";
inline const char* const kNextStepPrompt = "次のステップは１を入力。";
inline const char* const kMenuLine =
    "①班の数　②二元一次方程式　③連立方程式　④解判別　⑤例１　⑥問4　⑦練習問題　⑧終了";
// The texts the program drew last, oldest first: what it waits at.
inline std::vector<std::string> last_texts(size_t n) {
    std::vector<std::string> out;
    const auto& list = plat::display_list();
    for (auto op = list.rbegin(); op != list.rend() && out.size() < n; ++op)
        if (op->kind == plat::OpKind::Note) out.insert(out.begin(), utf8(op->text));
    return out;
}
// Waiting at a key pause, at the drill's next-step box (its prompt and the
// input field's label), or at the unit's section menu.
inline bool at_pause() { return last_texts(1) == std::vector<std::string>{kPausePrompt}; }
inline bool at_next_step() { return last_texts(2) == std::vector<std::string>{kNextStepPrompt, "入力"}; }
inline bool at_section_menu() { return last_texts(2) == std::vector<std::string>{kMenuLine, "入力"}; }

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

// The page shows exactly the expected texts (above the bottom strip).
inline void expect_page(const Layout& layout) {
    std::vector<plat::VisibleText> shown = page_texts();
    std::vector<bool> used(shown.size(), false);
    for (const Expect& e : layout.items()) {
        bool found = false;
        for (size_t i = 0; i < shown.size() && !found; ++i) {
            const auto& s = shown[i];
            if (used[i] || s.utf8 != e.text || s.colour != e.colour || std::fabs(s.y - e.y) > 0.01f)
                continue;
            const bool x_ok = std::isnan(e.x) ? s.x >= e.x_lo && s.x < e.x_hi : std::fabs(s.x - e.x) < 0.01f;
            if (x_ok) used[i] = found = true;
        }
        EXPECT_TRUE(found) << "missing: y " << e.y << " x " << e.x << " colour " << e.colour << " \""
                           << e.text << "\"";
    }
    for (size_t i = 0; i < shown.size(); ++i)
        EXPECT_TRUE(used[i]) << "unexpected: y " << shown[i].y << " x " << shown[i].x << " colour "
                             << shown[i].colour << " \"" << shown[i].utf8 << "\"";
}

// Filled boxes of the page drawn with `fill` since the last clear (table
// cells among them), as (left, top, right, bottom).
struct Rect {
    float l, t, r, b;
};
inline std::vector<Rect> boxes_filled(int fill) {
    std::vector<Rect> out;
    for (const auto& op : plat::display_list())
        if (op.kind == plat::OpKind::Box && op.fill == fill && op.colour != 15)
            out.push_back({std::min(op.ax, op.bx), std::min(op.ay, op.by), std::max(op.ax, op.bx),
                           std::max(op.ay, op.by)});
    return out;
}

inline std::string png_path(const std::string& name) {
    return std::string(COURSE_BINARY_DIR) + "/unit1-" + name + ".png";
}

}  // namespace unit1_test
