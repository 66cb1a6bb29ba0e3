#include "app/shell/options.h"

#include <cstdio>
#include <cstring>

#include "app/shell/words.h"

namespace zandovik::app {

namespace {

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

}  // namespace

CommandLine parse_command_line(int argc, const char* const* argv) {
  CommandLine line;
  for (int i = 1; i < argc; ++i) {
    const char* arg = argv[i];
    const bool has_value = i + 1 < argc;
    bool takes_value = false;
    if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
      line.action = CommandLine::Action::help;
      return line;
    }
    if (std::strcmp(arg, "--version") == 0) {
      line.action = CommandLine::Action::version;
      return line;
    }
    if (std::strcmp(arg, "--best") == 0) {
      line.action = CommandLine::Action::best;
      return line;
    }
    if (std::strcmp(arg, "--record") == 0 && has_value) {
      line.record = argv[++i];
      continue;
    }
    if (std::strcmp(arg, "--replay") == 0 && has_value) {
      line.replay = argv[++i];
      continue;
    }
    if (std::strcmp(arg, "--boards") == 0 && has_value && argv[i + 1][0] != '\0') {
      line.boards = argv[++i];
      continue;
    }
    // A board file alone, as a file manager opens one.
    if (arg[0] != '-' && arg[0] != '\0' && line.boards.empty()) {
      line.boards = arg;
      continue;
    }
    if (std::strcmp(arg, "--edit") == 0) {
      line.edit = true;
      if (has_value && argv[i + 1][0] != '-') line.edit_file = argv[++i];
      continue;
    }
    if (std::strcmp(arg, "--trial") == 0) {
      line.trial = true;
      continue;
    }
    if (std::strcmp(arg, "--desktop") == 0) {
      line.desktop = true;
      continue;
    }
    if (std::strcmp(arg, "--draw-at-ticks") == 0) {
      line.draw_at_ticks = true;
      continue;
    }
    if (qt_option(arg, takes_value)) {
      if (takes_value && has_value) {
        const char* name = arg[1] == '-' ? arg + 2 : arg + 1;
        if (std::strcmp(name, "platform") == 0) line.platform = argv[i + 1];
        if (std::strcmp(name, "display") == 0) line.display = argv[i + 1];
      }
      i += takes_value ? 1 : 0;
      continue;
    }
    line.action = CommandLine::Action::usage_error;
    return line;
  }
  // A replay plays what its recording holds, boards included; the editor
  // plays nothing.
  if ((line.replay && (line.record || !line.boards.empty())) ||
      (line.trial && line.boards.empty()) ||
      (line.edit && (line.record || line.replay || !line.boards.empty())))
    line.action = CommandLine::Action::usage_error;
  return line;
}

// The help after the usage line: marked for the translators, said in the
// player's language by main.cpp.
//: The text of zandovik --help, after the usage line. Keep the option names
//: (--boards, --record, ...), the key names, FILE, NAME, DISPLAY, the set's
//: name extra, "replay matches" and the variables as they are, and keep the
//: lines under 80 characters.
const char* const kHelp = ZANDOVIK_WORDS(
    "help",
    "A brick-breaking game in one window. Left and Right move the paddle, and so\n"
    "do the pointer or a finger over the board and a gamepad's d-pad or left stick;\n"
    "the pad's A clicks the button on show and Start pauses. P pauses, F1 and F2\n"
    "choose the next or previous brick pattern, F11 toggles full screen, M turns\n"
    "the sound off and on.\n\n"
    "  --boards FILE   play the boards of a board file instead of the three built-in\n"
    "                  patterns (a board file alone on the command line does the\n"
    "                  same)\n"
    "  --boards NAME   play a set of boards that ships with the game: extra\n"
    "  --record FILE   write the game into FILE, a new file, as it goes: every input\n"
    "                  and its time, every seed drawn, and checksums of the state\n"
    "  --replay FILE   play a recording back in the window, at the speed it was made;\n"
    "                  prints \"replay matches\" at its end, or where it parted\n"
    "  --draw-at-ticks draw the ball, the paddle and the logo only where the game's\n"
    "                  ticks put them (40 and 20 times a second) instead of moving\n"
    "                  them smoothly between ticks at the display's refresh rate\n"
    "  --trial         with --boards: Escape closes the game (the editor's F5 uses\n"
    "                  it)\n"
    "  --edit [FILE]   make boards: the board editor on FILE (a new set if it does\n"
    "                  not exist); without FILE it asks for one\n"
    "  --desktop       started from the desktop, where no one reads standard error:\n"
    "                  a board file, a recording or a set that cannot be played is\n"
    "                  said in a dialog too before the game ends\n"
    "  --best          print the best games kept (Keep scores and options), one a\n"
    "                  line: set, speed %, rank, score, level, name, date and time,\n"
    "                  and whether its recording replays to its score (verified)\n\n"
    "F10, the Menu key, a right click or a pad's Back open the game's menu. Unless\n"
    "\"Keep scores and options on this computer\" is turned on there, the game writes\n"
    "no files but those named above; it reads its options file only to learn that.\n"
    "It opens on the Wayland display in WAYLAND_DISPLAY, else on the X display in\n"
    "DISPLAY (or -display). Qt's other options (-platform, -style, ...) are taken\n"
    "too.\n");

}  // namespace zandovik::app
