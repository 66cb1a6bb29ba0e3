#include "app/menu/game_menu.h"

#include <QActionGroup>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QTimer>

#include "app/menu/best_dialog.h"
#include "app/store/folders.h"
#include "game/boards.h"

namespace zandovik::app::menu {

namespace {

// The sets that ship with the game, by name: beside a build's programs,
// else installed.
QStringList shipped_sets() {
  QStringList names;
  for (const std::string& dir :
       {game::executable_dir() + "/boards", game::installed_boards_dir()}) {
    for (const QFileInfo& f :
         QDir(QString::fromStdString(dir)).entryInfoList({"*.boards"}, QDir::Files, QDir::Name))
      if (!names.contains(f.completeBaseName())) names << f.completeBaseName();
    if (!names.isEmpty()) break;
  }
  return names;
}

QString start_folder() {
  const QString mine = store::boards_dir();
  return QFileInfo(mine).isDir() ? mine : QDir::homePath();
}

}  // namespace

GameMenu::GameMenu(QWidget* window, Hooks hooks)
    : window_(window), hooks_(std::move(hooks)), menu_(window) {
  window->installEventFilter(this);
  window->setAcceptDrops(true);
}

bool GameMenu::eventFilter(QObject* watched, QEvent* ev) {
  if (watched != window_) return false;
  switch (ev->type()) {
    case QEvent::ContextMenu:
      open(static_cast<QContextMenuEvent*>(ev)->globalPos());
      return true;
    case QEvent::KeyPress: {
      const auto* key = static_cast<QKeyEvent*>(ev);
      // After the window has seen the key: the menu then takes the keys.
      if (key->key() == Qt::Key_F10 && !key->isAutoRepeat())
        QTimer::singleShot(0, this,
                           [this] { open(window_->mapToGlobal(window_->rect().center())); });
      return false;
    }
    case QEvent::DragEnter: {
      auto* drag = static_cast<QDragEnterEvent*>(ev);
      const auto urls = drag->mimeData()->urls();
      if (urls.size() == 1 && urls[0].isLocalFile() && urls[0].toLocalFile().endsWith(".boards"))
        drag->acceptProposedAction();
      return true;
    }
    case QEvent::Drop: {
      auto* drop = static_cast<QDropEvent*>(ev);
      const auto urls = drop->mimeData()->urls();
      if (urls.size() == 1 && urls[0].isLocalFile()) {
        drop->acceptProposedAction();
        const QString path = urls[0].toLocalFile();
        QTimer::singleShot(0, this, [this, path] { open_board_file(path); });
      }
      return true;
    }
    default:
      return false;
  }
}

void GameMenu::open(const QPoint& global) {
  fill();
  menu_.popup(global);
}

void GameMenu::fill() {
  menu_.clear();
  const store::Options o = hooks_.now();
  add_boards(menu_.addMenu(QCoreApplication::translate("Menu", "&Boards")));
  menu_.addAction(QCoreApplication::translate("Menu", "&Edit boards..."),
                  [this] { edit_boards(); });
  menu_.addAction(QCoreApplication::translate("Menu", "Best &games..."), [this] {
    auto* d = new BestDialog(window_);
    d->setAttribute(Qt::WA_DeleteOnClose);
    d->show();
  });
  menu_.addSeparator();
  const auto check = [this](const QString& text, bool on, std::function<void(bool)> set) {
    QAction* a = menu_.addAction(text);
    a->setCheckable(true);
    a->setChecked(on);
    QObject::connect(a, &QAction::toggled, a, [set](bool v) { set(v); });
    return a;
  };
  check(QCoreApplication::translate("Menu", "&Sound"), o.sound, hooks_.set_sound);
  check(QCoreApplication::translate("Menu", "&Full screen"), o.full_screen, hooks_.set_full_screen);
  check(QCoreApplication::translate("Menu", "Smooth &motion"), o.smooth, hooks_.set_smooth);
  if (hooks_.set_speed) {
    QMenu* speeds = menu_.addMenu(QCoreApplication::translate("Menu", "Game s&peed"));
    auto* group = new QActionGroup(speeds);
    for (const auto& [percent, text] :
         {//: Game speeds, per cent of the normal speed; & marks the access key.
          std::pair{100, QCoreApplication::translate("Menu", "&Normal")},
          std::pair{85, QCoreApplication::translate("Menu", "&85 %")},
          std::pair{70, QCoreApplication::translate("Menu", "&70 %")}}) {
      QAction* a = speeds->addAction(text, [this, p = percent] { hooks_.set_speed(p); });
      a->setCheckable(true);
      a->setChecked(o.speed == percent);
      group->addAction(a);
    }
  }
  menu_.addSeparator();
  check(QCoreApplication::translate("Menu", "&Keep scores and options on this computer"), o.keep,
        hooks_.set_keep);
  menu_.addSeparator();
  menu_.addAction(QCoreApplication::translate("Menu", "Keys and &help"),
                  [this] { keys_and_help(); });
  menu_.addAction(QCoreApplication::translate("Menu", "&About"), [this] { about(); });
}

void GameMenu::add_boards(QMenu* into) {
  const QString in_play = hooks_.now().boards;
  auto* group = new QActionGroup(into);
  const auto add = [&](const QString& text, const QString& spec) {
    QAction* a = into->addAction(text, [this, spec] { hooks_.play_boards(spec); });
    a->setCheckable(true);
    a->setChecked(spec == in_play);
    group->addAction(a);
  };
  add(QCoreApplication::translate("Menu", "Built-in patterns"), QString());
  // A set's name is its file's: design data, never translated.
  for (const QString& name : shipped_sets()) add(name, name);
  const QFileInfoList mine =
      QDir(store::boards_dir()).entryInfoList({"*.boards"}, QDir::Files, QDir::Name);
  if (!mine.isEmpty()) into->addSeparator();
  for (const QFileInfo& f : mine) add(f.completeBaseName(), f.absoluteFilePath());
  into->addSeparator();
  into->addAction(QCoreApplication::translate("Menu", "&Open a board file..."), [this] {
    const QString path = QFileDialog::getOpenFileName(
        window_, QCoreApplication::translate("Menu", "Open a board file"), start_folder(),
        QCoreApplication::translate("Menu", "Board files (*.boards)"));
    if (!path.isEmpty()) open_board_file(path);
  });
}

void GameMenu::open_board_file(const QString& path) {
  hooks_.play_boards(QFileInfo(path).absoluteFilePath());
}

void GameMenu::edit_boards() {
  // The player's own set in play, else a new one in their board folder.
  QString file = hooks_.now().boards;
  const QString mine = store::boards_dir();
  if (!file.startsWith(mine + "/")) {
    QDir().mkpath(mine);
    for (int n = 1; QFileInfo::exists(file = mine + QString("/boards-%1.boards").arg(n)); ++n) {
    }
  }
  if (!QProcess::startDetached(QCoreApplication::applicationFilePath(), {"--edit", file}))
    QMessageBox::warning(
        window_, QCoreApplication::translate("Menu", "Edit boards"),
        QCoreApplication::translate("Menu", "The board editor could not be started."));
}

void GameMenu::keys_and_help() {
  QMessageBox::information(
      window_, QCoreApplication::translate("Menu", "Keys and help"),
      QCoreApplication::translate(
          "Menu",
          "<table cellpadding=3>"
          "<tr><td><b>Left / Right</b></td><td>move the paddle while held; the first "
          "move launches a resting ball</td></tr>"
          "<tr><td><b>Pointer, finger</b></td><td>the paddle follows it</td></tr>"
          "<tr><td><b>Gamepad</b></td><td>d-pad or left stick move; A clicks the "
          "button on show; Start pauses; Back opens this menu</td></tr>"
          "<tr><td><b>P</b></td><td>pause; click <b>Pause</b> to go on</td></tr>"
          "<tr><td><b>F1 / F2</b></td><td>next / previous brick pattern; clears the "
          "score</td></tr>"
          "<tr><td><b>Level</b></td><td>after a cleared board: one more life and "
          "the next pattern</td></tr>"
          "<tr><td><b>Game Over</b></td><td>a new game; the best score is "
          "kept</td></tr>"
          "<tr><td><b>F11</b></td><td>full screen on and off</td></tr>"
          "<tr><td><b>M</b></td><td>sound on and off</td></tr>"
          "<tr><td><b>F10, Menu, right click</b></td><td>this menu</td></tr>"
          "</table>"));
}

void GameMenu::about() {
  QMessageBox::about(
      window_, QCoreApplication::translate("Menu", "About zandovik"),
      QCoreApplication::translate("Menu",
                                  "<b>zandovik %1</b><p>A brick-breaking game.</p>"
                                  "<p>Copyright (c) 2026 the zandovik developers.<br>"
                                  "MIT licence.</p>")
          .arg(ZANDOVIK_VERSION));
}

}  // namespace zandovik::app::menu
