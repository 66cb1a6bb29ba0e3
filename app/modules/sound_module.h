#pragma once
// Between the window and the game's sound module (libzandovik-sound.so),
// which the window loads after the first frame: plain C, so either side
// can be built on its own.
#define ZANDOVIK_SOUND_EXPORT __attribute__((visibility("default")))

extern "C" {

struct ZandovikSound;

// A stream on the desktop's sound server, named by the application id; null,
// with a line said, where the sound cannot start. Never waits for a server.
ZANDOVIK_SOUND_EXPORT ZandovikSound* zandovik_sound_open(const char* app_id);
// From the event thread; never block. `cue` is a game::Cue.
ZANDOVIK_SOUND_EXPORT void zandovik_sound_play(ZandovikSound* sound, int cue, int value);
ZANDOVIK_SOUND_EXPORT void zandovik_sound_silence(ZandovikSound* sound);
ZANDOVIK_SOUND_EXPORT void zandovik_sound_close(ZandovikSound* sound);
}
