#pragma once
// Painting the Scene with QPainter, in device pixels so edges stay crisp at
// any scale. Used by the window and by the offscreen render tests.
#include <QColor>
#include <QPainter>
#include <QRect>
#include <vector>

#include "app/present/picture_cache.h"
#include "app/present/viewport.h"
#include "scene/scene.h"

namespace zandovik::app {

QColor to_qcolor(scene::Rgb c);

// An element drawn away from where the rules have it: between two ticks.
struct DrawnAt {
  const scene::Element* e;
  float left, top;
};

struct PaintOptions {
  bool buttons = true;                          // draw visible buttons on top
  const std::vector<DrawnAt>* drawn = nullptr;  // moving elements between ticks
  const scene::Element* pressed = nullptr;      // a button held down by the mouse
  PictureCache* cache = nullptr;                // none: draw everything afresh
  // Opaque labels and buttons drawn afresh, the rest from the cache: for a
  // frame that would make nearly every picture at once (the first), where
  // making them costs more than drawing the texts. Same pixels either way.
  bool text_straight = false;
};

// Draw the three buttons into the cache ahead of their first showing, so
// loading their fonts never holds up a tick.
void prepare_buttons(const scene::Scene& s, const Viewport& vp, PictureCache& cache);

// Paint every visible element inside `clip` (target pixels).
void paint_scene(QPainter& p, const scene::Scene& s, const Viewport& vp, const QRect& clip,
                 PaintOptions opts = {});
void paint_button(QPainter& p, const scene::Element& e, const Viewport& vp, bool pressed);

// The letterbox colour around the client area.
inline const QColor kLetterbox{28, 28, 30};

}  // namespace zandovik::app
