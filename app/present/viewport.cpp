#include "app/present/viewport.h"

#include <algorithm>
#include <cmath>

namespace zandovik::app {

Viewport Viewport::fit(QSize target) {
  return fit(target, {0, 0, scene::kClientWidth, scene::kClientHeight});
}

Viewport Viewport::fit(QSize target, scene::RectF area) {
  Viewport v;
  v.target = target;
  if (target.width() <= 0 || target.height() <= 0 || area.w <= 0 || area.h <= 0) return v;
  const double sx = target.width() / static_cast<double>(area.w);
  const double sy = target.height() / static_cast<double>(area.h);
  v.scale = std::min(sx, sy);
  v.ox = std::floor((target.width() - area.w * v.scale) / 2) - area.x * v.scale;
  v.oy = std::floor((target.height() - area.h * v.scale) / 2) - area.y * v.scale;
  return v;
}

QRect Viewport::rect(float left, float top, float width, float height) const {
  const int x0 = static_cast<int>(std::lround(ox + left * scale));
  const int y0 = static_cast<int>(std::lround(oy + top * scale));
  const int x1 = static_cast<int>(std::lround(ox + (static_cast<double>(left) + width) * scale));
  const int y1 = static_cast<int>(std::lround(oy + (static_cast<double>(top) + height) * scale));
  return QRect(QPoint(x0, y0), QPoint(std::max(x0, x1 - 1), std::max(y0, y1 - 1)));
}

QRectF Viewport::to_twips(QPointF p) const {
  return QRectF((p.x() - ox) / scale, (p.y() - oy) / scale, 0, 0);
}

int Viewport::px(double twips) const {
  return std::max(1, static_cast<int>(std::lround(twips * scale)));
}

QSize PixelRatio::device(QSize logical) const {
  return QSize(static_cast<int>(std::lround(logical.width() * dpr)),
               static_cast<int>(std::lround(logical.height() * dpr)));
}

QPoint PixelRatio::device(QPointF logical) const {
  return QPoint(static_cast<int>(logical.x() * dpr), static_cast<int>(logical.y() * dpr));
}

QRect PixelRatio::device(const QRect& r) const {
  return QRect(QPoint(static_cast<int>(std::floor(r.left() * dpr)),
                      static_cast<int>(std::floor(r.top() * dpr))),
               QPoint(static_cast<int>(std::ceil((r.right() + 1) * dpr)) - 1,
                      static_cast<int>(std::ceil((r.bottom() + 1) * dpr)) - 1));
}

QRect PixelRatio::logical(const QRect& r) const {
  return QRect(static_cast<int>(std::floor(r.x() / dpr)), static_cast<int>(std::floor(r.y() / dpr)),
               static_cast<int>(std::ceil(r.width() / dpr)) + 2,
               static_cast<int>(std::ceil(r.height() / dpr)) + 2);
}

QSize default_window_size(QSize available) {
  double scale = 1.0;
  if (!available.isEmpty()) {
    const double fit = std::min(available.width() * 0.9 / kDesignWidthPx,
                                available.height() * 0.85 / kDesignHeightPx);
    // Below the design size only where the screen is smaller than it (a
    // large scale factor): the whole board is always in view.
    scale = fit >= 1 ? std::floor(fit * 4) / 4 : fit;
  }
  return QSize(std::max(1, static_cast<int>(kDesignWidthPx * scale)),
               std::max(1, static_cast<int>(kDesignHeightPx * scale)));
}

}  // namespace zandovik::app
