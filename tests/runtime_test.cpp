#include "game/runtime.h"

#include <gtest/gtest.h>

#include "tests/harness.h"

namespace zandovik::testing {
namespace {

using game::TimerId;
using Tick = std::pair<TimerId, double>;

TEST(Runtime, TimersTickAtTheirIntervalsFromCreationAndTiesGoInTimerOrder) {
  Harness h;
  h.rt.run_for(100);
  const std::vector<Tick> want = {
      {TimerId::Timer1, 25},  {TimerId::Timer2, 25}, {TimerId::Timer1, 50}, {TimerId::Timer2, 50},
      {TimerId::Timer3, 50},  {TimerId::Timer1, 75}, {TimerId::Timer2, 75}, {TimerId::Timer1, 100},
      {TimerId::Timer2, 100}, {TimerId::Timer3, 100}};
  EXPECT_EQ(h.ticks, want);
  EXPECT_EQ(h.rt.now(), 100);
}

TEST(Runtime, AnIntervalWriteRestartsTheCountAndZeroStopsTheTimer) {
  Harness h;
  h.rt.run_for(10);
  h.ui().set_interval(h.el(Named::Timer1), 25);  // same value, fresh count
  h.ui().set_interval(h.el(Named::Timer2), 0);
  h.rt.sync_timers();
  h.ticks.clear();
  h.rt.run_for(40);
  const std::vector<Tick> want = {{TimerId::Timer1, 35}, {TimerId::Timer3, 50}};
  EXPECT_EQ(h.ticks, want);
}

TEST(Runtime, PauseStopsThePlayTimersUntilTheButtonIsClicked) {
  Harness h;
  h.rt.key_down(game::kKeyP, 0);
  h.ticks.clear();
  h.rt.run_for(100);
  for (auto& [t, when] : h.ticks) EXPECT_EQ(t, TimerId::Timer3);
  EXPECT_TRUE(h.rt.click(scene::Named::pause));
  EXPECT_FALSE(h.rt.click(scene::Named::pause));  // hidden now: nothing runs
  h.ticks.clear();
  h.rt.run_for(25);
  EXPECT_EQ(h.ticks.front(), (Tick{TimerId::Timer1, 125}));
}

// Drops the ball onto the floor so the next ball tick loses it.
void lose_ball_next_tick(Harness& h) {
  h.place_ball(200, h.s.boardbottom - h.ball().height + 5);
}

TEST(Runtime, TheStallHoldsEveryTimerAndEachTicksOnceLateAfterIt) {
  Harness h;
  h.rt.run_for(20);
  lose_ball_next_tick(h);
  h.ticks.clear();
  h.rt.run_for(600);
  EXPECT_EQ(h.rt.stalls(), 1u);
  ASSERT_GE(h.ticks.size(), 10u);
  // Timer1 and Timer2 at 25; Timer2's tick loses the ball and stalls to 525.
  EXPECT_EQ(h.ticks[0], (Tick{TimerId::Timer1, 25}));
  EXPECT_EQ(h.ticks[1], (Tick{TimerId::Timer2, 25}));
  // One late tick each, in the order they fell due, then a full interval on.
  // All three fell due at 50: ties go in timer order.
  EXPECT_EQ(h.ticks[2], (Tick{TimerId::Timer1, 525}));
  EXPECT_EQ(h.ticks[3], (Tick{TimerId::Timer2, 525}));
  EXPECT_EQ(h.ticks[4], (Tick{TimerId::Timer3, 525}));
  EXPECT_EQ(h.ticks[5], (Tick{TimerId::Timer1, 550}));
  EXPECT_EQ(h.ticks[6], (Tick{TimerId::Timer2, 550}));
  EXPECT_EQ(h.ticks[7], (Tick{TimerId::Timer1, 575}));
  EXPECT_EQ(h.ticks[9], (Tick{TimerId::Timer3, 575}));
  EXPECT_EQ(h.rt.now(), 620);
}

TEST(Runtime, AStallPastTheEndOfARunEndsTheRunAfterTheLateTicks) {
  Harness h;
  lose_ball_next_tick(h);
  h.rt.run_for(30);
  EXPECT_EQ(h.rt.now(), 525);
  EXPECT_EQ(h.ticks.back(), (Tick{TimerId::Timer3, 525}));
  EXPECT_EQ(h.ticks.size(), 5u);
}

TEST(Runtime, RealTimeCatchUpTicksOnceInsteadOfInABurst) {
  Harness h;
  h.rt.advance_to(1000);  // the process was held up for a second
  int timer1 = 0;
  for (auto& [t, when] : h.ticks) timer1 += t == TimerId::Timer1;
  EXPECT_EQ(timer1, 1);
  EXPECT_EQ(h.rt.next_due(), 1025);
}

TEST(Runtime, ReloadKeepsGameStateAndRestartsTheTimers) {
  Harness h;
  h.s.hiscore = 1230;
  h.s.lives = 0;
  h.rt.run_for(10);
  h.ui().set_visible(h.el(Named::gameover), true);
  auto gen = h.rt.generation();
  EXPECT_TRUE(h.rt.click(scene::Named::gameover));
  EXPECT_EQ(h.rt.generation(), gen + 1);
  EXPECT_EQ(h.el(Named::highscore).caption, "001230");
  EXPECT_EQ(h.s.lives, 3);
  EXPECT_FALSE(h.el(Named::gameover).visible);
  h.ticks.clear();
  h.rt.run_for(25);
  EXPECT_EQ(h.ticks.front(), (Tick{TimerId::Timer1, 35}));
}

}  // namespace
}  // namespace zandovik::testing

namespace zandovik::testing {
namespace {

// A clock like the window's: time passes on its own.
struct WallClock final : game::Clock {
  double t = 0;
  double now() const override { return t; }
};

TEST(Runtime, InputThatArrivesDuringTheStallIsHandledAfterItInOrder) {
  GameState s{};
  scene::Rng rng([] { return 1u; });
  WallClock clock;
  game::Runtime rt(s, rng, &clock);
  rt.show();
  rt.scene().move(rt.scene().get(Named::ball), 300, 7150);
  rt.tick(game::TimerId::Timer2);
  ASSERT_TRUE(rt.stalled());
  EXPECT_EQ(rt.next_due(), 500);
  // The player presses keys while the game holds still.
  rt.key_down(game::kKeyRight, 0);
  rt.key_down(game::kKeyP, 0);
  clock.t = 499;
  rt.advance_to(clock.t);
  EXPECT_EQ(s.paddledir, 0);  // nothing ran in the stall
  EXPECT_EQ(s.lives, 3);
  clock.t = 501;
  rt.advance_to(clock.t);
  EXPECT_FALSE(rt.stalled());
  EXPECT_EQ(s.lives, 2);
  // After it: Right, then P, in that order (start had reset the paddle first).
  EXPECT_EQ(s.paddledir, 1);
  EXPECT_TRUE(rt.scene().get(Named::pause).visible);
  EXPECT_EQ(rt.scene().get(Named::Timer1).interval, 0);
}

}  // namespace
}  // namespace zandovik::testing
