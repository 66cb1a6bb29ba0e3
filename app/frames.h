#pragma once
// From what changed in the Scene to frames on screen: the region to repaint,
// and, on Wayland, frames paced by the compositor's frame callbacks.
#include <QObject>
#include <QRegion>
#include <QWidget>
#include <functional>
#include <utility>

#include "app/render.h"

namespace zandovik::app {

// The window's logical pixels to repaint for what changed: the changed
// rectangles (and the buttons, when one changed), a few pixels to spare for
// antialiased edges, joined where painting the space between costs less
// than another rectangle.
QRegion damage(const scene::Scene& s, const scene::Scene::Dirty& dirty, bool buttons,
               const Viewport& vp, PixelRatio ratio);

// On Wayland a frame waits for the compositor's frame callback: changes
// that come meanwhile share one frame, and the buffer handed over last is
// free again by then, so the toolkit need not copy it. Elsewhere a repaint
// is asked for at once.
class FramePacer : public QObject {
 public:
  explicit FramePacer(QWidget* window) : window_(window) {}
  // Once the window has its native window.
  void shown();
  void schedule(const QRegion& region);
  bool paced() const { return paced_; }
  // Asked at each frame: more to repaint, and whether another frame is
  // wanted after it (something still moving).
  void set_before_frame(std::function<std::pair<QRegion, bool>()> f) {
    before_frame_ = std::move(f);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* ev) override;

 private:
  QWidget* window_;
  bool paced_ = false;
  QRegion pending_;
  std::function<std::pair<QRegion, bool>()> before_frame_;
};

}  // namespace zandovik::app
