#pragma once
// The pointer and a finger: over the board in play they steer the paddle
// by holding an arrow (app/input/held_arrow.h) toward the column they last
// moved to, at the rules' own speed, and stop under it; the cursor hides
// there. Clicks and taps keep their one job: the buttons.
#include <QPointF>
#include <QRectF>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>

#include "app/input/held_arrow.h"
#include "app/present/viewport.h"
#include "game/session.h"

class QTouchEvent;

namespace zandovik::app {

// Where the pointer wants the paddle.
class PointerSteer {
 public:
  // New pointer motion over the board: steer toward this x (twips).
  void aim(double x) { target_ = x; }
  // The player took the keys, or play stopped: the pointer steers again
  // only after new motion.
  void drop() { target_.reset(); }
  bool aiming() const { return target_.has_value(); }
  // The direction to hold (-1, 0, 1) for a paddle whose centre is at
  // `centre` and which moves `step` twips a tick: none once within half a
  // step of the target.
  int decide(double centre, double step) const;

 private:
  std::optional<double> target_;
};

class Pointer {
 public:
  Pointer(QWidget* window, game::Session& session, HeldArrow& arrow, const game::Clock& clock,
          HeldArrow::Feed click);

  void moved(QPointF pos);
  void pressed(QPointF pos);
  void released(QPointF pos);
  // A touch event, taken whole: the toolkit makes no mouse events of it.
  void touched(QTouchEvent* ev);
  // Holds or releases the arrow as the paddle nears its target.
  void steer();
  // The button held down, if any.
  const scene::Element* held_button() const;

 private:
  Viewport viewport() const;
  PixelRatio ratio() const { return {window_->devicePixelRatioF()}; }
  QRectF board() const;
  std::optional<scene::Named> button_at(QPointF pos) const;
  void aim_at(QPointF pos);
  void show_cursor(QPointF pos);

  QWidget* window_;
  game::Session& session_;
  HeldArrow& arrow_;
  const game::Clock& clock_;
  HeldArrow::Feed click_;
  PointerSteer steer_;
  bool steering_ = false, cursor_hidden_ = false;
  std::optional<scene::Named> pressed_;
};

}  // namespace zandovik::app
