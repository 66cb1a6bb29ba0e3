#include "app/sound.h"

#include <QLibrary>
#include <cstdio>

#include "app/identity.h"
#include "app/modules.h"
#include "app/sound_module.h"

namespace zandovik::app {

struct Sound::Module {
  decltype(&zandovik_sound_open) open = nullptr;
  decltype(&zandovik_sound_play) play = nullptr;
  decltype(&zandovik_sound_silence) silence = nullptr;
  decltype(&zandovik_sound_close) close = nullptr;
  ZandovikSound* sound = nullptr;
};

Sound::Sound() {
  // Loaded once; kept for the process's life, as a module with a thread
  // of its own must be.
  static QLibrary* lib = nullptr;
  static QString error;
  if (!lib && error.isEmpty()) lib = load_module("libzandovik-sound.so", error);
  if (!lib) {
    if (!error.isEmpty())
      std::fprintf(stderr, "zandovik: no sound: %s\n", error.toLocal8Bit().constData());
    error = QStringLiteral(" ");  // said once
    return;
  }
  auto m = std::make_unique<Module>();
  m->open = reinterpret_cast<decltype(m->open)>(lib->resolve("zandovik_sound_open"));
  m->play = reinterpret_cast<decltype(m->play)>(lib->resolve("zandovik_sound_play"));
  m->silence = reinterpret_cast<decltype(m->silence)>(lib->resolve("zandovik_sound_silence"));
  m->close = reinterpret_cast<decltype(m->close)>(lib->resolve("zandovik_sound_close"));
  if (!m->open || !m->play || !m->silence || !m->close) {
    std::fprintf(stderr, "zandovik: no sound: the sound module is of another version\n");
    return;
  }
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
