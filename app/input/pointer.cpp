#include "app/input/pointer.h"

#include <QTouchEvent>
#include <cmath>

namespace zandovik::app {

using scene::Named;
using Device = HeldArrow::Device;

int PointerSteer::decide(double centre, double step) const {
  if (!target_ || std::fabs(*target_ - centre) <= step / 2) return 0;
  return *target_ > centre ? 1 : -1;
}

Pointer::Pointer(QWidget* window, game::Session& session, HeldArrow& arrow,
                 const game::Clock& clock, HeldArrow::Feed click)
    : window_(window), session_(session), arrow_(arrow), clock_(clock), click_(std::move(click)) {}

Viewport Pointer::viewport() const {
  return window_viewport(window_->size(), ratio());
}

// The board in the window's logical pixels.
QRectF Pointer::board() const {
  const auto& s = session_.state();
  const QRect device =
      viewport().rect(static_cast<float>(s.boardleft), static_cast<float>(s.boardtop),
                      static_cast<float>(s.boardright - s.boardleft),
                      static_cast<float>(s.boardbottom - s.boardtop));
  return QRectF(ratio().logical(device));
}

std::optional<Named> Pointer::button_at(QPointF pos) const {
  const Viewport vp = viewport();
  const QPoint device = ratio().device(pos);
  return session_.button_on_show(
      [&](const scene::Element& b) { return vp.rect(b).contains(device); });
}

void Pointer::moved(QPointF pos) {
  aim_at(pos);
  show_cursor(pos);
}

void Pointer::aim_at(QPointF pos) {
  if (session_.replaying() || !session_.play_runs() || !board().contains(pos)) return;
  steer_.aim(viewport().to_twips(ratio().device(pos)).x());
  arrow_.must_wait(Device::pointer, session_.stalls());  // new motion of its own
  steer();
}

void Pointer::pressed(QPointF pos) {
  if (session_.replaying() || !session_.shown()) return;
  pressed_ = button_at(pos);
  if (pressed_)
    window_->update(
        ratio().logical(viewport().rect(session_.scene().get(*pressed_))).adjusted(-2, -2, 2, 2));
}

void Pointer::released(QPointF pos) {
  if (!pressed_) return;
  const Named pressed = *pressed_;
  pressed_.reset();
  window_->update();
  if (button_at(pos) == pressed) click_(game::Input::click(pressed, clock_.now()));
}

const scene::Element* Pointer::held_button() const {
  return pressed_ && session_.shown() ? &session_.scene().get(*pressed_) : nullptr;
}

// A finger is the pointer: on the board it steers, on a button it presses
// it, and a tap on the board is no click.
void Pointer::touched(QTouchEvent* touch) {
  touch->accept();
  const auto type = touch->type();
  if (type == QEvent::TouchCancel) {
    pressed_.reset();
    window_->update();
    return;
  }
  if (touch->points().isEmpty()) return;
  const QPointF pos = touch->points().first().position();  // the first finger steers
  if (type == QEvent::TouchBegin) pressed(pos);
  if (pressed_) {
    if (type == QEvent::TouchEnd) released(pos);
  } else if (type != QEvent::TouchEnd) {
    aim_at(pos);
  }
}

void Pointer::show_cursor(QPointF pos) {
  // Hidden over the board while play runs; never grabbed or confined.
  const bool hide = session_.play_runs() && board().contains(pos);
  if (hide == cursor_hidden_) return;
  cursor_hidden_ = hide;
  if (hide) {
    window_->setCursor(Qt::BlankCursor);
  } else {
    window_->unsetCursor();
  }
}

void Pointer::steer() {
  if (steering_ || session_.replaying() || !session_.shown()) return;
  steering_ = true;
  // After a pause, a stall, a ball put back on the paddle, or the keys or a
  // pad taking over, the paddle waits for new motion.
  if (arrow_.must_wait(Device::pointer, session_.stalls()) || !session_.play_runs()) steer_.drop();
  const auto& paddle = session_.scene().get(Named::paddle);
  arrow_.hold(Device::pointer,
              steer_.decide(paddle.left + paddle.width / 2.0, game::paddle_step(session_.state())),
              clock_.now());
  if (cursor_hidden_ && !session_.play_runs()) show_cursor({-1, -1});
  steering_ = false;
}

}  // namespace zandovik::app
