#pragma once
// A game in a virtual window for tests: scripted draws, direct access to the
// state, the Scene and the procedures.
#include <initializer_list>
#include <vector>

#include "game/runtime.h"

namespace zandovik::testing {

using game::GameState;
using scene::Array;
using scene::Element;
using scene::Named;
using scene::Rgb;

struct Harness {
  GameState s{};
  scene::Rng rng{[] { return 1u; }};
  std::vector<std::pair<game::TimerId, double>> ticks;
  game::Runtime rt{s, rng};

  explicit Harness(bool show = true) {
    rt.set_on_tick([this](game::TimerId t, double now) { ticks.emplace_back(t, now); });
    if (show) rt.show();
  }
  scene::Scene& ui() { return rt.scene(); }
  game::Game& g() { return rt.game(); }
  const Element& el(Named n) { return ui().get(n); }
  const Element& brick(int k) { return ui().item(Array::brick, k); }
  const Element& life(int k) { return ui().item(Array::life, k); }
  const Element& ball() { return el(Named::ball); }
  const Element& paddle() { return el(Named::paddle); }
  void rnd(std::initializer_list<float> values) {
    for (float v : values) rng.script(v);
  }
  int interval(Named timer) { return el(timer).interval; }
  // Clear the pattern rows so a test can lay out its own bricks.
  void clear_board() {
    for (int x = 1; x <= game::kColumns; ++x)
      for (int y = game::kFirstPatternRow; y < game::kFirstPatternRow + game::kPatternRowsUsed; ++y)
        s.cells[x][y] = 0;
    s.builtcount = 1;  // a built board
  }
  // lostlife called directly; its stall runs out at once, in virtual time.
  void lostlife() {
    game::lostlife(g());
    rt.finish_stall();
  }
  void place_ball(double left, double top) {
    ui().move(ball(), left, top);
    rt.sync_timers();  // written from outside a handler
  }
  int visible_lives() {
    int n = 0;
    for (int k = 1; k <= game::kMaxLives; ++k) n += life(k).visible ? 1 : 0;
    return n;
  }
};

}  // namespace zandovik::testing
