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
#include <X11/Xlib-xcb.h>
#include <X11/Xlib.h>
#include <X11/Xproto.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <wayland-client.h>
#include <xcb/xcb.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

#include "engine/platform/window/ending.h"

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
// that could reach the display again. It may be called from the thread that
// watches a connection as the main thread finds it broken too: one says it.
[[noreturn]] void end_lost(const char* server, const char* variable, const char* name, const char* why) {
    if (!claim_ending(1)) end_as_claimed();
    say("The course ends: it lost its connection to the ");
    say(server);
    say(" at ");
    say(variable);
    say("=");
    say(name && *name ? name : "(unknown)");
    say(" (");
    say(why);
    say(").\n");
    ending_said();
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
// Until the window is known, any window of the program's own is watched.
std::atomic<bool> own_windows_watched{false};

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
//
// While SDL makes the window, a window of the program's own that another
// program destroyed ends the program at once, as a close does: SDL would
// not return (it waits for the window to be mapped). The server gives each
// connection a range of ids for what it creates: the ids of its windows.
int on_x_error(Display* display, XErrorEvent* error) {
    if (error->error_code == BadWindow && error->request_code == X_SendEvent) return 0;
    if (says_watched_window_gone(*error)) return 0;
    if (own_windows_watched.load() && watched_window.load() == 0 &&
        (error->error_code == BadWindow || error->error_code == BadDrawable)) {
        const xcb_setup_t* setup = xcb_get_setup(XGetXCBConnection(display));
        if ((error->resourceid & ~setup->resource_id_mask) == setup->resource_id_base) end_quietly(0);
    }
    return handler_before ? handler_before(display, error) : 0;
}

}  // namespace

void end_when_x_connection_lost() { XSetIOErrorHandler(on_x_connection_lost); }

void ignore_wakeups_of_closed_windows() { handler_before = XSetErrorHandler(on_x_error); }

void watch_own_windows() { own_windows_watched = true; }

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

namespace {

// A connection to the compositor named by WAYLAND_DISPLAY (a path, or a name
// in XDG_RUNTIME_DIR, as the Wayland library reads it), or -1.
int connect_to_compositor() {
    const char* name = std::getenv("WAYLAND_DISPLAY");
    if (!name || !*name) return -1;
    std::string path = name;
    if (name[0] != '/') {
        const char* dir = std::getenv("XDG_RUNTIME_DIR");
        if (!dir || !*dir) return -1;
        path = std::string(dir) + "/" + name;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) return -1;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return -1;
    if (connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

}  // namespace

std::unique_ptr<WaylandStartWatch> WaylandStartWatch::begin() {
    const int connection = connect_to_compositor();
    if (connection < 0) return nullptr;
    const int watched = fcntl(connection, F_DUPFD_CLOEXEC, 0);
    int stop[2];
    if (watched < 0 || pipe2(stop, O_CLOEXEC) != 0) {
        close(connection);
        if (watched >= 0) close(watched);
        return nullptr;
    }
    setenv("WAYLAND_SOCKET", std::to_string(connection).c_str(), 1);
    return std::unique_ptr<WaylandStartWatch>(new WaylandStartWatch(watched, stop[0], stop[1]));
}

WaylandStartWatch::WaylandStartWatch(int connection, int stop_read, int stop_write)
    : connection_(connection), stop_read_(stop_read), stop_write_(stop_write), watcher_([this] { watch(); }) {}

WaylandStartWatch::~WaylandStartWatch() {
    const char stop = 0;
    while (write(stop_write_, &stop, 1) < 0 && errno == EINTR) {
    }
    watcher_.join();
    close(stop_write_);
    close(stop_read_);
    close(connection_);
}

// Sleeps until the compositor's end of the connection closes (it ended,
// or it dropped the program) or the watch stops. What comes over the
// connection is SDL's to read: only its closing wakes the watcher.
void WaylandStartWatch::watch() const {
    pollfd fds[2] = {{connection_, 0, 0}, {stop_read_, POLLIN, 0}};
    for (;;) {
        if (poll(fds, 2, -1) < 0) continue;  // a signal came
        if (fds[1].revents != 0) return;
        if (fds[0].revents & (POLLHUP | POLLERR))
            end_lost("Wayland compositor", "WAYLAND_DISPLAY", std::getenv("WAYLAND_DISPLAY"), kGone);
    }
}

}  // namespace plat::internal
