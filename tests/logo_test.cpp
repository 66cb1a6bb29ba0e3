#include <gtest/gtest.h>

#include "tests/harness.h"

namespace zandovik::testing {
namespace {

struct Logo : ::testing::Test {
  Harness h;
  const Element& ball(int i) { return h.ui().item(Array::logoball, i); }
};

TEST_F(Logo, BallsStartOnThePanelCentreWithTheirOwnSteps) {
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(ball(i).left, 3120 + 2535 / 2.0f);
    EXPECT_EQ(ball(i).top, 307.5f);
    EXPECT_EQ(ball(i).width, 75.4f);
    EXPECT_EQ(ball(i).height, 75.4f);
    EXPECT_TRUE(ball(i).visible);
  }
  EXPECT_DOUBLE_EQ(h.s.logostepx[0], 182.49);
  EXPECT_DOUBLE_EQ(h.s.logostepx[1], -165.9);
  EXPECT_DOUBLE_EQ(h.s.logostepx[2], 149.31);
  EXPECT_EQ(h.s.logostepy, (std::array<scene::I16, 3>{149, -166, -182}));
  // logoball(2) ends up frontmost, all three in front of the title.
  EXPECT_EQ(h.ui().front_to_back().front(), &ball(2));
  EXPECT_GT(ball(0).z, h.el(Named::logo).z);
}

TEST_F(Logo, TheFirstTwoTicksMoveAndBounceAsDesigned) {
  game::Timer3_Timer(h.g());
  EXPECT_EQ(ball(0).top, 456.5f);
  EXPECT_EQ(ball(1).top, 141.5f);
  EXPECT_EQ(ball(2).top, 125.5f);
  EXPECT_EQ(ball(0).left, static_cast<float>(4387.5 + 182.49));
  game::Timer3_Timer(h.g());
  EXPECT_EQ(ball(0).top, 539.6f);  // flush with the bottom edge
  EXPECT_EQ(h.s.logostepy[0], -149);
  EXPECT_EQ(ball(1).top, 0);
  EXPECT_EQ(ball(2).top, 0);
  EXPECT_EQ(h.s.logostepy[1], 166);
  EXPECT_EQ(h.s.logostepy[2], 182);
}

TEST_F(Logo, BallZeroMeetsTheRightEdgeOnTheSeventhTick) {
  for (int t = 0; t < 6; ++t) game::Timer3_Timer(h.g());
  EXPECT_DOUBLE_EQ(h.s.logostepx[0], 182.49);
  game::Timer3_Timer(h.g());
  EXPECT_EQ(ball(0).left, 3120 + 2535 - 75.4f);
  EXPECT_DOUBLE_EQ(h.s.logostepx[0], -182.49);
}

TEST_F(Logo, BallsKeepMovingWhilePlayIsStoppedAndStayInsideThePanel) {
  h.rt.key_down(game::kKeyP, 0);
  const float before = ball(0).left;
  h.rt.run_for(10000);
  EXPECT_NE(ball(0).left, before);
  for (int i = 0; i < 3; ++i) {
    EXPECT_GE(ball(i).left, 3120);
    EXPECT_LE(ball(i).left + ball(i).width, 3120 + 2535);
    EXPECT_GE(ball(i).top, 0);
    EXPECT_LE(ball(i).top + ball(i).height, 615);
  }
  EXPECT_EQ(std::abs(h.s.logostepy[1]), 166);  // steps never change size
}

}  // namespace
}  // namespace zandovik::testing
