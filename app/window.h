#pragma once
// The game's window: draws the Scene, turns Qt input into game events and
// wakes the event runtime when a timer falls due.
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

#include "app/frames.h"
#include "app/key_repeat.h"
#include "app/motion.h"
#include "app/pads.h"
#include "app/pointer.h"
#include "app/render.h"
#include "app/screensaver.h"
#include "app/sound.h"
#include "game/replay.h"
#include "game/runtime.h"

namespace zandovik::app {

// Real time since the window was made.
class SteadyClock final : public game::Clock {
 public:
  SteadyClock() { timer_.start(); }
  double now() const override { return static_cast<double>(timer_.nsecsElapsed()) / 1e6; }

 private:
  QElapsedTimer timer_;
};

// The toolkit settings the window is made for, where the user has not set
// them; while the environment may still be written.
void set_toolkit_defaults();

struct WindowOptions {
  std::string version;                           // written into a recording
  std::optional<std::string> record;             // record the game into this file
  std::shared_ptr<const game::BoardSet> boards;  // the player's, instead of the built-in ones
  std::unique_ptr<game::RecordingFile> replay;   // play this instead of taking input
  bool smooth = true;                            // motion drawn between the ticks
};

class GameWindow : public QWidget {
 public:
  explicit GameWindow(WindowOptions options = {});
  ~GameWindow() override;

  game::Runtime& runtime() { return runtime_; }
  // Frames painted so far, and a call after each one (measurements).
  std::uint64_t frames() const { return frames_; }
  void set_on_frame(std::function<void()> f) { on_frame_ = std::move(f); }

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
  void feed(const game::Input& in);
  void play_recording();
  void after_event();
  void push_dirty();
  void observe_motion();
  QRegion redraw_motion(double now);
  bool want_frames() const;
  void arm_frames();
  void on_frame_timer();
  void follow_refresh_rate();
  void arm_timer();
  void on_timer();
  void focus_lost();
  bool play_runs() const;
  bool ball_in_flight() const;
  std::optional<scene::Named> visible_button() const;
  void start_pads();
  void arm_pads();
  void read_pads();
  QRectF board() const;
  void steer();
  void release_pointer();
  void show_cursor(QPointF pos);
  void aim_at(QPointF pos);
  void press_at(QPointF pos);
  void release_at(QPointF pos);
  Viewport viewport() const;
  PixelRatio ratio() const { return {devicePixelRatioF()}; }
  std::optional<scene::Named> button_at(QPointF pos) const;

  game::GameState state_{};
  scene::Rng rng_;
  SteadyClock clock_;
  game::Runtime runtime_;
  QTimer tick_timer_;
  KeyRepeat keys_;
  PointerSteer pointer_;
  int pointer_key_ = 0;  // the arrow held for the pointer
  std::uint64_t stalls_aimed_ = 0;
  bool steering_ = false, cursor_hidden_ = false;
  // Loaded after the first frame, as the sound.
  std::unique_ptr<Gamepads> pads_;
  QTimer pad_timer_;
  int pad_count_ = 0;      // pads plugged in at the last read
  int pad_dir_ = 0;        // the direction held for the pads: -1, 0, 1
  int pad_key_ = 0;        // and its arrow
  bool pad_wait_ = false;  // held across a stall: wait until let go
  std::uint64_t stalls_padded_ = 0;
  ScreenSaverInhibit screensaver_;
  game::Recorder recorder_;
  std::unique_ptr<game::ReplayPlayer> player_;
  QTimer replay_timer_;
  std::uint64_t frames_ = 0;
  std::uint64_t generation_seen_ = 0;
  std::uint32_t caption_writes_seen_ = ~0u;
  std::optional<scene::Named> pressed_;
  RenderCache cache_;
  std::function<void()> on_frame_;
  // Made after the first frame: connecting never delays it.
  std::unique_ptr<Sound> sound_;
  bool muted_ = false;  // M, for this run
  FramePacer frames_paced_{this};
  // Smooth motion: where the moving elements are drawn between the ticks,
  // and on X11 the frames paced at the screen's refresh rate while they
  // move (on Wayland the compositor's frame callbacks pace them).
  bool smooth_ = true;
  Motion motion_;
  std::vector<DrawnAt> drawn_;
  std::uint64_t motion_generation_ = 0;
  bool tick_ran_ = false;  // only ticks ran since the last look, at tick_at_
  double tick_at_ = 0;
  QTimer frame_timer_;
  double frame_interval_ = 1000.0 / 60, next_frame_ = 0;
  QRegion frame_pending_;  // changes that wait for the next frame
  bool refresh_followed_ = false;
};

}  // namespace zandovik::app
