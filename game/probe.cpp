// The brick probe: four points of the ball against the grid, then the
// paddle band and the bottom edge; and the hit on a brick.
#include <array>
#include <cmath>

#include "game/game.h"

namespace zandovik::game {

using scene::Int;
using scene::Named;

namespace {

struct Probe {
  double px, py;
  int decx, decy;
};

// A probe outside the table reads as an empty cell, like the margins.
int cell_at(const GameState& s, std::int64_t column, std::int64_t row) {
  if (column < 0 || column >= kCellColumns || row < 0 || row >= kCellRows) return 0;
  return s.cells[column][row];
}

}  // namespace

void whereball(Game& g) {
  GameState& s = g.s;
  auto& ball = g.ui.get(Named::ball);
  const double left = ball.left - s.boardleft;
  const double right = left + ball.width;
  const double cx = (left + right) / 2;
  const double top = ball.top - s.boardtop;
  const double bottom = top + ball.height;
  const double cy = (top + bottom) / 2;
  const std::array<Probe, 4> probes = {{
      {cx, top, 0, -1},     // brick above: sent down
      {left, cy, +1, 0},    // brick on the left: sent right
      {right, cy, -1, 0},   // brick on the right: sent left
      {cx, bottom, 0, +1},  // brick below: sent up
  }};
  for (const Probe& p : probes) {
    const double column_real = Int(p.px / s.brickwidth) + 1;
    const double row_real = Int(p.py / s.brickheight) + 1;
    const std::int64_t column = scene::to_int64(column_real);
    const std::int64_t row = scene::to_int64(row_real);
    const std::int64_t index = scene::to_int64(column_real + kColumns * (row_real - 1));
    const bool hit = cell_at(s, column, row) > 0 && index != s.lastcell;
    if (hit) score(g, index, column, row, p.decx, p.decy);
    s.lastcell = index;
    if (hit) break;
  }

  auto& paddle = g.ui.get(Named::paddle);
  if (static_cast<float>(ball.top + ball.height) > paddle.top &&
      static_cast<float>(paddle.top + paddle.height) > ball.top)
    hitpaddle(g);
  if (static_cast<float>(ball.top + ball.height) >= s.boardbottom) lostlife(g);
}

void score(Game& g, std::int64_t i, std::int64_t x, std::int64_t y, int decx, int decy) {
  GameState& s = g.s;
  updatescore(g);
  if (x < 0 || x >= kCellColumns || y < 0 || y >= kCellRows) return;
  scene::I16& cell = s.cells[x][y];
  if (cell == kUnbreakable) {
    s.points -= kPointsPerHit;  // an unbreakable brick earns nothing
    g.host.cue(Cue::unbreakable);
  } else {
    cell -= 1;
    if (cell > 0) g.host.cue(Cue::brick, cell);
  }
  colorbricks(g, i, x, y);
  s.angle = (static_cast<double>(g.rng.rnd()) * 50 + 20) * kDegrees;
  if (decx == +1) s.stepx = s.speed * std::sin(s.angle);
  if (decx == -1) s.stepx = -(s.speed * std::sin(s.angle));
  if (decy == +1) s.stepy = s.speed * std::cos(s.angle);
  if (decy == -1) s.stepy = -(s.speed * std::cos(s.angle));
  s.jitterx = jitter(g.rng);
  s.jittery = jitter(g.rng);
}

}  // namespace zandovik::game
