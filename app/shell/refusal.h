#pragma once
// A refusal at start in a dialog, for a game started from the desktop
// (--desktop), where nobody reads standard error.
#include <string>

namespace zandovik::app {

// Shows `message` (the one line said on standard error, without
// "zandovik: ") until the player closes it. Needs the QApplication.
void show_refusal(const std::string& message);

}  // namespace zandovik::app
