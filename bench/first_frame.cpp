// first_frame X Y -- COMMAND [ARGS...]: the time from exec to the first
// non-black pixel at (X, Y) of the X screen, in ms, measured from outside
// the same way for any program. Prints "first_frame_ms=N".
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
  if (argc < 5 || std::strcmp(argv[3], "--") != 0) {
    std::fprintf(stderr, "usage: first_frame X Y -- COMMAND [ARGS...]\n");
    return 2;
  }
  const auto x = static_cast<std::int16_t>(std::atoi(argv[1]));
  const auto y = static_cast<std::int16_t>(std::atoi(argv[2]));
  xcb_connection_t* c = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(c)) {
    std::fprintf(stderr, "first_frame: cannot open the display\n");
    return 1;
  }
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
  const auto t0 = std::chrono::steady_clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    execvp(argv[4], argv + 4);
    _exit(127);
  }
  double ms = -1;
  while (ms < 0) {
    auto* img = xcb_get_image_reply(
        c, xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, root, x, y, 1, 1, ~0u), nullptr);
    if (img) {
      const std::uint8_t* p = xcb_get_image_data(img);
      if (xcb_get_image_data_length(img) >= 3 && (p[0] | p[1] | p[2]))
        ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0)
                 .count();
      std::free(img);
    }
    int status;
    if (ms < 0 && waitpid(pid, &status, WNOHANG) == pid) {
      std::fprintf(stderr, "first_frame: the program ended before it painted\n");
      return 1;
    }
    if (ms < 0) usleep(200);
  }
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
  std::printf("first_frame_ms=%.1f\n", ms);
  return 0;
}
