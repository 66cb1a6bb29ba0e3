#pragma once
// The event runtime: delivers keys, clicks and timer ticks to the handlers
// one at a time and decides when each timer is due. The window and the
// script driver both run the game through it.
#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>

#include "game/game.h"

namespace zandovik::game {

// The pause after a lost ball, during which no game handler runs.
inline constexpr double kStallMs = 500;

enum class TimerId { Timer1 = 0, Timer2 = 1, Timer3 = 2 };
enum class ButtonId { pause, nextlevel, gameover };

class Runtime : private Services {
 public:
  struct Hooks {
    // Real time in ms for the window; empty means virtual time (driver).
    std::function<double()> clock;
    // Wait out the stall while keeping the window alive; empty in the driver.
    std::function<void(double ms)> stall_wait;
    // Told of every timer tick with its time; for measurements and tests.
    std::function<void(TimerId, double now)> on_tick;
  };

  Runtime(GameState& state, scene::Rng& rng, Hooks hooks = {});

  // Create the window: the Scene from its design, then Form_Load.
  void show();
  bool shown() const { return scene_.has_value(); }

  void key_down(int code, int shift);
  void key_up(int code, int shift);
  // False, and nothing runs, while the button is hidden.
  bool click(ButtonId b);
  // A new game as the Game Over button starts it, whether or not it shows.
  void new_game();
  // Run a timer's handler once, now, whatever its interval.
  void tick(TimerId t);

  // Virtual time: let ms pass, ticking every timer as the window would.
  void run_for(double ms);
  // Real time: tick what is due at time t; a timer left far behind ticks
  // once, never in a burst.
  void advance_to(double t);
  // The earliest time a timer falls due, if any is running. In real time a
  // tick that could change nothing is left out, so a resting game sleeps.
  std::optional<double> next_due() const;

  double now() const { return now_; }
  std::uint64_t stalls() const { return stalls_; }
  bool busy() const { return busy_; }
  // Interval writes take effect for scheduling; call after writing one
  // from outside a handler.
  void sync_timers();

  // Observe every timer tick (measurements).
  void set_on_tick(std::function<void(TimerId, double now)> f) { hooks_.on_tick = std::move(f); }

  GameState& state() { return state_; }
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

  void stall() override;
  void unload_and_show() override;
  void create_window();
  void reset_timers();
  template <class F>
  void dispatch(F&& handler);
  void run_due(double limit, bool realtime);
  void fire(int k, bool realtime, double limit);
  void drain_pending();
  bool skippable(int k) const;
  scene::Element& timer_element(int k);

  GameState& state_;
  scene::Rng& rng_;
  Hooks hooks_;
  std::optional<scene::Scene> scene_;
  std::optional<Game> game_;
  std::array<Schedule, 3> timers_{};
  double now_ = 0;
  std::uint64_t stalls_ = 0;
  std::uint64_t generation_ = 0;
  bool busy_ = false;
  // The last ball tick changed nothing and nothing but the logo ran since:
  // further ball ticks would change nothing either.
  bool ball_idle_ = false;
  std::deque<std::function<void()>> pending_;  // input that came in while busy
};

}  // namespace zandovik::game
