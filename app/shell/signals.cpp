#include "app/shell/signals.h"

#include <execinfo.h>
#include <fcntl.h>
#include <pthread.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

namespace zandovik::app {

namespace {

int g_quit_pipe[2] = {-1, -1};
bool g_stdout_closed = false;

// The crash report's lines, composed before any crash: the handler itself
// only writes.
char g_crash_head[160];
constexpr const char* kCrashTail =
    "zandovik: this is a bug in the game. Please send the lines above, and what you were\n"
    "zandovik: doing when it happened, to the game's developers (on Debian: reportbug zandovik).\n";
std::atomic<long> g_crashing_thread{0};
// Room to report a stack that ran out.
alignas(16) char g_alt_stack[64 * 1024];

const char* crash_name(int sig) {
  switch (sig) {
    case SIGSEGV:
      return "SIGSEGV (invalid memory access)";
    case SIGBUS:
      return "SIGBUS (bad memory access)";
    case SIGFPE:
      return "SIGFPE (arithmetic fault)";
    case SIGILL:
      return "SIGILL (illegal instruction)";
    case SIGABRT:
      return "SIGABRT (aborted)";
  }
  return "a fatal signal";
}

void on_crash(int sig) {
  const long self = ::syscall(SYS_gettid);
  long none = 0;
  if (!g_crashing_thread.compare_exchange_strong(none, self) && none != self) {
    // Another thread is writing the report and will end the process.
    for (;;) ::pause();
  }
  if (none == 0) {
    say(g_crash_head);
    say(crash_name(sig));
    say("\n");
    void* frames[48];
    const int n = ::backtrace(frames, 48);
    ::backtrace_symbols_fd(frames, n, STDERR_FILENO);
    say(kCrashTail);
  }
  // Die of the same signal, so the exit status tells the truth: blocked
  // while this handler runs, it is delivered as it returns.
  ::signal(sig, SIG_DFL);
  ::raise(sig);
}

void on_quit_signal(int) {
  const int saved = errno;
  const char byte = 1;
  [[maybe_unused]] auto n = ::write(g_quit_pipe[0], &byte, 1);
  ::alarm(kQuitGraceSeconds);
  errno = saved;
}

void on_watchdog(int) {
  say("zandovik: did not stop in time; ending now\n");
  ::_exit(1);
}

void handle(int sig, void (*handler)(int), int flags) {
  struct sigaction sa {};
  sa.sa_handler = handler;
  sigemptyset(&sa.sa_mask);
  sa.sa_flags = flags;
  ::sigaction(sig, &sa, nullptr);
}

}  // namespace

void say(const char* line) {
  [[maybe_unused]] auto n = ::write(STDERR_FILENO, line, std::strlen(line));
}

void harden_process(const char* version) {
  for (int fd = 0; fd <= 2; ++fd) {
    if (::fcntl(fd, F_GETFD) != -1) continue;
    if (fd == STDOUT_FILENO) g_stdout_closed = true;
    const int null = ::open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
    if (null >= 0 && null != fd) {
      ::dup2(null, fd);
      ::close(null);
    }
  }
  handle(SIGPIPE, SIG_IGN, 0);

  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_quit_pipe) != 0)
    g_quit_pipe[0] = g_quit_pipe[1] = -1;
  handle(SIGALRM, on_watchdog, 0);
  for (int sig : {SIGTERM, SIGINT, SIGHUP}) handle(sig, on_quit_signal, SA_RESTART);

  std::snprintf(g_crash_head, sizeof g_crash_head, "zandovik %s crashed: ", version);
  // The first backtrace loads the unwinder; not inside a crash.
  void* warm[1];
  ::backtrace(warm, 1);
  stack_t alt{};
  alt.ss_sp = g_alt_stack;
  alt.ss_size = sizeof g_alt_stack;
  ::sigaltstack(&alt, nullptr);
  for (int sig : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT}) handle(sig, on_crash, SA_ONSTACK);
  // A launcher may hand the game these blocked; one already sent is taken
  // now, by its handler.
  sigset_t handled;
  sigemptyset(&handled);
  for (int sig : {SIGTERM, SIGINT, SIGHUP, SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT})
    sigaddset(&handled, sig);
  ::pthread_sigmask(SIG_UNBLOCK, &handled, nullptr);
}

int quit_signal_fd() {
  return g_quit_pipe[1];
}

bool stdout_was_closed() {
  return g_stdout_closed;
}

}  // namespace zandovik::app
