// Under Wayland, SDL turns a lost connection into a request to quit, and the
// program would end as if its window had been closed, with no word and
// status 0; while it starts, SDL may not return at all. The program says why
// it stops and ends, as it does when its X server goes.
#include "engine/platform/window/wayland_faults.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <wayland-client.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "engine/platform/window/ending.h"

namespace plat::internal {
namespace {

// The display the program's connection is to, as its line names it: taken
// once, as the watch begins, before the Wayland library clears
// WAYLAND_SOCKET on the main thread while the watcher may be reading.
std::string display_variable = "WAYLAND_DISPLAY";
std::string display_name;

[[noreturn]] void end_lost(const char* why) {
    end_display_lost("Wayland compositor", display_variable.c_str(), display_name.c_str(), why);
}

// A connection to the compositor named by WAYLAND_DISPLAY (a path, or a name
// in XDG_RUNTIME_DIR, as the Wayland library reads it), or -1.
int connect_to_compositor(const std::string& name) {
    if (name.empty()) return -1;
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

// The descriptor named by WAYLAND_SOCKET, read as the Wayland library reads
// it, or -1.
int handed_down_connection(const char* text) {
    char* end = nullptr;
    errno = 0;
    const long fd = std::strtol(text, &end, 10);
    if (errno != 0 || end == text || *end != '\0' || fd < 0 || fd > 65535) return -1;
    return fcntl(static_cast<int>(fd), F_GETFD) == -1 ? -1 : static_cast<int>(fd);
}

}  // namespace

std::unique_ptr<WaylandStartWatch> WaylandStartWatch::begin() {
    int connection = -1;
    if (const char* handed = std::getenv("WAYLAND_SOCKET")) {
        display_variable = "WAYLAND_SOCKET";
        display_name = handed;
        connection = handed_down_connection(handed);
    } else {
        const char* name = std::getenv("WAYLAND_DISPLAY");
        display_name = name ? name : "";
        connection = connect_to_compositor(display_name);
        if (connection >= 0) setenv("WAYLAND_SOCKET", std::to_string(connection).c_str(), 1);
    }
    if (connection < 0) return nullptr;
    const int watched = fcntl(connection, F_DUPFD_CLOEXEC, 0);
    int stop[2];
    if (watched < 0 || pipe2(stop, O_CLOEXEC) != 0) {
        if (watched >= 0) close(watched);
        return nullptr;
    }
    return std::unique_ptr<WaylandStartWatch>(new WaylandStartWatch(watched, stop[0], stop[1]));
}

WaylandStartWatch::WaylandStartWatch(int connection, int stop_read, int stop_write)
    : connection_(connection), stop_read_(stop_read), stop_write_(stop_write) {
    // The termination signals and the exit deadline are the main thread's to
    // take, as in SDL's own threads: the watcher starts with them blocked.
    sigset_t blocked, before;
    sigemptyset(&blocked);
    for (int signal : {SIGTERM, SIGINT, SIGALRM}) sigaddset(&blocked, signal);
    pthread_sigmask(SIG_BLOCK, &blocked, &before);
    watcher_ = std::thread([this] { watch(); });
    pthread_sigmask(SIG_SETMASK, &before, nullptr);
    fault_net_.emplace(connection_, [] { end_lost(kDisplayGone); });
}

WaylandStartWatch::~WaylandStartWatch() {
    fault_net_.reset();
    const char stop = 0;
    while (write(stop_write_, &stop, 1) < 0 && errno == EINTR) {
    }
    watcher_.join();
    close(stop_write_);
    close(stop_read_);
    close(connection_);
}

void WaylandStartWatch::end_if_lost() const {
    if (connection_has_closed(connection_)) end_lost(kDisplayGone);
}

// Sleeps until the compositor's end of the connection closes (it ended,
// or it dropped the program) or the watch stops. What comes over the
// connection is SDL's to read: only its closing wakes the watcher. Should
// poll itself fail, the watch ends: SDL still reports a loss in its way.
void WaylandStartWatch::watch() const {
    pollfd fds[2] = {{connection_, 0, 0}, {stop_read_, POLLIN, 0}};
    for (;;) {
        if (poll(fds, 2, -1) < 0) {
            if (errno == EINTR) continue;
            return;
        }
        if (fds[1].revents != 0 || (fds[0].revents & POLLNVAL) != 0) return;
        if (fds[0].revents & (POLLHUP | POLLERR)) end_lost(kDisplayGone);
    }
}

void end_if_wayland_connection_lost(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!window || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_WAYLAND) return;
    const int error = info.info.wl.display ? wl_display_get_error(info.info.wl.display) : 0;
    if (error == 0) return;
    // A protocol error is a request the compositor refused before it closed
    // the connection (the Wayland library has already said which).
    end_lost(error == EPROTO ? "it refused a request" : kDisplayGone);
}

}  // namespace plat::internal
