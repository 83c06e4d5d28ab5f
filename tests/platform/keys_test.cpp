// What a key press in the window puts in the key queue. Characters come with
// the text event that follows the press, so the press itself must add nothing
// for them, on any keyboard layout; other keys give one key text each.
#include <SDL.h>
#include <gtest/gtest.h>

#include <string>

#include "engine/platform/internal.h"

namespace {

TEST(WindowKeys, OneKeyTextPerPress) {
    struct Case {
        int sym;
        unsigned mod;
        const char* key;   // what the press queues ("" nothing)
        const char* skip;  // the text event not to count again
    };
    const Case cases[] = {
        {SDLK_RETURN, 0, "\r", ""},
        {SDLK_KP_ENTER, 0, "\r", ""},
        {SDLK_BACKSPACE, 0, "\b", ""},
        {SDLK_DELETE, 0, "\x0c", ""},
        {SDLK_KP_7, 0, "7", "7"},
        {SDLK_KP_DIVIDE, 0, "/", "/"},
        {SDLK_KP_MINUS, 0, "-", "-"},
        {SDLK_KP_PERIOD, 0, ".", "."},
        // characters: their text events bring them
        {SDLK_1, 0, "", ""},
        {SDLK_MINUS, 0, "", ""},
        {SDLK_a, KMOD_SHIFT, "", ""},
        {0xF6 /* ö */, 0, "", ""},
        {0xA5 /* ¥ */, 0, "", ""},
        // modifiers alone
        {SDLK_LSHIFT, KMOD_LSHIFT, "", ""},
        {SDLK_RCTRL, KMOD_RCTRL, "", ""},
        {SDLK_CAPSLOCK, 0, "", ""},
        // any other key ends a key pause
        {SDLK_F1, 0, "\x1c", ""},
        {SDLK_LEFT, 0, "\x1c", ""},
        {SDLK_c, KMOD_LCTRL, "\x1c", ""},
    };
    for (const Case& c : cases) {
        std::string skip;
        EXPECT_EQ(plat::internal::key_for_press(c.sym, c.mod, skip), c.key) << std::hex << c.sym;
        EXPECT_EQ(skip, c.skip) << std::hex << c.sym;
    }
}

}  // namespace
