// The synthesiser and the mixer: lengths, levels and pitches.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "sound/mixer.h"
#include "sound/synth.h"

namespace zandovik::sound {
namespace {

int peak(const Samples& s) {
  int m = 0;
  for (auto v : s) m = std::max(m, std::abs(static_cast<int>(v)));
  return m;
}

// Pitch from the rising zero crossings of the first 30 ms.
double pitch(const Samples& s) {
  const std::size_t n = std::min<std::size_t>(s.size(), kRate * 30 / 1000);
  int crossings = 0;
  for (std::size_t i = 1; i < n; ++i) crossings += s[i - 1] < 0 && s[i] >= 0;
  return crossings * 1000.0 / 30;
}

TEST(Synth, EffectsAreShortQuietEnoughToMixAndTheLostSweepFitsTheStall) {
  const Effects e = make_effects();
  using game::Cue;
  for (const Samples* s :
       {&e[Cue::wall], &e[Cue::ceiling], &e[Cue::paddle], &e[Cue::break_brick],
        &e[Cue::unbreakable], &e[Cue::extralife], &e[Cue::luck], &e.brick[1], &e.brick[8]}) {
    EXPECT_GT(s->size(), static_cast<std::size_t>(kRate / 50));  // at least 20 ms
    EXPECT_LE(s->size(), static_cast<std::size_t>(kRate / 3));   // at most a third of a second
    EXPECT_LE(peak(*s), static_cast<int>(kPeak * 32767) + 1);
    EXPECT_GT(peak(*s), 1000);
    EXPECT_EQ(s->front(), 0);  // no click at either end
  }
  EXPECT_LE(e[game::Cue::lost].size(),
            static_cast<std::size_t>(kRate / 2));  // over by the stall's end
  EXPECT_GT(pitch(e[game::Cue::lost]),
            3 * pitch(Samples(e[game::Cue::lost].begin() + kRate * 35 / 100,
                              e[game::Cue::lost].begin() + kRate * 38 / 100)));  // falls
}

TEST(Synth, BrickPitchRisesWithTheHitsLeftAndWallAndCeilingDiffer) {
  const Effects e = make_effects();
  for (int hits = 2; hits <= 8; ++hits) EXPECT_GT(pitch(e.brick[hits]), pitch(e.brick[hits - 1]));
  EXPECT_NEAR(pitch(e.brick[1]), 440, 40);
  EXPECT_GT(pitch(e[game::Cue::ceiling]), pitch(e[game::Cue::wall]) * 1.3);
}

TEST(Mixer, EffectsPlayingAtOnceAddUpAndStopAtTheRange) {
  const Samples loud(100, 30000), soft(50, 1000);
  Mixer m;
  m.play(loud);
  m.play(soft);
  m.play(loud);
  std::vector<std::int16_t> out(120);
  m.mix(out.data(), out.size());
  EXPECT_EQ(out[0], 32767);  // held to the range, not wrapped
  EXPECT_EQ(out[99], 32767);
  EXPECT_EQ(out[100], 0);  // all ended: silence
  EXPECT_FALSE(m.playing());
  m.play(soft);
  m.mix(out.data(), 10);
  EXPECT_EQ(out[0], 1000);
  EXPECT_TRUE(m.playing());
}

}  // namespace
}  // namespace zandovik::sound
