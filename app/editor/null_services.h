#pragma once
// Running the game's board procedures outside a game: nothing stalls,
// nothing is heard, the window is never created again.
#include "game/game.h"

namespace zandovik::app::editor {

class NullServices final : public game::Services {
 public:
  void stall(void (*)(game::Game&)) override {}
  void unload_and_show() override {}
  void cue(game::Cue, int) override {}
};

}  // namespace zandovik::app::editor
