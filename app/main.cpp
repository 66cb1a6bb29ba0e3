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
#include "app/fonts.h"
#include "app/identity.h"
#include "app/messages.h"
#include "app/process.h"
#include "app/render.h"
#include "app/window.h"

namespace {

constexpr const char* kUsage =
    "usage: zandovik [--help] [--version] [--record FILE | --replay FILE] [-display DISPLAY] "
    "[-platform NAME]";

void help() {
  std::printf(
      "%s\n\n"
      "A brick-breaking game in one window. Left and Right move the paddle, P pauses,\n"
      "F1 and F2 choose the next or previous brick pattern, F11 toggles full screen,\n"
      "M turns the sound off and on.\n\n"
      "  --record FILE   write the game into FILE as it goes: every input and its time,\n"
      "                  every seed drawn, and checksums of the state\n"
      "  --replay FILE   play a recording back in the window, at the speed it was made;\n"
      "                  prints \"replay matches\" at its end, or where it parted\n\n"
      "Without them the game reads and writes no files.\n"
      "It opens on the Wayland display in WAYLAND_DISPLAY, else on the X display in\n"
      "DISPLAY (or -display). Qt's other options (-platform, -style, ...) are taken too.\n",
      kUsage);
}

// Qt's options the game lets through, with whether each takes a value.
bool qt_option(const char* arg, bool& takes_value) {
  static constexpr const char* kWithValue[] = {"-platform",      "-platformpluginpath",
                                               "-platformtheme", "-plugin",
                                               "-display",       "-qwindowgeometry",
                                               "-geometry",      "-qwindowtitle",
                                               "-title",         "-qwindowicon",
                                               "-icon",          "-style",
                                               "-stylesheet",    "-session",
                                               "-name"};
  static constexpr const char* kAlone[] = {"-reverse", "-nograb", "-dograb", "-sync",
                                           "-widgetcount"};
  for (const char* o : kWithValue)
    if (std::strcmp(arg, o) == 0 || (arg[0] == '-' && std::strcmp(arg + 1, o) == 0))
      return takes_value = true;
  for (const char* o : kAlone)
    if (std::strcmp(arg, o) == 0) return !(takes_value = false);
  return false;
}

const char* option_value(int argc, char** argv, const char* name) {
  for (int i = 1; i + 1 < argc; ++i)
    if (std::strcmp(argv[i], name) == 0 ||
        (argv[i][0] == '-' && std::strcmp(argv[i] + 1, name) == 0))
      return argv[i + 1];
  return nullptr;
}

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
  app::WindowOptions options;
  options.version = ZANDOVIK_VERSION;
  std::string replay_path;
  for (int i = 1; i < argc; ++i) {
    bool takes_value = false;
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      help();
      return finish_output();
    }
    if (std::strcmp(argv[i], "--version") == 0) {
      std::printf("zandovik %s\n", ZANDOVIK_VERSION);
      return finish_output();
    }
    if ((std::strcmp(argv[i], "--record") == 0 || std::strcmp(argv[i], "--replay") == 0) &&
        i + 1 < argc) {
      (std::strcmp(argv[i], "--record") == 0 ? options.record : replay_path) = argv[i + 1];
      ++i;
      continue;
    }
    if (qt_option(argv[i], takes_value)) {
      i += takes_value ? 1 : 0;
      continue;
    }
    std::fprintf(stderr, "%s\n", kUsage);
    return 2;
  }
  if (!options.record.empty() && !replay_path.empty()) {
    std::fprintf(stderr, "%s\n", kUsage);
    return 2;
  }
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
  const char* platform_arg = option_value(argc, argv, "-platform");
  where.platform = platform_arg ? platform_arg : env("QT_QPA_PLATFORM");
  const char* display_arg = option_value(argc, argv, "-display");
  where.display_arg = display_arg ? display_arg : "";
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
  app::GameWindow window(std::move(options));
  window.show();
  return QApplication::exec();
}
