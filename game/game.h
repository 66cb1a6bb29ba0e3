#pragma once
// The game's procedures and handlers. They share state through GameState and
// reach the window only through the Scene's element operations.
#include <cstdint>

#include "game/cues.h"
#include "game/rules.h"
#include "game/state.h"
#include "scene/numeric.h"
#include "scene/scene.h"

namespace zandovik::game {

// What the logic needs from the event runtime beyond the Scene.
struct Game;
struct BoardSet;

class Services {
 public:
  virtual ~Services() = default;
  // The stall after a lost ball: no handler runs until it is over, then
  // `then` does the rest of the handler that asked for it.
  virtual void stall(void (*then)(Game&)) = 0;
  // Destroy the window and create it again from its design; Form_Load runs.
  virtual void unload_and_show() = 0;
  // Something the player may hear happened.
  virtual void cue(Cue c, int value = 0) = 0;
};

struct Game {
  GameState& s;
  scene::Scene& ui;
  scene::Rng& rng;
  Services& host;
  // Boards of the player's own in place of the built-in patterns, or none.
  const BoardSet* boards = nullptr;
};

// A jitter re-roll: a speed factor in (0.95, 1].
inline double jitter(scene::Rng& rng) {
  return 1 - rng.rnd() * kJitterSpread;
}

// startup.cpp
void Form_Load(Game& g);
void setvariables(Game& g);
void sizeobjects(Game& g);
void start(Game& g);
// board.cpp
void loadbricks(Game& g);
void fill_patterns(Game& g);
void grid(Game& g);
// bricks.cpp
void colorbricks(Game& g, std::int64_t i, std::int64_t x, std::int64_t y);
// paddle.cpp
void Form_KeyDown(Game& g, int keycode, int shift);
void Form_KeyUp(Game& g, int keycode, int shift);
void Timer1_Timer(Game& g);
// How far the paddle moves in one Timer1 tick, in twips.
inline double paddle_step(const GameState& s) {
  return 2 * s.speed;
}
// ball.cpp
void Timer2_Timer(Game& g);
// probe.cpp
void whereball(Game& g);
void score(Game& g, std::int64_t i, std::int64_t x, std::int64_t y, int decx, int decy);
// rebound.cpp
void hitpaddle(Game& g);
// score.cpp
void updatescore(Game& g);
void lostlife(Game& g);
void lostlife_after_stall(Game& g);
void over(Game& g);
// progress.cpp
void nextlvl(Game& g);
void nextlevel_Click(Game& g);
void pause_Click(Game& g);
void gameover_Click(Game& g);
void pause_key(Game& g);
void select_pattern(Game& g, int delta);
// logo.cpp
void initlogo(Game& g);
void Timer3_Timer(Game& g);

// Play runs while both play timers tick.
void set_play_timers(Game& g, int ms);

}  // namespace zandovik::game
