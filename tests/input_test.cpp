// The window's key handling, with Qt key events sent to a real GameWindow on
// the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>
#include <functional>
#include <string>
#include <vector>

#include "app/input/held_arrow.h"
#include "app/input/key_repeat.h"
#include "app/window/window.h"

namespace zandovik::app {
namespace {

using scene::Named;

void send_key(GameWindow& w, QEvent::Type type, int key, quint64 timestamp) {
  QKeyEvent ev(type, key, Qt::NoModifier);
  ev.setTimestamp(timestamp);
  QCoreApplication::sendEvent(&w, &ev);
}

// Lets the event loop run for `ms`, so a held-back release has had its
// chance to be delivered.
void run_events(int ms) {
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

TEST(Input, AnAutoRepeatReleaseAndPressPairNeverStopsThePaddle) {
  GameWindow w;
  const auto& s = w.session().state();
  send_key(w, QEvent::KeyPress, Qt::Key_Right, 100);
  EXPECT_EQ(s.paddledir, 1);
  send_key(w, QEvent::KeyRelease, Qt::Key_Right, 140);
  EXPECT_EQ(s.paddledir, 1);                          // held back: it may be half of a repeat
  send_key(w, QEvent::KeyPress, Qt::Key_Right, 140);  // the same timestamp: a repeat
  run_events(60);
  EXPECT_EQ(s.paddledir, 1);
}

TEST(Input, ARealReleaseStopsThePaddleShortlyAfter) {
  GameWindow w;
  const auto& s = w.session().state();
  send_key(w, QEvent::KeyPress, Qt::Key_Right, 100);
  send_key(w, QEvent::KeyRelease, Qt::Key_Right, 200);
  run_events(60);
  EXPECT_EQ(s.paddledir, 0);
}

TEST(Input, AHeldReleaseIsDeliveredBeforeTheNextKeyKeepingTheOrder) {
  GameWindow w;
  const auto& s = w.session().state();
  send_key(w, QEvent::KeyPress, Qt::Key_Right, 100);
  send_key(w, QEvent::KeyRelease, Qt::Key_Right, 150);
  send_key(w, QEvent::KeyPress, Qt::Key_Left, 151);  // released Right, then Left
  run_events(60);
  EXPECT_EQ(s.paddledir, 2);
}

// What each platform's policy hands on, in order: +key for a press, -key
// for a release.
std::vector<int> through(KeyRepeat::Policy policy, const std::function<void(KeyRepeat&)>& events) {
  std::vector<int> seen;
  KeyRepeat keys(policy, [&](bool down, int key, Qt::KeyboardModifiers) {
    seen.push_back(down ? key : -key);
  });
  events(keys);
  run_events(40);
  return seen;
}

TEST(Input, EachPlatformSettlesAutoRepeatItsOwnWay) {
  const int r = Qt::Key_Right;
  // A held key on Wayland: the toolkit flags the repeat's release, which is
  // dropped; the real release goes at once, with nothing held back.
  const auto wayland = through(KeyRepeat::Policy::toolkit_flag, [&](KeyRepeat& k) {
    k.press(r, {}, 10);
    k.release(r, {}, 40, true);
    k.press(r, {}, 40);
    k.release(r, {}, 70, false);
  });
  EXPECT_EQ(wayland, (std::vector<int>{r, r, -r}));
  // X11 with detectable repeat: only presses repeat; every release is real.
  const auto x11 = through(KeyRepeat::Policy::server_detects, [&](KeyRepeat& k) {
    k.press(r, {}, 10);
    k.press(r, {}, 40);
    k.release(r, {}, 70, false);
  });
  EXPECT_EQ(x11, (std::vector<int>{r, r, -r}));
  // Where the server refuses: the pair with one timestamp is a repeat.
  const auto held = through(KeyRepeat::Policy::hold_back, [&](KeyRepeat& k) {
    k.press(r, {}, 10);
    k.release(r, {}, 40, false);
    k.press(r, {}, 40);
    k.release(r, {}, 70, false);
  });
  EXPECT_EQ(held, (std::vector<int>{r, r, -r}));
}

TEST(Input, PAndF1ActOnEveryKeyDownAndF11NeverReachesTheGame) {
  GameWindow w;
  const auto& s = w.session().state();
  send_key(w, QEvent::KeyPress, Qt::Key_F1, 100);
  send_key(w, QEvent::KeyPress, Qt::Key_F1, 130);  // a repeat acts again
  EXPECT_EQ(s.pattern, 3);
  send_key(w, QEvent::KeyPress, Qt::Key_Right, 140);
  send_key(w, QEvent::KeyRelease, Qt::Key_F11, 150);  // not a game key: no stop
  run_events(60);
  EXPECT_EQ(s.paddledir, 1);
  send_key(w, QEvent::KeyPress, Qt::Key_P, 160);
  EXPECT_TRUE(w.session().scene().get(Named::pause).visible);
}

TEST(Input, LosingTheFocusDuringPlayPausesAndStopsThePaddle) {
  GameWindow w;
  const auto& s = w.session().state();
  send_key(w, QEvent::KeyPress, Qt::Key_Left, 100);
  QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
  QCoreApplication::sendEvent(&w, &out);
  EXPECT_EQ(s.paddledir, 0);
  EXPECT_TRUE(w.session().scene().get(Named::pause).visible);
  EXPECT_EQ(w.session().scene().get(Named::Timer1).interval, 0);
  // Already stopped: looking away again changes nothing more.
  w.session().click(scene::Named::pause);
  w.session().edit([](game::GameState&, scene::Scene* ui) {
    ui->set_interval(ui->get(Named::Timer1), 0);
    ui->set_interval(ui->get(Named::Timer2), 0);
  });
  QCoreApplication::sendEvent(&w, &out);
  EXPECT_FALSE(w.session().scene().get(Named::pause).visible);
}

// One finger at a design point (twips), through the toolkit's own path for
// a touch screen.
void touch(GameWindow& w, QEvent::Type type, double x, double y) {
  static QPointingDevice* screen = QTest::createTouchDevice();
  const QPoint pos =
      Viewport::fit(w.size()).rect(static_cast<float>(x), static_cast<float>(y), 1, 1).center();
  auto seq = QTest::touchEvent(&w, screen);
  if (type == QEvent::TouchBegin) seq.press(0, pos, &w);
  if (type == QEvent::TouchUpdate) seq.move(0, pos, &w);
  if (type == QEvent::TouchEnd) seq.release(0, pos, &w);
}

TEST(Touch, AFingerOnTheBoardSteersAndATapOnAButtonClicksIt) {
  GameWindow w;
  w.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
  const auto& s = w.session().state();
  const auto& pause = w.session().scene().get(Named::pause);
  // Right of the resting paddle: the window holds Right for the finger.
  touch(w, QEvent::TouchBegin, 7000, 5000);
  EXPECT_EQ(s.paddledir, 1);
  touch(w, QEvent::TouchUpdate, 1000, 5000);
  EXPECT_EQ(s.paddledir, 2);
  touch(w, QEvent::TouchEnd, 1000, 5000);
  EXPECT_FALSE(pause.visible) << "a tap on the board is no click";

  send_key(w, QEvent::KeyPress, Qt::Key_P, 100);
  ASSERT_TRUE(pause.visible);
  EXPECT_EQ(s.paddledir, 0) << "the key took over";
  const double x = pause.left + pause.width / 2, y = pause.top + pause.height / 2;
  // Pressed on the button and lifted elsewhere: no click, as with the mouse.
  touch(w, QEvent::TouchBegin, x, y);
  touch(w, QEvent::TouchEnd, 7000, 5000);
  EXPECT_TRUE(pause.visible);
  EXPECT_EQ(s.paddledir, 0) << "paused, a finger steers nothing";
  touch(w, QEvent::TouchBegin, x, y);
  touch(w, QEvent::TouchEnd, x, y);
  EXPECT_FALSE(pause.visible);
}

// Paused, the picture is the rules' own: nothing is drawn on its way.
TEST(Motion, APausedWindowDrawsTheRulesPositions) {
  GameWindow w;
  w.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
  send_key(w, QEvent::KeyPress, Qt::Key_Right, 100);
  run_events(150);  // the ball flies, drawn between its ticks
  ASSERT_TRUE(w.session().state().stepx != 0 || w.session().state().stepy != 0);
  send_key(w, QEvent::KeyPress, Qt::Key_P, 300);
  ASSERT_TRUE(w.session().scene().get(Named::pause).visible);
  QImage rules(w.size(), QImage::Format_RGB32);
  QPainter p(&rules);
  PictureCache cache;  // painted as the window paints, through its cache
  PaintOptions opts;
  opts.cache = &cache;
  paint_scene(p, w.session().scene(), Viewport::fit(w.size()), rules.rect(), opts);
  p.end();
  const QImage got = w.grab().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(got, rules);
}

// The arrows a held-arrow sends, as "+37" (down) and "-39" (up).
struct ArrowLog {
  std::vector<std::string> sent;
  HeldArrow arrow{[this](const game::Input& in) {
    sent.push_back((in.kind == game::Input::Kind::key_down ? "+" : "-") + std::to_string(in.code));
  }};
};

TEST(HeldArrow, AKeyPressLetsGoOfAPadsArrowAndThePadIsToldOnce) {
  ArrowLog log;
  log.arrow.hold(HeldArrow::Device::pad, 1, 10);
  log.arrow.let_go(20);  // the player pressed a key
  EXPECT_EQ(log.sent, (std::vector<std::string>{"+39", "-39"}));
  EXPECT_EQ(log.arrow.held(HeldArrow::Device::pad), 0);
  EXPECT_TRUE(log.arrow.overruled(HeldArrow::Device::pad));
  EXPECT_FALSE(log.arrow.overruled(HeldArrow::Device::pad));
  EXPECT_TRUE(log.arrow.overruled(HeldArrow::Device::pointer));  // it lets go too
  log.arrow.let_go(30);                                          // nothing held: nothing sent
  EXPECT_EQ(log.sent.size(), 2u);
}

TEST(HeldArrow, WhoeverMovesLastSteersAndTheArrowBeforeIsLetGoFirst) {
  ArrowLog log;
  log.arrow.hold(HeldArrow::Device::pointer, -1, 10);
  log.arrow.hold(HeldArrow::Device::pointer, -1, 11);        // held already: nothing new
  EXPECT_TRUE(log.arrow.overruled(HeldArrow::Device::pad));  // the pointer took over
  log.arrow.hold(HeldArrow::Device::pad, 1, 12);
  EXPECT_EQ(log.sent, (std::vector<std::string>{"+37", "-37", "+39"}));
  EXPECT_TRUE(log.arrow.overruled(HeldArrow::Device::pointer));
  EXPECT_FALSE(log.arrow.overruled(HeldArrow::Device::pad));
  // Only the holder lets go of the arrow.
  log.arrow.hold(HeldArrow::Device::pointer, 0, 13);
  EXPECT_EQ(log.arrow.held(HeldArrow::Device::pad), 1);
  log.arrow.hold(HeldArrow::Device::pad, 0, 14);
  EXPECT_EQ(log.sent.back(), "-39");
  EXPECT_EQ(log.arrow.held(HeldArrow::Device::pad), 0);
}

TEST(HeldArrow, ADeviceWaitsForNewMotionOnceOverruledOrAfterAStall) {
  ArrowLog log;
  const auto pad = HeldArrow::Device::pad, pointer = HeldArrow::Device::pointer;
  EXPECT_FALSE(log.arrow.must_wait(pad, 0));
  EXPECT_TRUE(log.arrow.must_wait(pad, 1)) << "a ball was put back";
  EXPECT_FALSE(log.arrow.must_wait(pad, 1)) << "told once";
  log.arrow.hold(pointer, 1, 10);
  EXPECT_TRUE(log.arrow.must_wait(pad, 1)) << "the pointer took over";
  EXPECT_TRUE(log.arrow.must_wait(pointer, 1)) << "each device keeps its own count";
  EXPECT_FALSE(log.arrow.must_wait(pointer, 1));
}

TEST(HeldArrow, AKeyInTheWindowLetsGoOfThePointersArrow) {
  GameWindow w;
  w.resize(568, 489);
  const auto& s = w.session().state();
  send_key(w, QEvent::KeyPress, Qt::Key_Right, 100);  // the ball flies: play runs
  send_key(w, QEvent::KeyRelease, Qt::Key_Right, 110);
  run_events(30);
  // The pointer far to the left on the board: the paddle steers there.
  QMouseEvent move(QEvent::MouseMove, QPointF(60, 420), QPointF(60, 420), Qt::NoButton,
                   Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&w, &move);
  ASSERT_EQ(s.paddledir, 2);
  send_key(w, QEvent::KeyPress, Qt::Key_A, 200);  // any key: the pointer lets go
  EXPECT_EQ(s.paddledir, 0);
  run_events(60);
  EXPECT_EQ(s.paddledir, 0);  // and waits for new motion
}

}  // namespace
}  // namespace zandovik::app

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
