#include <gtest/gtest.h>

#include "tests/harness.h"

namespace zandovik::testing {
namespace {

using scene::Named;

// --- Score and lives --------------------------------------------------------

TEST(Score, TheFirstExtraLifeComesWithThe501stHit) {
  Harness h;
  for (int i = 0; i < 500; ++i) game::updatescore(h.g());
  EXPECT_EQ(h.s.bonuspoints, 5000);
  EXPECT_EQ(h.s.lives, 3);
  game::updatescore(h.g());
  EXPECT_EQ(h.s.lives, 4);
  EXPECT_EQ(h.s.bonuspoints, 10);
  EXPECT_TRUE(h.life(4).visible);
  for (int i = 0; i < 500; ++i) game::updatescore(h.g());
  EXPECT_EQ(h.s.lives, 5);  // the 1001st hit
}

TEST(Score, WithSixLivesABonusStillCostsFiveThousandButAddsNoLife) {
  Harness h;
  h.s.lives = 6;
  h.s.bonuspoints = 4995;
  game::updatescore(h.g());
  EXPECT_EQ(h.s.lives, 6);
  EXPECT_EQ(h.s.bonuspoints, 5);
}

TEST(Score, ALifeCountAtTheTopOfItsRangeSaturatesInsteadOfWrapping) {
  Harness h;
  h.s.lives = 32767;  // only the driver writes such a count
  h.s.bonuspoints = 4995;
  game::updatescore(h.g());
  EXPECT_EQ(h.s.lives, 6);
  h.s.stepy = -32768;
  h.s.stepy = -h.s.stepy;
  EXPECT_EQ(h.s.stepy, 32767);
}

TEST(Score, AScoreEqualToTheBestChangesNothingAndOnePastItDoes) {
  Harness h;
  h.s.hiscore = 20;
  h.ui().set_caption(h.el(Named::highscore), "keep");
  h.s.points = 10;
  game::updatescore(h.g());
  EXPECT_EQ(h.s.hiscore, 20);
  EXPECT_EQ(h.el(Named::highscore).caption, "keep");
  game::updatescore(h.g());
  EXPECT_EQ(h.s.hiscore, 30);
  EXPECT_EQ(h.el(Named::highscore).caption, "000030");
}

TEST(Score, AMillionPointsReadsAllZeroes) {
  Harness h;
  h.s.points = 999990;
  h.s.hiscore = 999990;
  game::updatescore(h.g());
  EXPECT_EQ(h.el(Named::showscore).caption, "000000");
  EXPECT_EQ(h.el(Named::highscore).caption, "000000");
  EXPECT_EQ(h.s.hiscore, 1000000);
}

TEST(Lives, ABallLostWithThreeLivesStartsTheNextAttempt) {
  Harness h;
  h.place_ball(300, 7000);
  h.ui().set_left(h.paddle(), 120);
  h.lostlife();
  EXPECT_EQ(h.rt.stalls(), 1u);
  EXPECT_FALSE(h.life(3).visible);
  EXPECT_EQ(h.s.lives, 2);
  EXPECT_EQ(h.paddle().left, 3749.5f);
  EXPECT_EQ(h.ball().left, 4211);
  EXPECT_EQ(h.interval(Named::Timer1), 25);
  EXPECT_EQ(h.interval(Named::Timer2), 25);
}

TEST(Lives, ABallLostWithTheLastLifeEndsTheGame) {
  Harness h;
  h.s.lives = 1;
  h.place_ball(300, 7102);
  h.lostlife();
  EXPECT_FALSE(h.life(1).visible);
  EXPECT_EQ(h.s.lives, 0);
  EXPECT_TRUE(h.el(Named::gameover).visible);
  EXPECT_EQ(h.interval(Named::Timer1), 0);
  EXPECT_EQ(h.interval(Named::Timer2), 0);
  EXPECT_EQ(h.interval(Named::Timer3), 50);
  EXPECT_EQ(h.ball().top, 7102);  // the ball stays where it was lost
}

TEST(Lives, PlayAfterGameOverNeverCountsBelowZeroOrAddressesAMissingMarker) {
  Harness h;
  h.s.lives = 0;
  h.rt.key_down(game::kKeyF1, 0);   // play on with no life left
  game::updatescore(h.g());         // no marker life(0) to show
  EXPECT_EQ(h.visible_lives(), 3);  // the design's markers are untouched
  for (int k = 1; k <= 3; ++k) h.ui().set_visible(h.life(k), false);
  h.lostlife();
  EXPECT_EQ(h.s.lives, 0);
  EXPECT_TRUE(h.el(Named::gameover).visible);
  EXPECT_EQ(h.interval(Named::Timer2), 0);
}

// --- Level progression ------------------------------------------------------

void clear_level(Harness& h) {
  h.s.bricksleft = 1;
  game::nextlvl(h.g());
}

TEST(Levels, ClearingALevelFreezesPlayAndOffersTheNextOne) {
  Harness h;
  const float ball_left = h.ball().left;
  clear_level(h);
  EXPECT_EQ(h.el(Named::nextlevel).caption, "Level: 2");
  EXPECT_TRUE(h.el(Named::nextlevel).visible);
  EXPECT_EQ(h.interval(Named::Timer1), 0);
  EXPECT_EQ(h.interval(Named::Timer3), 50);
  EXPECT_EQ(h.ball().left, ball_left);
  ASSERT_TRUE(h.rt.click(Named::nextlevel));
  EXPECT_FALSE(h.el(Named::nextlevel).visible);
  EXPECT_EQ(h.s.lives, 4);
  EXPECT_FALSE(h.life(4).visible);  // shown with the first hit of the new level
  EXPECT_EQ(h.el(Named::numbricks).caption, "128");
  EXPECT_EQ(h.interval(Named::Timer2), 25);
  game::updatescore(h.g());
  EXPECT_TRUE(h.life(4).visible);
}

TEST(Levels, PatternsCycleWhileTheLevelNumberCountsOn) {
  Harness h;
  const std::vector<std::pair<int, const char*>> want = {{2, "128"}, {3, "112"}, {1, "110"}};
  int level = 1;
  for (const auto& [pattern, count] : want) {
    clear_level(h);
    ++level;
    EXPECT_EQ(h.s.pattern, pattern);
    EXPECT_EQ(h.el(Named::nextlevel).caption, "Level:" + scene::Str(level));
    h.rt.click(Named::nextlevel);
    EXPECT_EQ(h.el(Named::numbricks).caption, std::string(count));
  }
  EXPECT_EQ(h.el(Named::nextlevel).caption, "Level: 4");
  EXPECT_EQ(h.s.lives, 6);
  clear_level(h);
  h.rt.click(Named::nextlevel);
  EXPECT_EQ(h.s.lives, 6);
}

TEST(Commands, F1AndF2WrapAroundThePatternsAndClearTheScore) {
  Harness h;
  h.s.points = 500;
  h.s.bonuspoints = 4000;
  h.s.hiscore = 500;
  std::vector<std::int64_t> seen;
  for (int i = 0; i < 3; ++i) {
    h.rt.key_down(game::kKeyF1, 2);  // Ctrl makes no difference
    seen.push_back(h.s.pattern);
  }
  for (int i = 0; i < 3; ++i) {
    h.rt.key_down(game::kKeyF2, 0);
    seen.push_back(h.s.pattern);
  }
  EXPECT_EQ(seen, (std::vector<std::int64_t>{2, 3, 1, 3, 2, 1}));
  EXPECT_EQ(h.s.points, 0);
  EXPECT_EQ(h.s.bonuspoints, 0);
  EXPECT_EQ(h.el(Named::showscore).caption, "000000");
  EXPECT_EQ(h.s.hiscore, 500);
  EXPECT_EQ(h.s.lives, 3);
  EXPECT_EQ(h.s.levelnum, 1);
}

TEST(Commands, PTwiceIsPOnceAndPauseResumesWithTheSameSteps) {
  Harness h;
  h.s.stepx = 40;
  h.s.stepy = 60;
  h.rt.key_down(game::kKeyP, 0);
  h.rt.key_down(game::kKeyP, 1);
  EXPECT_TRUE(h.el(Named::pause).visible);
  EXPECT_EQ(h.interval(Named::Timer1), 0);
  h.rt.click(Named::pause);
  EXPECT_FALSE(h.el(Named::pause).visible);
  EXPECT_EQ(h.interval(Named::Timer1), 25);
  EXPECT_EQ(h.s.stepx, 40);
  EXPECT_EQ(h.s.stepy, 60);
}

TEST(Commands, PWhileTheNextLevelButtonShowsThenPauseGoesOnOverTheClearedBoard) {
  Harness h;
  clear_level(h);
  h.rt.key_down(game::kKeyP, 0);
  EXPECT_TRUE(h.el(Named::pause).visible);
  EXPECT_TRUE(h.el(Named::nextlevel).visible);
  h.rt.click(Named::pause);
  EXPECT_EQ(h.interval(Named::Timer2), 25);
  EXPECT_TRUE(h.el(Named::nextlevel).visible);
  h.rt.click(Named::nextlevel);  // still adds a life and builds the current pattern
  EXPECT_EQ(h.s.pattern, 2);
  EXPECT_EQ(h.s.lives, 4);
}

TEST(Commands, F1WhilePausedRestartsPlayWithThePauseButtonStillShowing) {
  Harness h;
  h.rt.key_down(game::kKeyP, 0);
  h.rt.key_down(game::kKeyF1, 0);
  EXPECT_EQ(h.interval(Named::Timer1), 25);
  EXPECT_TRUE(h.el(Named::pause).visible);
  h.rt.click(Named::pause);
  EXPECT_FALSE(h.el(Named::pause).visible);
  EXPECT_EQ(h.s.pattern, 2);
}

TEST(Commands, ANewGameKeepsTheBestScoreAndStartsFromPatternOne) {
  Harness h;
  h.s.points = 770;
  h.s.hiscore = 990;
  h.s.pattern = 3;
  h.s.levelnum = 5;
  h.s.lives = 1;
  h.place_ball(300, 7102);
  h.lostlife();
  ASSERT_TRUE(h.el(Named::gameover).visible);
  ASSERT_TRUE(h.rt.click(Named::gameover));
  EXPECT_EQ(h.el(Named::showscore).caption, "000000");
  EXPECT_EQ(h.el(Named::highscore).caption, "000990");
  EXPECT_EQ(h.visible_lives(), 3);
  EXPECT_EQ(h.s.lives, 3);
  EXPECT_EQ(h.s.pattern, 1);
  EXPECT_EQ(h.el(Named::numbricks).caption, "110");
  EXPECT_FALSE(h.el(Named::gameover).visible);
  EXPECT_EQ(h.ui().window_caption(), "Form1");
  EXPECT_TRUE(h.ui().exists(Array::logoball, 2));
  clear_level(h);
  EXPECT_EQ(h.el(Named::nextlevel).caption, "Level: 2");
}

}  // namespace
}  // namespace zandovik::testing
