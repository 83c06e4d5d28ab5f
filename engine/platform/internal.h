// What the pieces of the platform share among themselves; nothing outside
// engine/platform includes this.
#pragma once
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
std::unique_ptr<Backend> make_window_backend(const std::string& title_utf8);
// The window's key text for a key press (its SDL key code), or ""
// when the press makes none: a modifier alone, or a key whose character comes
// with the text event that follows. For a keypad character that event is not
// to be counted again: it is put in `skip_text`.
Str key_for_press(int sym, std::string& skip_text);
std::unique_ptr<Backend> make_headless_backend(const std::string& keys);

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

// Extent of a draw's ink in page units (conservative), for clipping,
// covering and the visible-text listing.
struct Rect {
    float x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    bool contains(const Rect& r) const { return r.x0 >= x0 && r.x1 <= x1 && r.y0 >= y0 && r.y1 <= y1; }
    bool intersects(const Rect& r) const { return r.x0 < x1 && r.x1 > x0 && r.y0 < y1 && r.y1 > y0; }
};
Rect ink_extent(const DrawOp& op);

}  // namespace plat::internal
