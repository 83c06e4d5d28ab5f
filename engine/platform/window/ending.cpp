#include "engine/platform/window/ending.h"

#include <SDL.h>
#include <signal.h>
#include <sys/time.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace plat::internal {
namespace {

// The status of the ending under way, or -1 for none, and whether it has
// said why.
std::atomic<int> ending_status{-1};
std::atomic<bool> said{false};

// Whether the caller is the one to end the program, with `status`; false
// when another has already begun to. The one that is says why, sets `said`,
// and ends the process.
bool claim_ending(int status) {
    static_assert(std::atomic<int>::is_always_lock_free);
    int none = -1;
    return ending_status.compare_exchange_strong(none, status);
}

// For a caller that lost the claim: ends the process with the status of the
// ending under way once that has said why, or a second has passed. The one
// that claimed it may be stuck after its words (in a message box on a display
// that does not answer), or be this very thread, interrupted before them.
[[noreturn]] void end_as_claimed() {
    const timespec step{0, 10'000'000};
    for (int i = 0; i < 100 && !said.load(); ++i) nanosleep(&step, nullptr);
    _exit(ending_status.load());
}

// Only write: no stdio, no allocation, safe wherever the process ends.
void say(const char* text) {
    size_t left = std::strlen(text);
    while (left > 0) {
        const ssize_t n = write(STDERR_FILENO, text, left);
        if (n <= 0) return;
        text += n;
        left -= static_cast<size_t>(n);
    }
}

std::atomic<bool> up{false};
std::atomic<bool> requested{false};
std::atomic<bool> deadline_set{false};

// How long the program has to finish ending once a termination signal has
// closed its window: the main loop may be held inside SDL by a display that
// does not answer, and so may SDL's teardown after the loop has closed.
constexpr suseconds_t kExitDeadlineUs = 500'000;

void on_termination(int) {
    if (!up.load()) end_as_closed();
    requested = true;
    // One deadline, from the first signal: a session manager that sends the
    // signal again and again must not keep putting it off.
    if (deadline_set.exchange(true)) return;
    itimerval deadline{};
    deadline.it_value.tv_usec = kExitDeadlineUs;
    setitimer(ITIMER_REAL, &deadline, nullptr);
}

void on_exit_deadline(int) { end_as_closed(); }

void handle(int signal, void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(signal, &action, nullptr);
}

// A signal the program was started with ignored was meant not to reach it:
// a script's background job ignores SIGINT, so that Ctrl+C in the terminal
// stops only what runs in the foreground.
bool started_ignoring(int signal) {
    struct sigaction current {};
    return sigaction(signal, nullptr, &current) == 0 && current.sa_handler == SIG_IGN;
}

}  // namespace

void end_on_termination_signals() {
    for (int signal : {SIGTERM, SIGINT})
        if (!started_ignoring(signal)) handle(signal, on_termination);
    handle(SIGALRM, on_exit_deadline);
}

void window_is_up() { up = true; }

bool termination_requested() { return requested.load(); }

void end_as_closed() {
    if (!claim_ending(0)) end_as_claimed();
    _exit(0);
}

void end_display_lost(const char* server, const char* variable, const char* name, const char* why) {
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
    said = true;
    _exit(1);
}

void end_cannot_open(const std::string& message, bool message_box) {
    if (!claim_ending(1)) end_as_claimed();
    std::fprintf(stderr, "%s\n", message.c_str());
    std::fflush(stderr);
    said = true;
    if (message_box) SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Morvane / Talisse", message.c_str(), nullptr);
    std::exit(1);
}

}  // namespace plat::internal
