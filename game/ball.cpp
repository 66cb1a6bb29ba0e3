// The ball's tick: launch, step with jitter, walls, ceiling draw, floor.
#include <cmath>

#include "game/game.h"

namespace zandovik::game {

using scene::Named;

namespace {

void launch(Game& g) {
  GameState& s = g.s;
  // Drawn as 30..60 and used as radians as it stands: the direction is in
  // effect random and may point down.
  const float a = static_cast<float>(30 + 30 * static_cast<double>(g.rng.rnd()));
  s.stepy = s.speed * std::cos(static_cast<double>(a));
  const double side = s.speed * std::sin(static_cast<double>(a));
  s.stepx = s.paddledir == 1 ? -side : side;
}

// One in five ceiling bounces takes a brick off the count.
void ceiling_draw(Game& g) {
  GameState& s = g.s;
  s.luckdraw = scene::Int(5.0 * g.rng.rnd());
  g.ui.set_window_caption(scene::Str(s.luckdraw));
  if (s.luckdraw == 0) {
    g.host.cue(Cue::luck);
    s.bricksleft -= 1;
    g.ui.set_caption(g.ui.get(Named::numbricks), scene::bricks_text(s.bricksleft));
    if (s.bricksleft == 0) nextlvl(g);
  }
}

}  // namespace

void Timer2_Timer(Game& g) {
  GameState& s = g.s;
  auto& ball = g.ui.get(Named::ball);
  if (s.stepy == 0 && s.stepx == 0 && s.paddledir > 0) launch(g);

  double x = ball.left + s.jitterx * s.stepx;
  double y = ball.top - s.jittery * s.stepy;
  if (x < s.boardleft) {
    x = s.boardleft;
    s.stepx = -s.stepx;
    s.jitterx = jitter(g.rng);
    g.host.cue(Cue::wall);
  }
  if (x + ball.width > s.boardright) {
    x = static_cast<float>(static_cast<float>(s.boardright) - ball.width);
    s.stepx = -s.stepx;
    s.jitterx = jitter(g.rng);
    g.host.cue(Cue::wall);
  }
  if (y < s.boardtop) {
    y = s.boardtop;
    s.stepy = -s.stepy;
    s.jittery = jitter(g.rng);
    g.host.cue(Cue::ceiling);
    ceiling_draw(g);
  }
  if (y > s.boardbottom) {
    // Bottom edge on the floor: the probe takes that as the ball lost.
    y = s.boardbottom - ball.height;
    s.stepy = -s.stepy;
    s.jittery = jitter(g.rng);
  }
  g.ui.move(ball, x, y);
  whereball(g);
}

}  // namespace zandovik::game
