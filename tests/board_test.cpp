#include <gtest/gtest.h>

#include "tests/harness.h"

namespace zandovik::testing {
namespace {

struct Count {
  int shown = 0, bang = 0;
};

Count count_bricks(Harness& h) {
  Count c;
  for (int k = 1; k <= 500; ++k) {
    if (!h.brick(k).visible) continue;
    ++c.shown;
    c.bang += h.brick(k).caption == "!";
  }
  return c;
}

TEST(Board, BricksTileTheBoardRowByRow) {
  Harness h;
  for (int k : {1, 2, 20, 21, 137, 499}) {
    EXPECT_EQ(h.brick(k).left, 120 + static_cast<float>((k - 1) % 20) * 414.75f) << k;
    EXPECT_EQ(h.brick(k).width, 414.75f);
    EXPECT_EQ(h.brick(k).height, 226.2f);
  }
  EXPECT_EQ(h.brick(21).top, 1786.2f);
  const Element& last = h.brick(500);
  EXPECT_EQ(last.top, 6988.7998046875f);
  EXPECT_EQ(last.left + last.width, 8415.0f);  // flush with the board's right edge
  EXPECT_EQ(last.top + last.height, 7215.0f);  // and its bottom edge
}

TEST(Board, PatternOneIsAnInvertedTriangleOf110RedOnes) {
  Harness h;
  EXPECT_EQ(h.el(Named::numbricks).caption, "110");
  EXPECT_EQ(h.s.bricksleft, 110);
  EXPECT_EQ(h.s.builtcount, 110);
  for (int k = 41; k <= 60; ++k) {
    EXPECT_TRUE(h.brick(k).visible);
    EXPECT_EQ(h.brick(k).caption, "1");
    EXPECT_EQ(h.brick(k).back_color, (Rgb{255, 0, 0}));
  }
  EXPECT_FALSE(h.brick(61).visible);  // row 4 starts with a gap
  for (int k = 1; k <= 40; ++k) EXPECT_FALSE(h.brick(k).visible);
  for (int k = 241; k <= 500; ++k) EXPECT_FALSE(h.brick(k).visible);
  EXPECT_EQ(count_bricks(h).shown, 110);
  // An empty cell's brick keeps the template's white fill and reads "0".
  EXPECT_EQ(h.brick(1).caption, "0");
  EXPECT_EQ(h.brick(1).back_color, (Rgb{255, 255, 255}));
}

TEST(Board, PatternsTwoAndThreeCountTheirBreakableBricksOnly) {
  Harness h;
  h.s.pattern = 2;
  game::grid(h.g());
  EXPECT_EQ(h.el(Named::numbricks).caption, "128");
  EXPECT_EQ(count_bricks(h).shown, 128);
  EXPECT_EQ(count_bricks(h).bang, 0);
  h.s.pattern = 3;
  game::grid(h.g());
  EXPECT_EQ(h.el(Named::numbricks).caption, "112");
  EXPECT_EQ(h.s.builtcount, 112);
  EXPECT_EQ(count_bricks(h).shown, 120);
  EXPECT_EQ(count_bricks(h).bang, 8);
  // Cells outside the pattern rows stay empty after any number of builds.
  for (int x = 0; x < game::kCellColumns; ++x) {
    for (int y = 0; y < game::kCellRows; ++y) {
      if (x < 1 || x > 20 || y < 3 || y > 12) {
        ASSERT_EQ(h.s.cells[x][y], 0) << x << "," << y;
      }
    }
  }
}

TEST(Board, ARebuildHidesEveryBrickOfTheOldBoard) {
  Harness h;
  h.s.pattern = 3;
  game::grid(h.g());
  h.s.pattern = 1;
  game::grid(h.g());
  EXPECT_EQ(count_bricks(h).shown, 110);
  EXPECT_EQ(count_bricks(h).bang, 0);
  EXPECT_EQ(h.s.bricksleft, 110);
}

TEST(Bricks, AValueSixBrickTakesEachLowerColourThenGoes) {
  Harness h;
  h.s.pattern = 2;
  game::grid(h.g());
  const int x = 10, y = 8, k = x + 20 * (y - 1);
  ASSERT_EQ(h.s.cells[x][y], 6);
  EXPECT_EQ(h.brick(k).back_color, (Rgb{0, 128, 255}));
  EXPECT_EQ(h.brick(k).caption, "6");
  const std::vector<std::pair<Rgb, std::string>> after = {{{0, 255, 255}, "5"},
                                                          {{0, 255, 0}, "4"},
                                                          {{255, 255, 0}, "3"},
                                                          {{255, 128, 0}, "2"},
                                                          {{255, 0, 0}, "1"}};
  for (const auto& [colour, text] : after) {
    --h.s.cells[x][y];
    game::colorbricks(h.g(), k, x, y);
    EXPECT_EQ(h.brick(k).back_color, colour);
    EXPECT_EQ(h.brick(k).caption, text);
    EXPECT_TRUE(h.brick(k).visible);
    EXPECT_EQ(h.s.bricksleft, 128);
  }
  --h.s.cells[x][y];
  game::colorbricks(h.g(), k, x, y);
  EXPECT_FALSE(h.brick(k).visible);
  EXPECT_EQ(h.brick(k).caption, "0");
  EXPECT_EQ(h.s.bricksleft, 127);
  EXPECT_EQ(h.el(Named::numbricks).caption, "127");
}

TEST(Bricks, TheLastCountableBrickEndsTheLevelBeforeTheCounterReadsZero) {
  Harness h;
  h.s.pattern = 3;
  game::grid(h.g());
  h.s.bricksleft = 1;
  const int x = 9, y = 3, k = x + 20 * (y - 1);
  ASSERT_EQ(h.s.cells[x][y], 1);
  h.s.cells[x][y] = 0;
  game::colorbricks(h.g(), k, x, y);
  EXPECT_EQ(h.el(Named::numbricks).caption, "000");
  EXPECT_TRUE(h.el(Named::nextlevel).visible);
  EXPECT_EQ(h.el(Named::nextlevel).caption, "Level: 2");
  EXPECT_EQ(h.interval(Named::Timer1), 0);
  EXPECT_EQ(h.interval(Named::Timer2), 0);
  EXPECT_EQ(count_bricks(h).bang, 8);  // the "!" bricks stay until the next build
  // Another removal at zero counts on to -1 without ending the level again.
  h.ui().set_visible(h.el(Named::nextlevel), false);
  h.s.cells[x + 1][y] = 0;
  game::colorbricks(h.g(), k + 1, x + 1, y);
  EXPECT_EQ(h.s.bricksleft, -1);
  EXPECT_EQ(h.el(Named::numbricks).caption, "999");
  EXPECT_FALSE(h.el(Named::nextlevel).visible);
}

TEST(Bricks, AnUnbreakableBrickStaysWhiteAndUncounted) {
  Harness h;
  h.s.pattern = 3;
  game::grid(h.g());
  const int x = 10, y = 5, k = x + 20 * (y - 1);
  ASSERT_EQ(h.s.cells[x][y], 9);
  game::colorbricks(h.g(), k, x, y);
  EXPECT_EQ(h.brick(k).caption, "!");
  EXPECT_EQ(h.brick(k).back_color, (Rgb{255, 255, 255}));
  EXPECT_EQ(h.s.bricksleft, 112);
}

TEST(Board, AShortOrMissingPatternBuildsEmptyCellsWithoutFailing) {
  Harness h;
  h.s.levels[1][1] = "111";
  h.s.levels[1][2] = "1x1";
  game::grid(h.g());
  EXPECT_EQ(h.s.cells[3][3], 1);
  EXPECT_EQ(h.s.cells[4][3], 0);
  EXPECT_EQ(h.s.cells[2][4], 0);
  h.s.pattern = 500;
  game::grid(h.g());
  EXPECT_EQ(h.s.bricksleft, 0);
  EXPECT_EQ(count_bricks(h).shown, 0);
}

}  // namespace
}  // namespace zandovik::testing
