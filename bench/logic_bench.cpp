// The game logic's cost per event.
#include <benchmark/benchmark.h>

#include "game/session.h"
#include "tests/harness.h"

namespace {

using zandovik::testing::Harness;
namespace game = zandovik::game;

// A ball in flight over a full board, in empty rows below the bricks: four
// probes, no hit.
void BM_BallTickInFlight(benchmark::State& st) {
  Harness h;
  h.s.stepx = 0.5;
  h.s.stepy = 0;
  h.s.jitterx = 1;
  for (auto _ : st) {
    h.place_ball(3000, 5000);
    game::Timer2_Timer(h.g());
  }
}
BENCHMARK(BM_BallTickInFlight);

// A tick whose top probe hits a brick: points, colour, rebound, three draws.
void BM_BallTickWithBrickHit(benchmark::State& st) {
  Harness h;
  h.s.pattern = 2;
  game::grid(h.g());
  h.s.jitterx = 1;
  h.s.jittery = 1;
  for (auto _ : st) {
    h.s.cells[10][8] = 6;
    h.s.lastcell = 0;
    h.s.stepx = 10;
    h.s.stepy = 10;
    h.place_ball(3900, 1560 + 7 * 226.2 + 100 + 10);
    game::Timer2_Timer(h.g());
  }
}
BENCHMARK(BM_BallTickWithBrickHit);

void BM_PaddleTick(benchmark::State& st) {
  Harness h;
  h.s.paddledir = 1;
  for (auto _ : st) {
    h.ui().set_left(h.paddle(), 2000);
    game::Timer1_Timer(h.g());
  }
}
BENCHMARK(BM_PaddleTick);

void BM_LogoTick(benchmark::State& st) {
  Harness h;
  for (auto _ : st) game::Timer3_Timer(h.g());
}
BENCHMARK(BM_LogoTick);

void BM_Grid(benchmark::State& st) {
  Harness h;
  h.s.pattern = st.range(0);
  for (auto _ : st) game::grid(h.g());
}
BENCHMARK(BM_Grid)->Arg(1)->Arg(2)->Arg(3);

void BM_FormLoad(benchmark::State& st) {
  Harness h(false);
  for (auto _ : st) {
    h.rt.show();
    benchmark::DoNotOptimize(h.s.bricksleft);
  }
}
BENCHMARK(BM_FormLoad)->Unit(benchmark::kMicrosecond);

// A second of virtual play through the game session, as the driver plays.
void BM_RuntimeSecondOfPlay(benchmark::State& st) {
  game::Session session(nullptr, [] { return 1u; });
  session.show();
  session.key_down(game::kKeyRight, 0);
  session.run_for(100);
  session.key_up(game::kKeyRight, 0);
  for (auto _ : st) session.run_for(1000);
}
BENCHMARK(BM_RuntimeSecondOfPlay)->Unit(benchmark::kMicrosecond);

}  // namespace
