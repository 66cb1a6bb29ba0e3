// xplayer WINDOW SECONDS: plays the game in its real window as a player
// would, following the ball on screen and pressing the arrow keys through
// the X test extension, until the window's caption is no longer "Form1"
// (the ball has bounced off the ceiling). Prints the caption it saw.
// Status 0 once the caption changed, 1 when time ran out, 2 on bad usage or
// when the X server lacks what is needed. XPLAYER_TRACE=1 prints what it sees.
#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// Design figures in twips: the board, and the paddle's band on the 24th of
// the board's 25 rows, three quarters of a row high.
constexpr double kBoardWidth = 8295, kBoardTop = 1560, kRow = 5655.0 / 25;
constexpr double kPaddleTop = kBoardTop + 23 * kRow, kPaddleHeight = 0.75 * kRow;
// How far from its target the paddle may be before it moves: more than a
// paddle step (two ball speeds) would make it hunt.
constexpr double kSlack = 150;

constexpr std::uint32_t kLeft = 0xff51, kRight = 0xff53, kF1 = 0xffbe, kF2 = 0xffbf;

struct Sample {
  double t = 0;  // seconds since start
  double x = 0, y = 0;
};

class Player {
 public:
  Player(xcb_connection_t* c, xcb_window_t w) : c_(c), w_(w) {}

  bool init(std::string& why) {
    const auto* ext = xcb_get_extension_data(c_, &xcb_test_id);
    if (!ext || !ext->present) {
      why = "the X server has no XTEST extension";
      return false;
    }
    const xcb_setup_t* setup = xcb_get_setup(c_);
    auto* map = xcb_get_keyboard_mapping_reply(
        c_,
        xcb_get_keyboard_mapping(
            c_, setup->min_keycode,
            static_cast<std::uint8_t>(setup->max_keycode - setup->min_keycode + 1)),
        nullptr);
    if (!map) {
      why = "no keyboard mapping";
      return false;
    }
    const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(map);
    const int per = map->keysyms_per_keycode;
    const int count = xcb_get_keyboard_mapping_keysyms_length(map) / (per ? per : 1);
    for (int k = 0; k < count; ++k) {
      const auto code = static_cast<xcb_keycode_t>(setup->min_keycode + k);
      for (int j = 0; j < per; ++j) {
        const auto s = syms[k * per + j];
        if (s == kLeft && !left_) left_ = code;
        if (s == kRight && !right_) right_ = code;
        if (s == kF1 && !f1_) f1_ = code;
        if (s == kF2 && !f2_) f2_ = code;
      }
    }
    std::free(map);
    if (!left_ || !right_ || !f1_ || !f2_) {
      why = "the keyboard map lacks the arrows or F1/F2";
      return false;
    }
    net_wm_name_ = atom("_NET_WM_NAME");
    utf8_ = atom("UTF8_STRING");
    return true;
  }

  std::string caption() {
    auto* r = xcb_get_property_reply(c_, xcb_get_property(c_, 0, w_, net_wm_name_, utf8_, 0, 64),
                                     nullptr);
    if (!r || xcb_get_property_value_length(r) == 0) {
      std::free(r);
      r = xcb_get_property_reply(
          c_, xcb_get_property(c_, 0, w_, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 64),
          nullptr);
    }
    std::string text;
    if (r)
      text.assign(static_cast<const char*>(xcb_get_property_value(r)),
                  static_cast<std::size_t>(xcb_get_property_value_length(r)));
    std::free(r);
    return text;
  }

