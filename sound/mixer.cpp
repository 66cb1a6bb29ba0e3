#include "sound/mixer.h"

#include <algorithm>

namespace zandovik::sound {

void Mixer::play(const Samples& s) {
  if (s.empty()) return;
  if (voices_.size() >= kMaxVoices) voices_.erase(voices_.begin());  // the oldest goes
  voices_.push_back({&s, 0});
}

void Mixer::mix(std::int16_t* out, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) {
    int sum = 0;
    for (Voice& v : voices_)
      if (v.pos < v.samples->size()) sum += (*v.samples)[v.pos++];
    out[i] = static_cast<std::int16_t>(std::clamp(sum, -32768, 32767));
  }
  std::erase_if(voices_, [](const Voice& v) { return v.pos >= v.samples->size(); });
}

}  // namespace zandovik::sound
