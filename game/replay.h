#pragma once
// Recordings of a game: every input with the time it arrived, every time
// the window advanced the runtime, every seed drawn, and checksums of the
// state, one text line each. Played back into a runtime, a recording gives
// the same game, since the runtime walks one path whatever drives it.
#include <cstdint>
#include <cstdio>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

#include "game/runtime.h"

namespace zandovik::game {

struct BoardSet;

// The format a recording is written in. 2 may carry the boards it was
// played on; 3 adds a switch of boards and the game speed. 1 and 2 are
// still read. Which version of the game wrote a recording is not compared:
// its checksums say whether it plays the same.
inline constexpr int kReplayFormat = 3;
// A checksum line every this much play, so a replay can say where it parted.
inline constexpr double kReplayCheckMs = 5000;
// A line longer than any the game writes is not a recording's.
inline constexpr std::size_t kReplayMaxLine = 200;
// Larger than days of play: not a recording.
inline constexpr std::uint64_t kReplayMaxBytes = 256u << 20;

// Everything that shows and every field of the state, hashed.
std::uint64_t checksum(const GameState& s, const scene::Scene& ui);

// One line of a recording. Each kind has one word and one list of fields
// (the table in replay.cpp), read and written in one place each: a new
// outside input is one new kind there and one call of the session.
struct ReplayLine {
  enum class Kind { seed, show, advance, input, check, end, board, row, switch_boards, speed };
  Kind kind = Kind::advance;
  double at = 0;           // ms on the runtime's clock
  std::uint32_t seed = 0;  // seed
  Input input;             // input
  std::uint64_t sum = 0;   // check, end
  std::string text;        // board: its name; row: its digits
  int percent = 100;       // speed
  // Read, never written: show and switch_boards take the board and row
  // lines above them (none: the built-in patterns).
  std::shared_ptr<const BoardSet> boards;
};

std::string format_replay_line(const ReplayLine& line);
// A time as a recording writes it: every digit a double holds, so it reads
// back the same.
std::string time_text(double ms);

// A recording that cannot be played: what is wrong, and where.
struct ReplayError;
// One line after the header, of a recording in `format`; throws ReplayError
// saying what is wrong with it (the caller adds where).
ReplayLine parse_replay_line(const std::string& text, int format);

// A recording that cannot be played: what is wrong, and where.
struct ReplayError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// What a game writes into its recording as it goes: the inputs, advances
// and seeds the session hands over, a checksum every few seconds and at the
// close. The file is made new (an existing one is never replaced) and
// written off the game's thread, so a slow disk never holds up play. A
// failure is said once on `say`, and the game plays on unrecorded.
class Recorder {
 public:
  Recorder();
  ~Recorder();
  Recorder(const Recorder&) = delete;
  Recorder& operator=(const Recorder&) = delete;

  // False if refused (said already). The boards, if any, go in the header.
  bool open(const std::string& path, const std::string& version,
            std::function<void(const std::string&)> say, const BoardSet* boards = nullptr);
  // Whether open could make `path`, found out by making it and removing it
  // again: false, said, if not. Nothing is left either way.
  static bool could_open(const std::string& path,
                         const std::function<void(const std::string&)>& say);
  bool on() const;
  void seed(std::uint32_t s);
  void show(double at);
  void advance(double at);
  // After an advance: a checksum line, every few seconds.
  void checkpoint(double at, Runtime& rt);
  void input(const Input& in);
  // A new game on these boards (none: the built-in patterns), or at this speed.
  void switch_boards(double at, const BoardSet* boards);
  void speed(double at, int percent);
  // The closing line; everything is written before it returns.
  void end(double at, Runtime& rt);
  // A copy of the recording so far closed at `at`, made as a new file at
  // `path` off the game's thread; `done` is called there with why it
  // failed, or "".
  void keep(const std::string& path, double at, Runtime& rt,
            std::function<void(const std::string&)> done);

 private:
  void put(const ReplayLine& line);
  void put_text(const std::string& lines);
  static std::string board_lines(const BoardSet* boards);
  struct Writer;
  std::unique_ptr<Writer> writer_;
  std::unique_ptr<Writer> retired_;  // failed: joined when the recorder goes
  std::function<void(const std::string&)> say_;
  double last_check_ = 0;
};

// A recording, checked whole when opened and then read as a stream while it
// plays: memory holds its seeds and the boards in play, never its lines. Only a plain
// file is read (checked on the opened descriptor).
class RecordingFile {
 public:
  // Throws ReplayError ("FILE: line N: ...") for anything that cannot be
  // played: an unreadable file, another format or version, a malformed
  // line, a first event other than show, a time that goes backwards or is
  // out of range, anything after the closing line.
  static std::unique_ptr<RecordingFile> open(const std::string& path);
  ~RecordingFile();
  RecordingFile(const RecordingFile&) = delete;
  RecordingFile& operator=(const RecordingFile&) = delete;

  // The next line to play with its number, none at the end. Throws
  // ReplayError if the file changed since it was checked.
  std::optional<std::pair<int, ReplayLine>> next();
  const std::string& path() const { return path_; }  // as messages print it

  std::deque<std::uint32_t> seeds;  // in the order they were drawn
  bool closed = false;              // it has its closing line

 private:
  RecordingFile() = default;
  struct Reader;
  struct Checker;
  std::unique_ptr<Reader> reader_;
  std::unique_ptr<Checker> checker_;
  std::string path_;
  long line_ = 0;     // the number of the line last read
  long checked_ = 0;  // the whole lines the check read; 0 while it reads them
};

// Plays a recording's lines into a runtime one at a time. Nothing it plays
// can throw through the runtime: a line is checked before it is carried out.
class ReplayPlayer {
 public:
  // The runtime must be fresh (its window not shown), its Rng the one the
  // game draws from.
  ReplayPlayer(std::unique_ptr<RecordingFile> file, Runtime& rt, scene::Rng& rng);
  ReplayPlayer(const ReplayPlayer&) = delete;
  ReplayPlayer& operator=(const ReplayPlayer&) = delete;
  bool done() const { return !next_; }
  // The time of the next line.
  double next_at() const { return next_ ? next_->second.at : 0; }
  // The next line only advances the clock.
  bool advances_next() const { return next_ && next_->second.kind == ReplayLine::Kind::advance; }
  // Plays the next line. False once a checksum differs (parted() says
  // where) or the recording turned out unplayable (error()).
  bool step();
  // Plays every line; true if every checksum matched.
  bool run();
  const std::string& parted() const { return parted_; }
  const std::string& error() const { return error_; }
  bool ended() const { return ended_; }  // the closing line was reached
  const RecordingFile& file() const { return *file_; }
  // The game speed the recording has reached, in percent.
  int speed() const { return speed_; }

 private:
  void fetch();
  std::unique_ptr<RecordingFile> file_;
  Runtime& rt_;
  std::optional<std::pair<int, ReplayLine>> next_;
  std::string parted_, error_;
  bool ended_ = false;
  bool short_of_seeds_ = false;
  int speed_ = 100;
};

}  // namespace zandovik::game
