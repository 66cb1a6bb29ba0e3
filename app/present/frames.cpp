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

void FramePacer::schedule(const QRegion& region) {
  if (region.isEmpty()) return;
  QWindow* handle = window_->windowHandle();
  if (timer_.isActive()) {
    pending_ += region;  // painted with the next frame
  } else if (paced_ && handle) {
    pending_ += region;
    handle->requestUpdate();
  } else {
    window_->update(region);
  }
}

void FramePacer::keep_up() {
  if (paced_) return;  // the compositor asks for the frames
  if (!wanted_()) {
    if (timer_.isActive()) {
      timer_.stop();
      if (!pending_.isEmpty()) window_->update(std::exchange(pending_, QRegion()));
    }
    return;
  }
  if (timer_.isActive()) return;
  const double now = clock_.now();
  next_ = std::max(next_ + interval_, now);
  timer_.start(game::wait_ms(next_, now));
}

void FramePacer::on_timer() {
  const QRegion r = std::exchange(pending_, QRegion()) + more_();
  // A frame hands over few rectangles: the ball's way and the tick's
  // changes around it are joined where the space between costs less.
  for (const QRect& joined : coalesce(std::vector<QRect>(r.begin(), r.end())))
    window_->update(joined);
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
