// The window's pointer and touch: they steer the paddle by holding the
// arrows for the player (app/pointer.h), and the cursor hides over the
// board in play. Clicks and taps keep their one job: the buttons.
#include <QMouseEvent>
#include <QTouchEvent>

#include "app/window.h"
#include "game/rules.h"

namespace zandovik::app {

using scene::Named;

bool GameWindow::play_runs() const {
  return runtime_.shown() && !runtime_.stalled() &&
         runtime_.scene().get(Named::Timer1).interval > 0;
}

// The board in the window's logical pixels.
QRectF GameWindow::board() const {
  const auto& s = runtime_.state();
  const QRect device =
      viewport().rect(static_cast<float>(s.boardleft), static_cast<float>(s.boardtop),
                      static_cast<float>(s.boardright - s.boardleft),
                      static_cast<float>(s.boardbottom - s.boardtop));
  return QRectF(ratio().logical(device));
}

void GameWindow::mouseMoveEvent(QMouseEvent* ev) {
  aim_at(ev->position());
  show_cursor(ev->position());
}

void GameWindow::aim_at(QPointF pos) {
  if (player_ || !play_runs() || !board().contains(pos)) return;
  pointer_.aim(viewport().to_twips(ratio().device(pos)).x());
  stalls_aimed_ = runtime_.stalls();
  steer();
}

void GameWindow::mousePressEvent(QMouseEvent* ev) {
  if (ev->button() == Qt::LeftButton) press_at(ev->position());
}

void GameWindow::mouseReleaseEvent(QMouseEvent* ev) {
  if (ev->button() == Qt::LeftButton) release_at(ev->position());
}

void GameWindow::press_at(QPointF pos) {
  if (player_) return;
  pressed_ = button_at(pos);
  if (pressed_) {
    const auto& b = runtime_.scene().get(*pressed_);
    update(ratio().logical(viewport().rect(b)).adjusted(-2, -2, 2, 2));
  }
}

void GameWindow::release_at(QPointF pos) {
  if (!pressed_) return;
  const Named pressed = *pressed_;
  pressed_.reset();
  update();
  if (button_at(pos) != pressed) return;
  feed(game::Input::click(pressed, clock_.now()));
}

// A finger is the pointer: on the board it steers, on a button it presses
// it. Taken here, so the toolkit makes no mouse events of it and a tap on
// the board is no click.
bool GameWindow::event(QEvent* ev) {
  const auto type = ev->type();
  if (type != QEvent::TouchBegin && type != QEvent::TouchUpdate && type != QEvent::TouchEnd &&
      type != QEvent::TouchCancel)
    return QWidget::event(ev);
  auto* touch = static_cast<QTouchEvent*>(ev);
  touch->accept();
  if (type == QEvent::TouchCancel) {
    pressed_.reset();
    update();
    return true;
  }
  if (touch->points().isEmpty()) return true;
  const QPointF pos = touch->points().first().position();  // the first finger steers
  if (type == QEvent::TouchBegin) press_at(pos);
  if (pressed_) {
    if (type == QEvent::TouchEnd) release_at(pos);
  } else if (type != QEvent::TouchEnd) {
    aim_at(pos);
  }
  return true;
}

void GameWindow::show_cursor(QPointF pos) {
  // Hidden over the board while play runs; never grabbed or confined.
  const bool hide = play_runs() && board().contains(pos);
  if (hide != cursor_hidden_) {
    cursor_hidden_ = hide;
    if (hide) {
      setCursor(Qt::BlankCursor);
    } else {
      unsetCursor();
    }
  }
}

void GameWindow::release_pointer() {
  pointer_.drop();
  if (pointer_.held == PointerSteer::Hold::none) return;
  pointer_.held = PointerSteer::Hold::none;
  feed(game::Input::key(false, pointer_key_, 0, clock_.now()));
}

// Holds or releases an arrow for the pointer, as the paddle nears its target.
void GameWindow::steer() {
  if (steering_ || player_ || !runtime_.shown()) return;
  steering_ = true;
  // After a pause, a stall or a ball put back on the paddle, the paddle
  // waits for new motion.
  if (!play_runs() || runtime_.stalls() != stalls_aimed_) release_pointer();
  const auto& paddle = runtime_.scene().get(Named::paddle);
  const auto want = pointer_.decide(paddle.left + paddle.width / 2.0, 2 * runtime_.state().speed);
  if (want != pointer_.held) {
    if (want == PointerSteer::Hold::none) {
      pointer_.held = want;
      feed(game::Input::key(false, pointer_key_, 0, clock_.now()));
    } else {
      pointer_.held = want;
      pointer_key_ = want == PointerSteer::Hold::right ? game::kKeyRight : game::kKeyLeft;
      feed(game::Input::key(true, pointer_key_, 0, clock_.now()));
    }
  }
  if (cursor_hidden_ && !play_runs()) show_cursor({-1, -1});
  steering_ = false;
}

}  // namespace zandovik::app
