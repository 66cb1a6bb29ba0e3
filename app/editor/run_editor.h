#pragma once
// The editor's way in, once the application object exists: FILE opened (or
// a new set begun), or asked for with the desktop's file dialog when empty.
#include <QString>
#include <string>

#include "game/boards.h"

namespace zandovik::app::editor {

// What the editor says of a FILE it cannot open as a set: the message and
// its details.
struct RefusalText {
  QString message, details;
};
RefusalText refusal_text(const game::BoardError& e);

// The exit status: 0 when the player quits, 1 if nothing could be opened.
int run_editor(const std::string& file);

}  // namespace zandovik::app::editor
