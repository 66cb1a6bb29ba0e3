#include "game/runtime.h"

#include <algorithm>

namespace zandovik::game {

using scene::Named;

namespace {
constexpr Named kTimerNames[3] = {Named::Timer1, Named::Timer2, Named::Timer3};
}

Runtime::Runtime(GameState& state, scene::Rng& rng, Hooks hooks)
    : state_(state), rng_(rng), hooks_(std::move(hooks)) {
  if (hooks_.clock) now_ = hooks_.clock();
}

void Runtime::show() {
  if (hooks_.clock) now_ = std::max(now_, hooks_.clock());
  dispatch([this] { create_window(); });
}

void Runtime::create_window() {
  ball_idle_ = false;
  // The old window and every element of it go; a new one comes from the
  // design. GameState stays.
  game_.reset();
  scene_.emplace();
  game_.emplace(Game{state_, *scene_, rng_, *this});
  ++generation_;
  reset_timers();
  Form_Load(*game_);
}

void Runtime::unload_and_show() {
  create_window();
}

void Runtime::stall() {
  ++stalls_;
  if (hooks_.stall_wait) {
    hooks_.stall_wait(kStallMs);
    now_ = std::max(now_ + kStallMs, hooks_.clock ? hooks_.clock() : 0.0);
  } else {
    now_ += kStallMs;
  }
}

scene::Element& Runtime::timer_element(int k) {
  return scene_->get(kTimerNames[k]);
}

void Runtime::reset_timers() {
  for (int k = 0; k < 3; ++k) {
    auto& el = timer_element(k);
    timers_[k] = {el.interval > 0, now_ + el.interval, el.interval, el.interval_writes};
  }
}

void Runtime::sync_timers() {
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

template <class F>
void Runtime::dispatch(F&& handler) {
  busy_ = true;
  try {
    handler();
  } catch (...) {
    busy_ = false;
    sync_timers();
    throw;
  }
  busy_ = false;
  sync_timers();
  drain_pending();
}

void Runtime::drain_pending() {
  while (!busy_ && !pending_.empty()) {
    auto next = std::move(pending_.front());
    pending_.pop_front();
    next();
  }
}

void Runtime::key_down(int code, int shift) {
  if (!scene_) return;
  if (busy_) {
    pending_.push_back([this, code, shift] { key_down(code, shift); });
    return;
  }
  if (hooks_.clock) now_ = std::max(now_, hooks_.clock());
  ball_idle_ = false;
  dispatch([&] { Form_KeyDown(*game_, code, shift); });
}

void Runtime::key_up(int code, int shift) {
  if (!scene_) return;
  if (busy_) {
    pending_.push_back([this, code, shift] { key_up(code, shift); });
    return;
  }
  if (hooks_.clock) now_ = std::max(now_, hooks_.clock());
  ball_idle_ = false;
  dispatch([&] { Form_KeyUp(*game_, code, shift); });
}

bool Runtime::click(ButtonId b) {
  if (!scene_) return false;
  if (busy_) {
    pending_.push_back([this, b] { click(b); });
    return true;
  }
  Named n = b == ButtonId::pause       ? Named::pause
            : b == ButtonId::nextlevel ? Named::nextlevel
                                       : Named::gameover;
  if (!scene_->get(n).visible) return false;
  if (hooks_.clock) now_ = std::max(now_, hooks_.clock());
  ball_idle_ = false;
  dispatch([&] {
    if (b == ButtonId::pause) pause_Click(*game_);
    if (b == ButtonId::nextlevel) nextlevel_Click(*game_);
    if (b == ButtonId::gameover) gameover_Click(*game_);
  });
  return true;
}

void Runtime::new_game() {
  if (!scene_ || busy_) return;
  ball_idle_ = false;
  dispatch([&] { gameover_Click(*game_); });
}

void Runtime::tick(TimerId t) {
  if (!scene_ || busy_) return;
  if (t == TimerId::Timer3) {
    dispatch([&] { Timer3_Timer(*game_); });
    return;
  }
  if (t == TimerId::Timer1) {
    dispatch([&] { Timer1_Timer(*game_); });
    return;
  }
  const auto& ball = scene_->get(Named::ball);
  const float left = ball.left, top = ball.top;
  const auto lastcell = state_.lastcell;
  const auto draws = rng_.draws();
  const auto stalls = stalls_;
  const auto generation = generation_;
  dispatch([&] { Timer2_Timer(*game_); });
  const auto& now_ball = scene_->get(Named::ball);
  ball_idle_ = generation == generation_ && now_ball.left == left && now_ball.top == top &&
               state_.lastcell == lastcell && rng_.draws() == draws && stalls == stalls_ &&
               state_.stepx == 0 && state_.stepy == 0 && state_.paddledir == 0;
}

bool Runtime::skippable(int k) const {
  if (!hooks_.clock) return false;  // virtual time runs every tick
  if (k == static_cast<int>(TimerId::Timer1)) return state_.paddledir == 0;
  if (k == static_cast<int>(TimerId::Timer2)) return ball_idle_;
  return false;
}

std::optional<double> Runtime::next_due() const {
  std::optional<double> best;
  for (int k = 0; k < 3; ++k) {
    const Schedule& t = timers_[k];
    if (t.active && !skippable(k) && (!best || t.due < *best)) best = t.due;
  }
  return best;
}

void Runtime::fire(int k, bool realtime, double limit) {
  Schedule& t = timers_[k];
  const double due = t.due;
  // A tick that fell due while a handler held the thread runs once, late,
  // and the next one comes a full interval after it.
  bool late = now_ > due;
  double at = std::max(now_, due);
  if (realtime && limit - due >= t.interval) {
    late = true;
    at = std::max(at, limit);
  }
  now_ = at;
  t.due = late ? at + t.interval : due + t.interval;
  if (hooks_.on_tick) hooks_.on_tick(static_cast<TimerId>(k), now_);
  if (skippable(k)) return;  // would change nothing
  tick(static_cast<TimerId>(k));
}

void Runtime::run_due(double limit, bool realtime) {
  if (!scene_ || busy_) return;
  for (;;) {
    int k = -1;
    for (int i = 0; i < 3; ++i)
      if (timers_[i].active && (k < 0 || timers_[i].due < timers_[k].due)) k = i;
    if (k < 0 || timers_[k].due > std::max(limit, now_)) break;
    fire(k, realtime, limit);
    drain_pending();
  }
  now_ = std::max(now_, limit);
}

void Runtime::run_for(double ms) {
  run_due(now_ + std::max(0.0, ms), false);
}

void Runtime::advance_to(double t) {
  drain_pending();
  run_due(t, true);
}

}  // namespace zandovik::game
