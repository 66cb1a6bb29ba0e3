#pragma once
// Devices the rules do not know (the pointer, a finger, a gamepad) steer by
// holding an arrow key for the player: the paddle moves exactly as under
// the keys. One arrow at most is held, for one device: whoever moved last
// steers, and a key the player presses lets go of it, whatever held it.
// A device so overruled steers again only after new motion of its own.
#include <array>
#include <cstdint>
#include <functional>

#include "game/runtime.h"

namespace zandovik::app {

class HeldArrow {
 public:
  enum class Device { pointer, pad };
  using Feed = std::function<void(const game::Input&)>;
  explicit HeldArrow(Feed feed) : feed_(std::move(feed)) {}

  // Hold the arrow toward `dir` (-1 left, 1 right) for `by`, or let go of
  // it (0) if `by` holds it. Taking it overrules every other device.
  void hold(Device by, int dir, double now);
  // The player took the keys: the arrow is let go, every device overruled.
  void let_go(double now);
  // Whether `by` was overruled since it last asked.
  bool overruled(Device by);
  // Whether `by` must wait for new motion of its own before it steers:
  // it was overruled, or a stall put the ball back (`stalls`, the
  // session's count, moved on) since it last asked.
  bool must_wait(Device by, std::uint64_t stalls);
  // The direction held for `by`: -1, 0 or 1.
  int held(Device by) const { return holder_ == static_cast<int>(by) ? dir_ : 0; }

 private:
  void release(double now);
  void overrule_all_but(int by);

  Feed feed_;
  int holder_ = -1;  // the device holding the arrow, or none
  int dir_ = 0;
  bool busy_ = false;  // feeding: what the input sets off waits
  std::array<bool, 2> overruled_{};
  std::array<std::uint64_t, 2> stalls_seen_{};
};

}  // namespace zandovik::app
