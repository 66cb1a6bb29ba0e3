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
#include <utility>
#include <vector>

#include "game/replay.h"
#include "game/runtime.h"

namespace zandovik::game {

struct BoardSet;

// From now until `due`, in whole ms a timer can wait: never negative,
// never beyond kMaxWaitMs.
int wait_ms(double due, double now);

// What waking the session did.
struct Woke {
  bool ticks_only = false;  // only timer ticks ran: their moves can be drawn on their way
  double tick_at = 0;       // the time those ticks were due
};

// Every way into a game, in one list: the window, the driver, the tools,
// the benches and the tests hold a session and nothing behind it. What it
// hands out to read is const; what changes a game is one of its calls.
class Session {
 public:
  // A real clock (the window) or none: virtual time, passed by the driver.
  // `seeds` answers Randomize in live play.
  Session(Clock* clock, scene::Rng::SeedSource seeds);
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;
  ~Session();

  // ---- Before the window: what the game is recorded into or played from.
  // Record the game into a new file, made when the window is shown (a
  // start that fails before then leaves no file). False, said on `say`,
  // when refused (an empty path, a file that exists, one that cannot be
  // made); the game plays on unrecorded. Write failures later are said
  // once, the same way.
  bool record(const std::string& path, const std::string& version,
              std::function<void(const std::string&)> say);
  bool recording() const;
  // Play a recording instead of taking input: its seeds, inputs and time.
  // Nothing, or why it cannot be played ("FILE: line N: ...").
  std::optional<std::string> replay(const std::string& path);
  bool replaying() const { return player_ != nullptr; }

  // ---- The game's inputs, each recorded; ignored while a recording plays.
  // Create the window, now (live) or at the recording's show line.
  void show();
  // The one door for keys and clicks. False for a click on a hidden
  // button, or while a recording plays.
  bool input(const Input& in);
  // The same, stamped now.
  bool key_down(int code, int shift) { return input(Input::key(true, code, shift, now())); }
  bool key_up(int code, int shift) { return input(Input::key(false, code, shift, now())); }
  bool click(scene::Named button) { return input(Input::click(button, now())); }
  // Play these boards (none or empty: the built-in patterns). Before show,
  // the window is made from them; after, a new game starts on them as a
  // click on Game Over starts one (the best score since the start kept).
  void switch_boards(std::shared_ptr<const BoardSet> boards);
  // The game speed in percent (kSpeeds); false for any other. After show,
  // a new game starts at it, as switch_boards starts one.
  bool set_speed(int percent);
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

  // ---- Once a replay is over: what it says ("replay matches", "replay
  // parted at ...", or why it stopped) and whether it matched. Asked for once.
  struct Outcome {
    std::string text;
    bool matched = false;
    bool refused = false;  // the recording turned out unplayable
  };
  std::optional<Outcome> take_outcome();
  // Virtual time (driver): play a whole recording at once. The game is
  // then live again, on the session's own seeds.
  Outcome replay_all();

  // ---- The driver's white-box doors and virtual time. None is recorded,
  // so each is refused (false) while a recording is made or played.
  // The seed Randomize gets from now on, in place of the seed source.
  bool set_seed(std::uint32_t seed);
  // The next Rnd draw gives `value` (in [0, 1)), after those scripted before.
  bool script_draw(float value);
  // Run a timer's handler once, now; a stall it asks for runs out at once.
  bool tick(TimerId timer);
  // Virtual time only: let `ms` pass, each timer ticking on its beat.
  bool run_for(double ms);
  // Write the state or the elements (none before show) from outside a
  // handler; interval writes take effect as a handler's would.
  bool edit(const std::function<void(GameState&, scene::Scene*)>& change);

  // ---- What the window and the driver take and hear.
  // The cues made since the last call, oldest first.
  std::vector<std::pair<Cue, int>> take_cues() { return runtime_.take_cues(); }
  // Hear every cue as it happens (the window's sound).
  void set_on_cue(std::function<void(Cue, int)> f) { runtime_.set_on_cue(std::move(f)); }
  // Observe every timer tick (measurements).
  void set_on_tick(std::function<void(TimerId, double now)> f) {
    runtime_.set_on_tick(std::move(f));
  }
  // What changed on screen since the painter last took it; taking it
  // changes no rule.
  scene::Scene::Dirty take_dirty();
  bool take_buttons_changed();

  // ---- Questions, answered once.
  bool play_runs() const;                              // the play timers tick
  bool ball_in_flight() const;                         // launched, and play runs
  std::optional<scene::Named> button_on_show() const;  // the topmost visible button
  // The topmost visible button of those `where` holds for (the one under a
  // click, say).
  std::optional<scene::Named> button_on_show(
      const std::function<bool(const scene::Element&)>& where) const;
  // When timer `t` next ticks; none while it is off or held.
  std::optional<double> due(TimerId t) const { return runtime_.due(t); }
  bool shown() const { return runtime_.shown(); }
  const scene::Scene& scene() const { return runtime_.scene(); }
  const GameState& state() const { return state_; }
  const BoardSet* boards() const { return runtime_.boards(); }
  // The game speed in percent, and the factor the window's clock runs at
  // against real time.
  int speed() const { return player_ ? player_->speed() : speed_; }
  double time_scale() const { return speed() / 100.0; }
  double now() const { return runtime_.stamp(); }
  std::uint64_t draws() const { return rng_.draws(); }
  std::uint64_t stalls() const { return runtime_.stalls(); }
  std::uint64_t generation() const { return runtime_.generation(); }  // window creations
  bool stalled() const { return runtime_.stalled(); }

 private:
  struct PendingRecording {
    std::string path, version;
    std::function<void(const std::string&)> say;
  };
  Woke wake_until(double now);
  std::optional<Outcome> finish_replay();
  std::uint32_t live_seed();
  bool white_box() const { return !player_ && !recording(); }

  GameState state_{};
  scene::Rng rng_;
  scene::Rng::SeedSource seeds_;
  std::optional<std::uint32_t> fixed_seed_;
  Clock* clock_;
  Runtime runtime_;
  Recorder recorder_;
  std::optional<PendingRecording> pending_;
  std::unique_ptr<ReplayPlayer> player_;
  std::optional<Outcome> outcome_;
  bool outcome_taken_ = false;
  int speed_ = 100;
};

}  // namespace zandovik::game
