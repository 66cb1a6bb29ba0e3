// zandovik: the brick-breaking game in its window.
#include <QApplication>
#include <QSocketNotifier>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/socket.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include "app/render.h"
#include "app/window.h"

namespace {

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
  xcb_connection_t* c = xcb_connect(nullptr, nullptr);
  const bool ok = c && xcb_connection_has_error(c) == 0;
  if (c) xcb_disconnect(c);
  if (!ok) std::fprintf(stderr, "zandovik: cannot open display '%s'\n", display);
  return ok;
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
  QApplication app(argc, argv);
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
