#include "app/present/motion.h"

#include <algorithm>
#include <cmath>

namespace zandovik::app {

namespace {

// No tick moves anything this far: a longer move is a jump whatever came
// before it.
constexpr float kLongestStep = 1500;

}  // namespace

const scene::Element* Motion::element(const scene::Scene& s, int track) {
  switch (track) {
    case ball:
      return &s.get(scene::Named::ball);
    case paddle:
      return &s.get(scene::Named::paddle);
    default:
      return s.find(scene::Array::logoball, track - logo0);
  }
}

void Motion::observe(const scene::Scene& s, double at, bool ticked, double play_interval,
                     double logo_interval) {
  for (int t = 0; t < count_; ++t) {
    Path& p = paths_[t];
    const scene::Element* e = element(s, t);
    if (!e) {
      p.known = false;
      continue;
    }
    if (p.known && e->left == p.x1 && e->top == p.y1) continue;
    const bool step = p.known && ticked && std::fabs(e->left - p.x1) < kLongestStep &&
                      std::fabs(e->top - p.y1) < kLongestStep;
    p.x0 = step ? p.x1 : e->left;
    p.y0 = step ? p.y1 : e->top;
    p.x1 = e->left;
    p.y1 = e->top;
    p.at = at;
    p.interval = std::max(1.0, t >= logo0 ? logo_interval : play_interval);
    p.known = true;
  }
}

void Motion::snap() {
  for (Path& p : paths_) {
    p.x0 = p.x1;
    p.y0 = p.y1;
  }
}

std::vector<DrawnAt> Motion::drawn(const scene::Scene& s, double now, bool logo) const {
  std::vector<DrawnAt> out;
  for (int t = 0; t < count_; ++t) {
    const Path& p = paths_[t];
    const scene::Element* e = element(s, t);
    if (!p.known || !e || (t >= logo0 && !logo) || !p.between(now)) continue;
    const double f = std::clamp((now - p.at) / p.interval, 0.0, 1.0);
    out.push_back({e, static_cast<float>(p.x0 + (p.x1 - p.x0) * f),
                   static_cast<float>(p.y0 + (p.y1 - p.y0) * f)});
  }
  return out;
}

bool Motion::moving(double now, double grace) const {
  return paths_[ball].between(now, grace) || paths_[paddle].between(now, grace);
}

}  // namespace zandovik::app
