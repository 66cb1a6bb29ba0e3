#include <gtest/gtest.h>

#include "tests/harness.h"

namespace zandovik::testing {
namespace {

using game::Timer1_Timer;
using game::Timer2_Timer;

// --- The paddle -----------------------------------------------------------

TEST(Paddle, StopsFlushAgainstEitherWall) {
  Harness h;
  h.ui().set_left(h.paddle(), 8415 - 1036 - 100);
  h.s.paddledir = 1;
  Timer1_Timer(h.g());
  EXPECT_EQ(h.paddle().left, 7379);
  Timer1_Timer(h.g());
  EXPECT_EQ(h.paddle().left, 7379);
  h.ui().set_left(h.paddle(), 200);
  h.s.paddledir = 2;
  Timer1_Timer(h.g());
  EXPECT_EQ(h.paddle().left, 120);
  Timer1_Timer(h.g());
  EXPECT_EQ(h.paddle().left, 120);
}

TEST(Paddle, MovesTwiceTheBallSpeedAndAnyReleaseStopsIt) {
  Harness h;
  h.rt.key_down(game::kKeyRight, 0);
  Timer1_Timer(h.g());
  EXPECT_EQ(h.paddle().left, 3749.5f + 276.5f);
  h.rt.key_down(game::kKeyLeft, 0);  // the last arrow pressed wins
  Timer1_Timer(h.g());
  EXPECT_EQ(h.paddle().left, 3749.5f);
  h.rt.key_up(16, 1);  // releasing Shift stops it too
  Timer1_Timer(h.g());
  EXPECT_EQ(h.paddle().left, 3749.5f);
  EXPECT_EQ(h.s.paddledir, 0);
}

// Where the window draws the paddle ahead of its tick: the share of a step
// the rules would take, clamped as they clamp it.
TEST(Paddle, AShareOfAStepGoesThatShareOfTheWayAndNeverThroughAWall) {
  struct Case {
    int dir;
    double left, share, drawn;
  };
  for (const Case& c :
       {Case{1, 3749.5, 0.5, 3887.75}, Case{2, 3749.5, 0.25, 3680.375}, Case{1, 7300, 1, 7379},
        Case{2, 150, 0.5, 120}, Case{0, 3749.5, 1, 3749.5}, Case{1, 3749.5, 1, 3749.5 + 276.5}}) {
    Harness h;
    h.s.paddledir = c.dir;
    EXPECT_EQ(game::paddle_moved(h.s, c.left, h.paddle().width, c.share), c.drawn)
        << c.dir << " from " << c.left << " by " << c.share;
  }
}

// --- The ball tick ----------------------------------------------------------

TEST(BallTick, ARestingBallWithAStillPaddleDrawsNothingAndStaysPut) {
  Harness h;
  auto draws = h.rng.draws();
  Timer2_Timer(h.g());
  EXPECT_EQ(h.rng.draws(), draws);
  EXPECT_EQ(h.ball().left, 4211);
  EXPECT_EQ(h.ball().top, 6649.60009765625f);
  EXPECT_EQ(h.s.lastcell, 471);  // the probes still ran: bottom probe in (11, 24)
}

TEST(BallTick, LaunchDirectionsMirrorEachOtherForTheSameDraw) {
  Harness right, left;
  for (Harness* h : {&right, &left}) {
    h->s.jitterx = 1;
    h->s.jittery = 1;
    h->rnd({0.5f});
  }
  right.s.paddledir = 1;
  left.s.paddledir = 2;
  Timer2_Timer(right.g());
  Timer2_Timer(left.g());
  EXPECT_EQ(right.s.stepy, 73);
  EXPECT_EQ(left.s.stepy, 73);
  EXPECT_DOUBLE_EQ(right.s.stepx, -117.63741226684188);
  EXPECT_DOUBLE_EQ(left.s.stepx, 117.63741226684188);
  EXPECT_EQ(right.ball().left, static_cast<float>(4211 - 117.63741226684188));
  EXPECT_EQ(right.ball().top, static_cast<float>(6649.60009765625 - 73));
}

TEST(BallTick, ALaunchWithNegativeCosineHeadsDown) {
  Harness h;
  h.rnd({0.15f});  // a = 34.5 radians
  h.place_ball(300, 5000);
  h.s.paddledir = 1;
  h.s.jittery = 1;
  const float top = h.ball().top;
  Timer2_Timer(h.g());
  EXPECT_EQ(h.s.stepy, -138);
  EXPECT_EQ(h.ball().top, top + 138);
}

TEST(BallTick, ANearlyLevelLaunchMovesOnlySidewaysAndNeverRelaunches) {
  Harness h;
  h.rnd({0.0995575f});
  h.s.paddledir = 2;
  Timer2_Timer(h.g());
  EXPECT_EQ(h.s.stepy, 0);
  EXPECT_NEAR(h.s.stepx, 138.25, 1e-6);
  auto draws = h.rng.draws();
  Timer2_Timer(h.g());
  EXPECT_EQ(h.rng.draws(), draws);
}

TEST(BallTick, TheRightWallClampUsesTheBallWidthAndRerollsTheJitter) {
  Harness h;
  h.place_ball(8415 - 113 - 10, 5000);
  h.s.stepx = 50;
  h.s.jitterx = 1;
  h.rnd({0.4f});
  Timer2_Timer(h.g());
  EXPECT_EQ(h.ball().left + h.ball().width, 8415);
  EXPECT_EQ(h.s.stepx, -50);
  EXPECT_DOUBLE_EQ(h.s.jitterx, 1 - static_cast<double>(0.4f) * 0.05);
}

TEST(BallTick, TheLeftWallClampsToTheBoardEdge) {
  Harness h;
  h.place_ball(130, 5000);
  h.s.stepx = -50;
  h.s.jitterx = 1;
  h.rnd({0.0f});
  Timer2_Timer(h.g());
  EXPECT_EQ(h.ball().left, 120);
  EXPECT_EQ(h.s.stepx, 50);
  EXPECT_EQ(h.s.jitterx, 1);
}

TEST(BallTick, ACeilingBounceShowsItsDrawInTheCaption) {
  Harness h;
  h.place_ball(300, 1570);
  h.s.stepy = 50;
  h.s.jittery = 1;
  h.rnd({0.3f, 0.45f});
  Timer2_Timer(h.g());
  EXPECT_EQ(h.ball().top, 1560);
  EXPECT_EQ(h.s.stepy, -50);
  EXPECT_EQ(h.s.luckdraw, 2);
  EXPECT_EQ(h.ui().window_caption(), " 2");
  EXPECT_EQ(h.s.bricksleft, 110);
}

TEST(BallTick, ACeilingDrawOfZeroTakesABrickOffTheCount) {
  Harness h;
  h.s.bricksleft = 37;
  h.place_ball(300, 1570);
  h.s.stepy = 50;
  h.rnd({0.3f, 0.1f});
  Timer2_Timer(h.g());
  EXPECT_EQ(h.ui().window_caption(), " 0");
  EXPECT_EQ(h.s.bricksleft, 36);
  EXPECT_EQ(h.el(Named::numbricks).caption, "036");
  EXPECT_FALSE(h.el(Named::nextlevel).visible);
}

TEST(BallTick, ACeilingDrawOfZeroOnTheLastBrickEndsTheLevelAndTheTickRunsOn) {
  Harness h;
  h.s.bricksleft = 1;
  h.place_ball(300, 1570);
  h.s.stepx = 20;
  h.s.stepy = 50;
  h.s.jitterx = 1;
  h.rnd({0.3f, 0.0f});
  Timer2_Timer(h.g());
  EXPECT_EQ(h.el(Named::numbricks).caption, "000");
  EXPECT_TRUE(h.el(Named::nextlevel).visible);
  EXPECT_EQ(h.interval(Named::Timer2), 0);
  EXPECT_EQ(h.ball().left, 320);  // the move still happened
  EXPECT_NE(h.s.lastcell, 0);     // and so did the probe
}

TEST(BallTick, AFloorCrossingPutsTheBottomEdgeOnTheFloor) {
  Harness h;
  h.place_ball(300, 7200);
  h.s.stepy = -50;
  h.s.jittery = 1;
  h.s.lives = 3;
  h.rnd({0.5f});
  Timer2_Timer(h.g());
  h.rt.finish_stall();
  // Bottom on the floor: the probe took it as the ball lost, and start ran.
  EXPECT_EQ(h.rt.stalls(), 1u);
  EXPECT_EQ(h.s.lives, 2);
  EXPECT_EQ(h.s.stepy, 0);
}

// --- The brick probe ------------------------------------------------------

struct ProbeTest : ::testing::Test {
  Harness h;
  void SetUp() override {
    h.clear_board();
    h.s.jitterx = 1;
    h.s.jittery = 1;
    h.s.stepx = 33;
    h.s.stepy = 40;
  }
  void brick_at(int x, int y, std::int16_t v) {
    h.s.cells[x][y] = v;
    h.ui().set_visible(h.brick(x + 20 * (y - 1)), true);
  }
};

TEST_F(ProbeTest, TheTopProbeChargesTheBrickAboveAndSendsTheBallDown) {
  brick_at(5, 10, 3);
  h.place_ball(1900, 3800);
  h.rnd({0.5f, 0.2f, 0.6f});
  game::whereball(h.g());
  EXPECT_EQ(h.s.cells[5][10], 2);
  EXPECT_EQ(h.s.points, 10);
  EXPECT_EQ(h.el(Named::showscore).caption, "000010");
  EXPECT_EQ(h.s.stepy, -98);
  EXPECT_EQ(h.s.stepx, 33);      // the horizontal step is kept
  EXPECT_EQ(h.s.lastcell, 185);  // and probes 2 to 4 were not made
  EXPECT_DOUBLE_EQ(h.s.angle, 0.7853981625);
  EXPECT_DOUBLE_EQ(h.s.jitterx, 0.9899999998509884);
  EXPECT_DOUBLE_EQ(h.s.jittery, 0.9699999988079071);
  EXPECT_EQ(h.brick(185).caption, "2");
}

TEST_F(ProbeTest, ACellEqualToLastCellIsSkippedAndTheNextProbeIsMade) {
  brick_at(5, 10, 3);
  h.place_ball(1900, 3800);
  h.s.lastcell = 185;
  auto draws = h.rng.draws();
  game::whereball(h.g());
  EXPECT_EQ(h.s.cells[5][10], 3);
  EXPECT_EQ(h.rng.draws(), draws);
  EXPECT_EQ(h.s.lastcell, 205);  // probes 2 to 4 all lie in (5, 11)
}

TEST_F(ProbeTest, TopAndLeftTouchedTogetherChargeTheTopBrickOnly) {
  brick_at(5, 10, 3);
  brick_at(4, 11, 2);
  h.place_ball(1770, 3800);
  h.rnd({0.0f, 0.0f, 0.0f});
  game::whereball(h.g());
  EXPECT_EQ(h.s.cells[5][10], 2);
  EXPECT_EQ(h.s.cells[4][11], 2);
  EXPECT_EQ(h.s.stepy, -130);
  EXPECT_EQ(h.s.stepx, 33);
}

TEST_F(ProbeTest, TheLeftProbeSendsTheBallRightWithANewHorizontalStep) {
  brick_at(4, 11, 2);
  h.place_ball(1770, 3850);  // top probe in (5, 11): empty
  h.rnd({0.0f, 0.0f, 0.0f});
  game::whereball(h.g());
  EXPECT_EQ(h.s.cells[4][11], 1);
  EXPECT_DOUBLE_EQ(h.s.stepx, 47.284284762956034);
  EXPECT_EQ(h.s.stepy, 40);
  EXPECT_EQ(h.s.lastcell, 4 + 20 * 10);
}

TEST_F(ProbeTest, AnUnbreakableBrickEarnsNothingButStillRebounds) {
  brick_at(5, 10, 9);
  h.place_ball(1900, 3800);
  h.rnd({0.5f, 0.2f, 0.6f});
  game::whereball(h.g());
  EXPECT_EQ(h.s.cells[5][10], 9);
  EXPECT_EQ(h.s.points, 0);
  EXPECT_EQ(h.s.bonuspoints, 10);
  EXPECT_EQ(h.el(Named::showscore).caption, "000010");  // the deduction is not shown
  EXPECT_EQ(h.s.hiscore, 10);
  EXPECT_EQ(h.rng.draws(), 2u + 3u);
  EXPECT_EQ(h.s.stepy, -98);
  EXPECT_EQ(h.brick(185).caption, "!");
}

TEST_F(ProbeTest, AProbeBeyondTheTableCountsAsAnEmptyCell) {
  h.place_ball(-50000, -90000);
  game::whereball(h.g());
  EXPECT_EQ(h.s.points, 0);
}

// --- The paddle rebound ---------------------------------------------------

struct ReboundTest : ::testing::Test {
  Harness h;
  const float centre = 3749.5f + 518;
  void put_ball(float left) {
    h.place_ball(left, h.paddle().top - 50);
    h.s.stepx = 0;
    h.s.stepy = -60;
    h.rnd({0.5f});
  }
};

TEST_F(ReboundTest, ABallLevelWithEitherEndOfThePaddlePassesBy) {
  for (float left : {3749.5f, 3749.5f + 1036 - 113, 3700.0f, 4750.0f}) {
    put_ball(left);
    game::hitpaddle(h.g());
    EXPECT_EQ(h.s.stepy, -60) << left;
    h.rng = scene::Rng([] { return 1u; });
  }
}

TEST_F(ReboundTest, ABallWhollyOverTheLeftHalfLeavesLeft) {
  put_ball(centre - 113);  // right edge on the centre
  game::hitpaddle(h.g());
  EXPECT_EQ(h.s.stepy, 98);
  EXPECT_DOUBLE_EQ(h.s.stepx, -97.75751241130789);
}

TEST_F(ReboundTest, ABallStraddlingOrRightOfTheCentreLeavesRight) {
  for (float left : {centre - 50, centre, centre + 200}) {
    put_ball(left);
    game::hitpaddle(h.g());
    EXPECT_EQ(h.s.stepy, 98);
    EXPECT_DOUBLE_EQ(h.s.stepx, 97.75751241130789) << left;
  }
}

TEST_F(ReboundTest, TheBandTestIsStrictSoARestingBallNeverRebounds) {
  auto draws = h.rng.draws();
  game::whereball(h.g());
  EXPECT_EQ(h.rng.draws(), draws);
  h.place_ball(4000, h.paddle().top - 112.5);  // one half twip into the band
  h.rnd({0.5f});
  game::whereball(h.g());
  EXPECT_EQ(h.s.stepy, 98);
}

}  // namespace
}  // namespace zandovik::testing
