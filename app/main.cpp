// zandovik: the brick-breaking game in its window.
#include <fontconfig/fontconfig.h>
#include <malloc.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QSemaphore>
#include <QSocketNotifier>
#include <QThreadPool>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <thread>
#include <vector>

#include "app/display.h"
#include "app/render.h"
#include "app/window.h"

namespace {

constexpr const char* kUsage =
    "usage: zandovik [--help] [--version] [-display DISPLAY] [-platform NAME]";

void help() {
  std::printf(
      "%s\n\n"
      "A brick-breaking game in one window. Left and Right move the paddle, P pauses,\n"
      "F1 and F2 choose the next or previous brick pattern, F11 toggles full screen,\n"
      "M turns the sound off and on. The game reads and writes no files.\n\n"
      "It opens on the Wayland display in WAYLAND_DISPLAY, else on the X display in\n"
      "DISPLAY (or -display). Qt's other options (-platform, -style, ...) are taken too.\n",
      kUsage);
}

// Qt's options the game lets through, with whether each takes a value.
bool qt_option(const char* arg, bool& takes_value) {
  static constexpr const char* kWithValue[] = {"-platform",      "-platformpluginpath",
                                               "-platformtheme", "-plugin",
                                               "-display",       "-qwindowgeometry",
                                               "-geometry",      "-qwindowtitle",
                                               "-title",         "-qwindowicon",
                                               "-icon",          "-style",
                                               "-stylesheet",    "-session",
                                               "-name"};
  static constexpr const char* kAlone[] = {"-reverse", "-nograb", "-dograb", "-sync",
                                           "-widgetcount"};
  for (const char* o : kWithValue)
    if (std::strcmp(arg, o) == 0 || (arg[0] == '-' && std::strcmp(arg + 1, o) == 0))
      return takes_value = true;
  for (const char* o : kAlone)
    if (std::strcmp(arg, o) == 0) return !(takes_value = false);
  return false;
}

const char* option_value(int argc, char** argv, const char* name) {
  for (int i = 1; i + 1 < argc; ++i)
    if (std::strcmp(argv[i], name) == 0 ||
        (argv[i][0] == '-' && std::strcmp(argv[i] + 1, name) == 0))
      return argv[i + 1];
  return nullptr;
}

std::string env(const char* name) {
  const char* v = std::getenv(name);
  return v ? v : "";
}

bool wayland_plugin_installed() {
  const QString dir = QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/platforms/";
  return QFileInfo::exists(dir + "libqwayland-generic.so");
}

// Until the toolkit has opened its display, its messages are held back: if
// it cannot, one line of ours names the cause instead of its many.
bool g_starting = true;
std::string g_display;  // what the window opens on, as a failure names it
std::vector<std::string> g_held;

void on_qt_message(QtMsgType type, const QMessageLogContext&, const QString& msg) {
  if (type == QtFatalMsg && g_starting) {
    std::fprintf(stderr, "zandovik: cannot open %s\n", g_display.c_str());
    ::_exit(1);
  }
  const QByteArray text = msg.toLocal8Bit();
  if (g_starting && type != QtFatalMsg) {
    g_held.emplace_back(text.constData());
    return;
  }
  std::fprintf(stderr, "%s\n", text.constData());
  if (type == QtFatalMsg) std::abort();
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
  for (int i = 1; i < argc; ++i) {
    bool takes_value = false;
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      help();
      return 0;
    }
    if (std::strcmp(argv[i], "--version") == 0) {
      std::printf("zandovik %s\n", ZANDOVIK_VERSION);
      return 0;
    }
    if (qt_option(argv[i], takes_value)) {
      i += takes_value ? 1 : 0;
      continue;
    }
    std::fprintf(stderr, "%s\n", kUsage);
    return 2;
  }
  if (!enough_address_space()) return 1;

  zandovik::app::DisplayEnv where;
  const char* platform_arg = option_value(argc, argv, "-platform");
  where.platform = platform_arg ? platform_arg : env("QT_QPA_PLATFORM");
  const char* display_arg = option_value(argc, argv, "-display");
  where.display_arg = display_arg ? display_arg : "";
  where.display = env("DISPLAY");
  where.wayland_display = env("WAYLAND_DISPLAY");
  where.runtime_dir = env("XDG_RUNTIME_DIR");
  where.wayland_plugin = wayland_plugin_installed();
  const auto choice = zandovik::app::choose_display(where);
  if (!choice.error.empty()) {
    std::fprintf(stderr, "zandovik: %s\n", choice.error.c_str());
    return 1;
  }
  if (!choice.note.empty()) std::fprintf(stderr, "zandovik: %s\n", choice.note.c_str());
  if (!choice.platform.empty()) qputenv("QT_QPA_PLATFORM", choice.platform.c_str());
  g_display = choice.what;

  // Reading the font configuration is the longest step before the first
  // frame; do it beside the toolkit's start instead of after it.
  std::thread fonts([] { FcInit(); });
  zandovik::app::set_toolkit_defaults();
  qInstallMessageHandler(on_qt_message);
  // One identity everywhere: the desktop file's name is the Wayland app id.
  QGuiApplication::setDesktopFileName("org.zandovik.Zandovik");
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
      Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
  QApplication app(argc, argv);
  g_starting = false;
  for (const auto& line : g_held) std::fprintf(stderr, "%s\n", line.c_str());
  g_held.clear();
  fonts.join();
  QApplication::setApplicationName("zandovik");  // WM_CLASS "zandovik"
  quit_on_signals(app);
  start_paint_threads();
  zandovik::app::install_font_substitutes();
  zandovik::app::GameWindow window;
  window.show();
  return QApplication::exec();
}
