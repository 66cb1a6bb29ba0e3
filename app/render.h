#pragma once
// Painting the Scene with QPainter, in device pixels so edges stay crisp at
// any scale. Used by the window and by the offscreen render tests.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QString>
#include <list>
#include <string>
#include <unordered_map>
#include <vector>

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

QColor to_qcolor(scene::Rgb c);

// Finished pictures of elements, so a repaint blits instead of drawing
// paths and text again. Keyed by everything that shows, and only for the
// current size: a new scale starts afresh, so memory follows the window
// instead of every size it ever had. Within its byte budget the pictures
// used least recently go first; a picture too large to keep (a huge
// window) is drawn straight onto the target, so no frame can ask for more
// than the budget or empty it for the others.
class RenderCache {
 public:
  static constexpr std::size_t kMaxBytes = 32u << 20;
  static constexpr std::size_t kMaxPictureBytes = kMaxBytes / 8;

  static bool keeps(QSize picture) {
    return 4.0 * picture.width() * picture.height() <= static_cast<double>(kMaxPictureBytes);
  }
  // Keep the pictures only if they were drawn at this viewport.
  void use_for(const Viewport& vp);
  // The picture, now the most recently used; null if not kept.
  const QImage* find(const std::string& key);
  // Keeps a picture `keeps` allows, making room as needed.
  const QImage& put(std::string key, QImage img);
  std::size_t size() const { return images_.size(); }
  std::size_t bytes() const { return bytes_; }

 private:
  struct Entry {
    QImage image;
    std::size_t cost = 0;
    std::list<std::string>::iterator use;
  };
  std::unordered_map<std::string, Entry> images_;
  std::list<std::string> uses_;  // most recently used first
  std::size_t bytes_ = 0;
  double scale_ = 0;
};

// An element drawn away from where the rules have it: between two ticks.
struct DrawnAt {
  const scene::Element* e;
  float left, top;
};

struct PaintOptions {
  bool buttons = true;                          // draw visible buttons on top
  const std::vector<DrawnAt>* drawn = nullptr;  // moving elements between ticks
  const scene::Element* pressed = nullptr;      // a button held down by the mouse
  RenderCache* cache = nullptr;                 // none: draw everything afresh
};

// Rectangles to repaint, joined where painting the space between costs less
// than another rectangle: each one is a request of its own to the display
// server, so a frame hands over a few instead of dozens. slack is the area
// a join may add.
std::vector<QRect> coalesce(std::vector<QRect> rects, long long slack);

// Draw the three buttons into the cache ahead of their first showing, so
// loading their fonts never holds up a tick.
void prepare_buttons(const scene::Scene& s, const Viewport& vp, RenderCache& cache);

// Paint every visible element inside `clip` (target pixels).
void paint_scene(QPainter& p, const scene::Scene& s, const Viewport& vp, const QRect& clip,
                 PaintOptions opts = {});
void paint_button(QPainter& p, const scene::Element& e, const Viewport& vp, bool pressed);

// The letterbox colour around the client area.
inline const QColor kLetterbox{28, 28, 30};

}  // namespace zandovik::app
