// Every way the windowed program ends other than by returning from its main
// loop: a termination signal, a lost display, a window that cannot be
// opened, a window destroyed as it is made. While the program starts, more
// than one of them can meet at once (the display's connection breaks as SDL
// gives up on it, and a watcher sees it break too): exactly one of them says
// why and ends the process, so there is never more than one line. No other
// source of the window ends the process.
#pragma once
#include <string>

namespace plat::internal {

// From now on SIGTERM (a session ending) and SIGINT (Ctrl+C in a terminal)
// end the program with status 0 and nothing on standard error, as a close of
// its window does; a signal the program was started with ignored (a
// background job's SIGINT) stays ignored. Until the window is up they end it
// at once, whatever it is waiting for (SDL's start-up may wait for ever on a
// display that does not answer); from then on they close the window, the way
// its close button does. Call before SDL is started: SDL then leaves these
// signals alone.
void end_on_termination_signals();

// The window shows its first page: a termination signal closes it from now
// on. Calling it again changes nothing.
void window_is_up();

// Whether a termination signal has asked for the window to close.
bool termination_requested();

// Ends the process as a close of its window does: status 0, nothing said,
// no exit handler run. Safe in a signal handler and on any thread.
[[noreturn]] void end_as_closed();

// Why a display went away, as far as the program can tell: its server ended
// or the session closed.
inline constexpr const char* kDisplayGone = "it stopped, or the session closed";

// Ends the process because its display went away: one line naming it, the
// `server` ("X server") at `variable`=`name` ("DISPLAY", ":0"), and `why`;
// status 1. Nothing else runs: no exit handler, nothing that could reach the
// display again. Safe in a signal handler and on any thread.
[[noreturn]] void end_display_lost(const char* server, const char* variable, const char* name, const char* why);

// Ends the process because it cannot show its window: `message` on standard
// error and, with `message_box`, in a message box where a display can show
// one; status 1.
[[noreturn]] void end_cannot_open(const std::string& message, bool message_box);

}  // namespace plat::internal
