// Xlib's own reaction to a lost connection is exit(1), which runs the exit
// handlers: the window's teardown then talks to the dead connection again,
// reports the loss a second time, and may loop in SDL for ever at full CPU.
// Under Wayland, SDL turns the loss into a request to quit, and the program
// would end as if its window had been closed, with no word and status 0.
// Nothing can be done over a dead connection, and nothing the program holds
// needs saving (it keeps nothing from one run to the next), so the program
// says why it stops and ends without running any exit handler or teardown.
#include "engine/platform/window/display_lost.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/Xproto.h>
#include <unistd.h>
#include <wayland-client.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace plat::internal {
namespace {

void say(const char* text) {
    size_t left = std::strlen(text);
    while (left > 0) {
        const ssize_t n = write(STDERR_FILENO, text, left);
        if (n <= 0) return;
        text += n;
        left -= static_cast<size_t>(n);
    }
}

const char* const kGone = "it stopped, or the session closed";

// Only write and _exit: no stdio, no allocation, no exit handlers, nothing
// that could reach the display again.
[[noreturn]] void end_lost(const char* server, const char* variable, const char* name, const char* why) {
    say("The course ends: it lost its connection to the ");
    say(server);
    say(" at ");
    say(variable);
    say("=");
    say(name && *name ? name : "(unknown)");
    say(" (");
    say(why);
    say(").\n");
    _exit(1);
}

// Xlib calls this once it finds the connection broken; it must not return
// (Xlib would then exit the usual way).
int on_x_connection_lost(Display* display) {
    end_lost("X server", "DISPLAY", display ? DisplayString(display) : nullptr, kGone);
}

XErrorHandler handler_before = nullptr;

// Another program may destroy the program's window. SDL keeps talking to it
// (as it sees the window unmapped, and as it tears it down at the end) and
// gets BadWindow or BadDrawable back, which Xlib's default handler turns
// into exit status 1. The window is gone as surely as if it had been closed,
// so the program ends the same way. The error handler runs inside Xlib and
// may not call it: it only marks the window gone, for the main loop to see.
// Atomics: Xlib calls the handler on whichever thread met the error.
std::atomic<unsigned long> watched_window{0};  // its X id, 0 for none
std::atomic<bool> watched_window_gone{false};

// The window's id is from the program's own range of ids: an error saying
// it names no window or drawable means that window is gone.
bool says_watched_window_gone(const XErrorEvent& error) {
    const unsigned long window = watched_window.load();
    if (window == 0 || error.resourceid != window) return false;
    if (error.error_code != BadWindow && error.error_code != BadDrawable) return false;
    watched_window_gone = true;
    return true;
}

// SDL wakes its own waiting event loop by sending its window an event over a
// second connection. When the window is closed at that moment, the server
// may take the closing first and answer the event with BadWindow; Xlib's
// default handler would then end the program with status 1 as it quits.
// Nothing is lost: the window is gone. Any other error goes on as before.
int on_x_error(Display* display, XErrorEvent* error) {
    if (error->error_code == BadWindow && error->request_code == X_SendEvent) return 0;
    if (says_watched_window_gone(*error)) return 0;
    return handler_before ? handler_before(display, error) : 0;
}

}  // namespace

void end_when_x_connection_lost() { XSetIOErrorHandler(on_x_connection_lost); }

void ignore_wakeups_of_closed_windows() { handler_before = XSetErrorHandler(on_x_error); }

// SDL makes no event of its own of its window's DestroyNotify; passed on
// as SDL_SYSWMEVENT, it closes the window even where no request of SDL's has
// failed on it yet. With the software framebuffer SDL keeps this one X window
// for the window's whole life.
void watch_x_window(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!window || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return;
    watched_window = info.info.x11.window;
    SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
}

void note_x_event(const SDL_SysWMmsg* message) {
    if (!message || message->subsystem != SDL_SYSWM_X11) return;
    const XEvent& event = message->msg.x11.event;
    if (event.type == DestroyNotify && event.xdestroywindow.window == watched_window.load()) watched_window_gone = true;
}

bool x_window_destroyed() { return watched_window_gone.load(); }

void end_if_wayland_connection_lost(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!window || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_WAYLAND) return;
    const int error = info.info.wl.display ? wl_display_get_error(info.info.wl.display) : 0;
    if (error == 0) return;
    // A protocol error is a request the compositor refused before it closed
    // the connection (the Wayland library has already said which).
    end_lost("Wayland compositor", "WAYLAND_DISPLAY", std::getenv("WAYLAND_DISPLAY"),
             error == EPROTO ? "it refused a request" : kGone);
}

}  // namespace plat::internal
