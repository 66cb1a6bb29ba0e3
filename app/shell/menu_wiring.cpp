#include "app/shell/menu_wiring.h"

#include <QCoreApplication>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <cstdio>

#include "app/store/best_store.h"
#include "app/store/folders.h"
#include "app/window/window.h"
#include "game/boards.h"

namespace zandovik::app {

namespace {

struct Wiring {
  GameWindow& window;
  store::Options options;

  store::Options now() {
    options.speed = window.session().speed();
    options.sound = window.sound_on();
    options.full_screen = window.isFullScreen();
    return options;
  }
  // A change the player made: kept only when asked.
  void changed() {
    if (!options.keep) return;
    QString error;
    if (!store::save_options(store::config_path(), now(), &error))
      std::fprintf(stderr, "zandovik: %s\n", qPrintable(error));
  }
  void set_keep(bool on) {
    if (on) {
      options.keep = true;
      changed();
    } else {
      const auto answer = QMessageBox::question(
          &window, QCoreApplication::translate("Menu", "Keep scores and options"),
          QCoreApplication::translate(
              "Menu",
              "Forget the options and the best games kept on this computer? Your "
              "boards are kept either way."),
          QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::No);
      if (answer == QMessageBox::Cancel) return;
      changed();  // the options as they are, then off
      options.keep = false;
      if (answer == QMessageBox::Yes) {
        QFile::remove(store::config_path());
        store::forget_all(store::best_dir());
      } else {
        QString error;
        if (!store::save_options(store::config_path(), now(), &error))
          std::fprintf(stderr, "zandovik: %s\n", qPrintable(error));
      }
    }
    if (auto& keeper = window.play().keeper) keeper->set_on(options.keep);
  }
};

}  // namespace

std::unique_ptr<menu::GameMenu> attach_menu(GameWindow& window, const store::Options& kept) {
  auto w = std::make_shared<Wiring>(Wiring{window, kept});
  menu::Hooks h;
  h.now = [w] { return w->now(); };
  h.set_sound = [w](bool on) {
    w->window.set_sound(on);
    w->changed();
  };
  h.set_full_screen = [w](bool on) {
    w->window.setWindowState(on ? w->window.windowState() | Qt::WindowFullScreen
                                : w->window.windowState() & ~Qt::WindowFullScreen);
    w->options.full_screen = on;
    w->changed();
  };
  h.set_smooth = [w](bool on) {
    w->window.set_smooth(on);
    w->options.smooth = on;
    w->changed();
  };
  h.set_keep = [w](bool on) { w->set_keep(on); };
  h.play_boards = [w](const QString& spec) {
    game::Session& session = w->window.session();
    std::shared_ptr<const game::BoardSet> boards;
    if (!spec.isEmpty()) {
      try {
        boards = std::make_shared<const game::BoardSet>(
            game::read_boards(game::boards_path(spec.toStdString(), game::executable_dir())));
      } catch (const game::BoardError& e) {
        QMessageBox::warning(&w->window, QCoreApplication::translate("Menu", "Boards"),
                             QString::fromUtf8(e.what()));
        return false;
      }
    }
    // The game on ends in its own table before the new one starts.
    if (auto& keeper = w->window.play().keeper)
      keeper->switch_table({store::set_of(spec.toStdString()), session.speed()});
    session.switch_boards(std::move(boards));
    w->options.boards = spec;
    w->changed();
    w->window.changed();
    return true;
  };
  h.set_speed = [w](int percent) {
    game::Session& session = w->window.session();
    if (percent == session.speed()) return;
    if (auto& keeper = w->window.play().keeper)
      keeper->switch_table({store::set_of(w->options.boards.toStdString()), percent});
    if (!session.set_speed(percent)) return;
    w->options.speed = percent;
    w->changed();
    w->window.changed();
  };
  return std::make_unique<menu::GameMenu>(&window, std::move(h));
}

}  // namespace zandovik::app
