#pragma once
// The editor's way in, once the application object exists: FILE opened (or
// a new set begun), or asked for with the desktop's file dialog when empty.
#include <string>

namespace zandovik::app::editor {

// The exit status: 0 when the player quits or a quit signal (whose bytes
// arrive on `quit_fd`, -1 for none) ends it, 1 if nothing could be opened.
int run_editor(const std::string& file, int quit_fd);

}  // namespace zandovik::app::editor
