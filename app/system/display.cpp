#include "app/system/display.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <cstdlib>

namespace zandovik::app {

void wait_for_display() {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t* c = x11 ? x11->connection() : nullptr;
  // The server answers in order, so its answer comes after the frame.
  if (c && !xcb_connection_has_error(c))
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
}

}  // namespace zandovik::app
