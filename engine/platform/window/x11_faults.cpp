// Xlib's own reaction to a lost connection is exit(1), which runs the exit
// handlers: the window's teardown then talks to the dead connection again,
// reports the loss a second time, and may loop in SDL for ever at full CPU.
// Nothing can be done over a dead connection, and nothing the program holds
// needs saving (it keeps nothing from one run to the next), so the program
// says why it stops and ends without running any exit handler or teardown.
#include "engine/platform/window/x11_faults.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib-xcb.h>
#include <X11/Xlib.h>
#include <X11/Xproto.h>
#include <xcb/xcb.h>

#include <atomic>

#include "engine/platform/window/ending.h"

namespace plat::internal {
namespace {

// Xlib calls this once it finds the connection broken; it must not return
// (Xlib would then exit the usual way).
int on_x_connection_lost(Display* display) {
    end_display_lost("X server", "DISPLAY", display ? DisplayString(display) : nullptr, kDisplayGone);
}

XErrorHandler handler_before = nullptr;

// Another program may destroy the program's window. SDL keeps talking to it
// (as it sees the window unmapped, and as it tears it down at the end) and
// gets BadWindow or BadDrawable back, which Xlib's default handler turns
// into exit status 1. The window is gone as surely as if it had been closed,
// so the program ends the same way. The error handler runs inside Xlib and
// may not end the program: it only marks the window gone, for the main loop
// to see. Atomics: Xlib calls the handler on whichever thread met the error.
std::atomic<unsigned long> watched_window{0};  // its X id, 0 for none
std::atomic<bool> watched_window_gone{false};
// While SDL makes the window, any window of the program's own is watched.
std::atomic<bool> birth_watched{false};

bool names_no_window(const XErrorEvent& error) {
    return error.error_code == BadWindow || error.error_code == BadDrawable;
}

// The window's id is from the program's own range of ids: an error saying
// it names no window or drawable means that window is gone.
bool says_watched_window_gone(const XErrorEvent& error) {
    const unsigned long window = watched_window.load();
    if (window == 0 || error.resourceid != window || !names_no_window(error)) return false;
    watched_window_gone = true;
    return true;
}

// The server gives each connection a range of ids for what it creates: the
// ids of its windows.
bool names_own_window(Display* display, const XErrorEvent& error) {
    if (!names_no_window(error)) return false;
    const xcb_setup_t* setup = xcb_get_setup(XGetXCBConnection(display));
    return (error.resourceid & ~setup->resource_id_mask) == setup->resource_id_base;
}

// SDL wakes its own waiting event loop by sending its window an event over a
// second connection. When the window is closed at that moment, the server
// may take the closing first and answer the event with BadWindow; Xlib's
// default handler would then end the program with status 1 as it quits.
// Nothing is lost: the window is gone. Any other error goes on as before.
//
// While SDL makes the window, a window of the program's own that another
// program destroyed ends the program at once, as a close does: SDL would
// not return (it waits for the window to be mapped).
int on_x_error(Display* display, XErrorEvent* error) {
    if (error->error_code == BadWindow && error->request_code == X_SendEvent) return 0;
    if (says_watched_window_gone(*error)) return 0;
    if (birth_watched.load() && names_own_window(display, *error)) end_as_closed();
    return handler_before ? handler_before(display, error) : 0;
}

}  // namespace

void handle_x11_faults() {
    XSetIOErrorHandler(on_x_connection_lost);
    handler_before = XSetErrorHandler(on_x_error);
}

void watch_window_birth() { birth_watched = true; }

// SDL makes no event of its own of its window's DestroyNotify; passed on
// as SDL_SYSWMEVENT, it closes the window even where no request of SDL's has
// failed on it yet. With the software framebuffer SDL keeps this one X window
// for the window's whole life.
void window_made(SDL_Window* window) {
    birth_watched = false;
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (window && SDL_GetWindowWMInfo(window, &info) && info.subsystem == SDL_SYSWM_X11)
        watched_window = info.info.x11.window;
}

void note_x_event(const SDL_SysWMmsg* message) {
    if (!message || message->subsystem != SDL_SYSWM_X11) return;
    const XEvent& event = message->msg.x11.event;
    if (event.type == DestroyNotify && event.xdestroywindow.window == watched_window.load()) watched_window_gone = true;
}

bool x_window_destroyed() { return watched_window_gone.load(); }

}  // namespace plat::internal
