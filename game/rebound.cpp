// The paddle rebound: upward at a fresh angle, to the side of the paddle
// the ball lies over.
#include <cmath>

#include "game/game.h"

namespace zandovik::game {

using scene::Named;

void hitpaddle(Game& g) {
  GameState& s = g.s;
  auto& ball = g.ui.get(Named::ball);
  auto& paddle = g.ui.get(Named::paddle);
  // Strictly within the paddle's width; an overhanging ball passes by.
  if (!(ball.left > paddle.left)) return;
  if (!(static_cast<float>(paddle.left + paddle.width) >
        static_cast<float>(ball.left + ball.width)))
    return;
  g.host.cue(Cue::paddle);
  s.angle = (20 + 50 * static_cast<double>(g.rng.rnd())) * kDegrees;
  s.stepy = s.speed * std::cos(s.angle);
  s.stepx = s.speed * std::sin(s.angle);
  const float centre = static_cast<float>(paddle.left + paddle.width / 2);
  if (centre > ball.left && s.stepx > 0) s.stepx = -(s.speed * std::sin(s.angle));
  if (static_cast<float>(ball.left + ball.width) > centre && s.stepx < 0)
    s.stepx = +(s.speed * std::sin(s.angle));
}

}  // namespace zandovik::game
