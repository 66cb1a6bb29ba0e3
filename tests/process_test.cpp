// The process's hardening, in forked children: each test's process is its
// own, so sealing the environment or dying of a signal stays there.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>

#include "app/shell/display.h"
#include "app/shell/environment.h"
#include "app/shell/options.h"
#include "app/shell/signals.h"
#include "app/system/memory.h"

namespace zandovik::app {
namespace {

struct Outcome {
  int status = 0;
  std::string err;
};

// Runs `body` in a child with standard error captured; its exit code is
// what body returns.
Outcome in_child(const std::function<int()>& body) {
  int pipe_fds[2];
  EXPECT_EQ(::pipe(pipe_fds), 0);
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::dup2(pipe_fds[1], STDERR_FILENO);
    ::close(pipe_fds[0]);
    ::_exit(body());
  }
  ::close(pipe_fds[1]);
  Outcome o;
  char buf[4096];
  for (ssize_t n; (n = ::read(pipe_fds[0], buf, sizeof buf)) > 0;) o.err.append(buf, n);
  ::close(pipe_fds[0]);
  ::waitpid(pid, &o.status, 0);
  return o;
}

TEST(Process, AfterTheSealNoLibraryCanWriteTheEnvironment) {
  const Outcome o = in_child([] {
    set_env("ZANDOVIK_BEFORE", "1");
    set_env_default("ZANDOVIK_BEFORE", "2");  // set already: kept
    seal_environment();
    // As a library would: the C library's own entry points.
    if (::setenv("ZANDOVIK_AFTER", "1", 1) != -1 || errno != EPERM) return 10;
    if (::unsetenv("ZANDOVIK_BEFORE") != -1 || errno != EPERM) return 11;
    static char entry[] = "ZANDOVIK_PUT=1";
    if (::putenv(entry) != -1 || ::clearenv() != -1) return 12;
    if (std::getenv("ZANDOVIK_AFTER") || std::getenv("ZANDOVIK_PUT")) return 13;
    const char* before = std::getenv("ZANDOVIK_BEFORE");
    if (!before || std::strcmp(before, "1") != 0) return 14;
    return env_writes_refused() == 4 ? 0 : 15;
  });
  EXPECT_TRUE(WIFEXITED(o.status));
  EXPECT_EQ(WEXITSTATUS(o.status), 0) << o.err;
}

TEST(Process, OurOwnWriteAfterTheSealIsAnInternalError) {
  const Outcome o = in_child([] {
    harden_process("9.9");
    seal_environment();
    set_env("ZANDOVIK_LATE", "1");
    return 0;
  });
  ASSERT_TRUE(WIFSIGNALED(o.status));
  EXPECT_EQ(WTERMSIG(o.status), SIGABRT);
  EXPECT_NE(o.err.find("written after it was sealed"), std::string::npos) << o.err;
}

TEST(Process, ACrashIsReportedAndEndsByItsOwnSignal) {
  for (int sig : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT}) {
    const Outcome o = in_child([sig] {
      harden_process("9.9");
      ::raise(sig);
      return 0;
    });
    ASSERT_TRUE(WIFSIGNALED(o.status)) << sig;
    EXPECT_EQ(WTERMSIG(o.status), sig);
    const std::string head = "zandovik 9.9 crashed: SIG" + std::string(sigabbrev_np(sig)) + " (";
    EXPECT_EQ(o.err.rfind("zandovik 9.9 crashed: SIG", 0), 0u) << o.err;
    EXPECT_NE(o.err.find(head), std::string::npos) << o.err;
    EXPECT_NE(o.err.find(")[0x"), std::string::npos) << "no frames: " << o.err;
    EXPECT_NE(o.err.find("reportbug zandovik"), std::string::npos) << o.err;
  }
}

TEST(Process, QuitSignalsAndABrokenPipeNeverEndTheProcess) {
  const Outcome o = in_child([] {
    harden_process("9.9");
    int fds[2];
    if (::pipe(fds) != 0) return 10;
    ::close(fds[0]);
    if (::write(fds[1], "x", 1) != -1 || errno != EPIPE) return 11;
    for (int sig : {SIGTERM, SIGINT, SIGHUP}) ::raise(sig);
    ::alarm(0);  // the watchdog the first quit signal armed
    char bytes[8];
    return ::read(quit_signal_fd(), bytes, sizeof bytes) == 3 ? 0 : 12;
  });
  EXPECT_TRUE(WIFEXITED(o.status)) << o.err;
  EXPECT_EQ(WEXITSTATUS(o.status), 0) << o.err;
}

