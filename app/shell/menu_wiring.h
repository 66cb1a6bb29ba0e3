#pragma once
// The menu joined to the window and to what is kept: each choice goes to
// the window or the session, and, with Keep on, into the options file.
#include <memory>

#include "app/menu/game_menu.h"
#include "app/store/config.h"

namespace zandovik::app {

class GameWindow;

// `kept`: the options read at the start (defaults unless Keep was on).
std::unique_ptr<menu::GameMenu> attach_menu(GameWindow& window, const store::Options& kept);

}  // namespace zandovik::app
