#pragma once
// The game's sound: the module that plays it (app/sound_module.cpp) is
// loaded when the sound starts, after the first frame. No module, no
// libpulse, no server: silence, and at most one line on stderr.
#include <memory>

#include "game/cues.h"

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

 private:
  struct Module;
  std::unique_ptr<Module> module_;
};

}  // namespace zandovik::app
