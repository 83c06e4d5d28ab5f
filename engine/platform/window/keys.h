// The window's key texts, apart from the window so that they can be tested
// without opening one.
#pragma once
#include <string>

#include "engine/platform/cp932.h"

namespace plat::internal {

// The window's key text for a key press (its SDL key code), or ""
// when the press makes none: a modifier alone, or a key whose character comes
// with the text event that follows. For a keypad character that event is not
// to be counted again: it is put in `skip_text`.
Str key_for_press(int sym, std::string& skip_text);

}  // namespace plat::internal
