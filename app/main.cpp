// zandovik: the brick-breaking game in its window.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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
  zandovik::app::install_font_substitutes();
  zandovik::app::GameWindow window;
  window.show();
  return QApplication::exec();
}
