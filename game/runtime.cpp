#include "game/runtime.h"

#include <algorithm>
#include <utility>

namespace zandovik::game {

using scene::Named;

Runtime::Runtime(GameState& state, scene::Rng& rng, Clock* clock)
    : state_(state), rng_(rng), clock_(clock), now_(clock ? clock->now() : 0) {}

void Runtime::show(std::optional<double> at) {
  now_ = std::max(now_, at.value_or(stamp()));
  dispatch([this] { create_window(); });
}

void Runtime::create_window() {
  ball_idle_ = false;
  // The old window and every element of it go; a new one comes from the
  // design. GameState stays.
  game_.reset();
  scene_.emplace();
  game_.emplace(Game{state_, *scene_, rng_, *this, boards_.get()});
  ++generation_;
  reset_timers();
  Form_Load(*game_);
}

// gameover_Click asks for a new window; its own Game and Scene stay until
// it has returned.
void Runtime::unload_and_show() {
  reload_requested_ = true;
}

void Runtime::cue(Cue c, int value) {
  if (on_cue_) {
    on_cue_(c, value);
    return;
  }
  constexpr std::size_t kKept = 4096;  // a driver that never asks keeps the latest
  if (cues_.size() >= kKept) cues_.erase(cues_.begin(), cues_.begin() + kKept / 2);
  cues_.emplace_back(c, value);
}

std::vector<std::pair<Cue, int>> Runtime::take_cues() {
  return std::exchange(cues_, {});
}

// lostlife asks for the stall and names the rest of its steps. Nothing runs
// until it is over: the runtime holds it as state, on every clock, and runs
// `then` when time has passed its end.
void Runtime::stall(void (*then)(Game&)) {
  ++stalls_;
  stall_ = Stall{now_ + kStallMs, then};
}

const scene::Element& Runtime::timer_element(int k) const {
  return scene_->get(kTimers[k]);
}

void Runtime::reset_timers() {
  for (int k = 0; k < 3; ++k) {
    auto& el = timer_element(k);
    timers_[k] = {el.interval > 0, now_ + el.interval, el.interval, el.interval_writes};
  }
}

void Runtime::sync_timers() {
  ball_idle_ = false;
  take_interval_writes();
}

void Runtime::take_interval_writes() {
  if (!scene_) return;
  for (int k = 0; k < 3; ++k) {
    auto& el = timer_element(k);
    Schedule& t = timers_[k];
    if (el.interval_writes == t.writes_seen) continue;
    // Any write, even of the same value, starts the count afresh.
    t.writes_seen = el.interval_writes;
    t.interval = el.interval;
    t.active = el.interval > 0;
    t.due = now_ + el.interval;
  }
}

// One handler, to its end; then what it asked for.
template <class F>
void Runtime::dispatch(F&& handler) {
  handler();
  carry_out_requests();
}

// A new window is made now; a stall waits for its end, and the interval
// writes of the handler that asked for it take effect after the rest of
// its steps.
void Runtime::carry_out_requests() {
  if (reload_requested_) {
    reload_requested_ = false;
    create_window();
  }
  if (!stall_) take_interval_writes();
}

// A ball tick that moved nothing, drew nothing and left every step at 0
// will do the same next time while nothing else runs: a resting game then
// sleeps instead of waking 40 times a second for nothing.
void Runtime::tick_ball() {
  const auto& ball = scene_->get(Named::ball);
  const float left = ball.left, top = ball.top;
  const auto lastcell = state_.lastcell;
  const auto draws = rng_.draws();
  const auto stalls = stalls_;
  const auto generation = generation_;
  dispatch([&] { Timer2_Timer(*game_); });
  const auto& after = scene_->get(Named::ball);
  ball_idle_ = generation == generation_ && after.left == left && after.top == top &&
               state_.lastcell == lastcell && rng_.draws() == draws && stalls == stalls_ &&
               state_.stepx == 0 && state_.stepy == 0 && state_.paddledir == 0;
}

// Ticks that could change nothing: the paddle's while it stands still (its
// handler's first step returns), the ball's while it rests.
bool Runtime::idle(int k) const {
  if (k == static_cast<int>(TimerId::Timer1)) return state_.paddledir == 0;
  if (k == static_cast<int>(TimerId::Timer2)) return ball_idle_;
  return false;
}

// The rest of the handler that stalled, then the input held meanwhile.
void Runtime::end_stall(double at) {
  const Stall s = *stall_;
  stall_.reset();
  now_ = std::max(now_, at);
  dispatch([&] { s.then(*game_); });
  while (!stall_ && !held_.empty()) {
    const Input in = held_.front();
    held_.pop_front();
    deliver(in);
  }
}

void Runtime::finish_stall() {
  if (stall_) end_stall(stall_->until);
}

bool Runtime::input(const Input& in) {
  if (!scene_) return false;
  if (in.kind == Input::Kind::click && !is_button(in.button)) return false;
  if (stall_) {
    held_.push_back(in);
    return true;
  }
  return deliver(in);
}

bool Runtime::deliver(const Input& in) {
  if (in.kind == Input::Kind::click && !scene_->get(in.button).visible) return false;
  now_ = std::max(now_, in.at);
  ball_idle_ = false;
  dispatch([&] {
    switch (in.kind) {
      case Input::Kind::key_down:
        Form_KeyDown(*game_, in.code, in.shift);
        break;
      case Input::Kind::key_up:
        Form_KeyUp(*game_, in.code, in.shift);
        break;
      case Input::Kind::click:
        if (in.button == Named::pause) pause_Click(*game_);
        if (in.button == Named::nextlevel) nextlevel_Click(*game_);
        if (in.button == Named::gameover) gameover_Click(*game_);
        break;
    }
  });
  return true;
}

void Runtime::tick(TimerId t) {
  if (!scene_ || stall_) return;
  switch (t) {
    case TimerId::Timer1:
      dispatch([&] { Timer1_Timer(*game_); });
      break;
    case TimerId::Timer2:
      tick_ball();
      break;
    case TimerId::Timer3:
      dispatch([&] { Timer3_Timer(*game_); });
      break;
  }
}

void Runtime::new_game(std::optional<double> at) {
  if (!scene_) return;
  now_ = std::max(now_, at.value_or(stamp()));
  stall_.reset();
  held_.clear();
  dispatch([this] { gameover_Click(*game_); });
}

std::optional<double> Runtime::next_due() const {
  if (stall_) return stall_->until;
  std::optional<double> best;
  for (int k = 0; k < 3; ++k) {
    const Schedule& t = timers_[k];
    if (t.active && !idle(k) && (!best || t.due < *best)) best = t.due;
  }
  return best;
}

void Runtime::fire(int k, bool realtime, double limit) {
  Schedule& t = timers_[k];
  const double due = t.due;
  // A tick that fell due during the stall (or while the process was held
  // up) runs once, late, and the next one comes a full interval after it.
  bool late = now_ > due;
  double at = std::max(now_, due);
  if (realtime && limit - due >= t.interval) {
    late = true;
    at = std::max(at, limit);
  }
  now_ = at;
  t.due = late ? at + t.interval : due + t.interval;
  if (on_tick_) on_tick_(static_cast<TimerId>(k), now_);
  if (!idle(k)) tick(static_cast<TimerId>(k));
}

void Runtime::run_due(double limit, bool realtime) {
  if (!scene_) return;
  for (;;) {
    if (stall_) {
      // Virtual time passes through the whole stall; real time waits for it.
      if (realtime && stall_->until > std::max(limit, now_)) break;
      end_stall(realtime ? std::max(stall_->until, limit) : stall_->until);
      continue;
    }
    int k = -1;
    for (int i = 0; i < 3; ++i)
      if (timers_[i].active && (k < 0 || timers_[i].due < timers_[k].due)) k = i;
    if (k < 0 || timers_[k].due > std::max(limit, now_)) break;
    fire(k, realtime, limit);
  }
  now_ = std::max(now_, limit);
}

void Runtime::run_for(double ms) {
  run_due(now_ + std::max(0.0, ms), false);
}

void Runtime::advance_to(double t) {
  run_due(t, true);
}

}  // namespace zandovik::game
