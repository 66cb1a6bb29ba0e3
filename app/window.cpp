#include "app/window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <new>
#include <utility>

#include "app/fonts.h"
#include "app/frames.h"
#include "app/identity.h"
#include "app/keys.h"
#include "app/process.h"

namespace zandovik::app {

using scene::Named;

namespace {

// The default size: as large as fits comfortably, in quarter steps.
QSize default_size(const QScreen* screen) {
  double scale = 1.0;
  if (screen) {
    QRect avail = screen->availableGeometry();
    double fit =
        std::min(avail.width() * 0.9 / kDesignWidthPx, avail.height() * 0.85 / kDesignHeightPx);
    // Below the design size only where the screen is smaller than it (a
    // large scale factor): the whole board is always in view.
    scale = fit >= 1 ? std::floor(fit * 4) / 4 : fit;
  }
  return QSize(std::max(1, static_cast<int>(kDesignWidthPx * scale)),
               std::max(1, static_cast<int>(kDesignHeightPx * scale)));
}

}  // namespace

void set_toolkit_defaults() {
  // Qt's own event loop wakes less than GLib's for the logo's small repaints.
  set_env_default("QT_NO_GLIB", "1");
  // On Wayland the window paints only when the compositor asks for a frame,
  // and a hidden window simply gets none: the toolkit's timer that watches
  // for late frame callbacks would only add a wake-up to every frame.
  set_env_default("QT_WAYLAND_FRAME_CALLBACK_TIMEOUT", "0");
}

GameWindow::GameWindow(WindowOptions options)
    : runtime_(state_, rng_, &clock_),
      keys_(KeyRepeat::for_platform(), [this](bool down, int key, Qt::KeyboardModifiers mods) {
        // The player takes the keys: the pointer lets go first.
        if (down) release_pointer();
        feed(game::Input::key(down, virtual_key(key), shift_state(mods), clock_.now()));
        after_event();
      }) {
  smooth_ = options.smooth;
  runtime_.set_on_cue([this](game::Cue c, int value) {
    if (sound_ && !muted_) sound_->play(c, value);
  });
  setWindowTitle(scene::kInitialCaption);
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);                  // the pointer steers the paddle
  setAttribute(Qt::WA_AcceptTouchEvents);  // and so does a finger
  setAttribute(Qt::WA_OpaquePaintEvent);
  const QSize size = default_size(QGuiApplication::primaryScreen());
  setMinimumSize(QSize(kDesignWidthPx / 4, kDesignHeightPx / 4).boundedTo(size));
  resize(size);

  tick_timer_.setTimerType(Qt::PreciseTimer);
  tick_timer_.setSingleShot(true);
  connect(&tick_timer_, &QTimer::timeout, this, [this] { on_timer(); });

  connect(&pad_timer_, &QTimer::timeout, this, [this] { read_pads(); });
  frame_timer_.setTimerType(Qt::PreciseTimer);
  frame_timer_.setSingleShot(true);
  connect(&frame_timer_, &QTimer::timeout, this, [this] { on_frame_timer(); });
  frames_paced_.set_before_frame([this] {
    QRegion r = redraw_motion(clock_.now());
    return std::make_pair(r, want_frames());
  });

  replay_timer_.setTimerType(Qt::PreciseTimer);
  replay_timer_.setSingleShot(true);
  connect(&replay_timer_, &QTimer::timeout, this, [this] { play_recording(); });
  if (options.replay) {
    // The recording drives the game: its seeds, its input, its time.
    runtime_.set_boards(options.replay->boards);
    player_ = std::make_unique<game::ReplayPlayer>(std::move(options.replay), runtime_, rng_);
    play_recording();
    return;
  }
  runtime_.set_boards(options.boards);
  if (options.record &&
      recorder_.open(
          *options.record, options.version,
          [](const std::string& e) { std::fprintf(stderr, "zandovik: %s\n", e.c_str()); },
          options.boards.get()))
    rng_.set_seed_source([this] {
      const std::uint32_t s = scene::Rng::clock_seed();
      recorder_.seed(s);
      return s;
    });
  const double now = clock_.now();
  recorder_.show(now);
  runtime_.show(now);
  after_event();
}

