#pragma once
// The game's procedures and handlers. They share state through GameState and
// reach the window only through the Scene's element operations.
#include <cstdint>

#include "game/state.h"
#include "scene/numeric.h"
#include "scene/scene.h"

namespace zandovik::game {

// What the logic needs from the event runtime beyond the Scene.
class Services {
 public:
  virtual ~Services() = default;
  // Hold the event thread for the stall after a lost ball.
  virtual void stall() = 0;
  // Destroy the window and create it again from its design; Form_Load runs.
  virtual void unload_and_show() = 0;
};

struct Game {
  GameState& s;
  scene::Scene& ui;
  scene::Rng& rng;
  Services& host;
};

// Virtual key codes the game reacts to.
inline constexpr int kKeyLeft = 37;
inline constexpr int kKeyRight = 39;
inline constexpr int kKeyP = 80;
inline constexpr int kKeyF1 = 112;
inline constexpr int kKeyF2 = 113;

// A jitter re-roll: a speed factor in (0.95, 1].
inline double jitter(scene::Rng& rng) {
  return 1 - rng.rnd() * 0.05;
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
