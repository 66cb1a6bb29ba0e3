#pragma once
// The editor's window: the board, the list of boards, the name, what is
// wrong with the set, and the keys. Each key, click and menu command is
// one call of the controller; after each the views are read again from
// the model. It asks the player what the controller needs to know.
#include <QMainWindow>
#include <memory>

#include "app/editor/controller.h"

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;

namespace zandovik::app::editor {

class BoardView;
class Trial;

class EditorWindow : public QMainWindow, private Questions {
  Q_DECLARE_TR_FUNCTIONS(Editor)

 public:
  explicit EditorWindow(Opened opened);
  ~EditorWindow() override;

  Controller& controller() { return controller_; }

 protected:
  void closeEvent(QCloseEvent* ev) override;

 private:
  struct Actions {
    QAction *add, *duplicate, *remove, *up, *down;
  };
  Actions build_actions();
  QWidget* build_side_panel(const Actions& a);
  void refresh();
  void show_place();  // board, cell and the mouse's value
  void say(const QString& text, bool problem);
  void play();

  Changed file_changed(const QString& path, const QString& what) override;
  QString other_file(const QString& path) override;
  bool drop_own_lines(const QString& path) override;

  Controller controller_;
  BoardView* view_ = nullptr;
  QListWidget* list_ = nullptr;
  QLineEdit* name_ = nullptr;
  QLabel* title_ = nullptr;
  QLabel* message_ = nullptr;
  std::unique_ptr<Trial> trial_;
};

}  // namespace zandovik::app::editor
