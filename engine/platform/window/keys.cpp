// What a key press in the window puts in the key queue.
#include "engine/platform/window/keys.h"

#include <SDL_keycode.h>

namespace plat::internal {

Str key_for_press(int sym, std::string& skip_text) {
    switch (sym) {
        case SDLK_RETURN:
        case SDLK_RETURN2:
        case SDLK_KP_ENTER: return "\r";
        case SDLK_BACKSPACE: return "\b";
        case SDLK_DELETE: return "\x0c";
        case SDLK_ESCAPE: return "\x1b";
        case SDLK_TAB: return "\t";
        case SDLK_LCTRL:
        case SDLK_RCTRL:
        case SDLK_LSHIFT:
        case SDLK_RSHIFT:
        case SDLK_LALT:
        case SDLK_RALT:
        case SDLK_LGUI:
        case SDLK_RGUI:
        case SDLK_MODE:
        case SDLK_CAPSLOCK:
        case SDLK_NUMLOCKCLEAR:
        case SDLK_SCROLLLOCK: return {};  // a modifier alone is no key
        default: break;
    }
    // The keypad gives its characters whatever Num Lock says; the text
    // event that may follow is then not counted twice.
    static constexpr struct {
        SDL_Keycode sym;
        char c;
    } kKeypad[] = {{SDLK_KP_0, '0'},        {SDLK_KP_1, '1'},     {SDLK_KP_2, '2'},      {SDLK_KP_3, '3'},
                   {SDLK_KP_4, '4'},        {SDLK_KP_5, '5'},     {SDLK_KP_6, '6'},      {SDLK_KP_7, '7'},
                   {SDLK_KP_8, '8'},        {SDLK_KP_9, '9'},     {SDLK_KP_PERIOD, '.'}, {SDLK_KP_DIVIDE, '/'},
                   {SDLK_KP_MULTIPLY, '*'}, {SDLK_KP_MINUS, '-'}, {SDLK_KP_PLUS, '+'}};
    for (const auto& kp : kKeypad)
        if (sym == kp.sym) {
            skip_text = std::string(1, kp.c);
            return Str(1, kp.c);
        }
    // A key that types a character (on any keyboard layout, "ö" and "¥"
    // too, and with AltGr or Alt held) comes as its text event; counting the
    // key press as well would make one press two keys. A combination that
    // types nothing (Ctrl with a letter) is no key.
    const bool types = sym >= 32 && sym != SDLK_DELETE && (sym & SDLK_SCANCODE_MASK) == 0;
    if (types) return {};
    return "\x1c";  // any other key: ends a key pause, the input field ignores it
}

}  // namespace plat::internal
