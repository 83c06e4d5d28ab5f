// A net under a start that may fail on a dead connection: SDL's teardown of
// such a start can crash in the display library (it destroys what the dead
// connection never made), before the watcher that sees the connection close
// has ended the program as the lost display it is. The net ends it so
// instead, and lets every other SIGSEGV and SIGBUS through as it was.
#pragma once

namespace plat::internal {

// Whether the other end of the connection `fd` has closed (or failed).
bool connection_has_closed(int fd);

// While a net is up, a SIGSEGV or SIGBUS that an access of the program's own
// raised while `connection` has closed calls `lost`, which ends the program.
// Any other one meets what was there before the net: a fault with the
// connection open, and every one sent by a process (kill, tgkill, sigqueue,
// the program's own raise) whatever the connection. The default action then
// ends the program by that signal; a handler of its own (a sanitizer's) runs
// as it would have; an ignored one sent stays ignored. One net at a time.
class FaultNet {
public:
    FaultNet(int connection, void (*lost)());
    // Puts back what was there before.
    ~FaultNet();
    FaultNet(const FaultNet&) = delete;
    FaultNet& operator=(const FaultNet&) = delete;
};

}  // namespace plat::internal
