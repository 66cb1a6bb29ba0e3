#pragma once
// The game's menu: built afresh each time it opens, so its checks and the
// player's board sets are as they are now.
#include <QEvent>
#include <QMenu>
#include <QString>
#include <functional>

#include "app/store/config.h"

namespace zandovik::app::menu {

// What the window is asked to do, and what it says it does.
struct Hooks {
  std::function<store::Options()> now;  // the options in play, Keep among them
  std::function<void(bool)> set_sound, set_full_screen, set_smooth, set_keep;
  // A board file to play (empty: the built-in patterns; a shipped set by
  // its name); false if it could not be played (said already).
  std::function<bool(const QString&)> play_boards;
  std::function<void(int)> set_speed;  // none: the speeds are not offered
};

// Watches the window for what opens it (a right click and the Menu key
// come as a context-menu event, as a pad's Back is sent; F10 is looked for)
// and for board files dropped on it. The window sees every key as before.
class GameMenu : public QObject {
 public:
  GameMenu(QWidget* window, Hooks hooks);
  bool eventFilter(QObject* watched, QEvent* ev) override;
  // Opens at `global` (screen position).
  void open(const QPoint& global);
  // The board file dropped on the window, or a chosen one.
  void open_board_file(const QString& path);

 private:
  void fill();
  void add_boards(QMenu* into);
  void edit_boards();
  void keys_and_help();
  void about();

  QWidget* window_;
  Hooks hooks_;
  QMenu menu_;
};

}  // namespace zandovik::app::menu
