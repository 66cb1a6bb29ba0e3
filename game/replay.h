#pragma once
// Recordings of a game: every input with the time it arrived, every time
// the window advanced the runtime, every seed drawn, and checksums of the
// state, one text line each. Played back into a runtime, a recording gives
// the same game, since the runtime walks one path whatever drives it.
#include <cstdint>
#include <cstdio>
#include <deque>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "game/runtime.h"

namespace zandovik::game {

inline constexpr int kReplayFormat = 1;
// A checksum line every this much play, so a replay can say where it parted.
inline constexpr double kReplayCheckMs = 5000;

// Everything that shows and every field of the state, hashed.
std::uint64_t checksum(const GameState& s, const scene::Scene& ui);

struct ReplayLine {
  enum class Kind { seed, show, advance, input, check, end };
  Kind kind = Kind::advance;
  double at = 0;           // ms on the runtime's clock
  std::uint32_t seed = 0;  // seed
  Input input;             // input
  std::uint64_t sum = 0;   // check, end
};

std::string format_replay_line(const ReplayLine& line);

// A recording that cannot be played: what is wrong, and where.
struct ReplayError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Writes a recording line by line, each flushed at once, so a game that is
// killed leaves a usable file. A failure (a full disk, an unwritable path)
// stops the writing, and error() says what it was; the game plays on.
class ReplayWriter {
 public:
  ReplayWriter() = default;
  ~ReplayWriter();
  ReplayWriter(const ReplayWriter&) = delete;
  ReplayWriter& operator=(const ReplayWriter&) = delete;

  // Opens the file and writes the header. False, with error() set, if not.
  bool open(const std::string& path, const std::string& version);
  bool writing() const { return file_ != nullptr; }
  // False the first time a line cannot be written, with error() set.
  bool write(const ReplayLine& line);
  void close();
  const std::string& error() const { return error_; }

 private:
  bool fail(const std::string& what);
  bool write_text(const std::string& text);
  std::FILE* file_ = nullptr;
  std::string path_, error_;
};

// What a game writes into its recording as it goes: the runtime's inputs,
// advances and seeds as the window hands them over, and a checksum every
// few seconds and at the close. A failure to write is said once, on
// `say`, and the game plays on.
class Recorder {
 public:
  // False if the file could not be opened (said already).
  bool open(const std::string& path, const std::string& version,
            std::function<void(const std::string&)> say);
  bool on() const { return writer_.writing(); }
  void seed(std::uint32_t s);
  void show(double at);
  void advance(double at);
  // After an advance: a checksum line, every few seconds.
  void checkpoint(double at, Runtime& rt);
  void input(const Input& in);
  void end(double at, Runtime& rt);

 private:
  void put(const ReplayLine& line);
  ReplayWriter writer_;
  std::function<void(const std::string&)> say_;
  double last_check_ = 0;
};

// A recording read whole: its lines after the header, each with its line
// number in the file. Throws ReplayError for an unreadable file, a file of
// another format or version, a malformed line or a last line cut short.
struct Recording {
  std::vector<std::pair<int, ReplayLine>> lines;
  std::deque<std::uint32_t> seeds;  // in the order they were drawn
  static Recording read(const std::string& path, const std::string& version);
};

// Plays a recording's lines into a runtime one at a time.
class ReplayPlayer {
 public:
  // The runtime must be fresh (its window not shown), its Rng the one the
  // game draws from.
  ReplayPlayer(Recording recording, Runtime& rt, scene::Rng& rng);
  ReplayPlayer(const ReplayPlayer&) = delete;
  ReplayPlayer& operator=(const ReplayPlayer&) = delete;
  bool done() const { return next_ >= rec_.lines.size(); }
  // The time of the next line.
  double next_at() const;
  // The next line only advances the clock.
  bool advances_next() const {
    return !done() && rec_.lines[next_].second.kind == ReplayLine::Kind::advance;
  }
  // Plays the next line. False once a checksum differs; parted() says where.
  bool step();
  // Plays every line; true if every checksum matched.
  bool run();
  void stop() { next_ = rec_.lines.size(); }
  const std::string& parted() const { return parted_; }
  bool ended() const { return ended_; }  // the closing line was reached

 private:
  Recording rec_;
  Runtime& rt_;
  std::size_t next_ = 0;
  std::string parted_;
  bool ended_ = false;
};

}  // namespace zandovik::game
