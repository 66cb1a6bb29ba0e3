#include "app/input/gamepad.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFileSystemWatcher>

#include "app/input/keys.h"
#include "game/rules.h"

namespace zandovik::app {

using scene::Named;
using Device = HeldArrow::Device;

PadInput::PadInput(QWidget* window, game::Session& session, HeldArrow& arrow,
                   const game::Clock& clock, HeldArrow::Feed feed)
    : window_(window), session_(session), arrow_(arrow), clock_(clock), feed_(std::move(feed)) {
  connect(&timer_, &QTimer::timeout, this, [this] { read(); });
}

PadInput::~PadInput() = default;

void PadInput::start() {
  if (pads_ || session_.replaying()) return;
  pads_ = std::make_unique<Gamepads>();
  if (!pads_->available()) return;
  // A pad plugged in shows at once as a new device node: read then, and
  // again while the system sets the device up.
  if (QFileInfo::exists(QStringLiteral("/dev/input"))) {
    auto* watcher = new QFileSystemWatcher({QStringLiteral("/dev/input")}, this);
    connect(watcher, &QFileSystemWatcher::directoryChanged, this, [this] {
      for (int ms : {0, 250, 1000, 3000}) QTimer::singleShot(ms, this, [this] { read(); });
    });
  }
  arm();
}

// Not at all while the window is away; with no pad, once a second for one
// that came without a device node; with one, often enough that a press
// acts at once; while the ball flies, by the ticks themselves.
void PadInput::arm() {
  int ms = 0;
  if (pads_ && pads_->available() && window_->isActiveWindow() && session_.shown())
    ms = count_ == 0 ? 1000 : session_.ball_in_flight() ? 0 : 20;
  if (ms == 0) {
    timer_.stop();
  } else if (!timer_.isActive() || timer_.interval() != ms) {
    timer_.start(ms);
  }
}

void PadInput::read() {
  if (!pads_ || session_.replaying() || !session_.shown()) return;
  const ZandovikPadsRead r = pads_->read();
  count_ = r.pads;
  if (!window_->isActiveWindow()) return;  // what a pad did meanwhile is not the player's move here
  // After a stall (a ball put back on the paddle), or once the keys or the
  // pointer took over, a held direction counts only once let go and
  // pressed again: the player launches a resting ball.
  if (arrow_.must_wait(Device::pad, session_.stalls())) {
    if (dir_ != 0) wait_ = true;
    dir_ = 0;
  }
  if (r.direction == 0) wait_ = false;
  const int dir = wait_ ? 0 : r.direction;
  if (dir != dir_) {
    dir_ = dir;
    arrow_.hold(Device::pad, dir, clock_.now());
  }
  // Start is P.
  for (int i = 0; i < r.start; ++i)
    if (p_pauses(session_)) feed_(game::Input::key(true, game::kKeyP, 0, clock_.now()));
  for (int i = 0; i < r.south; ++i)
    if (auto b = session_.button_on_show()) feed_(game::Input::click(*b, clock_.now()));
  // Back opens the menu, as the Menu key does.
  if (r.back > 0)
    QCoreApplication::postEvent(
        window_, new QContextMenuEvent(QContextMenuEvent::Keyboard, window_->rect().center(),
                                       window_->mapToGlobal(window_->rect().center())));
  arm();
}

}  // namespace zandovik::app
