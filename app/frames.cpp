#include "app/frames.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWindow>
#include <utility>

namespace zandovik::app {

namespace {

// Painting 128 x 128 spare pixels costs less than one more rectangle.
constexpr long long kJoinSlack = 128 * 128;

}  // namespace

QRegion damage(const scene::Scene& s, const scene::Scene::Dirty& dirty, bool buttons,
               const Viewport& vp, PixelRatio ratio) {
  std::vector<QRect> rects;
  auto add = [&](float l, float t, float w, float h) {
    rects.push_back(ratio.logical(vp.rect(l, t, w, h).adjusted(-3, -3, 3, 3)));
  };
  for (const auto& r : dirty.rects) add(r.x, r.y, r.w, r.h);
  if (buttons)
    for (scene::Named n : scene::kButtons) {
      const auto& b = s.get(n);
      add(b.left, b.top, b.width, b.height);
    }
  QRegion region;
  for (const QRect& r : coalesce(std::move(rects), kJoinSlack)) region += r;
  return region;
}

void FramePacer::shown() {
  if (paced_ || !QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) return;
  if (QWindow* handle = window_->windowHandle()) {
    handle->installEventFilter(this);
    paced_ = true;
  }
}

void FramePacer::schedule(const QRegion& region) {
  QWindow* handle = window_->windowHandle();
  if (!paced_ || !handle) {
    window_->update(region);
    return;
  }
  pending_ += region;
  handle->requestUpdate();
}

bool FramePacer::eventFilter(QObject* watched, QEvent* ev) {
  // The window's own handling of a frame request repaints everything; only
  // what changed is painted here.
  if (ev->type() == QEvent::UpdateRequest && watched == window_->windowHandle()) {
    bool again = false;
    if (before_frame_) {
      auto [more, wanted] = before_frame_();
      pending_ += more;
      again = wanted;
    }
    // The next frame when the compositor is ready for it.
    if (again) window_->windowHandle()->requestUpdate();
    if (!pending_.isEmpty()) {
      window_->repaint(std::exchange(pending_, QRegion()));
      return true;
    }
  }
  return QObject::eventFilter(watched, ev);
}

}  // namespace zandovik::app
