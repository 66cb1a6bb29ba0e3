// Loading the player's language at start-up: the game's catalogue built in
// as the game has it and Qt's from Debian's package, for the languages in
// LANGUAGE (bench.language runs it in German; LANGUAGE=en shows the cost of
// finding none).
#include <benchmark/benchmark.h>

#include "app/shell/language.h"

namespace {

void BM_LoadLanguage(benchmark::State& state) {
  for (auto _ : state) {
    zandovik::app::Language language;
    benchmark::DoNotOptimize(&language);
  }
}
BENCHMARK(BM_LoadLanguage)->Unit(benchmark::kMicrosecond);

// A message said once the catalogues are loaded.
void BM_TranslateMessage(benchmark::State& state) {
  zandovik::app::Language language;
  for (auto _ : state) benchmark::DoNotOptimize(language.text("help", "cannot write the output"));
}
BENCHMARK(BM_TranslateMessage)->Unit(benchmark::kMicrosecond);

}  // namespace
