#include "app/modules/sound.h"

#include "app/modules/modules.h"
#include "app/modules/sound_module.h"
#include "app/system/identity.h"

namespace zandovik::app {

struct Sound::Module {
  decltype(&zandovik_sound_open) open = nullptr;
  decltype(&zandovik_sound_play) play = nullptr;
  decltype(&zandovik_sound_silence) silence = nullptr;
  decltype(&zandovik_sound_close) close = nullptr;
  ZandovikSound* sound = nullptr;
};

Sound::Sound() {
  auto m = std::make_unique<Module>();
  if (!open_module("libzandovik-sound.so", "sound", std::pair{"zandovik_sound_open", &m->open},
                   std::pair{"zandovik_sound_play", &m->play},
                   std::pair{"zandovik_sound_silence", &m->silence},
                   std::pair{"zandovik_sound_close", &m->close}))
    return;
  m->sound = m->open(kAppId);
  if (m->sound) module_ = std::move(m);
}

Sound::~Sound() {
  if (module_) module_->close(module_->sound);
}

void Sound::play(game::Cue c, int value) {
  if (module_) module_->play(module_->sound, static_cast<int>(c), value);
}

void Sound::silence() {
  if (module_) module_->silence(module_->sound);
}

}  // namespace zandovik::app
