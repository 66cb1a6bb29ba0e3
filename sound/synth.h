#pragma once
// The game's sound effects, made at start-up from a few lines of DSP each:
// square, triangle and noise voices with pitch sweeps and envelopes. Plain
// C++, no audio library: the window plays what this makes.
#include <cstdint>
#include <vector>

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
  Samples wall, ceiling, paddle, break_brick, unbreakable, lost, extralife, level, gameover, luck;
  std::vector<Samples> brick;  // index: hits left 1..8 (0 unused)
};
Effects make_effects();

}  // namespace zandovik::sound
