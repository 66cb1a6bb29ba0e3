// The gamepads through SDL's game-controller interface: input only, no
// SDL video or audio, read on the event thread when the window asks.
#include "app/modules/pad_module.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// A quarter of the stick's travel and more holds an arrow: resting sticks
// drift, and a light touch is not meant as a move.
constexpr Sint16 kDeadZone = 8192;

}  // namespace

struct ZandovikPads {
  std::vector<SDL_GameController*> open;
};

extern "C" {

ZandovikPads* zandovik_pads_open(void) {
  // The game has its own signal handlers; pads are read whether or not a
  // window of SDL's has the focus (it has none: the game's window decides).
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
  if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
    std::fprintf(stderr, "zandovik: no gamepads: %s\n", SDL_GetError());
    return nullptr;
  }
  // Pads already plugged in arrive as "added" events at the first read.
  return new ZandovikPads;
}

void zandovik_pads_read(ZandovikPads* pads, ZandovikPadsRead* out) {
  *out = {};
  SDL_PumpEvents();  // reads the devices and notices pads plugged in or out
  SDL_Event ev[32];
  int n;
  while ((n = SDL_PeepEvents(ev, 32, SDL_GETEVENT, SDL_CONTROLLERAXISMOTION,
                             SDL_CONTROLLERDEVICEREMAPPED)) > 0) {
    for (int i = 0; i < n; ++i) {
      const SDL_Event& e = ev[i];
      if (e.type == SDL_CONTROLLERDEVICEADDED) {
        if (SDL_GameController* c = SDL_GameControllerOpen(e.cdevice.which)) {
          const SDL_JoystickID id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(c));
          // The same pad can be announced more than once.
          const bool known = std::any_of(pads->open.begin(), pads->open.end(), [&](auto* o) {
            return SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(o)) == id;
          });
          if (known) {
            SDL_GameControllerClose(c);
          } else {
            pads->open.push_back(c);
          }
        }
      } else if (e.type == SDL_CONTROLLERDEVICEREMOVED) {
        auto gone = std::find_if(pads->open.begin(), pads->open.end(), [&](auto* o) {
          return SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(o)) == e.cdevice.which;
        });
        if (gone != pads->open.end()) {
          SDL_GameControllerClose(*gone);
          pads->open.erase(gone);
        }
      } else if (e.type == SDL_CONTROLLERBUTTONDOWN) {
        if (e.cbutton.button == SDL_CONTROLLER_BUTTON_A) ++out->south;
        if (e.cbutton.button == SDL_CONTROLLER_BUTTON_START) ++out->start;
        if (e.cbutton.button == SDL_CONTROLLER_BUTTON_BACK) ++out->back;
      }
    }
  }
  // The rest (the joysticks' raw events) is read through the controllers.
  SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
  bool left = false, right = false;
  for (SDL_GameController* c : pads->open) {
    const Sint16 x = SDL_GameControllerGetAxis(c, SDL_CONTROLLER_AXIS_LEFTX);
    left |= SDL_GameControllerGetButton(c, SDL_CONTROLLER_BUTTON_DPAD_LEFT) || x <= -kDeadZone;
    right |= SDL_GameControllerGetButton(c, SDL_CONTROLLER_BUTTON_DPAD_RIGHT) || x >= kDeadZone;
  }
  out->direction = left == right ? 0 : right ? 1 : -1;
  out->pads = static_cast<int>(pads->open.size());
}

void zandovik_pads_close(ZandovikPads* pads) {
  if (!pads) return;
  for (SDL_GameController* c : pads->open) SDL_GameControllerClose(c);
  delete pads;
  SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}
}
