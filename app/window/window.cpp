#include "app/window/window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTouchEvent>
#include <cstdio>
#include <new>

#include "app/input/keys.h"
#include "app/present/fonts.h"
#include "app/system/display.h"
#include "app/system/identity.h"
#include "app/system/memory.h"

namespace zandovik::app {

GameWindow::GameWindow(std::unique_ptr<Play> play, bool smooth)
    : play_(play ? std::move(play) : std::make_unique<Play>()),
      arrow_([this](const game::Input& in) { feed(in); }),
      keys_(KeyRepeat::for_platform(),
            [this](bool down, int key, Qt::KeyboardModifiers mods) {
              if (down) arrow_.let_go(now());  // the player takes the keys
              feed(game::Input::key(down, virtual_key(key), shift_state(mods), now()));
            }),
      pointer_(this, session(), arrow_, play_->clock, [this](const game::Input& in) { feed(in); }),
      pads_(this, session(), arrow_, play_->clock, [this](const game::Input& in) { feed(in); }),
      present_(this, session(), play_->clock, smooth) {
  session().set_on_cue([this](game::Cue c, int value) {
    if (sound_ && !muted_) sound_->play(c, value);
  });
  setWindowTitle(scene::kInitialCaption);
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);                  // the pointer steers the paddle
  setAttribute(Qt::WA_AcceptTouchEvents);  // and so does a finger
  setAttribute(Qt::WA_OpaquePaintEvent);
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QSize size = default_window_size(screen ? screen->availableGeometry().size() : QSize());
  setMinimumSize(QSize(kDesignWidthPx / 4, kDesignHeightPx / 4).boundedTo(size));
  resize(size);
  tick_timer_.setTimerType(Qt::PreciseTimer);
  tick_timer_.setSingleShot(true);
  connect(&tick_timer_, &QTimer::timeout, this, [this] { on_timer(); });
  session().show();
  after();
}

GameWindow::~GameWindow() = default;

void GameWindow::feed(const game::Input& in) {
  if (play_->keeper) play_->keeper->before(in);
  session().input(in);
  after();
}

// After every call to the session: what it shows, when it wakes next, what
// the devices hold, and a replay's end.
void GameWindow::after(const game::Woke& woke) {
  if (auto o = session().take_outcome()) {
    std::printf("%s\n", o->text.c_str());
    std::fflush(stdout);
    if (o->refused) {
      std::fprintf(stderr, "zandovik: %s\n", o->text.c_str());
      // Queued: the event loop may not run yet.
      QMetaObject::invokeMethod(
          qApp, [] { QCoreApplication::exit(1); }, Qt::QueuedConnection);
    }
  }
  // The game speed: the clock runs slower, so a wait on it is longer.
  if (play_->clock.scale() != session().time_scale())
    play_->clock.set_scale(session().time_scale());
  if (auto due = session().next_wake()) {
    const double scale = play_->clock.scale();
    tick_timer_.start(scale == 1 ? game::wait_ms(*due, now())
                                 : game::wait_ms(*due / scale, now() / scale));
  } else {
    tick_timer_.stop();
  }
  if (!session().shown()) return;
  if (play_->keeper) play_->keeper->after();
  present_.changed(woke);
  // While the ball is in play the screen stays awake.
  screensaver_.want(isActiveWindow() && session().ball_in_flight());
  pointer_.steer();
  pads_.arm();
}

void GameWindow::on_timer() {
  // Before the paddle's tick.
  pads_.before_tick();
  pointer_.steer();
  after(session().wake());
}

void GameWindow::paintEvent(QPaintEvent* ev) {
  QPainter p(this);
  // The window's image could not be allocated: out of memory, handled as
  // any failed allocation is.
  if (!p.isActive()) {
    if (auto out_of_memory = std::get_new_handler()) out_of_memory();
    return;
  }
  present_.paint(p, ev->region(), pointer_.held_button());
  if (present_.frames() == 1) QTimer::singleShot(0, this, [this] { after_first_frame(0); });
}

