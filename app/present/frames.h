#pragma once
// Frames on screen, paced on both platforms here: on Wayland a frame waits
// for the compositor's frame callback (changes that come meanwhile share
// one frame, and the buffer handed over last is free again by then, so the
// toolkit need not copy it); on X11, while something moves between the
// ticks, a timer gives a frame each refresh of the screen. Otherwise a
// change gets a frame at once, unless one is already coming, and never
// sooner than most of a refresh after the last one: a storm of input is
// not a frame per event. Each frame takes what moves as it is when it
// paints, not as it was when the frame was asked for.
#include <QObject>
#include <QRegion>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "game/runtime.h"

namespace zandovik::app {

class FramePacer : public QObject {
 public:
  // Asked at each frame: `more` to repaint (what moves between the ticks),
  // and whether frames are `wanted` after this one (something still moves).
  FramePacer(QWidget* window, const game::Clock& clock, std::function<QRegion()> more,
             std::function<bool()> wanted);
  // Once the window has its native window.
  void shown();
  // Repainted with the next frame.
  void schedule(const QRegion& region);
  // Frames each refresh while they are wanted; on Wayland the compositor
  // asks for them.
  void keep_up();

 protected:
  bool eventFilter(QObject* watched, QEvent* ev) override;

 private:
  void on_timer();
  void follow_refresh_rate();
  void frame_at(double when);

  QWidget* window_;
  const game::Clock& clock_;
  std::function<QRegion()> more_;
  std::function<bool()> wanted_;
  bool paced_ = false;  // by the compositor's frame callbacks
  QRegion pending_;     // changes that wait for the next frame
  QTimer timer_;        // X11: the next frame while something moves
  double interval_ = 1000.0 / 60, next_ = 0;
  double last_frame_ = -1e9;  // when the last frame painted
  bool refresh_followed_ = false;
};

}  // namespace zandovik::app
