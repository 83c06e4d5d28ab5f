// What the program does when its display goes away under it (the server
// ended, the session closed, a remote link dropped): it ends at once, with
// one line on standard error and exit status 1. And when only its X window
// goes, destroyed by another program: it ends as when the window is closed.
#pragma once

struct SDL_Window;
struct SDL_SysWMmsg;

namespace plat::internal {

// From now on, a lost connection to the X server ends the program. Call once
// SDL has opened the display with its X11 driver.
void end_when_x_connection_lost();

// An event SDL sends its own window to wake its event loop, which arrives
// after the window was closed, is no error: the program ends as it should.
// Call before SDL opens the display.
void ignore_wakeups_of_closed_windows();

// From now on, `window` destroyed by another program (as some desktop tools
// and `xdotool windowclose` do) counts as closed, and X errors about it, once
// it is gone, are no errors. Does nothing unless it is an X11 window. SDL then
// passes X events on as SDL_SYSWMEVENT: hand them to `note_x_event`.
void watch_x_window(SDL_Window* window);

// Takes an X event SDL passed on: the watched window's DestroyNotify.
void note_x_event(const SDL_SysWMmsg* message);

// Whether the watched window is gone: its DestroyNotify came, or an X error
// said that it names no window any more.
bool x_window_destroyed();

// SDL reports a lost Wayland connection only as a request to quit: on such a
// request, ends the program if `window`'s Wayland connection has failed, and
// otherwise returns (a real request to quit, or not on Wayland).
void end_if_wayland_connection_lost(SDL_Window* window);

}  // namespace plat::internal
