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

std::vector<DrawnAt> Motion::drawn(const scene::Scene& s, double now, bool logo,
                                   const Live& live) const {
  std::vector<DrawnAt> out;
  const scene::Element& pad = s.get(scene::Named::paddle);
  const float pad_left = live.paddle_left.value_or(pad.left);
  if (live.on && pad_left != pad.left) out.push_back({&pad, pad_left, pad.top});
  for (int t = 0; t < count_; ++t) {
    const Path& p = paths_[t];
    const scene::Element* e = element(s, t);
    if (!p.known || !e || (t >= logo0 && !logo) || !p.between(now)) continue;
    if (live.on && t == paddle) continue;
    if (live.on && t == ball) {
      const float reach = std::max(std::fabs(p.x1 - p.x0), std::fabs(p.y1 - p.y0));
      if (e->left - reach < pad_left + pad.width && pad_left < e->left + e->width + reach &&
          e->top - reach < pad.top + pad.height && pad.top < e->top + e->height + reach)
        continue;
    }
    const double f = std::clamp((now - p.at) / p.interval, 0.0, 1.0);
    out.push_back({e, static_cast<float>(p.x0 + (p.x1 - p.x0) * f),
                   static_cast<float>(p.y0 + (p.y1 - p.y0) * f)});
  }
  return out;
}

bool Motion::moving(double now, double grace, bool live) const {
  return paths_[ball].between(now, grace) || (!live && paths_[paddle].between(now, grace));
}

}  // namespace zandovik::app
