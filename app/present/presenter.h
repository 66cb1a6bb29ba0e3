#pragma once
// What the window shows of the session: its title, the regions that
// changed, the moving elements drawn between the ticks, the frames that
// carry them, and the paint itself. Drawing reads the session and never
// changes it.
#include <QPainter>
#include <QRegion>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <vector>

#include "app/present/frames.h"
#include "app/present/motion.h"
#include "app/present/paint.h"
#include "app/present/picture_cache.h"
#include "game/session.h"

namespace zandovik::app {

class Presenter {
 public:
  // `smooth`: the moving elements drawn between the ticks.
  Presenter(QWidget* window, game::Session& session, const game::Clock& clock, bool smooth);

  // The session ran: by `woke`, only its ticks (their moves are drawn on
  // their way), or anything else (input: whatever moved jumps).
  void changed(const game::Woke& woke = {});
  // The window was shown, or took a new size.
  void shown() { pacer_.shown(); }
  void resized();
  // Paint `region` (logical pixels); `pressed`: a button held down.
  void paint(QPainter& p, const QRegion& region, const scene::Element* pressed);
  // The buttons drawn ahead of their first showing.
  void prepare();
  Viewport viewport() const;
  void set_smooth(bool on) { smooth_ = on; }
  PixelRatio ratio() const { return {window_->devicePixelRatioF()}; }
  // Frames painted so far, and a call after each one (measurements).
  std::uint64_t frames() const { return frames_; }
  void set_on_frame(std::function<void()> f) { on_frame_ = std::move(f); }

 private:
  void push_dirty();
  void observe_motion(const game::Woke& woke);
  QRegion redraw_motion();
  bool want_frames() const;
  Motion::Live live(double now) const;

  QWidget* window_;
  game::Session& session_;
  const game::Clock& clock_;
  bool smooth_;
  PictureCache cache_;
  Motion motion_;
  std::vector<DrawnAt> drawn_;  // where the moving elements are drawn now
  std::uint64_t generation_seen_ = 0, motion_generation_ = 0;
  std::uint32_t caption_writes_seen_ = ~0u;
  FramePacer pacer_;
  std::uint64_t frames_ = 0;
  bool texts_straight_ = true;  // the first paint at this size: no text pictures yet
  std::function<void()> on_frame_;
};

}  // namespace zandovik::app
