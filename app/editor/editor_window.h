#pragma once
// The editor's window: the board, the list of boards, the name, what is
// wrong with the set, and the keys. Every edit is a command on the undo
// stack; after each the views are read again from the model.
#include <QMainWindow>
#include <QUndoStack>
#include <memory>

#include "app/editor/model.h"

class QLabel;
class QLineEdit;
class QListWidget;

namespace zandovik::app::editor {

class BoardView;
class Trial;

class EditorWindow : public QMainWindow {
 public:
  // `note` is said in the message area at first (why the set is new).
  EditorWindow(game::BoardSet set, QString path, QString note = {});
  ~EditorWindow() override;

  // Writes the set whole or not at all; false, and the reason shown, if not.
  bool save();
  const BoardsModel& model() const { return model_; }
  QUndoStack& undo_stack() { return stack_; }

 protected:
  void closeEvent(QCloseEvent* ev) override;

 private:
  QWidget* build_side_panel();
  void build_actions();
  void refresh();
  void show_place();  // board, cell and the mouse's value
  void say(const QString& text, bool problem);
  void go_to(int board);
  void paint(Cell c, int value, bool stroke_begins);
  void add_board(bool copy);
  void delete_board();
  void move_board(int by);
  void rename_from_field();
  void commit_name();
  void play();

  BoardsModel model_;
  QUndoStack stack_;
  QString path_;
  QString note_;
  int current_ = 0;
  int stroke_ = 0;
  BoardView* view_ = nullptr;
  QListWidget* list_ = nullptr;
  QLineEdit* name_ = nullptr;
  QLabel* title_ = nullptr;
  QLabel* message_ = nullptr;
  std::unique_ptr<Trial> trial_;
};

}  // namespace zandovik::app::editor
