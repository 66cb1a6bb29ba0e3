// Watches the paddle from outside: presses an arrow key through the X test
// extension and grabs a strip of the screen across the paddle through
// shared memory as fast as the server answers, until the paddle's orange
// stands anywhere else. Right and Left take turns, each held a little, so
// the paddle stays near the middle; a press between them comes at a random
// moment, so it falls anywhere between two of the game's ticks.
//   key_latency PRESSES X0 Y0 X1 Y1     (the strip, in screen pixels)
// prints "median_ms=N p90_ms=N presses=N unanswered=N". A press that
// moves nothing within 150 ms (a stall after a lost ball, game over) is
// not counted; the probe presses F1 (a fresh board) and tries again.
#include <sys/ipc.h>
#include <sys/shm.h>
#include <xcb/shm.h>
#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::uint32_t kRight = 0xff53, kLeft = 0xff51, kF1 = 0xffbe;  // keysyms
constexpr double kAnswerMs = 150;

struct Span {
  int left = -1, right = -1;  // the paddle's orange, leftmost and rightmost column
  bool operator==(const Span&) const = default;
};

xcb_keycode_t keycode(xcb_connection_t* c, std::uint32_t keysym) {
  const xcb_setup_t* setup = xcb_get_setup(c);
  const int count = setup->max_keycode - setup->min_keycode + 1;
  auto* map = xcb_get_keyboard_mapping_reply(
      c, xcb_get_keyboard_mapping(c, setup->min_keycode, static_cast<std::uint8_t>(count)),
      nullptr);
  if (!map) return 0;
  const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(map);
  xcb_keycode_t found = 0;
  for (int k = 0; k < count && !found; ++k)
    for (int i = 0; i < map->keysyms_per_keycode; ++i)
      if (syms[k * map->keysyms_per_keycode + i] == keysym) {
        found = static_cast<xcb_keycode_t>(setup->min_keycode + k);
        break;
      }
  std::free(map);
  return found;
}

double ms_since(Clock::time_point t0) {
  return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}

void sleep_ms(double ms) {
  std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(ms));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 6) {
    std::fprintf(stderr, "usage: key_latency PRESSES X0 Y0 X1 Y1\n");
    return 2;
  }
  const int presses = std::atoi(argv[1]);
  const int x0 = std::atoi(argv[2]), y0 = std::atoi(argv[3]);
  const int x1 = std::atoi(argv[4]), y1 = std::atoi(argv[5]);
  xcb_connection_t* c = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(c)) {
    std::fprintf(stderr, "key_latency: no X display\n");
    return 1;
  }
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
  const int bw = std::min(x1, static_cast<int>(screen->width_in_pixels)) - x0;
  const int bh = std::min(y1, static_cast<int>(screen->height_in_pixels)) - y0;
  if (presses < 1 || x0 < 0 || y0 < 0 || bw <= 0 || bh <= 0) {
    std::fprintf(stderr, "key_latency: the strip is not on the screen\n");
    return 2;
  }
  const xcb_keycode_t right = keycode(c, kRight), left = keycode(c, kLeft), f1 = keycode(c, kF1);
  if (!right || !left || !f1) {
    std::fprintf(stderr, "key_latency: the keyboard has no arrow keys or F1\n");
    return 2;
  }
  const int id = shmget(IPC_PRIVATE, static_cast<size_t>(bw) * bh * 4, IPC_CREAT | 0600);
  auto* pixels = static_cast<const unsigned char*>(shmat(id, nullptr, SHM_RDONLY));
  shmctl(id, IPC_RMID, nullptr);
  const xcb_shm_seg_t seg = xcb_generate_id(c);
  xcb_shm_attach(c, seg, static_cast<uint32_t>(id), 0);

  auto grab = [&](Span& out) {
    auto* r = xcb_shm_get_image_reply(
        c,
        xcb_shm_get_image(c, screen->root, static_cast<int16_t>(x0), static_cast<int16_t>(y0),
                          static_cast<uint16_t>(bw), static_cast<uint16_t>(bh), ~0u,
                          XCB_IMAGE_FORMAT_Z_PIXMAP, seg, 0),
        nullptr);
    if (!r) return false;
    std::free(r);
    out = {};
    for (int y = 0; y < bh; ++y) {
      const unsigned char* line = pixels + static_cast<size_t>(y) * bw * 4;
      for (int x = 0; x < bw; ++x) {
        const unsigned char* p = line + x * 4;  // B G R X
        if (p[0] != 0 || p[1] != 128 || p[2] != 255) continue;
        if (out.left < 0 || x < out.left) out.left = x;
        out.right = std::max(out.right, x);
      }
    }
    return true;
  };
  auto key = [&](xcb_keycode_t code, bool down) {
    xcb_test_fake_input(c, down ? XCB_KEY_PRESS : XCB_KEY_RELEASE, code, XCB_CURRENT_TIME, XCB_NONE,
                        0, 0, 0);
    xcb_flush(c);
  };

  std::mt19937 gen(std::random_device{}());
  std::uniform_real_distribution<double> pause(120, 220);
  std::vector<double> times;
  int unanswered = 0;
  bool to_right = true;
  while (static_cast<int>(times.size()) < presses && unanswered <= presses) {
    sleep_ms(pause(gen));
    Span before;
    if (!grab(before)) {
      std::fprintf(stderr, "key_latency: the screen grab failed\n");
      return 1;
    }
    const xcb_keycode_t code = to_right ? right : left;
    const auto t0 = Clock::now();
    key(code, true);
    double answered = -1;
    Span now;
    while (answered < 0 && ms_since(t0) < kAnswerMs)
      if (grab(now) && !(now == before)) answered = ms_since(t0);
    // Held a little, so the paddle goes a few steps, then let go.
    sleep_ms(60);
    key(code, false);
    if (answered < 0) {
      ++unanswered;
      key(f1, true);
      key(f1, false);
      sleep_ms(400);
      continue;
    }
    times.push_back(answered);
    to_right = !to_right;
  }
  if (times.empty()) {
    std::fprintf(stderr, "key_latency: the paddle never moved (%d presses)\n", unanswered);
    return 1;
  }
  std::sort(times.begin(), times.end());
  const size_t n = times.size();
  const double median = n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
  const double p90 = times[std::min(n - 1, n * 9 / 10)];
  std::printf("median_ms=%.1f p90_ms=%.1f presses=%zu unanswered=%d\n", median, p90, n, unanswered);
  if (std::getenv("KEY_LATENCY_DUMP"))
    for (double t : times) std::fprintf(stderr, "%.2f\n", t);
  xcb_disconnect(c);
  return 0;
}
