#include "app/shell/menu_wiring.h"

#include <QCoreApplication>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <cstdio>

#include "app/store/best_store.h"
#include "app/store/folders.h"
#include "app/window/window.h"

namespace zandovik::app {

namespace {

struct Wiring {
  GameWindow& window;
  store::Options options;

  store::Options now() {
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
          &window, QObject::tr("Keep scores and options"),
          QObject::tr("Forget the options and the best games kept on this computer? Your "
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
    // Until the session switches sets within a run, a new run plays the
    // set: the one in play ends as at a close.
    w->options.boards = spec;
    w->changed();
    QStringList args;
    if (!spec.isEmpty()) args << "--boards" << spec;
    if (!QProcess::startDetached(QCoreApplication::applicationFilePath(), args)) return false;
    w->window.close();
    return true;
  };
  return std::make_unique<menu::GameMenu>(&window, std::move(h));
}

}  // namespace zandovik::app
