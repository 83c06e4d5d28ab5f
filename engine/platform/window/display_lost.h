// What the program does when its display goes away under it (the server
// ended, the session closed, a remote link dropped): it ends at once, with
// one line on standard error and exit status 1.
#pragma once

struct SDL_Window;

namespace plat::internal {

// From now on, a lost connection to the X server ends the program. Call once
// SDL has opened the display with its X11 driver.
void end_when_x_connection_lost();

// An event SDL sends its own window to wake its event loop, which arrives
// after the window was closed, is no error: the program ends as it should.
// Call before SDL opens the display.
void ignore_wakeups_of_closed_windows();

// SDL reports a lost Wayland connection only as a request to quit: on such a
// request, ends the program if `window`'s Wayland connection has failed, and
// otherwise returns (a real request to quit, or not on Wayland).
void end_if_wayland_connection_lost(SDL_Window* window);

}  // namespace plat::internal
