#pragma once
// Which display the window opens on, decided before the toolkit starts, so
// that a failure names its cause in one line instead of the toolkit's many.
#include <string>
#include <vector>

namespace zandovik::app {

struct DisplayEnv {
  std::string platform;         // -platform, else QT_QPA_PLATFORM
  std::string display_arg;      // -display
  std::string display;          // DISPLAY
  std::string wayland_display;  // WAYLAND_DISPLAY
  std::string runtime_dir;      // XDG_RUNTIME_DIR, where a relative one lives
  bool wayland_plugin = false;  // Qt's Wayland platform is installed
};

struct DisplayChoice {
  std::string platform;  // to ask Qt for; empty: as the user asked
  std::string what;      // the display, as a failure to open it names it
  std::string error;     // set: the game cannot start; the one line to say
  std::string note;      // set: a line to say, and the game goes on
};

DisplayChoice choose_display(const DisplayEnv& env);

// The one line a start that the toolkit gave up on is said in, from its
// fatal message and the messages held back before it: "cannot open" the
// display where it could not be reached, else what the toolkit said.
std::string start_failure(const std::string& what, const std::vector<std::string>& held,
                          const std::string& fatal);

}  // namespace zandovik::app
