// hush_probe FILE MIN_MS WINDOW: follows FILE, a raw s16le mono 48 kHz
// recording as it grows, waits for a sound lasting at least MIN_MS, presses
// M in WINDOW in the middle of it (an X key event sent to the window), and
// prints how many milliseconds of sound the recording still holds after
// the press. Connected and ready beforehand, so the clock starts as the
// key is sent, not while a tool to send it starts up. Status 0 once it has
// measured, 1 when no such sound came within 20 s (or the recording
// stopped), 2 on bad usage or when the X server cannot be reached.
#include <xcb/xcb.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <thread>
#include <vector>

namespace {

constexpr int kRate = 48000;
constexpr int kBlock = kRate / 200;  // 5 ms
constexpr int kLoud = 1000;
constexpr xcb_keysym_t kM = 0x6d;

// Blocks of 5 ms, each loud or not, read as the file grows.
struct Follower {
  std::ifstream in;
  std::vector<std::int16_t> partial;
  std::vector<bool> loud;

  void read_more() {
    in.clear();
    std::int16_t buf[4096];
    for (;;) {
      in.read(reinterpret_cast<char*>(buf), sizeof buf);
      const auto n = in.gcount() / 2;
      for (std::streamsize i = 0; i < n; ++i) {
        partial.push_back(buf[i]);
        if (partial.size() == kBlock) {
          int peak = 0;
          for (auto s : partial) peak = std::max(peak, std::abs(static_cast<int>(s)));
          loud.push_back(peak > kLoud);
          partial.clear();
        }
      }
      if (n * 2 < static_cast<std::streamsize>(sizeof buf)) return;
    }
  }
};

xcb_keycode_t keycode_of(xcb_connection_t* c, xcb_keysym_t sym) {
  const xcb_setup_t* setup = xcb_get_setup(c);
  auto* map = xcb_get_keyboard_mapping_reply(
      c,
      xcb_get_keyboard_mapping(
          c, setup->min_keycode,
          static_cast<std::uint8_t>(setup->max_keycode - setup->min_keycode + 1)),
      nullptr);
  if (!map) return 0;
  const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(map);
  const int per = map->keysyms_per_keycode ? map->keysyms_per_keycode : 1;
  const int count = xcb_get_keyboard_mapping_keysyms_length(map) / per;
  xcb_keycode_t code = 0;
  for (int k = 0; k < count && !code; ++k)
    if (syms[k * per] == sym) code = static_cast<xcb_keycode_t>(setup->min_keycode + k);
  std::free(map);
  return code;
}

// A press and a release of `code`, sent to `window` as a key tool does.
void send_key(xcb_connection_t* c, xcb_window_t window, xcb_keycode_t code) {
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
  for (const auto& [type, mask] : {std::pair{XCB_KEY_PRESS, XCB_EVENT_MASK_KEY_PRESS},
                                   std::pair{XCB_KEY_RELEASE, XCB_EVENT_MASK_KEY_RELEASE}}) {
    xcb_key_press_event_t ev{};
    ev.response_type = static_cast<std::uint8_t>(type);
    ev.detail = code;
    ev.time = XCB_CURRENT_TIME;
    ev.root = root;
    ev.event = window;
    ev.same_screen = 1;
    xcb_send_event(c, 0, window, mask, reinterpret_cast<const char*>(&ev));
  }
  xcb_flush(c);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: hush_probe FILE MIN_MS WINDOW\n");
    return 2;
  }
  xcb_connection_t* c = xcb_connect(nullptr, nullptr);
  const xcb_keycode_t m = xcb_connection_has_error(c) ? 0 : keycode_of(c, kM);
  if (!m) {
    std::fprintf(stderr, "hush_probe: no X display, or no key M on it\n");
    return 2;
  }
  const auto window = static_cast<xcb_window_t>(std::strtoul(argv[3], nullptr, 0));
  Follower f{std::ifstream(argv[1], std::ios::binary), {}, {}};
  const auto min_blocks = static_cast<std::size_t>(std::atoi(argv[2]) / 5);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  std::size_t run_length = 0, seen = 0;
  while (run_length < min_blocks) {
    if (std::chrono::steady_clock::now() > deadline) {
      std::printf("no sound of %s ms came\n", argv[2]);
      return 1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
    f.read_more();
    for (; seen < f.loud.size() && run_length < min_blocks; ++seen)
      run_length = f.loud[seen] ? run_length + 1 : 0;
  }
  const std::size_t at = f.loud.size();
  send_key(c, window, m);
  std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
  xcb_disconnect(c);
  // Judged once the recording holds 800 ms past the key, however late the
  // recorder delivers them: what a broken M lets through is heard by then.
  while (f.loud.size() < at + 800 / 5) {
    if (std::chrono::steady_clock::now() > deadline + std::chrono::seconds(10)) {
      std::printf("the recording stopped growing\n");
      return 1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
    f.read_more();
  }
  std::size_t last = at;
  for (std::size_t i = at; i < f.loud.size(); ++i)
    if (f.loud[i]) last = i + 1;
  std::printf("%zu ms of sound after the key (a sound of %zu ms was playing)\n", (last - at) * 5,
              run_length * 5);
  return 0;
}
