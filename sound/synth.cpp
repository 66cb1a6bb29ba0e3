#include "sound/synth.h"

#include <algorithm>
#include <cmath>

namespace zandovik::sound {

namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr double kAttackMs = 2;  // no click at the start

double wave_at(Wave w, double phase, std::uint32_t& noise) {
  switch (w) {
    case Wave::square:
      return phase < 0.5 ? 1 : -1;
    case Wave::triangle:
      return phase < 0.5 ? 4 * phase - 1 : 3 - 4 * phase;
    case Wave::noise:
      noise ^= noise << 13;  // xorshift: the same noise every run
      noise ^= noise >> 17;
      noise ^= noise << 5;
      return static_cast<double>(noise) / 2147483648.0 - 1;
  }
  return 0;
}

}  // namespace

Samples render(const std::vector<Tone>& tones) {
  Samples out;
  std::uint32_t noise = 2463534242u;
  for (const Tone& t : tones) {
    const auto n = static_cast<std::size_t>(t.ms * kRate / 1000);
    const double attack = kAttackMs * kRate / 1000;
    double phase = 0;
    for (std::size_t i = 0; i < n; ++i) {
      const double x = static_cast<double>(i) / static_cast<double>(n);
      // Exponential pitch sweep: even steps to the ear.
      const double hz = t.from_hz * std::pow(t.to_hz / t.from_hz, x);
      phase = std::fmod(phase + hz / kRate, 1.0);
      double env = std::exp(-t.decay * x) * std::min(1.0, static_cast<double>(i) / attack);
      env *= std::min(1.0, static_cast<double>(n - i) / attack);  // and none at the end
      const double v = wave_at(t.wave, phase, noise) * env * t.level * kPeak;
      out.push_back(static_cast<std::int16_t>(std::lround(v * 32767)));
    }
  }
  return out;
}

Effects make_effects() {
  using W = Wave;
  using game::Cue;
  Effects e;
  e[Cue::wall] = render({{W::square, 520, 500, 35, 0.7, 5}});
  e[Cue::ceiling] = render({{W::square, 780, 740, 35, 0.7, 5}});
  e[Cue::paddle] = render({{W::triangle, 300, 420, 70, 1.0, 3}});
  e[Cue::break_brick] = render({{W::noise, 1, 1, 45, 0.6, 6}, {W::square, 1400, 900, 45, 0.5, 5}});
  e[Cue::unbreakable] =
      render({{W::square, 196, 196, 90, 0.8, 3}, {W::triangle, 392, 380, 60, 0.6, 4}});
  e[Cue::lost] = render({{W::triangle, 660, 70, 420, 1.0, 1.5}, {W::noise, 1, 1, 40, 0.3, 6}});
  e[Cue::extralife] = render({{W::square, 523, 523, 60, 0.6, 2},
                              {W::square, 659, 659, 60, 0.6, 2},
                              {W::square, 784, 784, 60, 0.6, 2},
                              {W::square, 1047, 1047, 120, 0.6, 3}});
  e[Cue::level] = render({{W::triangle, 392, 392, 90, 1.0, 1},
                          {W::triangle, 523, 523, 90, 1.0, 1},
                          {W::triangle, 659, 659, 90, 1.0, 1},
                          {W::triangle, 784, 784, 240, 1.0, 2}});
  e[Cue::gameover] = render({{W::triangle, 392, 392, 160, 1.0, 1},
                             {W::triangle, 330, 330, 160, 1.0, 1},
                             {W::triangle, 262, 262, 160, 1.0, 1},
                             {W::triangle, 196, 180, 400, 1.0, 2.5}});
  e[Cue::luck] = render({{W::square, 1175, 1175, 40, 0.5, 3}, {W::square, 1568, 1568, 60, 0.5, 4}});
  e.brick.resize(9);
  for (int hits = 1; hits <= 8; ++hits) {
    // A semitone and a half higher for every hit a brick still takes.
    const double hz = 440 * std::pow(2.0, 1.5 * (hits - 1) / 12.0);
    e.brick[hits] = render({{W::square, hz, hz * 0.97, 45, 0.6, 5}});
  }
  return e;
}

}  // namespace zandovik::sound