void GameWindow::feed(const game::Input& in) {
  if (player_) return;  // a replay takes no input but its own
  recorder_.input(in);
  try {
    runtime_.input(in);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "zandovik: %s\n", e.what());
  }
  after_event();
}

// The recording's lines as their time comes, at the speed they were made.
void GameWindow::play_recording() {
  while (!player_->done() && player_->next_at() <= clock_.now())
    if (!player_->step()) break;
  after_event();
  if (!player_->error().empty()) {
    // The recording turned out unplayable: said, and the game ends.
    std::fprintf(stderr, "zandovik: %s\n", player_->error().c_str());
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(1); });
  } else if (!player_->parted().empty()) {
    std::printf("replay parted at %s: the checksum differs\n", player_->parted().c_str());
  } else if (player_->done()) {
    std::printf("replay matches\n");
  } else {
    replay_timer_.start(
        std::max(0, static_cast<int>(std::ceil(player_->next_at() - clock_.now()))));
    return;
  }
  std::fflush(stdout);
}

GameWindow::~GameWindow() = default;

Viewport GameWindow::viewport() const {
  return Viewport::fit(ratio().device(size()));
}

void GameWindow::paintEvent(QPaintEvent* ev) {
  QPainter p(this);
  // The window's image could not be allocated: out of memory, handled as
  // any failed allocation is.
  if (!p.isActive()) {
    if (auto out_of_memory = std::get_new_handler()) out_of_memory();
    return;
  }
  // Paint in device pixels so that every edge lands on a whole pixel. The
  // painter maps by the ratio only from 1 up: below it (a scale factor
  // under 1) it already paints in device pixels.
  const double painter_scale = p.deviceTransform().m11();
  p.scale(1 / painter_scale, 1 / painter_scale);
  PaintOptions opts;
  opts.cache = &cache_;
  if (pressed_) opts.pressed = &runtime_.scene().get(*pressed_);
  if (!drawn_.empty()) opts.drawn = &drawn_;
  const Viewport vp = viewport();
  // Each rectangle on its own: the space between two is left alone.
  for (const QRect& r : ev->region()) {
    paint_scene(p, runtime_.scene(), vp, ratio().device(r), opts);
  }
  if (++frames_ == 1) {
    // Right after the first frame, while the ball still rests.
    QTimer::singleShot(0, this, [this] {
      prepare_buttons(runtime_.scene(), viewport(), cache_);
      if (!sound_) sound_ = std::make_unique<Sound>();
      if (!pads_ && !player_) start_pads();
      // The theme's icon (the installed one), else the game's own.
      setWindowIcon(QIcon::fromTheme(kAppId, QIcon(":/org.zandovik.Zandovik.png")));
      for (const auto& warning : missing_font_warnings())
        std::fprintf(stderr, "zandovik: %s\n", warning.c_str());
    });
  }
  if (on_frame_) on_frame_();
}

void GameWindow::resizeEvent(QResizeEvent*) {
  // The toolkit answers an image it cannot allocate with warnings and an
  // unpainted window; ask for room for the window's image (and one more
  // for the upload) first, so a size that does not fit ends cleanly.
  const QSize image = ratio().device(size());
  need_room(2.0 * 4 * image.width() * image.height());
  motion_.snap();
  drawn_.clear();
  update();
  if (frames_ > 0)
    QTimer::singleShot(0, this, [this] { prepare_buttons(runtime_.scene(), viewport(), cache_); });
}

void GameWindow::push_dirty() {
  auto& scene = runtime_.scene();
  auto dirty = scene.take_dirty();
  const bool buttons = scene.take_buttons_changed();
  if (runtime_.generation() != generation_seen_) {
    generation_seen_ = runtime_.generation();
    dirty.all = true;
  }
  const QRegion region =
      dirty.all ? QRegion(rect()) : damage(scene, dirty, buttons, viewport(), ratio());
  if (region.isEmpty()) return;
  if (frame_timer_.isActive()) {
    frame_pending_ += region;  // painted with the next frame
  } else {
    frames_paced_.schedule(region);
  }
}

