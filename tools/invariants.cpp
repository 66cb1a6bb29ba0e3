#include "tools/invariants.h"

namespace zandovik::tools {

using scene::Array;
using scene::Named;

std::vector<std::string> InvariantChecker::check(const game::Session& rt) {
  std::vector<std::string> broken;
  if (!rt.shown()) return broken;
  auto fail = [&](std::string what) { broken.push_back(std::move(what)); };
  const game::GameState& s = rt.state();
  const scene::Scene& ui = rt.scene();

  // The ball never leaves the walls and the ceiling, and its top never
  // passes the floor (a lost ball may hang over the bottom edge by a step).
  const auto& ball = ui.get(Named::ball);
  if (ball.left < s.boardleft || ball.left + ball.width > s.boardright)
    fail("ball outside the side walls: left " + std::to_string(ball.left));
  if (ball.top < s.boardtop || ball.top > s.boardbottom)
    fail("ball above the ceiling or below the floor: top " + std::to_string(ball.top));

  const auto& paddle = ui.get(Named::paddle);
  if (paddle.left < s.boardleft || paddle.left + paddle.width > s.boardright)
    fail("paddle outside the walls: left " + std::to_string(paddle.left));

  const int t1 = ui.get(Named::Timer1).interval, t2 = ui.get(Named::Timer2).interval;
  if (t1 != t2 || (t1 != 0 && t1 != game::kPlayInterval))
    fail("play timers at " + std::to_string(t1) + " and " + std::to_string(t2));
  if (ui.get(Named::Timer3).interval != game::kLogoInterval) fail("Timer3 left its interval");

  if (s.lives < 0 || s.lives > game::kMaxLives) fail("lives " + std::to_string(s.lives));
  // Markers 1..n show and the rest are hidden, n being lives or one fewer
  // (a life from the next-level button shows at the next hit).
  int shown = 0;
  bool gap = false;
  for (int k = 1; k <= game::kMaxLives; ++k) {
    const scene::Element* m = ui.find(Array::life, k);
    if (!m) {
      fail("life(" + std::to_string(k) + ") is missing");
      continue;
    }
    if (m->visible) {
      if (gap) fail("life markers are not 1..n");
      ++shown;
    } else {
      gap = true;
    }
  }
  if (shown != s.lives && shown != s.lives - 1)
    fail(std::to_string(shown) + " markers show for " + std::to_string(s.lives) + " lives");

  int countable = 0;
  for (int x = 0; x < game::kCellColumns; ++x) {
    for (int y = 0; y < game::kCellRows; ++y) {
      const auto v = s.cells[x][y];
      const bool in_pattern = x >= 1 && x <= game::kColumns && y >= game::kFirstPatternRow &&
                              y < game::kFirstPatternRow + game::kPatternRowsUsed;
      if (!in_pattern && v != 0) fail("cells(" + std::to_string(x) + "," + std::to_string(y) + ")");
      if (in_pattern && (v < 0 || v > game::kUnbreakable)) fail("cell value " + std::to_string(v));
    }
  }
  for (int k = 1; k <= game::kBricks; ++k) {
    const scene::Element* b = ui.find(Array::brick, k);
    if (!b) {
      fail("brick(" + std::to_string(k) + ") is missing");
      break;
    }
    if (b->visible && b->caption != "!") ++countable;
  }
  if (s.builtcount > 0 && s.bricksleft > countable)
    fail("bricksleft " + std::to_string(s.bricksleft) + " above the " + std::to_string(countable) +
         " countable bricks on show");

  if (s.hiscore < best_seen_) fail("the best score fell");
  if (s.hiscore < s.points) fail("the best score trails the score");
  best_seen_ = s.hiscore;
  return broken;
}

}  // namespace zandovik::tools
