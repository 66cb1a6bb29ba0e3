// Preloaded into the game by window/pad.sh: plugs in a pad of SDL's own (a
// virtual game controller) and works it as told, one command a line, through
// the fifo $PAD_PROBE_FIFO, so that the game reads it on its real input
// path as it would a pad in the hand. Each command done is written to
// $PAD_PROBE_LOG.
//   plug | unplug | press BUTTON | release BUTTON | stick X
//   BUTTON: a, start, left, right (the d-pad); X: the left stick, -32768..32767
#include <SDL2/SDL.h>
#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

SDL_Joystick* pad = nullptr;

void say(const std::string& line) {
  if (const char* log = std::getenv("PAD_PROBE_LOG")) {
    if (FILE* f = std::fopen(log, "a")) {
      std::fprintf(f, "%s\n", line.c_str());
      std::fclose(f);
    }
  }
}

int button(const char* name) {
  if (!std::strcmp(name, "a")) return SDL_CONTROLLER_BUTTON_A;
  if (!std::strcmp(name, "start")) return SDL_CONTROLLER_BUTTON_START;
  if (!std::strcmp(name, "left")) return SDL_CONTROLLER_BUTTON_DPAD_LEFT;
  if (!std::strcmp(name, "right")) return SDL_CONTROLLER_BUTTON_DPAD_RIGHT;
  return -1;
}

void plug() {
  // The game starts SDL after its first frame.
  for (int i = 0; i < 2000 && !SDL_WasInit(SDL_INIT_GAMECONTROLLER); ++i) usleep(10000);
  SDL_VirtualJoystickDesc desc;
  std::memset(&desc, 0, sizeof desc);
  desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
  desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
  desc.naxes = SDL_CONTROLLER_AXIS_MAX;
  desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
  desc.name = "zandovik test pad";
  const int index = SDL_JoystickAttachVirtualEx(&desc);
  pad = index < 0 ? nullptr : SDL_JoystickOpen(index);
  if (!pad) return say(std::string("plug failed: ") + SDL_GetError());
  // Plugged in when the game has taken it as a game controller.
  const SDL_JoystickID id = SDL_JoystickInstanceID(pad);
  for (int i = 0; i < 2000 && !SDL_GameControllerFromInstanceID(id); ++i) usleep(5000);
  say(SDL_GameControllerFromInstanceID(id) ? "plugged"
                                           : "plug failed: the game never took the pad");
}

void unplug() {
  if (!pad) return say("unplug: no pad");
  const SDL_JoystickID id = SDL_JoystickInstanceID(pad);
  SDL_JoystickClose(pad);
  pad = nullptr;
  for (int i = 0; i < SDL_NumJoysticks(); ++i)
    if (SDL_JoystickGetDeviceInstanceID(i) == id) SDL_JoystickDetachVirtual(i);
  say("unplugged");
}

void command(const char* line) {
  char verb[16] = {}, arg[16] = {};
  if (std::sscanf(line, "%15s %15s", verb, arg) < 1) return;
  const std::string v = verb;
  if (v == "plug") return plug();
  if (v == "unplug") return unplug();
  if (!pad) return say(v + ": no pad");
  // Done when the game has read it: a pad's state is taken in only when
  // the game reads the pads, so a press shorter than that would be lost.
  SDL_GameController* seen = SDL_GameControllerFromInstanceID(SDL_JoystickInstanceID(pad));
  bool read = false;
  if (v == "press" || v == "release") {
    const Uint8 want = v == "press" ? SDL_PRESSED : SDL_RELEASED;
    const int b = button(arg);
    SDL_JoystickSetVirtualButton(pad, b, want);
    for (int i = 0; i < 2000 && !read; ++i, usleep(5000))
      read = SDL_GameControllerGetButton(seen, static_cast<SDL_GameControllerButton>(b)) == want;
  } else if (v == "stick") {
    const auto x = static_cast<Sint16>(std::atoi(arg));
    SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTX, x);
    for (int i = 0; i < 2000 && !read; ++i, usleep(5000))
      read = SDL_GameControllerGetAxis(seen, SDL_CONTROLLER_AXIS_LEFTX) == x;
  }
  say(read ? std::string(line) : v + " failed: the game did not read the pad");
}

void* serve(void*) {
  const char* fifo = std::getenv("PAD_PROBE_FIFO");
  for (;;) {
    FILE* f = std::fopen(fifo, "r");  // waits for a writer
    if (!f) return nullptr;
    char line[64];
    while (std::fgets(line, sizeof line, f)) {
      line[std::strcspn(line, "\n")] = 0;
      command(line);
    }
    std::fclose(f);
  }
}

__attribute__((constructor)) void start() {
  if (!std::getenv("PAD_PROBE_FIFO")) return;
  // The game's signals are the game's: this thread takes none of them.
  sigset_t all, old;
  sigfillset(&all);
  pthread_sigmask(SIG_SETMASK, &all, &old);
  pthread_t t;
  if (pthread_create(&t, nullptr, serve, nullptr) == 0) pthread_detach(t);
  pthread_sigmask(SIG_SETMASK, &old, nullptr);
}

}  // namespace
