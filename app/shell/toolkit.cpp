#include "app/shell/toolkit.h"

#include <unistd.h>

#include <QApplication>
#include <QSemaphore>
#include <QSocketNotifier>
#include <QThreadPool>
#include <memory>
#include <system_error>

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

namespace {

// Every thread the pool may use, started and left waiting for work (they
// never expire); the process ends cleanly if they cannot be had.
void start_all(QThreadPool* pool) {
  struct Gates {
    QSemaphore started, release;
  };
  const auto gates = std::make_shared<Gates>();  // outlives the last task
  const int n = pool->maxThreadCount();
  for (int i = 0; i < n; ++i)
    pool->start([gates] {
      gates->started.release();
      gates->release.acquire();
    });
  const bool ok = gates->started.tryAcquire(n, 2000);
  gates->release.release(n);
  if (!ok) {
    say("zandovik: out of memory: cannot start the painting threads\n");
    ::_exit(1);  // the pool may still wait for a thread that never came
  }
}

}  // namespace

PaintThreads::PaintThreads() {
  QThreadPool* pool = QThreadPool::globalInstance();
  pool->setExpiryTimeout(-1);
  pool->setStackSize(1u << 20);  // blending needs little; 8 MiB each by default
  // Beside the window's making: the first frame need not wait for them.
  try {
    starter_ = std::thread(start_all, pool);
  } catch (const std::system_error&) {
    start_all(pool);
  }
}

PaintThreads::~PaintThreads() {
  if (starter_.joinable()) starter_.join();
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
