#pragma once
// The pointer steers the paddle by holding the arrows for the player: the
// paddle moves exactly as under the keys, at the rules' own speed, toward
// the column the pointer last moved to, and stops under it.
#include <optional>

namespace zandovik::app {

class PointerSteer {
 public:
  enum class Hold { none, left, right };

  // New pointer motion over the board: steer toward this x (twips).
  void aim(double x) { target_ = x; }
  // The player took the keys, or play stopped: the pointer steers again
  // only after new motion.
  void drop() { target_.reset(); }
  bool aiming() const { return target_.has_value(); }
  // What to hold, for a paddle whose centre is at `centre` and which moves
  // `step` twips a tick: nothing once within half a step of the target.
  Hold decide(double centre, double step) const;

  Hold held = Hold::none;  // what the window holds for the pointer now

 private:
  std::optional<double> target_;
};

}  // namespace zandovik::app
