// Score and lives: points, extra lives, the best score, the lost ball and
// the end of the game.
#include "game/game.h"

namespace zandovik::game {

using scene::Array;
using scene::Named;

namespace {

// There are markers only for lives 1 to 6. Once the game is over play can
// go on with no life left; such a count has no marker to show or hide.
const scene::Element* life_marker(Game& g, int lives) {
  return g.ui.find(Array::life, lives);
}

}  // namespace

void updatescore(Game& g) {
  GameState& s = g.s;
  s.points += kPointsPerHit;
  s.bonuspoints += kPointsPerHit;
  if (s.bonuspoints > kBonusForLife) {
    s.bonuspoints -= kBonusForLife;
    const int before = s.lives;
    s.lives += 1;
    if (s.lives > kMaxLives) s.lives = kMaxLives;
    if (s.lives > before) g.host.cue(Cue::extralife);
  }
  // Also brings up the marker of a life the next-level button added.
  if (auto* marker = life_marker(g, s.lives)) g.ui.set_visible(*marker, true);
  auto& showscore = g.ui.get(Named::showscore);
  g.ui.set_caption(showscore, scene::score_text(s.points));
  if (s.points > s.hiscore) {
    g.ui.set_caption(g.ui.get(Named::highscore), showscore.caption);
    s.hiscore = s.points;
  }
}

void lostlife(Game& g) {
  g.host.cue(Cue::lost);
  // The stall: nothing runs for its length; the runtime holds every event
  // meanwhile and then carries on with the steps after it.
  g.host.stall(lostlife_after_stall);
}

void lostlife_after_stall(Game& g) {
  GameState& s = g.s;
  // With no life left (play resumed after game over) the game ends again
  // instead of counting below zero.
  if (s.lives > 0) {
    if (auto* marker = life_marker(g, s.lives)) g.ui.set_visible(*marker, false);
    s.lives -= 1;
  }
  if (s.lives == 0) {
    over(g);
  } else {
    start(g);
  }
}

void over(Game& g) {
  g.host.cue(Cue::gameover);
  g.ui.set_visible(g.ui.get(Named::gameover), true);
  set_play_timers(g, 0);
}

}  // namespace zandovik::game
