#pragma once
// Signals and the standard streams, set first in main before any thread
// exists; the crash report. Plain C++, no Qt.

namespace zandovik::app {

// Signals first of all, so none can end the game by its default action:
// SIGPIPE is ignored (a launcher that went away must not silence or kill
// the game), SIGTERM, SIGINT and SIGHUP are written to the quit pipe, and
// SIGSEGV, SIGBUS, SIGFPE, SIGILL and SIGABRT print a crash report naming
// `version` and then end the process by that same signal.
void harden_process(const char* version);

// The read end of the quit pipe: a byte arrives for every quit signal, from
// the first instant of main on. -1 if the pipe could not be made.
int quit_signal_fd();
// Standard input, output and error are always open: one found closed at
// start is opened on /dev/null, so no file the process opens takes its
// place; this tells whether standard output was.
bool stdout_was_closed();
// A quit signal has been taken: a watchdog ends the process with status 1
// should the event loop not finish within this many seconds.
constexpr unsigned kQuitGraceSeconds = 2;

// One line on standard error with write(2), safe anywhere.
void say(const char* line);

}  // namespace zandovik::app
