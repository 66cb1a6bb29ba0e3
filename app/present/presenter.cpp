#include "app/present/presenter.h"

#include <QWindow>
#include <algorithm>
#include <utility>

#include "app/present/damage.h"

namespace zandovik::app {

using scene::Named;

Presenter::Presenter(QWidget* window, game::Session& session, const game::Clock& clock, bool smooth)
    : window_(window),
      session_(session),
      clock_(clock),
      smooth_(smooth),
      pacer_(
          window, clock, [this] { return redraw_motion(); }, [this] { return want_frames(); }) {}

Viewport Presenter::viewport() const {
  return window_viewport(window_->size(), ratio());
}

void Presenter::changed(const game::Woke& woke) {
  if (!session_.shown()) return;
  const auto& scene = session_.scene();
  if (scene.window_caption_writes() != caption_writes_seen_ ||
      session_.generation() != generation_seen_) {
    caption_writes_seen_ = scene.window_caption_writes();
    window_->setWindowTitle(QString::fromStdString(scene.window_caption()));
  }
  push_dirty();
  observe_motion(woke);
}

void Presenter::push_dirty() {
  // What changed is kept for the painter: taking it changes no rule.
  const auto& scene = session_.scene();
  auto dirty = session_.take_dirty();
  const bool buttons = session_.take_buttons_changed();
  if (session_.generation() != generation_seen_) {
    generation_seen_ = session_.generation();
    dirty.all = true;
  }
  pacer_.schedule(dirty.all ? QRegion(window_->rect())
                            : damage(scene, dirty, buttons, viewport(), ratio()));
}

// Where the moving elements went since the last look: a tick's move is
// drawn between its two places, anything else outright; while play stands
// still, exactly where the rules have them.
void Presenter::observe_motion(const game::Woke& woke) {
  const auto& scene = session_.scene();
  if (motion_generation_ != session_.generation()) {
    motion_generation_ = session_.generation();
    drawn_.clear();  // those elements are gone; the whole window repaints
    motion_ = Motion();
  }
  motion_.observe(scene, woke.ticks_only ? woke.tick_at : clock_.now(), woke.ticks_only,
                  scene.get(Named::Timer2).interval, scene.get(Named::Timer3).interval);
  if (!smooth_ || !session_.play_runs()) motion_.snap();
  pacer_.schedule(redraw_motion());
  pacer_.keep_up();
}

// The drawn places now, and the region they leave and take.
QRegion Presenter::redraw_motion() {
  if (!smooth_ && drawn_.empty()) return {};
  const double now = clock_.now();
  std::vector<DrawnAt> next = motion_.drawn(session_.scene(), now, want_frames(), live(now));
  auto place = [](const std::vector<DrawnAt>& list, const scene::Element* e) {
    for (const DrawnAt& d : list)
      if (d.e == e) return std::make_pair(d.left, d.top);
    return std::make_pair(e->left, e->top);
  };
  std::vector<QRect> rects;
  const Viewport vp = viewport();
  const PixelRatio pr = ratio();
  auto add = [&](const std::vector<DrawnAt>& list) {
    for (const DrawnAt& d : list) {
      const auto before = place(drawn_, d.e), after = place(next, d.e);
      if (before == after) continue;
      for (const auto& [x, y] : {before, after})
        rects.push_back(damaged(vp.rect(x, y, d.e->width, d.e->height), pr));
    }
  };
  add(drawn_);
  add(next);
  drawn_ = std::move(next);
  return joined(std::move(rects));
}

bool Presenter::want_frames() const {
  // A hidden, minimised or covered-up window gets no frames of its own.
  const QWindow* handle = window_->windowHandle();
  if (!smooth_ || !session_.play_runs() || !handle || !handle->isExposed() ||
      window_->isMinimized())
    return false;
  const double now = clock_.now();
  const Motion::Live l = live(now);
  if (motion_.moving(now, game::kPlayInterval, l.on)) return true;
  // The paddle drawn ahead moves with the clock while a step would take it on.
  const auto& paddle = session_.scene().get(Named::paddle);
  return l.paddle_left &&
         game::paddle_moved(session_.state(), paddle.left, paddle.width) != paddle.left;
}

// In live play the paddle answers the hand: drawn at its newest tick, and
// while a direction is held, ahead by the share of its step that the time
// since its last tick covers (the rules move it a whole step at its next
// one). Replays draw what the recording gives, between the ticks.
Motion::Live Presenter::live(double now) const {
  Motion::Live l;
  l.on = smooth_ && !session_.replaying();
  const auto& s = session_.state();
  if (!l.on || s.paddledir == 0 || !session_.play_runs()) return l;
  const auto due = session_.due(game::TimerId::Timer1);
  const double interval = session_.scene().get(Named::Timer1).interval;
  if (!due || interval <= 0) return l;
  const double share = std::clamp(1 - (*due - now) / interval, 0.0, 1.0);
  const auto& paddle = session_.scene().get(Named::paddle);
  l.paddle_left = static_cast<float>(game::paddle_moved(s, paddle.left, paddle.width, share));
  return l;
}

void Presenter::resized() {
  texts_straight_ = true;
  motion_.snap();
  drawn_.clear();
  window_->update();
}

void Presenter::prepare() {
  if (session_.shown()) prepare_buttons(session_.scene(), viewport(), cache_);
}

void Presenter::paint(QPainter& p, const QRegion& region, const scene::Element* pressed) {
  // Paint in device pixels so that every edge lands on a whole pixel. The
  // painter maps by the ratio only from 1 up: below it (a scale factor
  // under 1) it already paints in device pixels.
  const double painter_scale = p.deviceTransform().m11();
  p.scale(1 / painter_scale, 1 / painter_scale);
  const PixelRatio pr = ratio();
  if (!session_.shown()) {
    // No game yet (a recording's show line still to come): bars only.
    for (const QRect& r : region) p.fillRect(pr.device(r), kLetterbox);
  } else {
    PaintOptions opts;
    opts.cache = &cache_;
    // The first paint, and the first at a new size, would make nearly every
    // picture at once: 5-6 ms of CPU of the first frame, mostly new pages.
    // Later repaints make the texts' pictures as they need them.
    opts.text_straight = std::exchange(texts_straight_, false);
    opts.pressed = pressed;
    if (!drawn_.empty()) opts.drawn = &drawn_;
    const Viewport vp = viewport();
    // Each rectangle on its own: the space between two is left alone.
    for (const QRect& r : region) paint_scene(p, session_.scene(), vp, pr.device(r), opts);
  }
  ++frames_;
  if (on_frame_) on_frame_();
}

}  // namespace zandovik::app