// Once the first frame is on screen, while the ball still rests: one step
// a turn of the event loop (together they take tens of milliseconds), so
// neither the frame nor a first key waits for all of them.
void GameWindow::after_first_frame(int step) {
  switch (step) {
    case 0:
      wait_for_display();
      present_.prepare();
      break;
    case 1:
      if (!sound_) sound_ = std::make_unique<Sound>();
      break;
    case 2:
      pads_.start();
      break;
    case 3:
      // The theme's icon (the installed one), else the game's own.
      setWindowIcon(QIcon::fromTheme(kAppId, QIcon(kBuiltInIcon)));
      break;
    default:
      for (const auto& warning : missing_font_warnings())
        std::fprintf(stderr, "zandovik: %s\n", warning.c_str());
      return;
  }
  QTimer::singleShot(0, this, [this, step] { after_first_frame(step + 1); });
}

void GameWindow::resizeEvent(QResizeEvent*) {
  // The toolkit answers an image it cannot allocate with warnings and an
  // unpainted window; ask for room for the window's image (and one more
  // for the upload) first, so a size that does not fit ends cleanly.
  const QSize image = present_.ratio().device(size());
  need_room(2.0 * 4 * image.width() * image.height());
  present_.resized();
  if (present_.frames() > 0) QTimer::singleShot(0, this, [this] { present_.prepare(); });
}

void GameWindow::showEvent(QShowEvent*) {
  present_.shown();
}

void GameWindow::keyPressEvent(QKeyEvent* ev) {
  // F11 and M are the window's own commands; the rules give them no meaning.
  if (ev->key() == Qt::Key_F11) {
    if (!ev->isAutoRepeat()) setWindowState(windowState() ^ Qt::WindowFullScreen);
  } else if (ev->key() == Qt::Key_M) {
    if (!ev->isAutoRepeat()) set_sound(muted_);
  } else if (ev->key() == Qt::Key_Escape && play_->escape_closes) {
    close();
  } else {
    keys_.press(ev->key(), ev->modifiers(), ev->timestamp());
  }
}

void GameWindow::set_sound(bool on) {
  if (!(muted_ = !on) || !sound_) return;
  sound_->silence();
}

void GameWindow::keyReleaseEvent(QKeyEvent* ev) {
  if (ev->key() == Qt::Key_F11 || ev->key() == Qt::Key_M) return;
  keys_.release(ev->key(), ev->modifiers(), ev->timestamp(), ev->isAutoRepeat());
}

void GameWindow::mouseMoveEvent(QMouseEvent* ev) {
  pointer_.moved(ev->position());
}

void GameWindow::mousePressEvent(QMouseEvent* ev) {
  if (ev->button() == Qt::LeftButton) pointer_.pressed(ev->position());
}

void GameWindow::mouseReleaseEvent(QMouseEvent* ev) {
  if (ev->button() == Qt::LeftButton) pointer_.released(ev->position());
}

bool GameWindow::event(QEvent* ev) {
  // A finger is the pointer's, taken whole: the toolkit makes no mouse events of it.
  const auto t = ev->type();
  if (t != QEvent::TouchBegin && t != QEvent::TouchUpdate && t != QEvent::TouchEnd &&
      t != QEvent::TouchCancel)
    return QWidget::event(ev);
  pointer_.touched(static_cast<QTouchEvent*>(ev));
  return true;
}

void GameWindow::focusOutEvent(QFocusEvent*) {
  focus_lost();
}

void GameWindow::changeEvent(QEvent* ev) {
  if (ev->type() == QEvent::ActivationChange) pads_.arm();
  if ((ev->type() == QEvent::ActivationChange && !isActiveWindow()) ||
      (ev->type() == QEvent::WindowStateChange && isMinimized()))
    focus_lost();
  QWidget::changeEvent(ev);
}

void GameWindow::focus_lost() {
  if (!session().shown()) return;
  // No key can stay held while the window is away, nor the arrow a device
  // held: left to a pad, its next press of the same way would send nothing.
  arrow_.let_go(now());
  if (!keys_.flush()) feed(game::Input::key(false, 0, 0, now()));
  pads_.focus_lost();
  // A player who looks away finds the game paused: the window presses P for
  // them, so the Pause button shows and play waits for a click.
  if (p_pauses(session())) feed(game::Input::key(true, game::kKeyP, 0, now()));
}

void GameWindow::closeEvent(QCloseEvent* ev) {
  tick_timer_.stop();
  if (play_->keeper) play_->keeper->closing();
  session().close();
  if (play_->keeper) play_->keeper->closed();
  ev->accept();
  QCoreApplication::quit();
}

}  // namespace zandovik::app
