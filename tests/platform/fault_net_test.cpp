// The net under the window's Wayland start, in a child process of the
// test's own: one end of a socket pair stands for the program's connection,
// the other, closed or open, for the compositor's. The child meets a real
// fault of its own access, or a SIGSEGV or SIGBUS sent to it, and ends in
// the words of a lost display only where its connection has closed and the
// fault is its own. Anything else meets what there was before the net.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstring>

#include "engine/platform/window/ending.h"
#include "engine/platform/window/fault_net.h"

namespace {

using plat::internal::FaultNet;

// What meets the child: an access of its own that faults (SIGSEGV: a page
// it may not read; SIGBUS: a mapped file past its end), or a signal sent by
// kill, by tgkill (raise) or by sigqueue.
enum class Cause { Access, Kill, Tgkill, Sigqueue };
// What there was before the net: the default action, a handler of the
// program's own (as a sanitizer installs), or the signal ignored.
enum class Before { Default, Handler, Ignored };
enum class Net { Up, Gone };  // the net is up, or has come and gone

struct Case {
    const char* name;
    Before before;
    Net net;
    bool closed;  // the connection's other end has closed
    Cause cause;
    int signal;
    int killed_by;     // the signal that ends the child; 0: it exits
    int status;        // else its exit status
    const char* said;  // and what it says (a regular expression)
};

constexpr const char* kLost =
    "^The course ends: it lost its connection to the Wayland compositor at WAYLAND_DISPLAY=wayland-0 "
    "\\(it stopped, or the session closed\\)\\.\n$";
constexpr const char* kNothing = "^$";

// clang-format off
const Case kCases[] = {
    // The one fault the net is for: the program's own, its compositor gone.
    {"SegvAccessClosed",        Before::Default, Net::Up,   true,  Cause::Access,   SIGSEGV, 0,       1, kLost},
    {"BusAccessClosed",         Before::Default, Net::Up,   true,  Cause::Access,   SIGBUS,  0,       1, kLost},
    // A fault while the compositor is there is the program's own fault.
    {"SegvAccessOpen",          Before::Default, Net::Up,   false, Cause::Access,   SIGSEGV, SIGSEGV, 0, kNothing},
    {"BusAccessOpen",           Before::Default, Net::Up,   false, Cause::Access,   SIGBUS,  SIGBUS,  0, kNothing},
    // A sent signal ends the program by that signal, connection or none.
    {"SegvKillClosed",          Before::Default, Net::Up,   true,  Cause::Kill,     SIGSEGV, SIGSEGV, 0, kNothing},
    {"SegvKillOpen",            Before::Default, Net::Up,   false, Cause::Kill,     SIGSEGV, SIGSEGV, 0, kNothing},
    {"BusKillClosed",           Before::Default, Net::Up,   true,  Cause::Kill,     SIGBUS,  SIGBUS,  0, kNothing},
    {"SegvTgkillClosed",        Before::Default, Net::Up,   true,  Cause::Tgkill,   SIGSEGV, SIGSEGV, 0, kNothing},
    {"BusSigqueueOpen",         Before::Default, Net::Up,   false, Cause::Sigqueue, SIGBUS,  SIGBUS,  0, kNothing},
    // A handler there before the net meets what the net lets through, as
    // it came; an ignored signal sent stays ignored.
    {"HandlerSegvAccessOpen",   Before::Handler, Net::Up,   false, Cause::Access,   SIGSEGV, 0,       3, "^handled: raised\n$"},
    {"HandlerSegvKillClosed",   Before::Handler, Net::Up,   true,  Cause::Kill,     SIGSEGV, 0,       3, "^handled: sent\n$"},
    {"IgnoredBusKillClosed",    Before::Ignored, Net::Up,   true,  Cause::Kill,     SIGBUS,  0,       0, "^ran on\n$"},
    // Once the net is gone, a fault is a fault again.
    {"GoneSegvAccessClosed",    Before::Default, Net::Gone, true,  Cause::Access,   SIGSEGV, SIGSEGV, 0, kNothing},
    {"GoneHandlerBusAccessClosed", Before::Handler, Net::Gone, true, Cause::Access, SIGBUS,  0,       3, "^handled: raised\n$"},
};
// clang-format on

void say(const char* text) { (void)!write(STDERR_FILENO, text, std::strlen(text)); }

void handler_before(int, siginfo_t* info, void*) {
    say(info->si_code > 0 ? "handled: raised\n" : "handled: sent\n");
    _exit(3);
}

void lost() {
    plat::internal::end_display_lost("Wayland compositor", "WAYLAND_DISPLAY", "wayland-0",
                                     plat::internal::kDisplayGone);
}

void meet(const Case& c) {
    if (c.cause != Cause::Access) {
        if (c.cause == Cause::Kill) kill(getpid(), c.signal);
        if (c.cause == Cause::Tgkill) raise(c.signal);
        if (c.cause == Cause::Sigqueue) sigqueue(getpid(), c.signal, sigval{});
        return;
    }
    const int file = c.signal == SIGBUS ? memfd_create("empty", 0) : -1;
    void* page = mmap(nullptr, 4096, c.signal == SIGBUS ? PROT_READ : PROT_NONE,
                      c.signal == SIGBUS ? MAP_SHARED : MAP_PRIVATE | MAP_ANONYMOUS, file, 0);
    if (page == MAP_FAILED) return;
    (void)*static_cast<volatile char*>(page);
}

// In the child: nothing left of the test process's own handlers (the
// sanitizers'), no core file, then the net, and what meets it. A child that
// faults again and again, for ever, is ended by its alarm: the bound only
// catches that.
[[noreturn]] void run_child(const Case& c) {
    alarm(30);
    const rlimit no_core{0, 0};
    setrlimit(RLIMIT_CORE, &no_core);
    struct sigaction prior {};
    sigemptyset(&prior.sa_mask);
    if (c.before == Before::Handler) {
        prior.sa_sigaction = handler_before;
        prior.sa_flags = SA_SIGINFO;
    } else {
        prior.sa_handler = c.before == Before::Ignored ? SIG_IGN : SIG_DFL;
    }
    sigaction(SIGSEGV, &prior, nullptr);
    sigaction(SIGBUS, &prior, nullptr);
    int ends[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) _exit(99);
    if (c.closed) close(ends[1]);
    {
        FaultNet net(ends[0], lost);
        if (c.net == Net::Up) meet(c);
    }
    if (c.net == Net::Gone) meet(c);
    say("ran on\n");
    _exit(0);
}

class FaultNetTest : public ::testing::TestWithParam<Case> {};

TEST_P(FaultNetTest, EndsAsItShould) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const Case& c = GetParam();
    if (c.killed_by != 0) {
        EXPECT_EXIT(run_child(c), ::testing::KilledBySignal(c.killed_by), c.said);
    } else {
        EXPECT_EXIT(run_child(c), ::testing::ExitedWithCode(c.status), c.said);
    }
}

INSTANTIATE_TEST_SUITE_P(FaultNet, FaultNetTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

}  // namespace
