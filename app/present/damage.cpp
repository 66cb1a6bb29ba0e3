#include "app/present/damage.h"

#include <algorithm>
#include <utility>

namespace zandovik::app {

std::vector<QRect> coalesce(std::vector<QRect> rects, long long slack) {
  auto area = [](const QRect& r) { return static_cast<long long>(r.width()) * r.height(); };
  std::erase_if(rects, [](const QRect& r) { return r.isEmpty(); });
  for (bool joined = true; joined;) {
    joined = false;
    for (std::size_t i = 0; i < rects.size() && !joined; ++i)
      for (std::size_t j = i + 1; j < rects.size(); ++j) {
        const QRect both = rects[i] | rects[j];
        if (area(both) <= area(rects[i]) + area(rects[j]) + slack) {
          rects[i] = both;
          rects.erase(rects.begin() + static_cast<std::ptrdiff_t>(j));
          joined = true;
          break;
        }
      }
  }
  return rects;
}

QRegion joined(std::vector<QRect> rects) {
  QRegion region;
  for (const QRect& r : coalesce(std::move(rects))) region += r;
  return region;
}

QRegion damage(const scene::Scene& s, const scene::Scene::Dirty& dirty, bool buttons,
               const Viewport& vp, PixelRatio ratio) {
  std::vector<QRect> rects;
  for (const auto& r : dirty.rects) rects.push_back(damaged(vp.rect(r.x, r.y, r.w, r.h), ratio));
  if (buttons)
    for (scene::Named n : scene::kButtons) rects.push_back(damaged(vp.rect(s.get(n)), ratio));
  return joined(std::move(rects));
}

}  // namespace zandovik::app