// Where the moving elements went since the last look: a tick's move is
// drawn between its two places, anything else outright; while play stands
// still, exactly where the rules have them.
void GameWindow::observe_motion() {
  const auto& scene = runtime_.scene();
  if (motion_generation_ != runtime_.generation()) {
    motion_generation_ = runtime_.generation();
    drawn_.clear();  // those elements are gone; the whole window repaints
    motion_ = Motion();
  }
  motion_.observe(scene, tick_ran_ ? tick_at_ : clock_.now(), tick_ran_,
                  scene.get(Named::Timer2).interval, scene.get(Named::Timer3).interval);
  tick_ran_ = false;
  if (!smooth_ || !play_runs()) motion_.snap();
  const QRegion r = redraw_motion(clock_.now());
  if (!r.isEmpty()) {
    if (frame_timer_.isActive()) {
      frame_pending_ += r;
    } else {
      frames_paced_.schedule(r);
    }
  }
  arm_frames();
}

// The drawn places at `now`, and the region they leave and take.
QRegion GameWindow::redraw_motion(double now) {
  if (!smooth_ && drawn_.empty()) return {};
  std::vector<DrawnAt> next = motion_.drawn(runtime_.scene(), now, want_frames());
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
        rects.push_back(pr.logical(vp.rect(x, y, d.e->width, d.e->height).adjusted(-3, -3, 3, 3)));
    }
  };
  add(drawn_);
  add(next);
  drawn_ = std::move(next);
  QRegion region;
  for (const QRect& r : coalesce(std::move(rects), 128 * 128)) region += r;
  return region;
}

bool GameWindow::want_frames() const {
  // A hidden, minimised or covered-up window gets no frames of its own.
  const QWindow* handle = windowHandle();
  return smooth_ && play_runs() && handle && handle->isExposed() && !isMinimized() &&
         motion_.moving(clock_.now(), game::kPlayInterval);
}

// On X11, a frame each refresh while something moves between the ticks.
void GameWindow::arm_frames() {
  if (frames_paced_.paced()) return;  // the compositor asks for the frames
  if (!want_frames()) {
    if (frame_timer_.isActive()) {
      frame_timer_.stop();
      if (!frame_pending_.isEmpty()) update(std::exchange(frame_pending_, QRegion()));
    }
    return;
  }
  if (frame_timer_.isActive()) return;
  const double now = clock_.now();
  next_frame_ = std::max(next_frame_ + frame_interval_, now);
  frame_timer_.start(std::max(0, static_cast<int>(std::ceil(next_frame_ - now))));
}

void GameWindow::on_frame_timer() {
  const QRegion r = std::exchange(frame_pending_, QRegion()) + redraw_motion(clock_.now());
  // A frame hands over few rectangles: the ball's way and the tick's
  // changes around it are joined where the space between costs less.
  std::vector<QRect> rects(r.begin(), r.end());
  for (const QRect& joined : coalesce(std::move(rects), 128 * 128)) update(joined);
  arm_frames();
}

void GameWindow::follow_refresh_rate() {
  const QScreen* s = screen();
  double rate = s ? s->refreshRate() : 60;
  if (!(rate >= 30 && rate <= 360)) rate = 60;  // an unknown rate counts as 60 Hz
  frame_interval_ = 1000.0 / rate;
}

void GameWindow::showEvent(QShowEvent*) {
  frames_paced_.shown();
  if (QWindow* handle = windowHandle(); handle && !refresh_followed_) {
    refresh_followed_ = true;
    auto follow_screen = [this](QScreen* s) {
      follow_refresh_rate();
      if (s) connect(s, &QScreen::refreshRateChanged, this, [this] { follow_refresh_rate(); });
    };
    connect(handle, &QWindow::screenChanged, this, follow_screen);
    follow_screen(handle->screen());
  }
}

