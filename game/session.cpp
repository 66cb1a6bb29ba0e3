#include "game/session.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "game/boards.h"
#include "game/names.h"

namespace zandovik::game {

using scene::Named;

int wait_ms(double due, double now) {
  const double wait = std::ceil(due - now);
  if (!(wait > 0)) return 0;  // due already, or not a number
  return static_cast<int>(std::min(wait, kMaxWaitMs));
}

Session::Session(Clock* clock, scene::Rng::SeedSource seeds)
    : rng_([this] { return live_seed(); }),
      seeds_(std::move(seeds)),
      clock_(clock),
      runtime_(state_, rng_, clock) {}

Session::~Session() = default;

std::uint32_t Session::live_seed() {
  const std::uint32_t s = fixed_seed_ ? *fixed_seed_ : seeds_();
  recorder_.seed(s);
  return s;
}

bool Session::record(const std::string& path, const std::string& version,
                     std::function<void(const std::string&)> say) {
  if (player_ || runtime_.shown()) {
    if (say)
      say("cannot record into " + printable_name(path) + ": a recording begins with the game");
    return false;
  }
  if (!Recorder::could_open(path, say)) return false;
  pending_ = PendingRecording{path, version, std::move(say)};
  return true;
}

bool Session::recording() const {
  return pending_ || recorder_.on();
}

std::optional<std::string> Session::replay(const std::string& path) {
  if (runtime_.shown()) return "a replay plays a game from its start";
  try {
    // A game on the player's boards carries them, so it replays without the
    // board file; one without them was played on the built-in patterns.
    player_ = std::make_unique<ReplayPlayer>(RecordingFile::open(path), runtime_, rng_);
  } catch (const ReplayError& e) {
    return std::string(e.what());
  } catch (const std::bad_alloc&) {
    return "cannot read " + printable_name(path) + ": out of memory";
  }
  return std::nullopt;
}

void Session::show() {
  if (player_) {
    // The recording's first event is its show line, after the boards and
    // the speed it may carry: played now, so the window has its Scene from
    // the start.
    while (!runtime_.shown() && !player_->done() && player_->step()) {
    }
    if (!outcome_) outcome_ = finish_replay();
    return;
  }
  if (runtime_.shown()) return;
  const double now = runtime_.stamp();
  if (pending_) {
    auto p = std::exchange(pending_, std::nullopt);
    recorder_.open(p->path, p->version, std::move(p->say), runtime_.boards());
  }
  if (speed_ != kSpeeds[0]) recorder_.speed(now, speed_);
  recorder_.show(now);
  runtime_.show(now);
}

bool Session::input(const Input& in) {
  if (player_ || !runtime_.shown()) return false;
  recorder_.input(in);
  return runtime_.input(in);
}

void Session::switch_boards(std::shared_ptr<const BoardSet> boards) {
  if (player_) return;
  if (boards && boards->boards.empty()) boards = nullptr;
  runtime_.set_boards(boards);
  if (!runtime_.shown()) return;
  const double now = runtime_.stamp();
  recorder_.switch_boards(now, boards.get());
  runtime_.new_game(now);
}

bool Session::set_speed(int percent) {
  if (player_ || !is_speed(percent)) return false;
  speed_ = percent;
  if (!runtime_.shown()) return true;
  const double now = runtime_.stamp();
  recorder_.speed(now, percent);
  runtime_.new_game(now);
  return true;
}

bool Session::set_seed(std::uint32_t seed) {
  if (!white_box()) return false;
  fixed_seed_ = seed;
  return true;
}

bool Session::script_draw(float value) {
  if (!white_box()) return false;
  rng_.script(value);
  return true;
}

bool Session::tick(TimerId timer) {
  if (!white_box() || !runtime_.shown()) return false;
  runtime_.tick(timer);
  runtime_.finish_stall();
  return true;
}

bool Session::run_for(double ms) {
  if (!white_box() || clock_ || !runtime_.shown()) return false;
  runtime_.run_for(ms);
  return true;
}

bool Session::edit(const std::function<void(GameState&, scene::Scene*)>& change) {
  if (!white_box()) return false;
  change(state_, runtime_.shown() ? &runtime_.scene() : nullptr);
  runtime_.sync_timers();
  return true;
}

scene::Scene::Dirty Session::take_dirty() {
  return runtime_.shown() ? runtime_.scene().take_dirty() : scene::Scene::Dirty{};
}

bool Session::take_buttons_changed() {
  return runtime_.shown() && runtime_.scene().take_buttons_changed();
}

Woke Session::wake() {
  return wake_until(runtime_.stamp());
}

Woke Session::wake_until(double now) {
  Woke w;
  if (player_) {
    if (outcome_) return w;
    // The recording's lines as their time comes. Only ticks ran if the
    // lines were advances that neither stalled nor made a new window.
    const bool stalled = runtime_.stalled();
    const auto stalls = runtime_.stalls();
    const auto generation = runtime_.generation();
    bool only_advances = true;
    std::optional<double> first_due = runtime_.shown() ? runtime_.next_due() : std::nullopt;
    while (!player_->done() && player_->next_at() <= now) {
      if (!player_->advances_next()) only_advances = false;
      if (!player_->step()) break;
    }
    outcome_ = finish_replay();
    w.ticks_only = only_advances && runtime_.shown() && !stalled && !runtime_.stalled() &&
                   stalls == runtime_.stalls() && generation == runtime_.generation();
    w.tick_at = first_due ? std::min(*first_due, now) : now;
    return w;
  }
  if (!runtime_.shown()) return w;
  const auto due = runtime_.next_due();
  const bool stalled = runtime_.stalled();
  const auto stalls = runtime_.stalls();
  const auto generation = runtime_.generation();
  recorder_.advance(now);
  runtime_.advance_to(now);
  w.ticks_only = !stalled && !runtime_.stalled() && stalls == runtime_.stalls() &&
                 generation == runtime_.generation();
  w.tick_at = due ? std::min(*due, now) : now;
  recorder_.checkpoint(now, runtime_);
  return w;
}

std::optional<double> Session::next_wake() const {
  if (player_) {
    if (outcome_ || player_->done()) return std::nullopt;
    return player_->next_at();
  }
  if (!runtime_.shown()) return std::nullopt;
  return runtime_.next_due();
}

void Session::close() {
  if (player_) return;
  recorder_.end(runtime_.stamp(), runtime_);
}

void Session::keep_recording(const std::string& path,
                             std::function<void(const std::string&)> done) {
  if (player_ || !runtime_.shown()) return done("no game is being recorded");
  recorder_.keep(path, runtime_.stamp(), runtime_, std::move(done));
}

std::optional<Session::Outcome> Session::finish_replay() {
  if (!player_->error().empty()) return Outcome{player_->error(), false, true};
  if (!player_->parted().empty())
    return Outcome{"replay parted at " + player_->parted() + ": the checksum differs", false};
  if (!player_->done()) return std::nullopt;
  return Outcome{
      player_->ended() ? "replay matches" : "replay matches (no closing line: the game was killed)",
      true};
}

std::optional<Session::Outcome> Session::take_outcome() {
  if (!outcome_ || outcome_taken_) return std::nullopt;
  outcome_taken_ = true;
  return outcome_;
}

Session::Outcome Session::replay_all() {
  if (!player_) return Outcome{"no recording to replay", false, true};
  if (!runtime_.shown()) show();
  if (!outcome_) wake_until(std::numeric_limits<double>::infinity());
  outcome_taken_ = true;
  const Outcome o = outcome_.value_or(Outcome{"replay matches", true});
  // Over: the game is the driver's from here, on its own seeds.
  speed_ = player_->speed();
  player_.reset();
  rng_.set_seed_source([this] { return live_seed(); });
  return o;
}

bool Session::play_runs() const {
  return runtime_.shown() && !runtime_.stalled() && scene().get(Named::Timer1).interval > 0;
}

bool Session::ball_in_flight() const {
  return play_runs() && (state_.stepx != 0 || state_.stepy != 0);
}

std::optional<Named> Session::button_on_show() const {
  return button_on_show([](const scene::Element&) { return true; });
}

std::optional<Named> Session::button_on_show(
    const std::function<bool(const scene::Element&)>& where) const {
  if (!runtime_.shown()) return std::nullopt;
  std::optional<Named> top;
  for (Named n : kButtons) {
    const auto& b = scene().get(n);
    if (b.visible && where(b) && (!top || b.z > scene().get(*top).z)) top = n;
  }
  return top;
}

}  // namespace zandovik::game
