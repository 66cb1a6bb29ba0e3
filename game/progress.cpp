// Level progression and the player's commands. Whether play runs is only
// the pair of play-timer intervals; the visible button says why it stopped.
#include "game/game.h"

namespace zandovik::game {

using scene::Named;

void nextlvl(Game& g) {
  GameState& s = g.s;
  g.host.cue(Cue::level);
  s.pattern += 1;
  s.levelnum += 1;
  if (s.pattern > s.numpatterns) s.pattern = 1;
  auto& button = g.ui.get(Named::nextlevel);
  g.ui.set_visible(button, true);
  g.ui.set_caption(button, "Level:" + scene::Str(s.levelnum));
  set_play_timers(g, 0);
}

void nextlevel_Click(Game& g) {
  GameState& s = g.s;
  g.ui.set_visible(g.ui.get(Named::nextlevel), false);
  // The new life's marker shows with the first hit on the new board.
  s.lives += 1;
  if (s.lives > kMaxLives) s.lives = kMaxLives;
  grid(g);
  start(g);
  set_play_timers(g, kPlayInterval);
}

void pause_key(Game& g) {
  g.ui.set_visible(g.ui.get(Named::pause), true);
  set_play_timers(g, 0);
}

void pause_Click(Game& g) {
  set_play_timers(g, kPlayInterval);
  g.ui.set_visible(g.ui.get(Named::pause), false);
}

void select_pattern(Game& g, int delta) {
  GameState& s = g.s;
  s.pattern += delta;
  if (delta > 0 && s.pattern > s.numpatterns) s.pattern = 1;
  if (delta < 0 && s.pattern < 1) s.pattern = s.numpatterns;
  s.points = 0;
  s.bonuspoints = 0;
  g.ui.set_caption(g.ui.get(Named::showscore), "000000");
  grid(g);
  start(g);
  set_play_timers(g, kPlayInterval);
}

void gameover_Click(Game& g) {
  // A new game always starts with three lives: play resumed after game over
  // may have earned a life back, which must not carry into the new game
  // behind three markers.
  g.s.lives = 0;
  // GameState is kept, so the best score survives.
  g.host.unload_and_show();
}

}  // namespace zandovik::game
