#pragma once
// The event runtime: the one owner of time. It delivers keys, clicks and
// timer ticks to the handlers one at a time, decides when each timer is due,
// and holds the stall after a lost ball as state. The window and the script
// driver both run the game through it, on a real and a virtual clock.
#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "game/boards.h"
#include "game/game.h"

namespace zandovik::game {

// The three timers, in the order of TimerId, and the buttons a player can
// click: named elements of the design, so their names come from there too.
enum class TimerId { Timer1 = 0, Timer2 = 1, Timer3 = 2 };
inline constexpr std::array<scene::Named, 3> kTimers = {scene::Named::Timer1, scene::Named::Timer2,
                                                        scene::Named::Timer3};
using scene::kButtons;
inline constexpr bool is_button(scene::Named n) {
  return n == kButtons[0] || n == kButtons[1] || n == kButtons[2];
}

// Where the runtime's time comes from, in ms. It only tells the time: what
// happens when is the runtime's business, the same on every clock.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual double now() const = 0;
};

// One kind of input, whatever the device it came from: a key going down or
// up, or a click on a button, stamped with the time it arrived (ms on the
// runtime's clock).
struct Input {
  enum class Kind : std::uint8_t { key_down, key_up, click };
  Kind kind = Kind::key_down;
  int code = 0, shift = 0;                    // a key's
  scene::Named button = scene::Named::pause;  // a click's
  double at = 0;

  static Input key(bool down, int code, int shift, double at) {
    return {down ? Kind::key_down : Kind::key_up, code, shift, scene::Named::pause, at};
  }
  static Input click(scene::Named button, double at) { return {Kind::click, 0, 0, button, at}; }
};

// The longest a timer can be asked to wait, in ms (an int's worth): a due
// time further away is waited for in steps, and a recording's times go no
// further.
inline constexpr double kMaxWaitMs = 2147483647.0;

// The game speeds a player may choose, in percent: every rule runs as it
// is; only the window's clock runs slower against real time.
inline constexpr std::array<int, 3> kSpeeds = {100, 85, 70};
inline constexpr bool is_speed(int percent) {
  return percent == kSpeeds[0] || percent == kSpeeds[1] || percent == kSpeeds[2];
}

class Runtime : private Services {
 public:
  // Without a clock, the runtime keeps virtual time: it passes only when
  // run_for says so.
  Runtime(GameState& state, scene::Rng& rng, Clock* clock = nullptr);

  // Create the window: the Scene from its design, then Form_Load. At the
  // time given, or now.
  void show(std::optional<double> at = std::nullopt);
  bool shown() const { return scene_.has_value(); }
  // Boards of the player's own in place of the three built-in patterns, for
  // every window created from now on, re-creations included (none, or an
  // empty set: the built-in ones). Given before show.
  void set_boards(std::shared_ptr<const BoardSet> boards) { boards_ = std::move(boards); }
  const BoardSet* boards() const { return boards_.get(); }

  // The one door for input. During the stall it is held and handled after
  // it, in order. False, and nothing runs, for a click on a hidden button
  // (or on none).
  bool input(const Input& in);
  // The same, stamped now.
  void key_down(int code, int shift) { input(Input::key(true, code, shift, stamp())); }
  void key_up(int code, int shift) { input(Input::key(false, code, shift, stamp())); }
  bool click(scene::Named button) { return input(Input::click(button, stamp())); }
  // The time input arriving now is stamped with.
  double stamp() const { return clock_ ? clock_->now() : now_; }
  // Run a timer's handler once, now, whatever its interval.
  void tick(TimerId t);
  // A new game, as a click on Game Over starts one (the best score kept),
  // whatever shows: a stall and the input it held are dropped. At the time
  // given, or now.
  void new_game(std::optional<double> at = std::nullopt);

  // Virtual time: let ms pass, ticking every timer on its beat. A stall
  // that begins within the run is carried to its end, with its late ticks.
  void run_for(double ms);
  // Virtual time: a stall asked for by a handler run directly (tick, a
  // procedure in a test) runs out now, and the rest of its handler runs.
  void finish_stall();
  // Real time: tick what is due at time t, end a stall that is over; a
  // timer left far behind ticks once, never in a burst.
  void advance_to(double t);
  // When the runtime next has something to do: the end of a stall, or the
  // earliest timer that could change anything.
  std::optional<double> next_due() const;

  double now() const { return now_; }
  std::uint64_t stalls() const { return stalls_; }
  bool stalled() const { return stall_.has_value(); }
  // State or elements were written from outside a handler (the driver, a
  // test): interval writes take effect, and a resting ball is looked at anew.
  void sync_timers();

  // Hear every cue as it happens (the window's sound).
  void set_on_cue(std::function<void(Cue, int)> f) { on_cue_ = std::move(f); }
  // The cues made since the last call, oldest first.
  std::vector<std::pair<Cue, int>> take_cues();

  // Observe every timer tick (measurements and tests).
  void set_on_tick(std::function<void(TimerId, double now)> f) { on_tick_ = std::move(f); }

  GameState& state() { return state_; }
  const GameState& state() const { return state_; }
  scene::Rng& rng() { return rng_; }
  // The procedures' view of the window, for calling them directly in tests.
  Game& game() { return *game_; }
  scene::Scene& scene() { return *scene_; }
  const scene::Scene& scene() const { return *scene_; }
  // Increases each time the window is created again.
  std::uint64_t generation() const { return generation_; }

 private:
  struct Schedule {
    bool active = false;
    double due = 0;
    int interval = 0;
    std::uint32_t writes_seen = 0;
  };
  struct Stall {
    double until = 0;
    void (*then)(Game&) = nullptr;
  };
  // Handlers ask; the runtime carries it out once the handler has returned.
  void stall(void (*then)(Game&)) override;
  void unload_and_show() override;
  void cue(Cue c, int value) override;
  void create_window();
  void reset_timers();
  void take_interval_writes();
  template <class F>
  void dispatch(F&& handler);
  void carry_out_requests();
  bool deliver(const Input& in);
  void end_stall(double at);
  void run_due(double limit, bool realtime);
  void fire(int k, bool realtime, double limit);
  bool idle(int k) const;
  void tick_ball();
  const scene::Element& timer_element(int k) const;

  GameState& state_;
  scene::Rng& rng_;
  Clock* clock_;
  std::function<void(TimerId, double)> on_tick_;
  std::function<void(Cue, int)> on_cue_;
  std::vector<std::pair<Cue, int>> cues_;
  std::optional<scene::Scene> scene_;
  std::optional<Game> game_;
  std::shared_ptr<const BoardSet> boards_;
  std::array<Schedule, 3> timers_{};
  double now_ = 0;
  std::uint64_t stalls_ = 0;
  std::uint64_t generation_ = 0;
  std::optional<Stall> stall_;
  bool reload_requested_ = false;
  // The last ball tick changed nothing, and only the logo has run since:
  // the next one would change nothing either.
  bool ball_idle_ = false;
  std::deque<Input> held_;  // input that came in during the stall
};

}  // namespace zandovik::game
