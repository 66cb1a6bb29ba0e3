#pragma once
// Keeps the screen awake while the ball is in play: a gamepad player never
// touches the keyboard, and desktops blank the screen after a few idle
// minutes. Through the desktop's org.freedesktop.ScreenSaver interface on
// the session bus; no bus or no such service, and nothing happens.
#include <QObject>
#include <QString>
#include <cstdint>
#include <optional>

namespace zandovik::app {

class ScreenSaverInhibit : public QObject {
 public:
  ScreenSaverInhibit() = default;
  ~ScreenSaverInhibit() override;
  ScreenSaverInhibit(const ScreenSaverInhibit&) = delete;
  ScreenSaverInhibit& operator=(const ScreenSaverInhibit&) = delete;

  // Whether the screen should stay awake now; cheap to call after every event.
  void want(bool awake);

 private:
  void update();
  bool wanted_ = false;
  bool asking_ = false;                  // an Inhibit call is on its way
  std::optional<std::uint32_t> cookie_;  // held
  bool connected_ = false, tried_ = false;
};

}  // namespace zandovik::app
