// The window's pointer: it steers the paddle by holding the arrows for the
// player (app/pointer.h), and the cursor hides over the board in play.
#include <QMouseEvent>

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
  if (player_ || !play_runs()) return;
  if (board().contains(ev->position())) {
    const QPoint device = ratio().device(ev->position());
    pointer_.aim(viewport().to_twips(device).x());
    stalls_aimed_ = runtime_.stalls();
    steer();
  }
  show_cursor(ev->position());
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
