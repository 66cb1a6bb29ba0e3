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
// `said` is the reader's line; `unreadable` when the file could not be read
// at all (Permission denied), which is then the news itself.
RefusalText refusal_text(const QString& said, bool unreadable);

// The exit status: 0 when the player quits or a quit signal (whose bytes
// arrive on `quit_fd`, -1 for none) ends it, 1 if nothing could be opened.
int run_editor(const std::string& file, int quit_fd);

}  // namespace zandovik::app::editor
