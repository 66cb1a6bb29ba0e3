// Start-up: what runs each time the window is created, and the reset of
// ball and paddle before every attempt.
#include "game/game.h"

namespace zandovik::game {

using scene::Int;
using scene::Named;

void Form_Load(Game& g) {
  g.rng.randomize();
  setvariables(g);
  loadbricks(g);
  fill_patterns(g);
  grid(g);
  sizeobjects(g);
  start(g);
  initlogo(g);
}

void setvariables(Game& g) {
  GameState& s = g.s;
  s.levelnum = 1;
  s.pattern = 1;
  s.numpatterns = kPatternCount;
  if (s.lives == 0) s.lives = kStartLives;  // a kept positive count survives a restart
  s.builtcount = 0;
  s.bonuspoints = 0;
  s.points = 0;
}

void sizeobjects(Game& g) {
  GameState& s = g.s;
  auto& board = g.ui.get(Named::board);
  auto& paddle = g.ui.get(Named::paddle);
  auto& ball = g.ui.get(Named::ball);
  s.boardtop = board.top;
  s.boardbottom = static_cast<double>(board.height) + board.top;
  s.boardleft = board.left;
  s.boardright = static_cast<double>(board.width) + board.left;
  // The paddle's top sits on the 24th grid row for good.
  g.ui.set_top(paddle, 23.0 * s.brickheight + board.top);
  g.ui.set_width(paddle, Int(2.5 * s.brickwidth));
  g.ui.set_height(paddle, Int(0.75 * s.brickheight));
  g.ui.set_left(paddle, board.width / 2.0 + board.left - paddle.width / 2.0);
  g.ui.set_width(ball, Int(s.brickheight / 2.0));
  g.ui.set_height(ball, ball.width);
  g.ui.set_left(ball, paddle.width / 2.0 + paddle.left - ball.width / 2.0);
  g.ui.set_top(ball, static_cast<double>(paddle.top) - ball.height);
  g.ui.set_caption(g.ui.get(Named::highscore), scene::score_text(s.hiscore));
}

void start(Game& g) {
  GameState& s = g.s;
  auto& board = g.ui.get(Named::board);
  auto& paddle = g.ui.get(Named::paddle);
  auto& ball = g.ui.get(Named::ball);
  s.paddledir = 0;
  s.stepx = 0;
  s.stepy = 0;
  s.speed = s.brickwidth / 3.0;
  s.jitterx = jitter(g.rng);
  s.jittery = jitter(g.rng);
  g.ui.set_left(paddle, board.width / 2.0 + board.left - paddle.width / 2.0);
  g.ui.set_left(ball, paddle.width / 2.0 + paddle.left - ball.width / 2.0);
  g.ui.set_top(ball, static_cast<double>(paddle.top) - ball.height);
}

void set_play_timers(Game& g, int ms) {
  g.ui.set_interval(g.ui.get(Named::Timer1), ms);
  g.ui.set_interval(g.ui.get(Named::Timer2), ms);
}

}  // namespace zandovik::game
