#include "engine/platform/window/ending.h"

#include <signal.h>
#include <sys/time.h>
#include <unistd.h>

#include <atomic>
#include <ctime>

namespace plat::internal {
namespace {

// The status of the ending under way, or -1 for none, and whether it has
// said why.
std::atomic<int> ending_status{-1};
std::atomic<bool> said{false};
std::atomic<bool> up{false};
std::atomic<bool> requested{false};

// How long the main loop has to come to a requested close.
constexpr suseconds_t kCloseGraceUs = 500'000;

void on_termination(int) {
    if (!up.load()) end_quietly(0);
    requested = true;
    // A display that does not answer may hold the main loop inside SDL: then
    // the alarm ends the program.
    itimerval grace{};
    grace.it_value.tv_usec = kCloseGraceUs;
    setitimer(ITIMER_REAL, &grace, nullptr);
}

void on_alarm(int) { end_quietly(0); }

void handle(int signal, void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(signal, &action, nullptr);
}

}  // namespace

bool claim_ending(int status) {
    static_assert(std::atomic<int>::is_always_lock_free);
    int none = -1;
    return ending_status.compare_exchange_strong(none, status);
}

void ending_said() { said = true; }

void end_as_claimed() {
    // The one that claimed the ending may be stuck after its words (in a
    // message box on a display that does not answer), or be this very
    // thread, interrupted before them.
    const timespec step{0, 10'000'000};
    for (int i = 0; i < 100 && !said.load(); ++i) nanosleep(&step, nullptr);
    _exit(ending_status.load());
}

void end_quietly(int status) {
    if (!claim_ending(status)) end_as_claimed();
    _exit(status);
}

void end_on_termination_signals() {
    handle(SIGTERM, on_termination);
    handle(SIGINT, on_termination);
    handle(SIGALRM, on_alarm);
}

void window_is_up() { up = true; }

bool termination_requested() { return requested.load(); }

}  // namespace plat::internal
