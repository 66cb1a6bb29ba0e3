#pragma once
// A small mixer of the game's own: the effects that play at once are added
// up, sample by sample, and held to the 16-bit range.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "sound/synth.h"

namespace zandovik::sound {

class Mixer {
 public:
  // Start an effect now; it plays to its end alongside the others. The
  // samples must outlive it.
  void play(const Samples& s);
  // The next n samples of everything playing.
  void mix(std::int16_t* out, std::size_t n);
  bool playing() const { return !voices_.empty(); }
  void stop() { voices_.clear(); }

 private:
  struct Voice {
    const Samples* samples;
    std::size_t pos;
  };
  static constexpr std::size_t kMaxVoices = 16;  // more at once is noise
  std::vector<Voice> voices_;
};

}  // namespace zandovik::sound
