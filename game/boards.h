#pragma once
// Boards of the player's own: a set of up to 100 patterns read from a board
// file, put into the pattern table in place of the three built-in ones.
//
//   zandovik-boards 1
//   # a comment
//   board The Gate
//   00000000111100000000
//
// Every refusal names the file and the line; nothing is half-loaded.
#include <array>
#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "game/rules.h"

namespace zandovik::game {

inline constexpr const char* kBoardsMagic = "zandovik-boards 1";
inline constexpr int kMaxBoards = 100;
inline constexpr std::size_t kMaxBoardName = 40;
inline constexpr std::size_t kMaxBoardFileBytes = 1u << 20;
// The limits as the messages say them: "20 digits", "1 to 100", "1 MiB".
inline const std::string kRowDigits = std::to_string(kColumns) + " digits";
inline const std::string kBoardsRange = "1 to " + std::to_string(kMaxBoards);
inline const std::string kBoardFileSize = std::to_string(kMaxBoardFileBytes >> 20) + " MiB";

struct Board {
  std::string name;  // may be empty
  // Rows 1..10 of the pattern, 20 digits each; rows a file leaves out are
  // twenty zeros.
  std::array<std::string, kPatternRowsUsed> rows;
  Board();
  bool operator==(const Board&) const = default;
};

struct BoardSet {
  std::vector<Board> boards;
  bool operator==(const BoardSet&) const = default;
};

// "FILE: line N: what is wrong". A reader that made the text from lines of
// its own (a recording's boards) names its own line from `line` and `reason`.
struct BoardError : std::runtime_error {
  explicit BoardError(const std::string& what, std::size_t at = 0, std::string why = {})
      : std::runtime_error(what), line(at), reason(std::move(why)) {}
  std::size_t line;         // the text's line at fault; 0 for the file as a whole
  std::string reason;       // what is wrong with it, without the file or the line
  bool unreadable = false;  // the file could not be opened or read: `reason` says why
};

// Reads a board file: only a plain file (checked on the opened descriptor),
// at most kMaxBoardFileBytes, that gives its bytes without a long wait.
// Throws BoardError.
BoardSet read_boards(const std::string& path);
// The same from text already in memory; `where` names it in messages.
// Lines end in LF, CR LF, or (a file with no LF at all) CR alone.
BoardSet parse_boards(std::string_view text, const std::string& where);
// Whether an open file is one the kernel makes (/proc, /sys): such files
// look plain but may wait for news, or lose what is read (/proc/kmsg), so
// the readers never read them.
bool system_file(int fd);
// The set as a board file's text; parse_boards reads it back the same.
std::string format_boards(const BoardSet& set);
// Why a board cannot be played (a row that is not 20 digits, no brick of
// 1..8), or nothing.
std::optional<std::string> board_problem(const Board& b);
// Why a name cannot be a board's (over 40 characters, not UTF-8, control
// characters, blanks at either end), or nothing.
std::optional<std::string> name_problem(std::string_view name);
// A set ready to play and to write: 1..100 boards, each playable and well
// named. The first problem, with the board's number, or nothing.
std::optional<std::string> set_problem(const BoardSet& set);

// Where `--boards NAME` and the driver's `boards NAME` find a set that
// ships with the game: a bare name (no '/', not ending in ".boards") is
// BUILD_DIR/boards/NAME.boards if that exists, else the installed
// .../games/zandovik/boards/NAME.boards if that exists, else the player's
// PLAYER_DIR/NAME.boards if that exists; a bare name found in none throws
// BoardError ("no shipped set named NAME"). Anything else is a path.
std::string boards_path(const std::string& name_or_path, const std::string& build_dir);
// The player's board folder: $XDG_DATA_HOME/zandovik/boards.
std::string player_boards_dir();
// The sets that ship with the game, found where boards_path finds them,
// each once (the build's first), sorted by name.
struct ShippedSet {
  std::string name;  // the file's name without ".boards"
  std::string path;
  bool operator==(const ShippedSet&) const = default;
};
std::vector<ShippedSet> shipped_board_sets(const std::string& build_dir);
// Where an installed game keeps the sets it ships.
std::string installed_boards_dir();
// The folder of the running program (empty if unknown): a build keeps the
// sets it ships in boards/ beside it.
std::string executable_dir();

}  // namespace zandovik::game
