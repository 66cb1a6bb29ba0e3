// The window's gamepads: like the pointer, a pad holds the arrows for the
// player, and its buttons do what the player would do with the mouse and
// the keys: A clicks the visible button, Start pauses.
#include <QFileInfo>
#include <QFileSystemWatcher>

#include "app/window.h"
#include "game/rules.h"

namespace zandovik::app {

using scene::Named;

bool GameWindow::ball_in_flight() const {
  const auto& s = runtime_.state();
  return play_runs() && (s.stepx != 0 || s.stepy != 0);
}

std::optional<Named> GameWindow::visible_button() const {
  std::optional<Named> top;
  for (Named n : game::kButtons) {
    const auto& b = runtime_.scene().get(n);
    if (b.visible && (!top || b.z > runtime_.scene().get(*top).z)) top = n;
  }
  return top;
}

void GameWindow::start_pads() {
  pads_ = std::make_unique<Gamepads>();
  if (!pads_->available()) return;
  // A pad plugged in shows at once as a new device node: read then, and
  // again while the system sets the device up.
  if (QFileInfo::exists(QStringLiteral("/dev/input"))) {
    auto* watcher = new QFileSystemWatcher({QStringLiteral("/dev/input")}, this);
    connect(watcher, &QFileSystemWatcher::directoryChanged, this, [this] {
      for (int ms : {0, 250, 1000, 3000}) QTimer::singleShot(ms, this, [this] { read_pads(); });
    });
  }
  arm_pads();
}

// How often the pads are read: not at all while the window is away; with
// no pad, once a second for one that came without a device node; with one,
// often enough that a press acts at once; while the ball flies, by the
// ticks themselves, each right before it moves the paddle.
void GameWindow::arm_pads() {
  int ms = 0;
  if (pads_ && pads_->available() && isActiveWindow() && runtime_.shown())
    ms = pad_count_ == 0 ? 1000 : ball_in_flight() && !runtime_.stalled() ? 0 : 20;
  if (ms == 0) {
    pad_timer_.stop();
  } else if (!pad_timer_.isActive() || pad_timer_.interval() != ms) {
    pad_timer_.start(ms);
  }
}

void GameWindow::read_pads() {
  if (!pads_ || player_ || !runtime_.shown()) return;
  const ZandovikPadsRead r = pads_->read();
  pad_count_ = r.pads;
  if (!isActiveWindow()) return;  // what a pad did meanwhile is not the player's move here
  // After a stall (a ball put back on the paddle) a held direction counts
  // only once let go and pressed again: the player launches a resting ball.
  if (runtime_.stalls() != stalls_padded_) {
    stalls_padded_ = runtime_.stalls();
    if (pad_dir_ != 0) pad_wait_ = true;
    pad_dir_ = 0;
  }
  if (r.direction == 0) pad_wait_ = false;
  const int dir = pad_wait_ ? 0 : r.direction;
  if (dir != pad_dir_) {
    const double now = clock_.now();
    if (pad_dir_ != 0) feed(game::Input::key(false, pad_key_, 0, now));
    pad_dir_ = dir;
    if (dir != 0) {
      release_pointer();  // whoever moved last steers
      pad_key_ = dir > 0 ? game::kKeyRight : game::kKeyLeft;
      feed(game::Input::key(true, pad_key_, 0, now));
    }
  }
  // Start is P during play (a stall included: P waits for its end, as the
  // key's does); elsewhere P would put Pause over the other buttons.
  for (int i = 0; i < r.start; ++i)
    if (runtime_.scene().get(Named::Timer1).interval > 0)
      feed(game::Input::key(true, game::kKeyP, 0, clock_.now()));
  for (int i = 0; i < r.south; ++i)
    if (auto b = visible_button()) feed(game::Input::click(*b, clock_.now()));
  arm_pads();
}

}  // namespace zandovik::app
