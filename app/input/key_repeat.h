#pragma once
// Keyboard auto-repeat, settled in one place per platform: the game sees a
// held key as repeated presses and one release, never a release between.
#include <QTimer>
#include <functional>
#include <optional>

namespace zandovik::app {

class KeyRepeat {
 public:
  enum class Policy {
    server_detects,  // X11 with detectable auto-repeat: repeats come as presses only
    hold_back,       // elsewhere on X11: a release waits for the press of a pair
    toolkit_flag,    // Wayland: the toolkit marks a repeat's events itself
  };
  // The policy of the platform the application runs on, read when first
  // needed: on X11 the server is asked for detectable auto-repeat at once,
  // and its answer is read at the first release (no round trip before the
  // first frame).
  using Ask = std::function<Policy()>;
  static Ask for_platform();

  // A key as it reaches the game: down or up, the toolkit's key and its
  // modifiers.
  using Deliver = std::function<void(bool down, int qt_key, Qt::KeyboardModifiers mods)>;
  KeyRepeat(Policy policy, Deliver deliver);
  KeyRepeat(Ask policy, Deliver deliver);

  void press(int qt_key, Qt::KeyboardModifiers mods, quint64 timestamp);
  void release(int qt_key, Qt::KeyboardModifiers mods, quint64 timestamp, bool flagged_repeat);
  // A release held back is delivered now (the window lost the focus); true
  // if there was one.
  bool flush();

 private:
  // Where the X server will not send repeats as presses only, a held-back
  // release waits this long for the press of an auto-repeat pair; a real
  // release stops the paddle this much later, unnoticeably.
  static constexpr int kReleaseHoldMs = 12;
  struct Held {
    int qt_key = 0;
    Qt::KeyboardModifiers mods;
    quint64 timestamp = 0;
  };
  Policy policy();

  Ask ask_;
  std::optional<Policy> policy_;
  Deliver deliver_;
  std::optional<Held> held_;
  QTimer timer_;
};

}  // namespace zandovik::app
