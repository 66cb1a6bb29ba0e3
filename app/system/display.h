#pragma once
// The display server as a clock: what it has handled is on screen.

namespace zandovik::app {

// Returns once the display server has handled every request sent so far
// (a frame just flushed among them). A round trip on X11; elsewhere at once.
void wait_for_display();

}  // namespace zandovik::app
