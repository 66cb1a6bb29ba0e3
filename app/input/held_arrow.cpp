#include "app/input/held_arrow.h"

#include <utility>

#include "game/rules.h"

namespace zandovik::app {

namespace {

int arrow_key(int dir) {
  return dir > 0 ? game::kKeyRight : game::kKeyLeft;
}

}  // namespace

void HeldArrow::hold(Device by, int dir, double now) {
  const int device = static_cast<int>(by);
  if (busy_ || (dir == 0 && holder_ != device) || (holder_ == device && dir_ == dir)) return;
  if (dir == 0) {
    release(now);
    return;
  }
  // The state first: what the input sets off may ask again.
  busy_ = true;
  overrule_all_but(device);
  const int before = holder_ >= 0 ? arrow_key(dir_) : 0;
  holder_ = device;
  dir_ = dir;
  if (before != 0) feed_(game::Input::key(false, before, 0, now));
  feed_(game::Input::key(true, arrow_key(dir), 0, now));
  busy_ = false;
}

void HeldArrow::let_go(double now) {
  overrule_all_but(-1);
  release(now);
}

bool HeldArrow::overruled(Device by) {
  return std::exchange(overruled_[static_cast<std::size_t>(by)], false);
}

bool HeldArrow::must_wait(Device by, std::uint64_t stalls) {
  const bool stalled = std::exchange(stalls_seen_[static_cast<std::size_t>(by)], stalls) != stalls;
  return overruled(by) || stalled;
}

void HeldArrow::release(double now) {
  if (busy_ || holder_ < 0) return;
  busy_ = true;
  const int key = arrow_key(dir_);
  holder_ = -1;
  dir_ = 0;
  feed_(game::Input::key(false, key, 0, now));
  busy_ = false;
}

void HeldArrow::overrule_all_but(int by) {
  for (std::size_t d = 0; d < overruled_.size(); ++d)
    if (static_cast<int>(d) != by) overruled_[d] = true;
}

}  // namespace zandovik::app
