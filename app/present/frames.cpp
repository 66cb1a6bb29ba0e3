#include "app/present/frames.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <utility>

#include "app/present/damage.h"
#include "game/session.h"

namespace zandovik::app {

FramePacer::FramePacer(QWidget* window, const game::Clock& clock, std::function<QRegion()> more,
                       std::function<bool()> wanted)
    : window_(window), clock_(clock), more_(std::move(more)), wanted_(std::move(wanted)) {
  timer_.setTimerType(Qt::PreciseTimer);
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, [this] { on_timer(); });
}

void FramePacer::shown() {
  QWindow* handle = window_->windowHandle();
  if (!handle) return;
  if (!paced_ && QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
    handle->installEventFilter(this);
    paced_ = true;
  }
  if (!refresh_followed_) {
    refresh_followed_ = true;
    auto follow_screen = [this](QScreen* s) {
      follow_refresh_rate();
      if (s) connect(s, &QScreen::refreshRateChanged, this, [this] { follow_refresh_rate(); });
    };
    connect(handle, &QWindow::screenChanged, this, follow_screen);
    follow_screen(handle->screen());
  }
}

void FramePacer::follow_refresh_rate() {
  const QScreen* s = window_->screen();
  double rate = s ? s->refreshRate() : 60;
  if (!(rate >= 30 && rate <= 360)) rate = 60;  // an unknown rate counts as 60 Hz
  interval_ = 1000.0 / rate;
}

namespace {

// A frame asked for by a change comes at least this share of a refresh
// after the last one; the paced ones keep to their beat.
constexpr double kShortestGap = 0.75;

}  // namespace

void FramePacer::schedule(const QRegion& region) {
  if (region.isEmpty()) return;
  pending_ += region;
  QWindow* handle = window_->windowHandle();
  if (paced_ && handle) {
    handle->requestUpdate();
  } else if (!timer_.isActive()) {
    // The beat of the frames that follow starts here.
    next_ = std::max(clock_.now(), last_frame_ + kShortestGap * interval_);
    frame_at(next_);
  }
}

void FramePacer::keep_up() {
  if (paced_ || timer_.isActive() || !wanted_()) return;  // a frame is coming, or none is wanted
  next_ = std::max(next_ + interval_, clock_.now());
  frame_at(next_);
}

void FramePacer::frame_at(double when) {
  timer_.start(game::wait_ms(when, clock_.now()));
}

void FramePacer::on_timer() {
  const QRegion r = std::exchange(pending_, QRegion()) + more_();
  if (!r.isEmpty()) {
    // A frame hands over few rectangles: the ball's way and the tick's
    // changes around it are joined where the space between costs less.
    QRegion joined;
    for (const QRect& rect : coalesce(std::vector<QRect>(r.begin(), r.end()))) joined += rect;
    last_frame_ = clock_.now();
    // Painted now, with the places just taken; a window not on screen yet
    // paints them when it comes.
    const QWindow* handle = window_->windowHandle();
    if (handle && handle->isExposed()) {
      window_->repaint(joined);
    } else {
      window_->update(joined);
    }
  }
  keep_up();
}

bool FramePacer::eventFilter(QObject* watched, QEvent* ev) {
  // The window's own handling of a frame request repaints everything; only
  // what changed is painted here.
  if (ev->type() == QEvent::UpdateRequest && watched == window_->windowHandle()) {
    pending_ += more_();
    // The next frame when the compositor is ready for it.
    if (wanted_()) window_->windowHandle()->requestUpdate();
    if (!pending_.isEmpty()) {
      window_->repaint(std::exchange(pending_, QRegion()));
      return true;
    }
  }
  return QObject::eventFilter(watched, ev);
}

}  // namespace zandovik::app
