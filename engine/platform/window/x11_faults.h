// Where the program meets the faults of an X11 display: the connection to
// the server lost (the server ended, the session closed, a remote link
// dropped), and its window destroyed by another program, as it is made or
// once it is up. A lost server ends the program with its one line and status
// 1; a destroyed window ends it as a close of the window does.
#pragma once

struct SDL_Window;
struct SDL_SysWMmsg;

namespace plat::internal {

// From now on a lost connection to the X server ends the program, and an X
// error about a window that another program has destroyed is no error (the
// window counts as closed). Call before SDL opens the display: the server may
// go while SDL connects, and SDL keeps the handlers it finds.
void handle_x11_faults();

// From now on until `window_made`, a window of the program's own destroyed
// by another program as SDL makes it (some tools destroy a window the moment
// it exists) ends the program as a close does. SDL, meeting it gone, would
// fail to make the window or wait for ever for it to be mapped.
void watch_window_birth();

// SDL_CreateWindow has returned `window` (nullptr when it failed): the check
// of `watch_window_birth` ends, whatever follows. An X11 window is watched
// from now on: destroyed by another program (as some desktop tools and
// `xdotool windowclose` do), it counts as closed. SDL passes X events on as
// SDL_SYSWMEVENT from the display's opening: hand them to `note_x_event`.
void window_made(SDL_Window* window);

// Takes an X event SDL passed on: the watched window's DestroyNotify.
void note_x_event(const SDL_SysWMmsg* message);

// Whether the watched window is gone: its DestroyNotify came, or an X error
// said that it names no window any more.
bool x_window_destroyed();

}  // namespace plat::internal
