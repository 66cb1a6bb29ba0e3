#include "app/input/key_repeat.h"

// The C header names a member `explicit`, a C++ keyword.
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit

#include <QGuiApplication>
#include <cstdlib>

namespace zandovik::app {

namespace {

// Asks the X server for detectable auto-repeat on the application's
// connection; the answer (false where it refuses) is read when wanted.
KeyRepeat::Ask ask_detectable_repeat(xcb_connection_t* c) {
  xcb_discard_reply(c, xcb_xkb_use_extension(c, 1, 0).sequence);
  constexpr std::uint32_t kFlag = XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT;
  const auto cookie = xcb_xkb_per_client_flags(c, XCB_XKB_ID_USE_CORE_KBD, kFlag, kFlag, 0, 0, 0);
  xcb_flush(c);
  return [c, cookie] {
    auto* reply = xcb_xkb_per_client_flags_reply(c, cookie, nullptr);
    const bool ok = reply && (reply->value & kFlag);
    std::free(reply);
    return ok ? KeyRepeat::Policy::server_detects : KeyRepeat::Policy::hold_back;
  };
}

}  // namespace

KeyRepeat::Ask KeyRepeat::for_platform() {
  if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
    return [] { return Policy::toolkit_flag; };
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (x11 && x11->connection()) return ask_detectable_repeat(x11->connection());
  return [] { return Policy::hold_back; };
}

KeyRepeat::KeyRepeat(Policy policy, Deliver deliver)
    : KeyRepeat([policy] { return policy; }, std::move(deliver)) {}

KeyRepeat::KeyRepeat(Ask policy, Deliver deliver)
    : ask_(std::move(policy)), deliver_(std::move(deliver)) {
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer_, &QTimer::timeout, [this] { flush(); });
}

void KeyRepeat::press(int qt_key, Qt::KeyboardModifiers mods, quint64 timestamp) {
  if (held_) {
    // A release and a press of one key with one timestamp are the
    // keyboard's auto-repeat, not the player letting go.
    if (held_->qt_key == qt_key && held_->timestamp == timestamp) {
      held_.reset();
      timer_.stop();
    } else {
      flush();
    }
  }
  // Every press acts, a repeat's too.
  deliver_(true, qt_key, mods);
}

void KeyRepeat::release(int qt_key, Qt::KeyboardModifiers mods, quint64 timestamp,
                        bool flagged_repeat) {
  switch (policy()) {
    case Policy::toolkit_flag:
      if (!flagged_repeat) deliver_(false, qt_key, mods);
      return;
    case Policy::server_detects:
      deliver_(false, qt_key, mods);
      return;
    case Policy::hold_back:
      flush();
      held_ = Held{qt_key, mods, timestamp};
      timer_.start(kReleaseHoldMs);
      return;
  }
}

KeyRepeat::Policy KeyRepeat::policy() {
  if (!policy_) policy_ = ask_();
  return *policy_;
}

bool KeyRepeat::flush() {
  timer_.stop();
  if (!held_) return false;
  const Held h = *held_;
  held_.reset();
  deliver_(false, h.qt_key, h.mods);
  return true;
}

}  // namespace zandovik::app
