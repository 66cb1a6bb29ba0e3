// zandovik: the brick-breaking game in its window.
#include <fontconfig/fontconfig.h>
#include <unistd.h>

#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QSemaphore>
#include <QSocketNotifier>
#include <QThreadPool>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <thread>

#include "app/display.h"
#include "app/editor/run_editor.h"
#include "app/fonts.h"
#include "app/identity.h"
#include "app/messages.h"
#include "app/options.h"
#include "app/process.h"
#include "app/render.h"
#include "app/window.h"

namespace {

std::string env(const char* name) {
  const char* v = std::getenv(name);
  return v ? v : "";
}

bool wayland_plugin_installed() {
  const QString dir = QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/platforms/";
  return QFileInfo::exists(dir + "libqwayland-generic.so");
}

// Out of memory anywhere is a clean end: one line and status 1, never an
// abort or a half-drawn window.
[[noreturn]] void out_of_memory() {
  zandovik::app::say("zandovik: out of memory\n");
  ::_exit(1);
}

// Output that could not be written is a failure, said on standard error.
int finish_output() {
  if (zandovik::app::stdout_was_closed() || std::fflush(stdout) != 0 || std::ferror(stdout)) {
    zandovik::app::say("zandovik: cannot write the output\n");
    return 1;
  }
  return 0;
}

// The painter blends large pictures on Qt's thread pool and waits for every
// part; a thread that cannot be created would leave it waiting for ever.
// Start all the pool's threads now, keep them, and end cleanly if they
// cannot be had.
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
    zandovik::app::say("zandovik: out of memory: cannot start the painting threads\n");
    ::_exit(1);  // the pool may still wait for a thread that never came
  }
  pool->waitForDone();
}

// A quit signal ends the game as closing its window does; the event loop
// takes it from the pipe the handler wrote to, whenever it came.
void quit_on_signals(QApplication& app) {
  const int fd = zandovik::app::quit_signal_fd();
  if (fd < 0) return;
  auto* notifier = new QSocketNotifier(fd, QSocketNotifier::Read, &app);
  QObject::connect(notifier, &QSocketNotifier::activated, &app, [fd] {
    char byte;
    while (::read(fd, &byte, 1) > 0) {
    }
    QCoreApplication::quit();
  });
}

// Reading the font configuration is the longest step before the first
// frame; it runs beside the toolkit's start. The environment is sealed by
// then, so nothing can move it under the getenv calls of this thread.
std::thread read_fonts_beside() {
  try {
    return std::thread([] { FcInit(); });
  } catch (const std::exception&) {
    FcInit();  // no thread to be had: read it here
    return {};
  }
}

}  // namespace

int main(int argc, char** argv) {
  namespace app = zandovik::app;
  // Before anything else, signals and the standard streams.
  app::harden_process(ZANDOVIK_VERSION);
  std::set_new_handler(out_of_memory);
  app::tune_allocator();
  const app::CommandLine line = app::parse_command_line(argc, argv);
  switch (line.action) {
    case app::CommandLine::Action::help:
      app::print_help();
      return finish_output();
    case app::CommandLine::Action::version:
      std::printf("zandovik %s\n", ZANDOVIK_VERSION);
      return finish_output();
    case app::CommandLine::Action::usage_error:
      std::fprintf(stderr, "%s\n", app::kUsage);
      return 2;
    case app::CommandLine::Action::play:
      break;
  }
  app::WindowOptions options;
  options.version = ZANDOVIK_VERSION;
  options.record = line.record;
  options.smooth = !line.draw_at_ticks;
  const std::string& replay_path = line.replay;
  if (!replay_path.empty()) {
    try {
      options.replay = zandovik::game::Recording::read(replay_path, ZANDOVIK_VERSION);
    } catch (const zandovik::game::ReplayError& e) {
      std::fprintf(stderr, "zandovik: %s\n", e.what());
      return 1;
    }
  }
  if (!app::enough_address_space()) return 1;

  app::DisplayEnv where;
  where.platform = line.platform.empty() ? env("QT_QPA_PLATFORM") : line.platform;
  where.display_arg = line.display;
  where.display = env("DISPLAY");
  where.wayland_display = env("WAYLAND_DISPLAY");
  where.runtime_dir = env("XDG_RUNTIME_DIR");
  where.wayland_plugin = wayland_plugin_installed();
  const auto choice = app::choose_display(where);
  if (!choice.error.empty()) {
    std::fprintf(stderr, "zandovik: %s\n", choice.error.c_str());
    return 1;
  }
  if (!choice.note.empty()) std::fprintf(stderr, "zandovik: %s\n", choice.note.c_str());

  // Every write to the environment, then none: threads start after this.
  if (!choice.platform.empty()) app::set_env("QT_QPA_PLATFORM", choice.platform.c_str());
  app::set_toolkit_defaults();
  app::seal_environment();

  std::thread fonts = read_fonts_beside();
  app::hold_toolkit_messages(choice.what);
  // One identity everywhere: the desktop file's name is the Wayland app id.
  QGuiApplication::setDesktopFileName(app::kAppId);
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
      Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
  QApplication qapp(argc, argv);
  app::release_toolkit_messages();
  if (fonts.joinable()) fonts.join();
  QApplication::setApplicationName("zandovik");  // WM_CLASS "zandovik"
  quit_on_signals(qapp);
  start_paint_threads();
  app::install_font_substitutes();
  if (line.edit) return zandovik::app::editor::run_editor(line.edit_file);
  app::GameWindow window(std::move(options));
  window.show();
  return QApplication::exec();
}
