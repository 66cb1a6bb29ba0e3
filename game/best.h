#pragma once
// Best games: one table per board set and game speed, kept as a text file
// beside the recordings of its games.
//
//   zandovik-best 1
//   SCORE<TAB>LEVEL<TAB>DATE-TIME<TAB>NAME<TAB>RECORDING
//
// An entry proves itself: its recording, replayed in virtual time, must end
// with the score and level it lists. Every refusal names the file and the
// line.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace zandovik::scene {
class Scene;
}

namespace zandovik::game {

struct GameState;
struct Input;

inline constexpr const char* kBestMagic = "zandovik-best 1";
// A table keeps the top ten; a score of 0 never enters.
inline constexpr std::size_t kBestPlaces = 10;
// Ten lines of at most a few hundred bytes, with room for comments: a file
// larger than this is not a table of ours.
inline constexpr std::size_t kMaxBestFileBytes = 64u << 10;
inline constexpr std::size_t kMaxPlayerName = 64;      // characters
inline constexpr std::size_t kMaxRecordingName = 100;  // bytes

struct BestEntry {
  std::int64_t score = 0;
  std::int64_t level = 0;
  std::string when;       // ISO 8601: 2026-12-09T21:40:05+01:00 or ...Z
  std::string name;       // the player's
  std::string recording;  // a file name in the table's folder
  bool operator==(const BestEntry&) const = default;
};

// Best first; equal scores in the order they were played.
struct BestTable {
  std::vector<BestEntry> entries;
  bool operator==(const BestTable&) const = default;
};

// "FILE: line N: what is wrong" (no line for the file as a whole).
struct BestError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Reads a table: only a plain file of at most kMaxBestFileBytes. Throws
// BestError. Blank lines and lines starting with '#' are skipped.
BestTable read_best(const std::string& path);
BestTable parse_best(std::string_view text, const std::string& where);
// The table as its file's text; parse_best reads it back the same.
std::string format_best(const BestTable& table);

// Why these cannot stand in a table, or nothing.
std::optional<std::string> player_name_problem(std::string_view name);
std::optional<std::string> recording_name_problem(std::string_view name);
std::optional<std::string> when_problem(std::string_view when);

// Puts a game in its place: after every entry scoring as much or more.
// Its rank (1..10), or nothing when it does not enter (a score of 0, or
// below the tenth). What fell off the end goes to `dropped`.
std::optional<std::size_t> enter_best(BestTable& table, const BestEntry& game,
                                      std::vector<BestEntry>* dropped = nullptr);
// Whether a game of `score` would enter.
bool would_enter(const BestTable& table, std::int64_t score);

// Whether an entry's recording, replayed through a session in virtual time,
// ends with its score and level.
struct Proof {
  bool verified = false;
  std::string why;  // when not: what the replay said, or where it ended
};
Proof verify_entry(const BestEntry& entry, const std::string& folder);

// When a game ends, for the tables: at game over, before F1 or F2 clear its
// score, and whenever the player switches set or speed or closes the
// window. Each game ends once; a game with no score never ends here.
struct Finished {
  std::int64_t score = 0;
  std::int64_t level = 0;
};
class GameEnds {
 public:
  std::optional<Finished> before(const Input& in, const GameState& s);
  std::optional<Finished> after(const GameState& s, const scene::Scene& ui);
  std::optional<Finished> now(const GameState& s);

 private:
  bool ended_ = false;  // until a new game clears the score
};

}  // namespace zandovik::game