void GameWindow::after_event() {
  if (!runtime_.shown()) return;
  auto& scene = runtime_.scene();
  if (scene.window_caption_writes() != caption_writes_seen_ ||
      runtime_.generation() != generation_seen_) {
    caption_writes_seen_ = scene.window_caption_writes();
    setWindowTitle(QString::fromStdString(scene.window_caption()));
  }
  push_dirty();
  observe_motion();
  arm_timer();
  // While the ball is in play (launched, and play neither paused, over nor
  // between levels) the screen stays awake.
  screensaver_.want(isActiveWindow() && ball_in_flight());
  steer();
  arm_pads();
}

void GameWindow::arm_timer() {
  if (player_) return;  // the recording's own advances drive time
  auto due = runtime_.next_due();
  if (!due) {
    tick_timer_.stop();
    return;
  }
  const double wait = *due - clock_.now();
  tick_timer_.start(std::max(0, static_cast<int>(std::ceil(wait))));
}

void GameWindow::on_timer() {
  try {
    // Before the paddle's tick.
    read_pads();
    steer();
    const double now = clock_.now();
    const auto due = runtime_.next_due();
    const bool stalled = runtime_.stalled();
    const auto stalls = runtime_.stalls();
    const auto generation = runtime_.generation();
    recorder_.advance(now);
    runtime_.advance_to(now);
    // Only the ticks ran: what they moved is drawn on its way.
    tick_ran_ = !stalled && !runtime_.stalled() && stalls == runtime_.stalls() &&
                generation == runtime_.generation();
    tick_at_ = due ? std::min(*due, now) : now;
    recorder_.checkpoint(now, runtime_);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "zandovik: %s\n", e.what());
  }
  after_event();
}

void GameWindow::keyPressEvent(QKeyEvent* ev) {
  if (ev->key() == Qt::Key_F11) {
    // A window command of its own; the game never sees it.
    if (!ev->isAutoRepeat()) setWindowState(windowState() ^ Qt::WindowFullScreen);
    return;
  }
  if (ev->key() == Qt::Key_M) {
    // Sound on and off: a window command too; the rules give M no meaning.
    if (!ev->isAutoRepeat()) {
      muted_ = !muted_;
      if (muted_ && sound_) sound_->silence();
    }
    return;
  }
  keys_.press(ev->key(), ev->modifiers(), ev->timestamp());
}

void GameWindow::keyReleaseEvent(QKeyEvent* ev) {
  if (ev->key() == Qt::Key_F11 || ev->key() == Qt::Key_M) return;
  keys_.release(ev->key(), ev->modifiers(), ev->timestamp(), ev->isAutoRepeat());
}

void GameWindow::focusOutEvent(QFocusEvent*) {
  focus_lost();
}

void GameWindow::changeEvent(QEvent* ev) {
  if (ev->type() == QEvent::ActivationChange) arm_pads();
  if ((ev->type() == QEvent::ActivationChange && !isActiveWindow()) ||
      (ev->type() == QEvent::WindowStateChange && isMinimized()))
    focus_lost();
  QWidget::changeEvent(ev);
}

void GameWindow::focus_lost() {
  if (!runtime_.shown()) return;
  // No key can stay held while the window is away.
  if (!keys_.flush()) feed(game::Input::key(false, 0, 0, clock_.now()));
  pad_dir_ = 0;  // released with the keys
  // A player who looks away finds the game paused: the window presses P for
  // them, so the Pause button shows and play waits for a click.
  if (runtime_.scene().get(Named::Timer1).interval > 0)
    feed(game::Input::key(true, game::kKeyP, 0, clock_.now()));
  after_event();
}

std::optional<Named> GameWindow::button_at(QPointF pos) const {
  const Viewport vp = viewport();
  const QPoint device = ratio().device(pos);
  std::optional<Named> best;
  std::uint64_t best_z = 0;
  for (Named n : game::kButtons) {
    const auto& b = runtime_.scene().get(n);
    if (b.visible && vp.rect(b).contains(device) && (!best || b.z > best_z)) {
      best = n;
      best_z = b.z;
    }
  }
  return best;
}

void GameWindow::closeEvent(QCloseEvent* ev) {
  tick_timer_.stop();
  replay_timer_.stop();
  recorder_.end(clock_.now(), runtime_);
  ev->accept();
  QCoreApplication::quit();
}

}  // namespace zandovik::app
