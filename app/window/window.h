#pragma once
// The game's window: Qt events in, one call each to the game session, a
// paint out. The other jobs have rooms of their own: app/input (keys and
// the devices that steer), app/present (what is drawn and when),
// app/modules (the sound, the pads), app/shell (the process).
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

#include "app/input/gamepad.h"
#include "app/input/held_arrow.h"
#include "app/input/key_repeat.h"
#include "app/input/pointer.h"
#include "app/modules/sound.h"
#include "app/present/presenter.h"
#include "app/store/keeper.h"
#include "app/system/screensaver.h"
#include "game/session.h"

namespace zandovik::app {

// Real time since it was made.
class SteadyClock final : public game::Clock {
 public:
  SteadyClock() { timer_.start(); }
  double now() const override { return base_ + (real() - real_base_) * scale_; }
  // The game's clock runs at `scale` of real time from now on (the game
  // speed: 0.85 makes a 25 ms tick take 29.4 ms).
  void set_scale(double scale) {
    base_ = now();
    real_base_ = real();
    scale_ = scale;
  }
  double scale() const { return scale_; }

 private:
  double real() const { return static_cast<double>(timer_.nsecsElapsed()) / 1e6; }
  QElapsedTimer timer_;
  double base_ = 0, real_base_ = 0, scale_ = 1;
};

// A game session on the real clock, seeded from it in live play. Made
// ready (a recording to write or to play) before the window that shows it.
struct Play {
  Play() : session(&clock, scene::Rng::clock_seed) {}
  SteadyClock clock;
  game::Session session;
  bool escape_closes = false;             // a board tried from the editor: Escape goes back
  std::unique_ptr<store::Keeper> keeper;  // Keep on: the best games
};

class GameWindow : public QWidget {
 public:
  // None: a live game of its own. `smooth`: motion drawn between the ticks.
  explicit GameWindow(std::unique_ptr<Play> play = nullptr, bool smooth = true);
  ~GameWindow() override;

  game::Session& session() { return play_->session; }
  Play& play() { return *play_; }
  // The menu's switches, as M and --draw-at-ticks.
  bool sound_on() const { return !muted_; }
  void set_sound(bool on);
  void set_smooth(bool on) { present_.set_smooth(on); }
  // The session was switched (boards, speed) from outside an event.
  void changed() { after(); }
  // Frames painted so far, and a call after each one (measurements).
  std::uint64_t frames() const { return present_.frames(); }
  void set_on_frame(std::function<void()> f) { present_.set_on_frame(std::move(f)); }

 protected:
  void paintEvent(QPaintEvent*) override;
  void resizeEvent(QResizeEvent*) override;
  void keyPressEvent(QKeyEvent*) override;
  void keyReleaseEvent(QKeyEvent*) override;
  void focusOutEvent(QFocusEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void closeEvent(QCloseEvent*) override;
  bool event(QEvent*) override;
  void changeEvent(QEvent*) override;
  void showEvent(QShowEvent*) override;

 private:
  double now() const { return play_->clock.now(); }
  void feed(const game::Input& in);
  void after(const game::Woke& woke = {});
  void on_timer();
  void focus_lost();
  void after_first_frame(int step);

  std::unique_ptr<Play> play_;
  QTimer tick_timer_;
  HeldArrow arrow_;  // held for the pointer, a finger or a pad
  KeyRepeat keys_;
  Pointer pointer_;
  PadInput pads_;
  Presenter present_;
  ScreenSaverInhibit screensaver_;
  std::unique_ptr<Sound> sound_;  // made after the first frame
  bool muted_ = false;            // M, for this run
};

}  // namespace zandovik::app
