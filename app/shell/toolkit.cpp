#include "app/shell/toolkit.h"

#include <unistd.h>

#include <QApplication>
#include <QSemaphore>
#include <QSocketNotifier>
#include <QThreadPool>

#include "app/shell/environment.h"
#include "app/shell/signals.h"

namespace zandovik::app {

void set_toolkit_defaults() {
  // Qt's own event loop wakes less than GLib's for the logo's small repaints.
  set_env_default("QT_NO_GLIB", "1");
  // On Wayland the window paints only when the compositor asks for a frame,
  // and a hidden window simply gets none: the toolkit's timer that watches
  // for late frame callbacks would only add a wake-up to every frame.
  set_env_default("QT_WAYLAND_FRAME_CALLBACK_TIMEOUT", "0");
}

void start_paint_threads() {
  QThreadPool* pool = QThreadPool::globalInstance();
  pool->setExpiryTimeout(-1);
  pool->setStackSize(1u << 20);  // blending needs little; 8 MiB each by default
  const int n = pool->maxThreadCount();
  QSemaphore started, release;
  for (int i = 0; i < n; ++i)
    pool->start([&] {
      started.release();
      release.acquire();
    });
  const bool ok = started.tryAcquire(n, 2000);
  release.release(n);
  if (!ok) {
    say("zandovik: out of memory: cannot start the painting threads\n");
    ::_exit(1);  // the pool may still wait for a thread that never came
  }
  pool->waitForDone();
}

// The event loop takes each from the pipe the handler wrote to, whenever it
// came.
void quit_on_signals(QApplication& app) {
  const int fd = quit_signal_fd();
  if (fd < 0) return;
  auto* notifier = new QSocketNotifier(fd, QSocketNotifier::Read, &app);
  QObject::connect(notifier, &QSocketNotifier::activated, &app, [fd] {
    char byte;
    while (::read(fd, &byte, 1) > 0) {
    }
    QCoreApplication::quit();
  });
}

}  // namespace zandovik::app
