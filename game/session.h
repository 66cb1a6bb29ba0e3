#pragma once
// A game session: the runtime, the recorder and the replay player in one.
// The window and the driver drive a session and nothing behind it, so
// every input, every advance of the clock and every seed is recorded by
// construction, and a replay walks the same doors as live play.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "game/replay.h"
#include "game/runtime.h"

namespace zandovik::game {

struct BoardSet;

// The longest a timer can be asked to wait, in ms (an int's worth): a due
// time further away is waited for in steps.
inline constexpr double kMaxWaitMs = 2147483647.0;
// From now until `due`, in whole ms a timer can wait: never negative,
// never beyond kMaxWaitMs.
int wait_ms(double due, double now);

// What waking the session did.
struct Woke {
  bool ticks_only = false;  // only timer ticks ran: their moves can be drawn on their way
  double tick_at = 0;       // the time those ticks were due
};

class Session {
 public:
  // A real clock (the window) or none: virtual time, passed by the driver.
  // `seeds` answers Randomize in live play.
  Session(Clock* clock, scene::Rng::SeedSource seeds);
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;
  ~Session();

  // Before show: play these boards instead of the built-in patterns.
  void set_boards(std::shared_ptr<const BoardSet> boards);

  // Record the game into a new file. False, said on `say`, when refused (an
  // empty path, a file that exists, one that cannot be made); the game
  // plays on unrecorded. Write failures later are said once, the same way.
  bool record(const std::string& path, const std::string& version,
              std::function<void(const std::string&)> say);
  bool recording() const;

  // Play a recording instead of taking input: its seeds, inputs and time.
  // Nothing, or why it cannot be played ("FILE: line N: ...").
  std::optional<std::string> replay(const std::string& path, const std::string& version);
  bool replaying() const { return player_ != nullptr; }

  // Create the window, now (live) or at the recording's show line.
  void show();
  // The one door for input; ignored while a recording plays.
  void input(const Input& in);
  // The clock woke the session: timers due by now tick (live), or the
  // recording's lines due by now play (replay).
  Woke wake();
  // When wake is next needed, on the session's clock; none: nothing due.
  std::optional<double> next_wake() const;
  // The window closes: the recording's closing line.
  void close();
  // A game ended: the recording so far, closed now, into a new file at
  // `path`, written off the game's thread; `done` is called there with why
  // it failed, or "".
  void keep_recording(const std::string& path, std::function<void(const std::string&)> done);

  // Once a replay is over: what it says ("replay matches", "replay parted
  // at ...", or why it stopped) and whether it matched. Asked for once.
  struct Outcome {
    std::string text;
    bool matched = false;
    bool refused = false;  // the recording turned out unplayable
  };
  std::optional<Outcome> take_outcome();
  // Virtual time (driver): play a whole recording at once.
  Outcome replay_all();

  // The questions the window asks, answered once.
  bool play_runs() const;                              // the play timers tick
  bool ball_in_flight() const;                         // launched, and play runs
  std::optional<scene::Named> button_on_show() const;  // the topmost visible button
  // The topmost visible button of those `where` holds for (the one under a
  // click, say).
  std::optional<scene::Named> button_on_show(
      const std::function<bool(const scene::Element&)>& where) const;

  bool shown() const { return runtime_.shown(); }
  Runtime& runtime() { return runtime_; }
  const Runtime& runtime() const { return runtime_; }
  const scene::Scene& scene() const { return runtime_.scene(); }
  const GameState& state() const { return state_; }
  GameState& state() { return state_; }
  scene::Rng& rng() { return rng_; }
  double now() const { return runtime_.stamp(); }

 private:
  Woke wake_until(double now);
  std::optional<Outcome> finish_replay();

  GameState state_{};
  scene::Rng rng_;
  scene::Rng::SeedSource seeds_;
  Clock* clock_;
  Runtime runtime_;
  Recorder recorder_;
  std::unique_ptr<ReplayPlayer> player_;
  std::shared_ptr<const BoardSet> boards_;
  std::optional<Outcome> outcome_;
  bool outcome_taken_ = false;
};

}  // namespace zandovik::game
