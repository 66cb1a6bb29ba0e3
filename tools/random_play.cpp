#include "tools/random_play.h"

#include <array>
#include <exception>

namespace zandovik::tools {

using game::TimerId;
using scene::Named;

namespace {

struct Player {
  explicit Player(std::uint32_t seed)
      : rt(nullptr, [seed] { return seed; }), state(rt.state()), pick(seed ^ 0x9e3779b9u) {
    rt.show();
  }
  game::Session rt;
  const game::GameState& state;
  InvariantChecker checker;
  std::mt19937 pick;
  PlayReport report;
  std::int16_t lives_before = 0;

  int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(pick); }

  // Run one event and check; false once something broke.
  template <class F>
  bool event(const char* what, F&& f) {
    lives_before = state.lives;
    const auto levels_before = state.levelnum;
    try {
      f();
    } catch (const std::exception& e) {
      report.failure = std::string(what) + ": " + e.what();
      return false;
    }
    ++report.events;
    if (state.levelnum > levels_before) report.levels_cleared += state.levelnum - levels_before;
    if (state.pattern >= 1 && state.pattern <= 3) report.patterns_seen |= 1 << (state.pattern - 1);
    if (rt.shown() && rt.scene().get(Named::gameover).visible && state.lives == 0 &&
        lives_before > 0)
      ++report.games_over;
    auto broken = checker.check(rt);
    if (!broken.empty()) {
      report.failure = std::string("after ") + what + ": " + broken.front();
      return false;
    }
    return true;
  }

  bool visible(Named n) { return rt.scene().get(n).visible; }

  PlayReport finish() {
    report.game_ms = rt.now();
    report.stalls = rt.stalls();
    return report;
  }
};

constexpr std::array<int, 8> kGameKeys = {game::kKeyLeft,
                                          game::kKeyRight,
                                          game::kKeyP,
                                          game::kKeyF1,
                                          game::kKeyF2,
                                          16,
                                          17,
                                          18};  // and Shift, Ctrl, Alt

}  // namespace

PlayReport random_play(std::uint32_t seed, std::uint64_t events) {
  Player s(seed);
  while (s.report.events < events) {
    const int kind = s.below(100);
    const int code = s.below(4) == 0 ? s.below(256) : kGameKeys[s.below(8)];
    const int shift = s.below(8);
    bool good;
    if (kind < 30) {
      good = s.event("keydown", [&] { s.rt.key_down(code, shift); });
    } else if (kind < 45) {
      good = s.event("keyup", [&] { s.rt.key_up(code, shift); });
    } else if (kind < 55) {
      const Named b = game::kButtons[s.below(3)];
      good = s.event("click", [&] { s.rt.click(b); });
    } else if (kind < 80) {
      const TimerId t = static_cast<TimerId>(s.below(3));
      good = s.event("tick", [&] { s.rt.tick(t); });
    } else if (kind < 99) {
      const double ms = s.below(300);
      good = s.event("run", [&] { s.rt.run_for(ms); });
    } else {
      good = s.event("unload and show", [&] { new_game(s.rt); });
    }
    if (!good) break;
  }
  return s.finish();
}

PlayReport bot_play(std::uint32_t seed, double game_ms) {
  Player s(seed);
  int held = 0;
  std::int64_t bonus_before = 0;
  double distracted_until = 0;
  while (s.rt.now() < game_ms) {
    bool good = true;
    // Now and then the player looks away for two seconds and may lose the ball.
    if (s.below(4000) == 0) distracted_until = s.rt.now() + 2000;
    const bool distracted = s.rt.now() < distracted_until;
    if (s.visible(Named::gameover)) {
      good = s.event("click gameover", [&] { s.rt.click(Named::gameover); });
    } else if (s.visible(Named::nextlevel)) {
      good = s.event("click nextlevel", [&] { s.rt.click(Named::nextlevel); });
    } else if (s.visible(Named::pause)) {
      good = s.event("click pause", [&] { s.rt.click(Named::pause); });
    } else {
      const auto& ball = s.rt.scene().get(Named::ball);
      const auto& paddle = s.rt.scene().get(Named::paddle);
      const double ball_mid = ball.left + ball.width / 2.0;
      const double paddle_mid = paddle.left + paddle.width / 2.0;
      // Aim a little off centre, a different way each time, so rebounds vary.
      const double aim = paddle_mid + (s.below(5) - 2) * static_cast<double>(paddle.width) / 6.0;
      int want = 0;
      if (distracted) {
        want = 0;
      } else if (s.state.stepx == 0 && s.state.stepy == 0) {
        want = game::kKeyRight;  // a resting ball: move to launch it
      } else if (ball_mid < aim - 60) {
        want = game::kKeyLeft;
      } else if (ball_mid > aim + 60) {
        want = game::kKeyRight;
      }
      if (want != held) {
        if (want == 0) {
          good = s.event("keyup", [&] { s.rt.key_up(held, 0); });
        } else {
          good = s.event("keydown", [&] { s.rt.key_down(want, 0); });
        }
        held = want;
      }
      if (good && s.below(5000) == 0)
        good = s.event("pause", [&] { s.rt.key_down(game::kKeyP, 0); });
    }
    if (good) good = s.event("run", [&] { s.rt.run_for(25); });
    if (!good) break;
    if (s.state.bonuspoints < bonus_before) ++s.report.extra_lives;
    bonus_before = s.state.bonuspoints;
  }
  return s.finish();
}

}  // namespace zandovik::tools
