#pragma once
// The gamepads as the player's hands: a pad holds an arrow (app/input/
// held_arrow.h) as the pointer does, and its buttons do what the player
// would do with the mouse and the keys: A clicks the button on show, Start
// pauses. The module that reads them is loaded after the first frame.
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <memory>

#include "app/input/held_arrow.h"
#include "app/modules/pads.h"
#include "game/session.h"

namespace zandovik::app {

class PadInput : public QObject {
 public:
  PadInput(QWidget* window, game::Session& session, HeldArrow& arrow, const game::Clock& clock,
           HeldArrow::Feed feed);
  ~PadInput() override;

  // Load the module and watch for pads plugged in.
  void start();
  // Read the pads now: before each tick, right before it moves the paddle.
  // With none plugged in at the last read, the slow timer and the device
  // folder's watcher look for one instead.
  void before_tick() {
    if (count_ > 0) read();
  }
  void read();
  // How often the pads are read, after whatever happened.
  void arm();
  // The window lost the keys: what a pad held is let go with them.
  void focus_lost() { dir_ = 0; }

 private:
  QWidget* window_;
  game::Session& session_;
  HeldArrow& arrow_;
  const game::Clock& clock_;
  HeldArrow::Feed feed_;
  std::unique_ptr<Gamepads> pads_;
  QTimer timer_;
  int count_ = 0;      // pads plugged in at the last read
  int dir_ = 0;        // the direction the pads hold: -1, 0, 1
  bool wait_ = false;  // overruled or across a stall: wait until let go
};

}  // namespace zandovik::app
