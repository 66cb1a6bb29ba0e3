#include "app/shell/display.h"

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

std::string start_failure(const std::string& what, const std::vector<std::string>& held,
                          const std::string& fatal) {
  // What the X and Wayland platforms say when the display is not there.
  auto unreachable = [](const std::string& m) {
    return m.find("could not connect to display") != std::string::npos ||
           m.find("Failed to create wl_display") != std::string::npos;
  };
  auto first_line = [](const std::string& m) {
    std::string line = m.substr(0, m.find('\n'));
    if (line.size() > 240) line = line.substr(0, 240) + "...";
    return line;
  };
  for (const auto& m : held)
    if (unreachable(m)) return "cannot open " + what;
  if (unreachable(fatal)) return "cannot open " + what;
  // The toolkit's fatal line is general ("no Qt platform plugin could be
  // initialized"); the plugin's own warning before it names the cause.
  for (const auto& m : held)
    if (m.find("Qt platform plugin") != std::string::npos)
      return "cannot start on " + what + ": " + first_line(m);
  return "cannot start on " + what + ": " +
         first_line(fatal.empty() ? std::string("the toolkit gave up") : fatal);
}

}  // namespace zandovik::app
