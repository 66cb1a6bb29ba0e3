// zandovik: the brick-breaking game in its window.
#include <malloc.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <QApplication>
#include <QSemaphore>
#include <QSocketNotifier>
#include <QThreadPool>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

#include "app/render.h"
#include "app/window.h"

namespace {

constexpr int kConnectAttempts = 10;
constexpr useconds_t kConnectRetryUs = 50000;

// Qt aborts when it cannot reach a display; say so plainly instead.
bool display_reachable() {
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  if (platform && *platform && std::strncmp(platform, "xcb", 3) != 0) return true;
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  if (wayland && *wayland && !(platform && *platform)) return true;
  const char* display = std::getenv("DISPLAY");
  if (!display || !*display) {
    std::fprintf(stderr,
                 "zandovik: no display to open the window on (DISPLAY is not set); "
                 "start it from a desktop session\n");
    return false;
  }
  // A busy X server can turn a connection away for a moment: ask again
  // before giving up.
  for (int attempt = 0; attempt < kConnectAttempts; ++attempt) {
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    const bool ok = c && xcb_connection_has_error(c) == 0;
    if (c) xcb_disconnect(c);
    if (ok) return true;
    ::usleep(kConnectRetryUs);
  }
  std::fprintf(stderr, "zandovik: cannot open display '%s'\n", display);
  return false;
}

// Qt connects to the display once more on its own and gives up fatally if
// that one connection is turned away. Start afresh (same process) a few
// times, then end with the same clear message and status as above.
char** g_argv = nullptr;
constexpr const char* kRetryVariable = "ZANDOVIK_DISPLAY_RETRIES";

void on_qt_message(QtMsgType type, const QMessageLogContext&, const QString& msg) {
  if (type != QtFatalMsg) {
    std::fprintf(stderr, "%s\n", msg.toLocal8Bit().constData());
    return;
  }
  if (msg.contains("platform plugin") || msg.contains("could not connect")) {
    const int tries = qEnvironmentVariableIntValue(kRetryVariable);
    if (tries < kConnectAttempts) {
      qputenv(kRetryVariable, QByteArray::number(tries + 1));
      ::usleep(kConnectRetryUs);
      ::execv("/proc/self/exe", g_argv);
    }
    const char* display = std::getenv("DISPLAY");
    std::fprintf(stderr, "zandovik: cannot open display '%s'\n", display ? display : "");
    ::_exit(1);
  }
  std::fprintf(stderr, "%s\n", msg.toLocal8Bit().constData());
  std::abort();
}

void say(const char* line) {
  [[maybe_unused]] auto n = ::write(STDERR_FILENO, line, std::strlen(line));
}

// Out of memory anywhere is a clean end: one line and status 1, never an
// abort or a half-drawn window.
[[noreturn]] void out_of_memory() {
  say("zandovik: out of memory\n");
  ::_exit(1);
}

// Below this much address space the toolkit's own C libraries (fontconfig
// among them) fail in ways that cannot be caught; refuse plainly instead.
constexpr rlim_t kMinAddressSpace = 256u << 20;

bool enough_address_space() {
  rlimit limit{};
  if (::getrlimit(RLIMIT_AS, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY ||
      limit.rlim_cur >= kMinAddressSpace)
    return true;
  std::fprintf(stderr,
               "zandovik: out of memory: needs %lu MiB of address space, the limit is %lu MiB\n",
               static_cast<unsigned long>(kMinAddressSpace >> 20),
               static_cast<unsigned long>(limit.rlim_cur >> 20));
  return false;
}

// The painter blends large pictures on Qt's thread pool and waits for every
// part; a thread that cannot be created would leave it waiting for ever.
// Start all the pool's threads now, keep them, and end cleanly if they
// cannot be had.
bool start_paint_threads() {
  QThreadPool* pool = QThreadPool::globalInstance();
  pool->setExpiryTimeout(-1);
  pool->setStackSize(1u << 20);  // blending needs little; 8 MiB each by default
  const int n = pool->maxThreadCount();
  QSemaphore started, release;
  for (int i = 0; i < n; ++i)
    pool->start([&] {
      started.release();
      release.acquire();
    });
  const bool ok = started.tryAcquire(n, 2000);
  release.release(n);
  if (!ok) {
    say("zandovik: out of memory: cannot start the painting threads\n");
    ::_exit(1);  // the pool may still wait for a thread that never came
  }
  pool->waitForDone();
  return true;
}

// SIGTERM and SIGINT end the game as closing its window does: the handler
// only writes a byte, the event loop does the rest. Should the loop be stuck
// (a thread it waits for could not start), a watchdog ends the process.
constexpr unsigned kQuitGraceSeconds = 2;
int g_signal_pipe[2] = {-1, -1};

void on_watchdog(int) {
  say("zandovik: did not stop in time; ending now\n");
  ::_exit(1);
}

void on_signal(int) {
  const char byte = 1;
  [[maybe_unused]] auto n = ::write(g_signal_pipe[0], &byte, 1);
  ::alarm(kQuitGraceSeconds);
}

void quit_on_signals(QApplication& app) {
  if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signal_pipe) != 0) return;
  auto* notifier = new QSocketNotifier(g_signal_pipe[1], QSocketNotifier::Read, &app);
  QObject::connect(notifier, &QSocketNotifier::activated, &app, [] {
    char byte;
    [[maybe_unused]] auto n = ::read(g_signal_pipe[1], &byte, 1);
    QCoreApplication::quit();
  });
  struct sigaction sa {};
  sa.sa_handler = on_signal;
  sigemptyset(&sa.sa_mask);
  sa.sa_flags = SA_RESTART;
  sigaction(SIGTERM, &sa, nullptr);
  sigaction(SIGINT, &sa, nullptr);
  struct sigaction watchdog {};
  watchdog.sa_handler = on_watchdog;
  sigemptyset(&watchdog.sa_mask);
  sigaction(SIGALRM, &watchdog, nullptr);
}

}  // namespace

int main(int argc, char** argv) {
  std::set_new_handler(out_of_memory);
  // Window-sized pictures come and go with the window's size: give large
  // blocks back to the system when freed, so memory follows the window.
  mallopt(M_MMAP_THRESHOLD, 128 * 1024);
  mallopt(M_TRIM_THRESHOLD, 1024 * 1024);
  // Each thread's own heap reserves 64 MiB of address space; two are plenty.
  mallopt(M_ARENA_MAX, 2);
  if (!enough_address_space()) return 1;
  if (!display_reachable()) return 1;
  // Qt's own event loop wakes less than GLib's for the logo's small repaints.
  // Images go to the X server through shared memory (the toolkit's default):
  // the plain upload copies the whole window image on the way.
  if (qEnvironmentVariableIsEmpty("QT_NO_GLIB")) qputenv("QT_NO_GLIB", "1");
  g_argv = argv;
  qInstallMessageHandler(on_qt_message);
  QApplication app(argc, argv);
  qunsetenv(kRetryVariable);
  QApplication::setApplicationName("zandovik");
  QApplication::setDesktopFileName("zandovik");
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
      Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
  quit_on_signals(app);
  start_paint_threads();
  for (const auto& warning : zandovik::app::install_font_substitutes())
    std::fprintf(stderr, "zandovik: %s\n", warning.c_str());
  zandovik::app::GameWindow window;
  window.show();
  return QApplication::exec();
}