TEST(Process, AFailedStartNamesWhatFailed) {
  const std::string x = "the X display ':5'";
  const std::string generic =
      "This application failed to start because no Qt platform plugin could be initialized.\n"
      "Reinstalling the application may fix this problem.";
  EXPECT_EQ(start_failure(x, {"could not connect to display :5"}, generic),
            "cannot open the X display ':5'");
  EXPECT_EQ(start_failure("the Wayland display 'w'",
                          {"Failed to create wl_display (No such file or directory)"}, generic),
            "cannot open the Wayland display 'w'");
  EXPECT_EQ(start_failure(x, {"Could not find the Qt platform plugin \"xcb\" in \"\""}, generic),
            "cannot start on the X display ':5': Could not find the Qt platform plugin \"xcb\" "
            "in \"\"");
  EXPECT_EQ(start_failure(x, {}, "QXcbConnection: the X server lacks XKB\nmore"),
            "cannot start on the X display ':5': QXcbConnection: the X server lacks XKB");
}

TEST(Process, TheCommandLineTakesOursAndLetsQtsThrough) {
  using Action = CommandLine::Action;
  const char* play[] = {"zandovik", "-platform", "xcb",      "--display", ":3",
                        "-style",   "fusion",    "--record", "a.rec",     "--draw-at-ticks"};
  const CommandLine line = parse_command_line(10, play);
  EXPECT_EQ(line.action, Action::play);
  EXPECT_TRUE(line.draw_at_ticks);
  EXPECT_FALSE(parse_command_line(3, play).draw_at_ticks);
  EXPECT_EQ(line.platform, "xcb");
  EXPECT_EQ(line.display, ":3");
  EXPECT_EQ(line.record, "a.rec");
  const char* both[] = {"zandovik", "--record", "a", "--replay", "b"};
  EXPECT_EQ(parse_command_line(5, both).action, Action::usage_error);
  const char* dangling[] = {"zandovik", "--replay"};
  EXPECT_EQ(parse_command_line(2, dangling).action, Action::usage_error);
  const char* help[] = {"zandovik", "--stray", "--help"};
  EXPECT_EQ(parse_command_line(3, help).action, Action::usage_error);
  // A board file alone is played, as a file manager opens it; a replay
  // brings its own boards; an empty --record is kept, to be refused aloud.
  const char* opened[] = {"zandovik", "mine.boards", "--record", ""};
  EXPECT_EQ(parse_command_line(4, opened).boards, "mine.boards");
  EXPECT_EQ(parse_command_line(4, opened).record, "");
  const char* replayed[] = {"zandovik", "--boards", "extra", "--replay", "b"};
  EXPECT_EQ(parse_command_line(5, replayed).action, Action::usage_error);
  // Escape closes only a board tried from the editor.
  const char* tried[] = {"zandovik", "--boards", "t.boards", "--trial"};
  EXPECT_TRUE(parse_command_line(4, tried).trial);
  const char* bare_trial[] = {"zandovik", "--trial"};
  EXPECT_EQ(parse_command_line(2, bare_trial).action, Action::usage_error);
}

TEST(Process, EditTakesAFileOrNoneAndNoRecording) {
  const char* file[] = {"zandovik", "--edit", "my.boards", "-platform", "xcb"};
  const CommandLine a = parse_command_line(5, file);
  EXPECT_EQ(a.action, CommandLine::Action::play);
  EXPECT_TRUE(a.edit);
  EXPECT_EQ(a.edit_file, "my.boards");
  EXPECT_EQ(a.platform, "xcb");
  const char* none[] = {"zandovik", "--edit", "-platform", "xcb"};
  const CommandLine b = parse_command_line(4, none);
  EXPECT_TRUE(b.edit);
  EXPECT_EQ(b.edit_file, "");
  EXPECT_EQ(b.platform, "xcb");
  const char* recorded[] = {"zandovik", "--edit", "--record", "a.rec"};
  EXPECT_EQ(parse_command_line(4, recorded).action, CommandLine::Action::usage_error);
}

}  // namespace
}  // namespace zandovik::app
