// Running the course programs and the shell's routines on the headless
// platform, and reading back what is on the page.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/platform/screen.h"
#include "engine/shell/shell.h"
#include "engine/text/text.h"
#include "programs/morvane/morvane.h"
#include "programs/talisse/talisse.h"

namespace shelltest {

inline const CourseDef& course_of(Program p) { return p == Program::Morvane ? morvane_course() : talisse_course(); }

inline std::string u8(const Str& sj) { return plat::cp932_to_utf8(sj); }

// Runs a course on the typed keys. True when the program ended before it
// wanted more keys than were typed.
inline bool run(const CourseDef& course, const std::string& keys, const std::string& time = "10:20:30") {
    plat::use_headless({keys, std::nullopt, time});
    try {
        EXPECT_EQ(run_course(course), 0);
        return true;
    } catch (const plat::ScriptEnded&) {
        return false;
    }
}

// A started program whose routines a test calls itself, on an empty page.
inline void begin(Program program, const std::string& keys = "") {
    plat::use_headless({keys, std::nullopt, "10:20:30"});
    start_up(course_of(program));
    plat::clear_display_list();
}

// Runs `routine`; true when it returned, false when it waited for a key
// beyond the typed ones.
template <class F>
bool returns(F routine) {
    try {
        routine();
        return true;
    } catch (const plat::ScriptEnded&) {
        return false;
    }
}

inline std::string screen() { return plat::format_visible(plat::visible_notes()); }

// The visible texts that read `utf8`.
inline std::vector<plat::VisibleText> shown(const std::string& utf8) {
    std::vector<plat::VisibleText> found;
    for (const auto& t : plat::visible_notes())
        if (t.utf8 == utf8) found.push_back(t);
    return found;
}

// Whether `utf8` is on the page with its top-left at (x, y) in `colour`.
inline bool shows(const std::string& utf8, float x, float y, int colour) {
    for (const auto& t : shown(utf8))
        if (t.x == x && t.y == y && t.colour == colour) return true;
    return false;
}

inline std::vector<plat::DrawOp> ops(plat::OpKind kind) {
    std::vector<plat::DrawOp> found;
    for (const auto& op : plat::display_list())
        if (op.kind == kind) found.push_back(op);
    return found;
}

// Text draws (glyphs) whose CP932 text is `utf8`.
inline std::vector<plat::DrawOp> glyphs(const std::string& utf8) {
    std::vector<plat::DrawOp> found;
    for (const auto& op : ops(plat::OpKind::Text))
        if (u8(op.text) == utf8) found.push_back(op);
    return found;
}

// Whether a filled box with these absolute corners and colours was drawn.
inline bool has_box(float x1, float y1, float x2, float y2, int border, int fill) {
    for (const auto& op : ops(plat::OpKind::Box))
        if (op.ax == x1 && op.ay == y1 && op.bx == x2 && op.by == y2 && op.colour == border && op.fill == fill)
            return true;
    return false;
}

// Whether the last text noted as `utf8` (a prompt-style text, 16 units high)
// was painted over afterwards by a filled box of the page colour.
inline bool painted_over(const std::string& utf8) {
    const auto& list = plat::display_list();
    size_t at = list.size();
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i].kind == plat::OpKind::Note && u8(list[i].text) == utf8) at = i;
    if (at == list.size()) return true;  // dropped altogether
    const plat::DrawOp& note = list[at];
    for (size_t i = at + 1; i < list.size(); ++i) {
        const plat::DrawOp& b = list[i];
        if (b.kind == plat::OpKind::Box && b.filled && b.fill == 15 && b.ax <= note.ax && b.bx >= note.bx &&
            b.ay <= note.ay - 4 && b.by >= note.ay + 16)
            return true;
    }
    return false;
}

}  // namespace shelltest
