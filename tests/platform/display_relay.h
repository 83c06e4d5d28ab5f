// A relay that a test puts between a program and its display server, so
// that it can act at a moment of the program's start that it could not time
// from outside: as the program connects, once it is connected, as it makes
// its window. The relay passes on every byte and every descriptor both ways,
// reads what the program sends just far enough to see the moment, and from
// it holds what the program sends next: the program waits at that point for
// as long as the test likes. A server that ends closes the program's
// connections too, as if the program had been connected to it directly.
#pragma once
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace window_test {

class DisplayRelay {
public:
    enum class Protocol { X11, Wayland };
    enum class Moment {
        // X11: the program's first connection sends its setup; the server
        // never sees it.
        Connecting,
        // The program is connected and asks the server its first questions
        // (X11: the first request after every connection it opens at the
        // start is set up; Wayland: its first request, for the registry).
        Connected,
        // The program makes its window (X11: its top-level CreateWindow;
        // Wayland: xdg_surface.get_toplevel), which the server has taken.
        WindowMade,
        // X11: the program begins to paint its window (a graphics context
        // for it), so SDL has returned the window; the server has not yet
        // made the context.
        FirstPaint,
    };

    // Relays to the server listening at `server_path`; holds at `hold_at`.
    DisplayRelay(Protocol protocol, std::string server_path, Moment hold_at);
    ~DisplayRelay();
    DisplayRelay(const DisplayRelay&) = delete;
    DisplayRelay& operator=(const DisplayRelay&) = delete;

    // Takes programs' connections at `path` from now on. False where it
    // cannot listen there.
    bool listen_at(const std::string& path);
    // A connection already made, for a program to be handed: its end for the
    // program, which the caller closes once the program has it (it is not
    // closed on exec); -1 where the server cannot be reached.
    int hand_down();

    // Waits until the moment has come and what follows is held.
    bool wait_held(std::chrono::milliseconds limit);
    // Passes on what was held, and everything after.
    void release();
    // X11: the id of the program's top-level window, once made; else 0.
    unsigned long window() const { return window_.load(); }

private:
    struct Link;
    void run();
    void add_link(int program_fd);
    void from_program(Link& link);
    void from_server(Link& link);
    // Finds the moment in what the program sent: the number of bytes of
    // `link.seen` up to where holding starts, or -1 before the moment.
    long find_moment(Link& link);
    void wake();

    const Protocol protocol_;
    const std::string server_path_;
    const Moment hold_at_;
    int listener_ = -1;
    int wake_[2] = {-1, -1};
    std::vector<std::unique_ptr<Link>> links_;
    std::mutex mutex_;  // guards links_ (added to by hand_down) and the flags
    std::condition_variable changed_;
    std::atomic<bool> held_{false}, released_{false}, stopping_{false};
    std::atomic<unsigned long> window_{0};
    bool passed_held_ = false;  // the relay's own: what was held has gone on
    int connections_ = 0;
    std::thread thread_;
};

}  // namespace window_test
