// Watches the screen from outside: grabs it through shared memory as fast
// as the X server answers, finds the ball by its blue inside a box, and
// prints how many times a second the drawn ball moved in free flight and
// how even its steps were.
//   motion_probe SECONDS X0 Y0 X1 Y1
// prints "moves_per_s=N step_cv=N steps=N" (steps: those counted);
// MOTION_PROBE_DUMP=1 also lists every drawn position seen on stderr.
#include <sys/ipc.h>
#include <sys/shm.h>
#include <xcb/shm.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct Seen {
  double t, x, y, n;  // when, where (centroid), how many pixels
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 6) {
    std::fprintf(stderr, "usage: motion_probe SECONDS X0 Y0 X1 Y1\n");
    return 2;
  }
  const double seconds = std::atof(argv[1]);
  const int x0 = std::atoi(argv[2]), y0 = std::atoi(argv[3]);
  const int x1 = std::atoi(argv[4]), y1 = std::atoi(argv[5]);
  xcb_connection_t* c = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(c)) {
    std::fprintf(stderr, "motion_probe: no X display\n");
    return 1;
  }
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
  const int bw = std::min(x1, static_cast<int>(screen->width_in_pixels)) - x0;
  const int bh = std::min(y1, static_cast<int>(screen->height_in_pixels)) - y0;
  if (x0 < 0 || y0 < 0 || bw <= 0 || bh <= 0) {
    std::fprintf(stderr, "motion_probe: the box is not on the screen\n");
    return 2;
  }
  const int id = shmget(IPC_PRIVATE, static_cast<size_t>(bw) * bh * 4, IPC_CREAT | 0600);
  auto* pixels = static_cast<const unsigned char*>(shmat(id, nullptr, SHM_RDONLY));
  shmctl(id, IPC_RMID, nullptr);
  const xcb_shm_seg_t seg = xcb_generate_id(c);
  xcb_shm_attach(c, seg, static_cast<uint32_t>(id), 0);  // the server writes into it

  using clock = std::chrono::steady_clock;
  const auto start = clock::now();
  std::vector<Seen> seen;
  for (;;) {
    const double t = std::chrono::duration<double>(clock::now() - start).count();
    if (t > seconds) break;
    xcb_generic_error_t* e = nullptr;
    // Only the box: a small grab is quick, so no frame slips between two.
    auto* r = xcb_shm_get_image_reply(
        c,
        xcb_shm_get_image(c, screen->root, static_cast<int16_t>(x0), static_cast<int16_t>(y0),
                          static_cast<uint16_t>(bw), static_cast<uint16_t>(bh), ~0u,
                          XCB_IMAGE_FORMAT_Z_PIXMAP, seg, 0),
        &e);
    if (!r) {
      std::fprintf(stderr, "motion_probe: the screen grab failed (X error %d)\n",
                   e ? e->error_code : 0);
      return 1;
    }
    std::free(r);
    double sx = 0, sy = 0;
    double n = 0;
    for (int y = 0; y < bh; ++y) {
      const unsigned char* line = pixels + static_cast<size_t>(y) * bw * 4;
      for (int x = 0; x < bw; ++x) {
        const unsigned char* p = line + x * 4;  // B G R X
        if (p[0] == 255 && p[1] == 0 && p[2] == 0) sx += x0 + x, sy += y0 + y, n += 1;
      }
    }
    if (n > 0) seen.push_back({t, sx / n, sy / n, n});
  }
  // The ball whole and once: a grab between two of a frame's rectangles
  // can hold it twice or in part, and at the box's edge it is cut.
  std::vector<double> sizes;
  for (const Seen& s : seen) sizes.push_back(s.n);
  std::nth_element(sizes.begin(), sizes.begin() + static_cast<long>(sizes.size() / 2), sizes.end());
  const double whole = sizes.empty() ? 0 : sizes[sizes.size() / 2];
  std::vector<Seen> moves;
  for (const Seen& s : seen) {
    if (std::fabs(s.n - whole) > 0.1 * whole) continue;
    if (moves.empty() || s.x != moves.back().x || s.y != moves.back().y) moves.push_back(s);
  }
  if (std::getenv("MOTION_PROBE_DUMP"))
    std::fprintf(stderr, "grabs with blue %zu, ball %.0f pixels, moves %zu\n", seen.size(), whole,
                 moves.size());
  if (std::getenv("MOTION_PROBE_DUMP"))
    for (const Seen& m : moves) std::fprintf(stderr, "%.4f %.2f %.2f %.0f\n", m.t, m.x, m.y, m.n);
  // Free flight: moves less than 100 ms apart. Its steps are measured in
  // straight runs (a bounce turns the ball, and the rules change its speed
  // there), and the spread of each run's steps about its own mean is
  // pooled over the runs.
  double flight = 0, counted_moves = 0, squares = 0;
  size_t steps = 0;
  std::vector<double> run;
  auto end_run = [&] {
    if (run.size() >= 3) {
      double mean = 0, var = 0;
      for (double d : run) mean += d;
      mean /= static_cast<double>(run.size());
      for (double d : run) var += (d - mean) * (d - mean) / (mean * mean);
      squares += var;
      steps += run.size();
    }
    run.clear();
  };
  for (size_t i = 1; i < moves.size(); ++i) {
    const double gap = moves[i].t - moves[i - 1].t;
    if (gap > 0.1) {
      end_run();
      continue;
    }
    flight += gap;
    counted_moves += 1;
    const double dx = moves[i].x - moves[i - 1].x, dy = moves[i].y - moves[i - 1].y;
    if (i >= 2 && !run.empty()) {
      const double px = moves[i - 1].x - moves[i - 2].x, py = moves[i - 1].y - moves[i - 2].y;
      if (dx * px < 0 || dy * py < 0) {  // turned: a bounce, left out
        end_run();
        continue;
      }
    }
    run.push_back(std::hypot(dx, dy));
  }
  end_run();
  const double cv = steps > 0 ? std::sqrt(squares / static_cast<double>(steps)) : 0;
  std::printf("moves_per_s=%.1f step_cv=%.3f steps=%zu\n",
              flight > 0 ? counted_moves / flight : 0.0, cv, steps);
  xcb_disconnect(c);
  return 0;
}
