#pragma once
// The game's sound effects, made at start-up from a few lines of DSP each:
// square, triangle and noise voices with pitch sweeps and envelopes. Plain
// C++, no audio library: the window plays what this makes.
#include <array>
#include <cstdint>
#include <vector>

#include "game/cues.h"

namespace zandovik::sound {

inline constexpr int kRate = 48000;  // samples a second, mono
// The loudest sample of any effect, as a share of full scale: several
// effects mixed stay clear of clipping.
inline constexpr double kPeak = 0.22;

using Samples = std::vector<std::int16_t>;

enum class Wave { square, triangle, noise };

// One tone: a wave from one pitch to another over its length, with a quick
// attack and an exponential decay.
struct Tone {
  Wave wave = Wave::square;
  double from_hz = 440, to_hz = 440;
  double ms = 50;
  double level = 1;  // share of kPeak
  double decay = 4;  // the envelope falls by e^-decay over the tone
};

// Tones one after another.
Samples render(const std::vector<Tone>& tones);

// The effects, by name. `brick` rises with the hits a brick still takes (1..8).
struct Effects {
  std::array<Samples, game::kCueCount> by_cue;  // Cue::brick's is in `brick`
  std::vector<Samples> brick;                   // index: hits left 1..8 (0 unused)
  Samples& operator[](game::Cue c) { return by_cue[static_cast<std::size_t>(c)]; }
  const Samples& operator[](game::Cue c) const { return by_cue[static_cast<std::size_t>(c)]; }
};
Effects make_effects();

}  // namespace zandovik::sound
