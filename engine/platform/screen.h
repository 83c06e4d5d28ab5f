// The page behind the runtime: every draw is recorded in a display list, from
// which the page is rasterised (cairo) at any scale, both into the window and,
// headless, into PNG files. Also the choice of backend: the real window (its
// own library, engine/platform/window, linked only by the programs) or a
// headless run whose keys come from a script.
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/platform/cp932.h"
#include "engine/platform/draw_types.h"
#include "engine/platform/fonts.h"  // check_fonts

namespace plat {

// The display list since the last clear (tests read it).
const std::vector<DrawOp>& display_list();
// Beside each of its draws, the part of the page it paints: what covering
// and the off-page test decide on (tests read it).
const std::vector<Rect>& display_extents();
void clear_display_list();
// One character drawn as $PsSYMBOL40 draws it (top-left at (x, y), magnified
// h across and v down, in the current font), for a caller whose pen then
// moves by `advance` from `pen_x`: the glyph is centred in that advance
// across.
void draw_glyph(float x, float y, const Str& text, float h, float v, float colour, float pen_x, float advance);

// The draws from here on are those of a fraction part whose cells are
// centred on `middle` (its bar's middle), until this is called again;
// nothing: of no part. A part's draws are set as one (fonts.h).
void set_part(std::optional<float> middle);

// Current drawing state.
const Font& current_font();
float current_draw_width();

// Records a whole text as its caller gave it (formula mark-up and all), drawn
// from (x, y) to x_end, so that the page's visible texts can be listed.
void note_text(float x, float y, float x_end, float colour, const Str& text);

struct VisibleText {
    float y = 0, x = 0;
    int colour = 0;
    std::string utf8;
};
// Notes still on the page (not wholly covered by a later box or clear),
// sorted by y, then x.
std::vector<VisibleText> visible_notes();
// Glyphs still on the page, consecutive glyphs of one line joined into one
// text, sorted by y, then x.
std::vector<VisibleText> visible_glyph_texts();
// "y x colour text" lines, numbers in their shortest form.
std::string format_visible(const std::vector<VisibleText>& texts);

// The palette: 16 colours as 0xRRGGBB, 15 the page background.
unsigned palette_rgb(int colour);

// Rasterises the display list at `scale` pixels per logical unit.
bool write_png(const std::string& path, float scale);
// Only the part of the page from (x0, y0) to (x1, y1).
bool write_png(const std::string& path, float scale, float x0, float y0, float x1, float y1);
// The same page in memory: width x height pixels, 0xRRGGBB, row by row; the
// part of the page from (x0, y0) to (x1, y1) when one is given.
struct Image {
    int width = 0, height = 0;
    float scale = 1;
    float x0 = 0, y0 = 0;  // page point of the first pixel's corner
    std::vector<unsigned> pixels;
    unsigned at(int x, int y) const {
        return pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
    }
};
Image rasterise(float scale, float x0 = 0, float y0 = 0, float x1 = kPageWidth, float y1 = kPageHeight);

// ---------------------------------------------------------------- backends
// Thrown out of the runtime's waits; the program's entry point catches them.
struct WindowClosed {};  // the window was closed
struct ProgramEnded {};  // $PsEND
struct ScriptEnded {};   // headless: the key script is used up and a key is wanted

// Resets every piece of platform state (display list, font, pen, keys,
// random generator, fault) and selects a backend: the window
// (engine/platform/window/window.h, only in the programs) or a headless run.
struct HeadlessOptions {
    std::string keys;                 // raw key bytes, "\r" for Enter
    std::optional<float> seed;        // replaces the seed the program asks for
    std::optional<std::string> time;  // "hh:mm:ss" for $PfTIME24
    // Random numbers in [0, 1) that $PaRnd returns first, in order, before
    // the seeded generator's own: a test pins a random problem with them.
    std::vector<float> draws = {};
    // Called as each key is taken, with the number of keys still left (for
    // timing a stretch of a run).
    std::function<void(size_t left)> on_key = {};
};
void use_headless(const HeadlessOptions& options);
bool headless();
// Sets the window title (once the course title is known).
void set_title(const std::string& title_utf8);
// Keys typed but not yet taken (headless: what is left of the script).
size_t pending_keys();

}  // namespace plat
