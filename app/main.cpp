// zandovik: the brick-breaking game in its window.
#include <sys/socket.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <QApplication>
#include <QSocketNotifier>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

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

// SIGTERM and SIGINT end the game as closing its window does: the handler
// only writes a byte, the event loop does the rest.
int g_signal_pipe[2] = {-1, -1};

void on_signal(int) {
  const char byte = 1;
  [[maybe_unused]] auto n = ::write(g_signal_pipe[0], &byte, 1);
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
}

}  // namespace

int main(int argc, char** argv) {
  if (!display_reachable()) return 1;
  // Each tick repaints a few small patches: plain image uploads and Qt's own
  // event loop cost less there than shared-memory round trips and GLib's.
  if (qEnvironmentVariableIsEmpty("QT_XCB_NO_MITSHM")) qputenv("QT_XCB_NO_MITSHM", "1");
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
  for (const auto& warning : zandovik::app::install_font_substitutes())
    std::fprintf(stderr, "zandovik: %s\n", warning.c_str());
  zandovik::app::GameWindow window;
  window.show();
  return QApplication::exec();
}
