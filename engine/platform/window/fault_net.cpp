#include "engine/platform/window/fault_net.h"

#include <poll.h>
#include <signal.h>

#include <atomic>

namespace plat::internal {
namespace {

// The watched connection, -1 while no net is up, and what the net calls when
// a fault meets it closed.
std::atomic<int> watched{-1};
std::atomic<void (*)()> on_lost{nullptr};
// What there was before the net.
struct sigaction segv_before, bus_before;

const struct sigaction& before(int signal) { return signal == SIGSEGV ? segv_before : bus_before; }

// An access that faulted carries the kernel's reason (SEGV_MAPERR,
// BUS_ADRERR, ...), a positive code; a signal sent by a process carries
// SI_USER, SI_TKILL or SI_QUEUE, none of them positive.
bool raised_by_access(const siginfo_t* info) { return info->si_code > 0; }

// A sent signal comes once, and no access runs again to bring it back: it
// meets what there was before the net here and now.
void pass_on(int signal, siginfo_t* info, void* context) {
    const struct sigaction& prior = before(signal);
    if (prior.sa_handler == SIG_IGN) return;
    if (prior.sa_handler != SIG_DFL) {
        if (prior.sa_flags & SA_SIGINFO) {
            prior.sa_sigaction(signal, info, context);
        } else {
            prior.sa_handler(signal);
        }
        return;
    }
    // The default ends the program by the signal: this thread takes it again
    // as soon as it lets it through.
    sigaction(signal, &prior, nullptr);
    sigset_t just;
    sigemptyset(&just);
    sigaddset(&just, signal);
    pthread_sigmask(SIG_UNBLOCK, &just, nullptr);
    raise(signal);
}

// Runs with the signal blocked: a fault inside it (in `on_lost`) ends the
// program by that fault, never loops.
void on_fault(int signal, siginfo_t* info, void* context) {
    if (!raised_by_access(info)) return pass_on(signal, info, context);
    const int fd = watched.load();
    if (fd >= 0 && connection_has_closed(fd)) on_lost.load()();
    // Back to what there was before: the access runs again and meets it.
    sigaction(signal, &before(signal), nullptr);
}

}  // namespace

bool connection_has_closed(int fd) {
    pollfd p{fd, 0, 0};
    return poll(&p, 1, 0) > 0 && (p.revents & (POLLHUP | POLLERR)) != 0;
}

FaultNet::FaultNet(int connection, void (*lost)()) {
    on_lost = lost;
    watched = connection;
    sigaction(SIGSEGV, nullptr, &segv_before);
    sigaction(SIGBUS, nullptr, &bus_before);
    struct sigaction action {};
    action.sa_sigaction = on_fault;
    sigemptyset(&action.sa_mask);
    // On the thread's alternate stack where it has one (the sanitizers give
    // threads one), so that a fault of an overflowing stack is met too.
    action.sa_flags = SA_SIGINFO | SA_ONSTACK;
    sigaction(SIGSEGV, &action, nullptr);
    sigaction(SIGBUS, &action, nullptr);
}

FaultNet::~FaultNet() {
    watched = -1;
    sigaction(SIGSEGV, &segv_before, nullptr);
    sigaction(SIGBUS, &bus_before, nullptr);
}

}  // namespace plat::internal
