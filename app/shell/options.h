#pragma once
// The game's command line. Plain C++, no Qt: Qt's own options are let
// through for the toolkit to read.
#include <optional>
#include <string>

namespace zandovik::app {

inline constexpr const char* kUsage =
    "usage: zandovik [--help] [--version] [--best] [--boards FILE|NAME | BOARDFILE] "
    "[--record FILE | --replay FILE] [--draw-at-ticks] [--edit [FILE]] [--desktop] "
    "[-display DISPLAY] "
    "[-platform NAME]";

struct CommandLine {
  enum class Action { play, help, version, best, usage_error };
  Action action = Action::play;
  std::optional<std::string> record, replay;  // --record FILE, --replay FILE
  std::string boards;                         // --boards FILE|NAME, or a board file alone
  std::string platform;                       // -platform
  std::string display;                        // -display
  bool draw_at_ticks = false;                 // --draw-at-ticks: no frames between the ticks
  bool trial = false;                         // --trial: Escape closes (the editor's F5)
  bool edit = false;                          // --edit [FILE]: the board editor
  bool desktop = false;                       // --desktop: refusals at start in a dialog too
  std::string edit_file;
};

CommandLine parse_command_line(int argc, const char* const* argv);
// The help, printed after kUsage and a blank line (in English here; main
// says it in the player's language).
extern const char* const kHelp;

}  // namespace zandovik::app
