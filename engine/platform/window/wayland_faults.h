// Where the program meets the loss of its Wayland compositor (it ended, the
// session closed, it dropped the program): while the window is made, a
// watcher of its own sees the connection close; once the window is up, SDL
// reports it. Either way the program ends with its one line and status 1.
#pragma once
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "engine/platform/window/fault_net.h"

struct SDL_Window;

namespace plat::internal {

// The program's connection to its Wayland compositor, watched from a thread
// of its own while SDL connects and makes the window: SDL does not return
// from a connection that breaks then (it tries it again and again, at full
// CPU), or tears its start down in a way that may crash, so the watcher ends
// the program as a lost display does.
class WaylandStartWatch {
public:
    // The connection the program was handed in WAYLAND_SOCKET by the
    // compositor that started it, where there is one; else a connection to
    // the compositor named by WAYLAND_DISPLAY, handed to SDL through
    // WAYLAND_SOCKET, where the Wayland library takes an open connection.
    // Watched from now on. nullptr where there is none to watch: SDL then
    // tries, and says why it could not connect.
    static std::unique_ptr<WaylandStartWatch> begin();
    // Stops watching: the window is up, and a lost connection reaches the
    // program through SDL (`end_if_wayland_connection_lost`).
    ~WaylandStartWatch();
    WaylandStartWatch(const WaylandStartWatch&) = delete;
    WaylandStartWatch& operator=(const WaylandStartWatch&) = delete;

    // Ends the program if the connection has closed: SDL failed because the
    // compositor went as the program connected or made its window.
    void end_if_lost() const;

private:
    WaylandStartWatch(int connection, int stop_read, int stop_write);
    void watch() const;
    // The watcher's own descriptor of the connection SDL was given (it
    // names the connection still once SDL has closed its one), and the two
    // ends of the pipe that stops the watcher.
    int connection_, stop_read_, stop_write_;
    std::thread watcher_;
    // SDL's teardown of a start that failed on the closed connection may
    // crash before the watcher has ended the program.
    std::optional<FaultNet> fault_net_;
};

// SDL reports a lost Wayland connection only as a request to quit: on such a
// request, ends the program if `window`'s Wayland connection has failed, and
// otherwise returns (a real request to quit, or not on Wayland).
void end_if_wayland_connection_lost(SDL_Window* window);

}  // namespace plat::internal
