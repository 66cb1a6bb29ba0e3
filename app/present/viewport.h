#pragma once
// Where the client area lands in the window, in device pixels, and the
// way between the toolkit's logical pixels and device pixels.
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSize>

#include "scene/scene.h"

namespace zandovik::app {

// The design size in pixels at 96 dpi: 8520 x 7335 twips.
inline constexpr int kDesignWidthPx = 568;
inline constexpr int kDesignHeightPx = 489;
inline constexpr double kTwipsPerPixel = 15.0;
inline constexpr double kTwipsPerPoint = 20.0;

// Where the client area lands in a target of a given size: uniform scale
// and centred, with even bars on the two long sides.
struct Viewport {
  double scale = 1.0 / kTwipsPerPixel;  // target pixels per twip
  double ox = 0, oy = 0;                // target pixels
  QSize target;

  static Viewport fit(QSize target);
  // The same for any area of the client (the editor's board alone).
  static Viewport fit(QSize target, scene::RectF area);
  // Edges snap to whole pixels, so neighbouring bricks share their edges.
  QRect rect(float left, float top, float width, float height) const;
  QRect rect(const scene::Element& e) const { return rect(e.left, e.top, e.width, e.height); }
  QRectF to_twips(QPointF p) const;
  QRect client() const { return rect(0, 0, scene::kClientWidth, scene::kClientHeight); }
  int px(double twips) const;  // a length, at least 1 pixel
};

// Between the toolkit's logical pixels and device pixels, by the window's
// device-pixel ratio. Rectangles grow outward, so each covers every pixel
// it touches; a logical one has a pixel to spare on each side.
struct PixelRatio {
  double dpr = 1;
  QSize device(QSize logical) const;
  QPoint device(QPointF logical) const;
  QRect device(const QRect& logical) const;
  QRect logical(const QRect& device) const;
};

// A window of `logical` size at this ratio: where its client area lands.
inline Viewport window_viewport(QSize logical, PixelRatio ratio) {
  return Viewport::fit(ratio.device(logical));
}

// A new window's size on a screen with room for `available` (none: the
// design size): as large as fits comfortably, in quarter steps.
QSize default_window_size(QSize available);

}  // namespace zandovik::app
