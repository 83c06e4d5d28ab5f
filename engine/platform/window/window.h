// The programs' window: its own library, which only the two programs link
// (the tests and the replay tool run headless and link no window library).
#pragma once
#include <string>

namespace plat {

// Resets every piece of platform state (display list, font, pen, keys,
// random generator, fault) and opens the window as the backend. A program
// that cannot show its window says why on standard error (a missing font
// and its package, or the display it could not open) and exits with status 1.
void use_window(const std::string& title_utf8);

}  // namespace plat
