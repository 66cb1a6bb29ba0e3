// The paddle: arrow keys set its direction, Timer1 moves it.
#include "game/game.h"

namespace zandovik::game {

using scene::Named;

void Form_KeyDown(Game& g, int keycode, int /*shift: modifiers never matter*/) {
  if (keycode == kKeyLeft) g.s.paddledir = 2;
  if (keycode == kKeyRight) g.s.paddledir = 1;
  if (keycode == kKeyP) pause_key(g);
  if (keycode == kKeyF1) select_pattern(g, +1);
  if (keycode == kKeyF2) select_pattern(g, -1);
}

// Any release stops the paddle, even while the other arrow is still held.
void Form_KeyUp(Game& g, int /*keycode*/, int /*shift*/) {
  g.s.paddledir = 0;
}

void Timer1_Timer(Game& g) {
  GameState& s = g.s;
  if (s.paddledir == 0) return;
  auto& paddle = g.ui.get(Named::paddle);
  double x = paddle.left;
  if (s.paddledir == 1) {
    x = x + paddle_step(s);
    if (x + paddle.width > s.boardright)
      x = static_cast<float>(static_cast<float>(s.boardright) - paddle.width);
  }
  if (s.paddledir == 2) {
    x = x - paddle_step(s);
    if (x < s.boardleft) x = s.boardleft;
  }
  g.ui.set_left(paddle, x);
}

}  // namespace zandovik::game
