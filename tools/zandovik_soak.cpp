// zandovik-soak: random play and bot play with every rule checked after
// every event. Exit status 1 on the first broken rule.
//   zandovik-soak [--seeds N] [--events N] [--bot-minutes M] [--new-games N]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "tools/random_play.h"

namespace {

bool number_arg(int argc, char** argv, int& i, const char* name, double& out) {
  if (std::strcmp(argv[i], name) != 0) return false;
  if (i + 1 >= argc) {
    std::fprintf(stderr, "zandovik-soak: %s needs a number\n", name);
    std::exit(2);
  }
  char* end = nullptr;
  out = std::strtod(argv[++i], &end);
  if (!end || *end || out < 0) {
    std::fprintf(stderr, "zandovik-soak: bad number for %s: %s\n", name, argv[i]);
    std::exit(2);
  }
  return true;
}

long resident_kib() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return resident * 4;
}

// A thousand new games in a row, each re-creating the window: memory must
// stay flat.
int new_games(long count) {
  zandovik::game::Session rt(nullptr, [] { return 3u; });
  rt.show();
  for (int i = 0; i < 50; ++i) zandovik::tools::new_game(rt);  // let the allocator settle
  const long before = resident_kib();
  for (long i = 0; i < count; ++i) {
    rt.key_down(zandovik::game::kKeyRight, 0);
    rt.run_for(100);
    zandovik::tools::new_game(rt);
  }
  const long after = resident_kib();
  std::printf("new games: %ld in a row, resident %ld KiB before, %ld KiB after (%+ld KiB)\n", count,
              before, after, after - before);
  return after - before > 1024 ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
  double seeds = 20, events = 50000, bot_minutes = 10, games = 1000;
  for (int i = 1; i < argc; ++i) {
    if (number_arg(argc, argv, i, "--seeds", seeds) ||
        number_arg(argc, argv, i, "--events", events) ||
        number_arg(argc, argv, i, "--bot-minutes", bot_minutes) ||
        number_arg(argc, argv, i, "--new-games", games))
      continue;
    std::fprintf(stderr,
                 "usage: zandovik-soak [--seeds N] [--events N] [--bot-minutes M] "
                 "[--new-games N]\n");
    return 2;
  }
  using clock = std::chrono::steady_clock;
  std::uint64_t total = 0;
  const auto t0 = clock::now();
  for (std::uint32_t seed = 1; seed <= static_cast<std::uint32_t>(seeds); ++seed) {
    auto r = zandovik::tools::random_play(seed, static_cast<std::uint64_t>(events));
    total += r.events;
    if (!r.ok()) {
      std::printf("random seed %u: FAILED after %llu events: %s\n", seed,
                  static_cast<unsigned long long>(r.events), r.failure.c_str());
      return 1;
    }
  }
  const double random_s = std::chrono::duration<double>(clock::now() - t0).count();
  std::printf("random play: %llu events over %d seeds in %.2f s (%.0f events/s), no rule broken\n",
              static_cast<unsigned long long>(total), static_cast<int>(seeds), random_s,
              static_cast<double>(total) / std::max(random_s, 1e-9));

  const auto t1 = clock::now();
  auto b = zandovik::tools::bot_play(7, bot_minutes * 60000);
  const double bot_s = std::chrono::duration<double>(clock::now() - t1).count();
  if (!b.ok()) {
    std::printf("bot: FAILED after %llu events: %s\n", static_cast<unsigned long long>(b.events),
                b.failure.c_str());
    return 1;
  }
  std::printf(
      "bot play: %.0f min of game time, %llu events in %.2f s (%.0f events/s): %llu levels "
      "cleared, patterns seen %d/3, %llu extra lives, %llu balls lost, %llu games over\n",
      b.game_ms / 60000, static_cast<unsigned long long>(b.events), bot_s,
      static_cast<double>(b.events) / std::max(bot_s, 1e-9),
      static_cast<unsigned long long>(b.levels_cleared),
      __builtin_popcount(static_cast<unsigned>(b.patterns_seen)),
      static_cast<unsigned long long>(b.extra_lives), static_cast<unsigned long long>(b.stalls),
      static_cast<unsigned long long>(b.games_over));
  return new_games(static_cast<long>(games));
}
