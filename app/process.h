#pragma once
// The process's own hardening, done first in main before any thread
// exists: signals, the environment, the allocator. Plain C++, no Qt.
#include <cstddef>

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

// The environment is written only before any second thread exists: getenv
// on one thread while setenv moves the table on another reads freed
// memory. set_default writes a variable the user has not set; seal ends
// all writing. After it, setenv, putenv, unsetenv and clearenv from any
// library of the process fail with EPERM and change nothing.
void set_env_default(const char* name, const char* value);
void set_env(const char* name, const char* value);
void seal_environment();
bool environment_sealed();
// Writes refused since the seal (the toolkit's unset of a launcher's
// startup id is one).
std::size_t env_writes_refused();

// Large freed blocks go back to the system, and few per-thread heaps are
// made, so resident memory follows the window's size.
void tune_allocator();

// Below this much address space the toolkit's own C libraries fail in ways
// that cannot be caught: false, with the line said, if the limit is lower.
bool enough_address_space();

// Room for this many bytes, or the new handler's clean end (out of memory).
// For what a library will allocate where a failure cannot be caught.
void need_room(double bytes);

// One line on standard error with write(2), safe anywhere.
void say(const char* line);

}  // namespace zandovik::app
