#include "app/display.h"

namespace zandovik::app {

namespace {

std::string x_display(const DisplayEnv& env) {
  return "the X display '" + (env.display_arg.empty() ? env.display : env.display_arg) + "'";
}

std::string wayland_display(const DisplayEnv& env) {
  return "the Wayland display '" +
         (env.wayland_display.empty() ? std::string("wayland-0") : env.wayland_display) + "'";
}

constexpr const char* kNoWaylandSupport =
    "Qt's Wayland support is not installed (install the package qt6-wayland)";

// A Wayland display named relative to XDG_RUNTIME_DIR cannot be found
// without it (and the Wayland library would say so in a line of its own).
void check_runtime_dir(const DisplayEnv& env, DisplayChoice& c) {
  if (env.runtime_dir.empty() && env.wayland_display.rfind('/', 0) != 0)
    c.error = "cannot open " + c.what + ": XDG_RUNTIME_DIR is not set";
}

}  // namespace

DisplayChoice choose_display(const DisplayEnv& env) {
  DisplayChoice c;
  if (!env.platform.empty()) {
    // Asked for by name: that one, and only that one.
    if (env.platform.rfind("xcb", 0) == 0) {
      c.what = x_display(env);
    } else if (env.platform.rfind("wayland", 0) == 0) {
      c.what = wayland_display(env);
      check_runtime_dir(env, c);
      if (!env.wayland_plugin) c.error = "cannot use " + c.what + ": " + kNoWaylandSupport;
    } else {
      c.what = "Qt's \"" + env.platform + "\" platform";
    }
    return c;
  }
  if (!env.wayland_display.empty()) {
    if (env.wayland_plugin) {
      c.platform = "wayland";
      c.what = wayland_display(env);
      check_runtime_dir(env, c);
      return c;
    }
    if (env.display.empty() && env.display_arg.empty()) {
      c.error = "cannot use " + wayland_display(env) + ": " + kNoWaylandSupport;
      return c;
    }
    c.note = std::string(kNoWaylandSupport) + "; using " + x_display(env) + " instead";
  }
  if (env.display.empty() && env.display_arg.empty()) {
    c.error =
        "no display to open the window on: neither WAYLAND_DISPLAY nor DISPLAY is set; start "
        "the game from a desktop session";
    return c;
  }
  c.platform = "xcb";
  c.what = x_display(env);
  return c;
}

}  // namespace zandovik::app
