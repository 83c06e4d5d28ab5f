// How the program ends outside its main loop: a termination signal, a lost
// display, a window that cannot be opened. While the program starts, more
// than one of them can meet at once (the display's connection breaks as SDL
// gives up on it, and a watcher sees it break too): exactly one of them says
// why and ends the process, so there is never more than one line.
#pragma once

namespace plat::internal {

// Whether the caller is the one to end the program, with `status`; false
// when another has already begun to. The one that is says why, calls
// `ending_said`, and ends the process. Safe in a signal handler.
bool claim_ending(int status);
void ending_said();

// For a caller that lost the claim: ends the process with the status of the
// ending under way once that has said why (or a second has passed: it may
// be the caller itself, interrupted). Safe in a signal handler.
[[noreturn]] void end_as_claimed();

// Ends the process with `status`, saying nothing, unless another ending has
// begun (then as that one does). No exit handler runs. Safe in a signal
// handler.
[[noreturn]] void end_quietly(int status);

// From now on SIGTERM (a session ending) and SIGINT (Ctrl+C in a terminal)
// end the program with status 0 and nothing on standard error, as a close of
// its window does. Until the window is up they end it at once, whatever it
// is waiting for (SDL's start-up may wait for ever on a display that does
// not answer); from then on they close the window, the way its close button
// does, and end the program at once only if the main loop does not come to
// that within half a second (its display not answering). Call before SDL is
// started: SDL then leaves these signals alone.
void end_on_termination_signals();

// The window is up: a termination signal closes it from now on.
void window_is_up();

// Whether a termination signal has asked for the window to close.
bool termination_requested();

}  // namespace plat::internal
