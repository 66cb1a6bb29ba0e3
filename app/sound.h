#pragma once
// The game's sound through the desktop's sound server (PulseAudio, or
// PipeWire through pipewire-pulse): one stream, fed by the game's own mixer
// on the sound library's thread, corked while nothing plays. The event
// thread only drops cues into a queue and never waits for sound; no server,
// or one that goes away, means silence and at most one line on stderr.
#include <array>
#include <atomic>
#include <cstdint>
#include <memory>

#include "game/game.h"

namespace zandovik::app {

class Sound {
 public:
  Sound();
  ~Sound();
  Sound(const Sound&) = delete;
  Sound& operator=(const Sound&) = delete;

  // Called on the event thread: never block.
  void play(game::Cue c, int value);
  // Stop every effect at once, what the server still holds included.
  void silence();

  struct Engine;  // the sound thread's side

 private:
  std::unique_ptr<Engine> engine_;
};

}  // namespace zandovik::app
