// What a key press in the window puts in the key queue. Characters come with
// the text event that follows the press, so the press itself must add nothing
// for them, on any keyboard layout and with any modifier held; other keys give
// one key text each.
#include <SDL_keycode.h>
#include <gtest/gtest.h>

#include <string>

#include "engine/platform/window/keys.h"

namespace {

TEST(WindowKeys, OneKeyTextPerPress) {
    struct Case {
        int sym;
        const char* key;   // what the press queues ("" nothing)
        const char* skip;  // the text event not to count again
    };
    const Case cases[] = {
        {SDLK_RETURN, "\r", ""},
        {SDLK_KP_ENTER, "\r", ""},
        {SDLK_BACKSPACE, "\b", ""},
        {SDLK_DELETE, "\x0c", ""},
        {SDLK_KP_7, "7", "7"},
        {SDLK_KP_DIVIDE, "/", "/"},
        {SDLK_KP_MINUS, "-", "-"},
        {SDLK_KP_PERIOD, ".", "."},
        // characters: their text events bring them
        {SDLK_1, "", ""},
        {SDLK_MINUS, "", ""},
        {SDLK_a, "", ""},
        {0xF6 /* ö */, "", ""},
        {0xA5 /* ¥ */, "", ""},
        // modifiers alone
        {SDLK_LSHIFT, "", ""},
        {SDLK_RCTRL, "", ""},
        {SDLK_CAPSLOCK, "", ""},
        // any other key ends a key pause
        {SDLK_F1, "\x1c", ""},
        {SDLK_LEFT, "\x1c", ""},
        {SDLK_ESCAPE, "\x1b", ""},
    };
    for (const Case& c : cases) {
        std::string skip;
        EXPECT_EQ(plat::internal::key_for_press(c.sym, skip), c.key) << std::hex << c.sym;
        EXPECT_EQ(skip, c.skip) << std::hex << c.sym;
    }
}

}  // namespace
