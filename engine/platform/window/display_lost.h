// What the program does when its display goes away under it (the server
// ended, the session closed, a remote link dropped): it ends at once, with
// one line on standard error and exit status 1. And when only its X window
// goes, destroyed by another program: it ends as when the window is closed.
#pragma once
#include <memory>
#include <thread>

struct SDL_Window;
struct SDL_SysWMmsg;

namespace plat::internal {

// From now on, a lost connection to the X server ends the program. Call
// before SDL opens the display: the server may go while SDL connects.
void end_when_x_connection_lost();

// An event SDL sends its own window to wake its event loop, which arrives
// after the window was closed, is no error: the program ends as it should.
// Call before SDL opens the display.
void ignore_wakeups_of_closed_windows();

// From now on until `watch_x_window`, a window of the program's own
// destroyed by another program (as the program makes it: some tools destroy
// a window the moment it exists) ends the program as a close of its window
// does, with status 0 and nothing on standard error. SDL, meeting it gone,
// would fail to make the window or wait for ever for it to be mapped. Call
// before SDL makes the window.
void watch_own_windows();

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

// The program's connection to its Wayland compositor, watched from a thread
// of its own while SDL connects and makes the window: SDL does not return
// from a connection that breaks then (it tries it again and again, at full
// CPU), so the watcher ends the program as a lost display does.
class WaylandStartWatch {
public:
    // Connects to the compositor named by WAYLAND_DISPLAY and hands the
    // connection to SDL through WAYLAND_SOCKET, where the Wayland library
    // takes an open connection; watches it from then on. nullptr where it
    // cannot connect: SDL then tries, and says why it could not.
    static std::unique_ptr<WaylandStartWatch> begin();
    // Stops watching: the window is up, and a lost connection reaches the
    // program through SDL (`end_if_wayland_connection_lost`).
    ~WaylandStartWatch();
    WaylandStartWatch(const WaylandStartWatch&) = delete;
    WaylandStartWatch& operator=(const WaylandStartWatch&) = delete;

private:
    WaylandStartWatch(int connection, int stop_read, int stop_write);
    void watch() const;
    // The watcher's own descriptor of the connection SDL was given (it
    // names the connection still once SDL has closed its one), and the two
    // ends of the pipe that stops the watcher.
    int connection_, stop_read_, stop_write_;
    std::thread watcher_;
};

}  // namespace plat::internal
