#pragma once
// Qt keys to the virtual key codes the game knows them by.
#include <Qt>

#include "game/session.h"

namespace zandovik::app {

int virtual_key(int qt_key);
// Shift 1, Ctrl 2, Alt 4.
int shift_state(Qt::KeyboardModifiers m);

// Whether P pauses now, when the window or a pad presses it for the player:
// while the play timers run, a stall included (P waits for its end, as the
// key's does); elsewhere P would put Pause over the other buttons.
inline bool p_pauses(const game::Session& s) {
  return s.shown() && s.scene().get(scene::Named::Timer1).interval > 0;
}

}  // namespace zandovik::app
