// The title logo: three small balls bouncing inside the title panel.
#include "game/game.h"

namespace zandovik::game {

using scene::Array;
using scene::Named;

void initlogo(Game& g) {
  GameState& s = g.s;
  const double r = s.brickwidth / 2.5;
  s.logostepx[0] = 1.1 * r;
  s.logostepy[0] = 0.9 * r;
  s.logostepx[1] = -r;
  s.logostepy[1] = -r;
  s.logostepx[2] = 0.9 * r;
  s.logostepy[2] = 1.1 * (-r);
  g.ui.load(Array::logoball, 1);
  g.ui.load(Array::logoball, 2);
  const auto& box = g.ui.get(Named::logobox);
  for (int i = 0; i < 3; ++i) {
    auto& ball = g.ui.item(Array::logoball, i);
    g.ui.set_width(ball, s.brickheight / 3.0f);
    g.ui.set_height(ball, s.brickheight / 3.0f);
    // Top-left corner on the panel's centre: the ball's size is not taken off.
    g.ui.set_top(ball, box.height / 2.0 + box.top);
    g.ui.set_left(ball, box.width / 2.0 + box.left);
    g.ui.set_visible(ball, true);
    g.ui.bring_to_front(ball);
  }
}

void Timer3_Timer(Game& g) {
  GameState& s = g.s;
  const auto& box = g.ui.get(Named::logobox);
  for (int i = 0; i < 3; ++i) {
    auto& ball = g.ui.item(Array::logoball, i);
    double x = ball.left + s.logostepx[i];
    float y = ball.top + static_cast<float>(s.logostepy[i]);
    // A bounce sets the ball flush on the edge it crossed.
    if (y < box.top) {
      y = box.top;
      s.logostepy[i] = -s.logostepy[i];
    }
    if (y + ball.height > box.top + box.height) {
      y = box.top + box.height - ball.height;
      s.logostepy[i] = -s.logostepy[i];
    }
    if (x < box.left) {
      x = box.left;
      s.logostepx[i] = -s.logostepx[i];
    }
    if (x + ball.width > box.left + box.width) {
      x = static_cast<float>(box.left + box.width - ball.width);
      s.logostepx[i] = -s.logostepx[i];
    }
    g.ui.move(ball, x, y);
  }
}

}  // namespace zandovik::game
