// What the pieces of the platform share among themselves; nothing outside
// engine/platform includes this.
#pragma once
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "engine/platform/screen.h"

namespace plat::internal {

// Where keys come from and where the page goes.
class Backend {
public:
    virtual ~Backend() = default;
    // The next key, or "" when none waits (after showing the page and
    // sleeping briefly on window events). Headless: throws ScriptEnded when
    // the script is used up.
    virtual Str poll_key() = 0;
    // One step of an idle loop: shows the page and sleeps briefly on window
    // events. Headless: nothing can ever happen, so it throws ScriptEnded.
    virtual void idle() = 0;
    virtual size_t pending() const = 0;
    virtual bool is_headless() const = 0;
    virtual void set_title(const std::string&) {}
    virtual void maximise() {}
};

Backend& backend();
void set_backend(std::unique_ptr<Backend> b);
std::unique_ptr<Backend> make_headless_backend(const std::string& keys, std::function<void(size_t)> on_key);

// Adds a draw to the display list (dropping what it wholly covers, and the
// draw itself when it lies wholly off the page).
void record(DrawOp op);
// Counts changes of the display list, so a window knows when to redraw.
unsigned long long list_version();

// Platform state back to start values: display list, font, pen, random
// generator, last fault, clock and seed overrides.
void reset_drawing_state();
void reset_runtime_state(std::optional<float> seed, std::optional<std::string> time,
                         const std::vector<float>& draws = {});

// The part of the page a draw paints, in page units: a text its cells, a
// box its corners, other shapes their ink rounded out to whole units (the
// pixels its antialiased edges touch at the page's own scale). What
// covering, and the off-page test, decide on.
Rect extent_of(const DrawOp& op);

// How far across a mark of a fraction part (a line, box, circle or
// polyline: a sign's bars, a root) is drawn from where it was recorded: it
// keeps its shape and moves as far as its middle does as the part is set
// closer (in_part). 0 for a draw of no part, and for a text, whose glyphs
// are set in their cells instead (text_cells, place_glyph).
float part_move(const DrawOp& op);

// The pen of lines, circles and polylines: at least a unit wide.
inline float stroke_width(const DrawOp& op) { return op.width > 1 ? op.width : 1.0f; }

// Two points of a stroke that count as one place.
inline bool same_point(std::pair<float, float> a, std::pair<float, float> b) {
    const float dx = a.first - b.first, dy = a.second - b.second;
    return dx * dx + dy * dy <= 1e-4f;
}

// A line or polyline whose points are all one: a dot.
inline bool no_length(const DrawOp& op) {
    if (op.kind == OpKind::Line) return op.ax == op.bx && op.ay == op.by;
    for (const auto& p : op.pts)
        if (p != op.pts.front()) return false;
    return true;
}

// A polyline that comes back to its first point: a closed figure, with no
// ends.
inline bool closed_polyline(const DrawOp& op) {
    return op.kind == OpKind::Polyline && op.pts.size() >= 3 && same_point(op.pts.front(), op.pts.back()) &&
           !no_length(op);
}

}  // namespace plat::internal
