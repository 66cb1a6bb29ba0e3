#include <gtest/gtest.h>

#include "tests/harness.h"

namespace zandovik::testing {
namespace {

TEST(Startup, BoundsAndCellSizeComeFromTheBoard) {
  Harness h;
  EXPECT_EQ(h.s.boardleft, 120);
  EXPECT_EQ(h.s.boardtop, 1560);
  EXPECT_EQ(h.s.boardright, 8415);
  EXPECT_EQ(h.s.boardbottom, 7215);
  EXPECT_EQ(h.s.brickwidth, 414.75f);
  EXPECT_EQ(h.s.brickheight, 226.2f);
  EXPECT_EQ(h.s.speed, 138.25);
  EXPECT_EQ(h.s.numpatterns, 3);
  EXPECT_EQ(h.s.levelnum, 1);
  EXPECT_EQ(h.s.pattern, 1);
  EXPECT_EQ(h.s.lives, 3);
}

TEST(Startup, PaddleAndBallAreCentredWithTheBallRestingOnThePaddle) {
  Harness h;
  EXPECT_EQ(h.paddle().width, 1036);  // Int(2.5 x 414.75)
  EXPECT_EQ(h.paddle().height, 169);  // Int(0.75 x 226.2)
  EXPECT_EQ(h.paddle().top, 6762.60009765625f);
  EXPECT_EQ(h.paddle().left, 3749.5f);
  EXPECT_EQ(h.ball().width, 113);
  EXPECT_EQ(h.ball().height, 113);
  EXPECT_EQ(h.ball().left, 4211);
  EXPECT_EQ(h.ball().top + h.ball().height, h.paddle().top);
  EXPECT_EQ(h.paddle().left + h.paddle().width / 2, 4267.5f);  // the board's midline
  EXPECT_EQ(h.ball().left + h.ball().width / 2, 4267.5f);
  EXPECT_EQ(h.s.stepx, 0);
  EXPECT_EQ(h.s.stepy, 0);
}

TEST(Startup, StartDrawsTwoJitterFactorsInOrder) {
  Harness h(false);
  h.rnd({0.2f, 0.6f});
  h.rt.show();
  EXPECT_EQ(h.rng.draws(), 2u);
  EXPECT_DOUBLE_EQ(h.s.jitterx, 0.9899999998509884);
  EXPECT_DOUBLE_EQ(h.s.jittery, 0.9699999988079071);
  game::start(h.g());
  EXPECT_EQ(h.rng.draws(), 4u);
}

TEST(Startup, KeptLivesAndBestScoreSurviveARestart) {
  Harness h(false);
  h.s.lives = 5;
  h.s.hiscore = 4560;
  h.s.points = 990;
  h.rt.show();
  EXPECT_EQ(h.s.lives, 5);
  EXPECT_EQ(h.s.points, 0);
  EXPECT_EQ(h.el(Named::highscore).caption, "004560");
  EXPECT_EQ(h.el(Named::showscore).caption, "000000");
}

TEST(Startup, EveryTimerTicksAndNoButtonShows) {
  Harness h;
  EXPECT_EQ(h.interval(Named::Timer1), 25);
  EXPECT_EQ(h.interval(Named::Timer2), 25);
  EXPECT_EQ(h.interval(Named::Timer3), 50);
  EXPECT_FALSE(h.el(Named::pause).visible);
  EXPECT_FALSE(h.el(Named::nextlevel).visible);
  EXPECT_FALSE(h.el(Named::gameover).visible);
  EXPECT_EQ(h.ui().window_caption(), "Form1");
}

}  // namespace
}  // namespace zandovik::testing
