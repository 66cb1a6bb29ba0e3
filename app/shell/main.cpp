// zandovik: the brick-breaking game in its window.
#include <unistd.h>

#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <optional>
#include <string>

#include "app/editor/run_editor.h"
#include "app/present/fonts.h"
#include "app/shell/display.h"
#include "app/shell/environment.h"
#include "app/shell/language.h"
#include "app/shell/menu_wiring.h"
#include "app/shell/messages.h"
#include "app/shell/options.h"
#include "app/shell/refusal.h"
#include "app/shell/session_bus.h"
#include "app/shell/signals.h"
#include "app/shell/toolkit.h"
#include "app/store/best_store.h"
#include "app/store/config.h"
#include "app/store/folders.h"
#include "app/store/keeper.h"
#include "app/system/identity.h"
#include "app/system/memory.h"
#include "app/window/window.h"
#include "game/boards.h"

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
int finish_output(const zandovik::app::Language& language) {
  if (zandovik::app::stdout_was_closed() || std::fflush(stdout) != 0 || std::ferror(stdout)) {
    const QString why =
        language.text("messages", QT_TRANSLATE_NOOP("messages", "cannot write the output"));
    zandovik::app::say(("zandovik: " + why + "\n").toUtf8().constData());
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  namespace app = zandovik::app;
  // Before anything else, signals and the standard streams.
  app::harden_process(ZANDOVIK_VERSION);
  std::set_new_handler(out_of_memory);
  app::tune_allocator();
  app::CommandLine line = app::parse_command_line(argc, argv);
  // Before anything is said; the application takes it over once it exists.
  app::Language language;
  switch (line.action) {
    case app::CommandLine::Action::help:
      std::printf("%s\n\n%s", app::kUsage, language.text("help", app::kHelp).toUtf8().constData());
      return finish_output(language);
    case app::CommandLine::Action::version:
      std::printf("zandovik %s\n", ZANDOVIK_VERSION);
      return finish_output(language);
    case app::CommandLine::Action::best:
      zandovik::app::store::print_best(zandovik::app::store::best_dir());
      return finish_output(language);
    case app::CommandLine::Action::usage_error:
      std::fprintf(stderr, "%s\n", app::kUsage);
      return 2;
    case app::CommandLine::Action::play:
      break;
  }
  // The options, if the player asked for them to be kept (a config that
  // cannot be read is one line, and the defaults); a replay, a board on
  // trial and the editor keep nothing.
  auto kept = app::store::load_options(app::store::config_path());
  if (!kept.problem.isEmpty()) std::fprintf(stderr, "zandovik: %s\n", qPrintable(kept.problem));
  const bool keep = kept.options.keep && !line.replay && !line.trial && !line.edit;
  if (!keep) kept.options = {};
  // The set kept from the last run, if none is named; one that is gone is
  // said, and the built-in patterns play.
  const bool kept_boards = keep && line.boards.empty() && !kept.options.boards.isEmpty();
  if (kept_boards) line.boards = kept.options.boards.toStdString();
  // The game session, made ready before its window: a board file or a
  // recording that cannot be played is said in one line, and no window opens
  // (with --desktop, a dialog says it too: nobody reads that line there).
  auto play = std::make_unique<app::Play>();
  std::optional<std::string> refused;
  if (!line.boards.empty()) {
    try {
      play->session.switch_boards(
          std::make_shared<const zandovik::game::BoardSet>(zandovik::game::read_boards(
              zandovik::game::boards_path(line.boards, zandovik::game::executable_dir()))));
    } catch (const zandovik::game::BoardError& e) {
      if (kept_boards) {
        // A kept set that is gone: said, and the built-in patterns play.
        std::fprintf(stderr, "zandovik: %s\n", e.what());
        line.boards.clear();
      } else {
        refused = e.what();
      }
    }
  }
  kept.options.boards = QString::fromStdString(line.boards);
  play->escape_closes = line.trial;
  if (line.replay && !refused) refused = play->session.replay(*line.replay);
  if (refused) {
    std::fprintf(stderr, "zandovik: %s\n", refused->c_str());
    if (!line.desktop) return 1;
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
  app::keep_off_a_silent_bus();
  app::seal_environment();
  // The recorder writes from a thread of its own: made after the seal.
  if (line.record && !refused)
    play->session.record(*line.record, ZANDOVIK_VERSION, [](const std::string& e) {
      std::fprintf(stderr, "zandovik: %s\n", e.c_str());
    });
  if (keep) {
    play->session.set_speed(kept.options.speed);
    play->keeper = std::make_unique<app::store::Keeper>(
        play->session, ZANDOVIK_VERSION,
        app::store::TableId{app::store::set_of(line.boards), play->session.speed()});
    if (!play->keeper->start(line.record.value_or(""))) play->keeper.reset();
  }

  app::hold_toolkit_messages(choice.what);
  // One identity everywhere: the desktop file's name is the Wayland app id.
  QGuiApplication::setDesktopFileName(app::kAppId);
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
      Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
  QApplication qapp(argc, argv);
  language.install();
  app::release_toolkit_messages();
  QApplication::setApplicationName("zandovik");  // WM_CLASS "zandovik"
  if (!line.edit) app::quit_on_signals(qapp);
  const app::PaintThreads paint_threads;
  app::install_font_substitutes();
  if (refused) {
    app::show_refusal(*refused);
    return 1;
  }
  // The editor keeps unsaved changes before it ends on a quit signal.
  if (line.edit) return zandovik::app::editor::run_editor(line.edit_file, app::quit_signal_fd());
  app::GameWindow window(std::move(play), !line.draw_at_ticks && kept.options.smooth);
  window.set_sound(kept.options.sound);
  const auto menu = app::attach_menu(window, kept.options);
  if (kept.options.full_screen) window.setWindowState(Qt::WindowFullScreen);
  window.show();
  return QApplication::exec();
}
