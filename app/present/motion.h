#pragma once
// Where the moving elements are drawn between two ticks: the ball, the
// paddle and the logo's balls, each at the position between its previous
// and its current tick by the share of the interval that has passed (never
// beyond the current one). Positions that jump rather than move are drawn
// outright. In live play the paddle answers the hand instead: it is drawn
// at its newest place, or ahead of it where its held direction takes it.
// Drawing never changes the elements themselves.
#include <array>
#include <optional>
#include <vector>

#include "app/present/paint.h"
#include "scene/scene.h"

namespace zandovik::app {

// Live play: the paddle never between ticks, drawn at `paddle_left` when
// given (ahead of its tick), else where the rules have it.
struct MotionLive {
  bool on = false;
  std::optional<float> paddle_left;
};

class Motion {
 public:
  enum Track { ball, paddle, logo0, logo1, logo2, count_ };

  // After the rules ran. `ticked`: nothing but the timers' ticks ran since
  // the last look (no input, no stall begun or ended, the same window), at
  // `at`; whatever moved otherwise jumped. Intervals in ms.
  void observe(const scene::Scene& s, double at, bool ticked, double play_interval,
               double logo_interval);
  // Everything drawn where the rules have it, until the next tick.
  void snap();
  using Live = MotionLive;
  // Where the tracked elements are drawn at `now`; the logo's balls only
  // with `logo` (else where the rules have them). In live play a ball
  // within a step of the drawn paddle is drawn where the rules have it: a
  // ball behind its tick beside a paddle ahead of its own could be drawn
  // inside it.
  std::vector<DrawnAt> drawn(const scene::Scene& s, double now, bool logo,
                             const Live& live = {}) const;
  // The ball, or the paddle outside live play, is still between two ticks
  // at `now`, or was within `grace` ms: a tick that comes a little late
  // keeps the frames going instead of stopping and restarting them.
  bool moving(double now, double grace = 0, bool live = false) const;

 private:
  struct Path {
    bool known = false;
    float x0 = 0, y0 = 0, x1 = 0, y1 = 0;  // previous and current tick
    double at = 0, interval = 1;
    bool between(double now, double grace = 0) const {
      return (x0 != x1 || y0 != y1) && now < at + interval + grace;
    }
  };
  static const scene::Element* element(const scene::Scene& s, int track);
  std::array<Path, count_> paths_;
};

}  // namespace zandovik::app
