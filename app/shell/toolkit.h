#pragma once
// The toolkit around the window: its settings, its painting threads, the
// quit signals brought into its event loop.
#include <thread>

class QApplication;

namespace zandovik::app {

// The toolkit settings the window is made for, where the user has not set
// them; while the environment may still be written.
void set_toolkit_defaults();
// The painter blends large pictures on Qt's thread pool and waits for every
// part; a thread that cannot be created would leave it waiting for ever.
// All the pool's threads are started, beside the caller, and kept; the
// process ends cleanly if they cannot be had. Made once the application
// exists; joins its starter when it goes.
class PaintThreads {
 public:
  PaintThreads();
  ~PaintThreads();
  PaintThreads(const PaintThreads&) = delete;
  PaintThreads& operator=(const PaintThreads&) = delete;

 private:
  std::thread starter_;
};
// A quit signal ends the game as closing its window does.
void quit_on_signals(QApplication& app);

}  // namespace zandovik::app
