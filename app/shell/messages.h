#pragma once
// The toolkit's messages. Until its display is open they are held back:
// if it cannot start, one line of ours says why instead of its many.
#include <string>

namespace zandovik::app {

// From now on the toolkit's messages come here; `what` names the display
// as a failure to open it would.
void hold_toolkit_messages(std::string what);
// The display is open: say what was held back, and say later ones as they
// come.
void release_toolkit_messages();

}  // namespace zandovik::app
