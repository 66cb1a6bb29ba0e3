#pragma once
// From what changed in the Scene to the window's logical pixels to repaint.
#include <QRect>
#include <QRegion>
#include <vector>

#include "app/present/viewport.h"
#include "scene/scene.h"

namespace zandovik::app {

// Painting this many spare pixels costs less than one more rectangle: each
// is a request of its own to the display server.
inline constexpr long long kJoinSlack = 128 * 128;
// Device pixels to spare around a changed rectangle, for antialiased edges.
inline constexpr int kDamageMargin = 3;

// Rectangles to repaint, joined where painting the space between costs less
// than another rectangle, so a frame hands over a few instead of dozens.
// `slack` is the area a join may add.
std::vector<QRect> coalesce(std::vector<QRect> rects, long long slack = kJoinSlack);
// The same, as one region.
QRegion joined(std::vector<QRect> rects);

// The logical pixels that show the device rectangle `r`, with the margin.
inline QRect damaged(const QRect& r, PixelRatio ratio) {
  return ratio.logical(r.adjusted(-kDamageMargin, -kDamageMargin, kDamageMargin, kDamageMargin));
}

// The window's logical pixels to repaint for what changed: the changed
// rectangles (and the buttons, when one changed).
QRegion damage(const scene::Scene& s, const scene::Scene::Dirty& dirty, bool buttons,
               const Viewport& vp, PixelRatio ratio);

}  // namespace zandovik::app