  // One look at the window and one decision. False when the window is gone.
  bool step(double now) {
    if (!look()) return false;
    if (std::getenv("XPLAYER_TRACE") && now - traced_ > 0.25) {
      traced_ = now;
      std::fprintf(stderr, "%.2f ball %d (%.0f,%.0f) paddle %d %.0f board %.0f..%.0f held %d\n",
                   now, ball_seen_, ball_x_, ball_y_, paddle_seen_, paddle_x_, x0_, x1_, held_);
    }
    if (!ball_seen_ || !paddle_seen_) {
      hold(0);
      return true;
    }
    track_.push_back({now, ball_x_, ball_y_});
    while (track_.size() > 2 && now - track_.front().t > 5) track_.pop_front();

    // A ball whose height has not changed for four seconds is either
    // sliding along one row for ever or the game has stopped: a fresh
    // board of the first pattern, and a new launch.
    if (now - track_.front().t > 4 && now - restarted_ > 5) {
      double lo = track_.front().y, hi = lo;
      for (const auto& s : track_) lo = std::min(lo, s.y), hi = std::max(hi, s.y);
      if (hi - lo < 2) {
        hold(0);
        tap(f1_);
        tap(f2_);
        restarted_ = now;
        track_.clear();
        return true;
      }
    }

    // The ball's velocity over the last tenth of a second (ticks are 25 ms,
    // so neighbouring looks often see it where it was).
    const Sample* old = nullptr;
    for (const auto& s : track_)
      if (now - s.t >= 0.1) old = &s;
    if (!old) return true;
    const double dt = now - old->t;
    const double vx = (ball_x_ - old->x) / dt, vy = (ball_y_ - old->y) / dt;
    if (std::abs(vx) < 1e-6 && std::abs(vy) < 1e-6) {
      // A resting ball: moving the paddle launches it.
      hold(paddle_x_ < (x0_ + x1_) / 2 ? right_ : left_);
      return true;
    }
    double target = ball_x_;
    const double paddle_top = y0_ + (kPaddleTop - kBoardTop) * scale_;
    if (vy > 0 && ball_y_ < paddle_top) {
      // Where the ball comes down, folded back off the side walls.
      const double lo = x0_ + ball_r_, hi = x1_ - ball_r_, span = hi - lo;
      double x = ball_x_ + vx * (paddle_top - ball_r_ - ball_y_) / vy;
      if (span > 0) {
        double u = std::fmod(x - lo, 2 * span);
        if (u < 0) u += 2 * span;
        if (u > span) u = 2 * span - u;
        x = lo + u;
      }
      target = x;
    }
    const double slack = kSlack * scale_;
    if (paddle_x_ < target - slack)
      hold(right_);
    else if (paddle_x_ > target + slack)
      hold(left_);
    else
      hold(0);
    return true;
  }

  void release() { hold(0); }

