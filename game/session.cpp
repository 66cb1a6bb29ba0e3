#include "game/session.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "game/boards.h"

namespace zandovik::game {

using scene::Named;

int wait_ms(double due, double now) {
  const double wait = std::ceil(due - now);
  if (!(wait > 0)) return 0;  // due already, or not a number
  return static_cast<int>(std::min(wait, kMaxWaitMs));
}

Session::Session(Clock* clock, scene::Rng::SeedSource seeds)
    : rng_(seeds), seeds_(std::move(seeds)), clock_(clock), runtime_(state_, rng_, clock) {}

Session::~Session() = default;

void Session::set_boards(std::shared_ptr<const BoardSet> boards) {
  runtime_.set_boards(boards);
  boards_ = std::move(boards);
}

bool Session::record(const std::string& path, const std::string& version,
                     std::function<void(const std::string&)> say) {
  if (player_ || runtime_.shown()) {
    if (say) say("cannot record into " + path + ": a recording begins with the game");
    return false;
  }
  if (!recorder_.open(path, version, std::move(say), boards_.get())) return false;
  rng_.set_seed_source([this] {
    const std::uint32_t s = seeds_();
    recorder_.seed(s);
    return s;
  });
  return true;
}

bool Session::recording() const {
  return recorder_.on();
}

std::optional<std::string> Session::replay(const std::string& path, const std::string& version) {
  if (runtime_.shown()) return "a replay plays a game from its start";
  try {
    auto file = RecordingFile::open(path, version);
    // A game on the player's boards carries them, so it replays without the
    // board file; one without them was played on the built-in patterns.
    set_boards(file->boards);
    player_ = std::make_unique<ReplayPlayer>(std::move(file), runtime_, rng_);
  } catch (const ReplayError& e) {
    return std::string(e.what());
  } catch (const std::bad_alloc&) {
    return "cannot read " + path + ": out of memory";
  }
  return std::nullopt;
}

void Session::show() {
  if (player_) {
    // The recording's first event is its show line, after the boards it
    // may carry: played now, so the window has its Scene from the start.
    while (!runtime_.shown() && !player_->done() && player_->step()) {
    }
    if (!outcome_) outcome_ = finish_replay();
    return;
  }
  const double now = runtime_.stamp();
  recorder_.show(now);
  runtime_.show(now);
}

void Session::input(const Input& in) {
  if (player_ || !runtime_.shown()) return;
  recorder_.input(in);
  runtime_.input(in);
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
  return outcome_.value_or(Outcome{"replay matches", true});
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