 private:
  xcb_atom_t atom(const char* name) {
    auto* r = xcb_intern_atom_reply(
        c_, xcb_intern_atom(c_, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t a = r ? r->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(r);
    return a;
  }

  void key(std::uint8_t type, xcb_keycode_t code) {
    xcb_test_fake_input(c_, type, code, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_flush(c_);
  }
  void tap(xcb_keycode_t code) {
    key(XCB_KEY_PRESS, code);
    key(XCB_KEY_RELEASE, code);
    // Let the game build the new board before the next look.
    std::free(xcb_get_input_focus_reply(c_, xcb_get_input_focus(c_), nullptr));
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  // Hold one arrow (0: none). A release always goes first, as a player's
  // fingers would do it, since any release stops the paddle.
  void hold(xcb_keycode_t code) {
    if (code == held_) return;
    if (held_) key(XCB_KEY_RELEASE, held_);
    if (code) key(XCB_KEY_PRESS, code);
    held_ = code;
  }

  // Finds the board by its green, the ball by its blue and the paddle by
  // its orange within the paddle's band.
  bool look() {
    auto* g = xcb_get_geometry_reply(c_, xcb_get_geometry(c_, w_), nullptr);
    if (!g) return false;
    const int w = g->width, h = g->height;
    std::free(g);
    auto* img = xcb_get_image_reply(
        c_,
        xcb_get_image(c_, XCB_IMAGE_FORMAT_Z_PIXMAP, w_, 0, 0, static_cast<std::uint16_t>(w),
                      static_cast<std::uint16_t>(h), ~0u),
        nullptr);
    ball_seen_ = paddle_seen_ = false;
    if (!img) return true;  // not viewable right now
    const int len = xcb_get_image_data_length(img);
    const auto* px = reinterpret_cast<const std::uint32_t*>(xcb_get_image_data(img));
    if (img->depth != 24 || len < w * h * 4) {
      std::free(img);
      return true;
    }
    auto at = [&](int x, int y) { return px[y * w + x] & 0xffffff; };
    int bx0 = w, by0 = h, bx1 = -1, by1 = -1;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        if (at(x, y) == 0x80ff80) {
          bx0 = std::min(bx0, x), by0 = std::min(by0, y);
          bx1 = std::max(bx1, x), by1 = std::max(by1, y);
        }
    if (bx1 < 0) {
      std::free(img);
      return true;
    }
    x0_ = bx0, y0_ = by0, x1_ = bx1 + 1;
    scale_ = (x1_ - x0_) / kBoardWidth;
    double sx = 0, sy = 0, n = 0;
    for (int y = by0; y <= by1; ++y)
      for (int x = bx0; x <= bx1; ++x)
        if (at(x, y) == 0x0000ff) sx += x, sy += y, ++n;
    if (n > 0) {
      ball_seen_ = true;
      ball_x_ = sx / n + 0.5, ball_y_ = sy / n + 0.5;
      ball_r_ = std::sqrt(n / M_PI);
    }
    const int py0 = static_cast<int>(y0_ + (kPaddleTop - kBoardTop) * scale_);
    const int py1 = std::min(by1, static_cast<int>(py0 + kPaddleHeight * scale_));
    double pxs = 0, pn = 0;
    for (int y = std::max(0, py0); y <= py1; ++y)
      for (int x = bx0; x <= bx1; ++x)
        if (at(x, y) == 0xff8000) pxs += x, ++pn;
    if (pn > 0) {
      paddle_seen_ = true;
      paddle_x_ = pxs / pn + 0.5;
    }
    std::free(img);
    return true;
  }

  xcb_connection_t* c_;
  xcb_window_t w_;
  xcb_keycode_t left_ = 0, right_ = 0, f1_ = 0, f2_ = 0, held_ = 0;
  xcb_atom_t net_wm_name_ = XCB_ATOM_NONE, utf8_ = XCB_ATOM_NONE;
  double x0_ = 0, y0_ = 0, x1_ = 0, scale_ = 1;
  bool ball_seen_ = false, paddle_seen_ = false;
  double ball_x_ = 0, ball_y_ = 0, ball_r_ = 0, paddle_x_ = 0;
  double restarted_ = -100, traced_ = -1;
  std::deque<Sample> track_;
};

}  // namespace

int main(int argc, char** argv) {
  char* end = nullptr;
  const unsigned long win = argc == 3 ? std::strtoul(argv[1], &end, 0) : 0;
  const double seconds = argc == 3 ? std::atof(argv[2]) : 0;
  if (argc != 3 || !end || *end || win == 0 || seconds <= 0) {
    std::fprintf(stderr, "usage: xplayer WINDOW SECONDS\n");
    return 2;
  }
  xcb_connection_t* c = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(c)) {
    std::fprintf(stderr, "xplayer: cannot open display\n");
    return 2;
  }
  Player p(c, static_cast<xcb_window_t>(win));
  std::string why;
  if (!p.init(why)) {
    std::fprintf(stderr, "xplayer: %s\n", why.c_str());
    xcb_disconnect(c);
    return 2;
  }
  const std::string first = p.caption();
  const auto t0 = Clock::now();
  int status = 1;
  std::string seen = first;
  for (;;) {
    const double now = std::chrono::duration<double>(Clock::now() - t0).count();
    if (now > seconds) break;
    seen = p.caption();
    if (seen != first) {
      status = 0;
      break;
    }
    if (!p.step(now)) {
      std::fprintf(stderr, "xplayer: the window is gone\n");
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  p.release();
  // A round trip, so the last release reaches the server before we hang up.
  std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
  xcb_disconnect(c);
  std::printf("%s\n", seen.c_str());
  return status;
}
