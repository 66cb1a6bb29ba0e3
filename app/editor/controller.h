#pragma once
// The editor's decisions, apart from its widgets: what each edit puts on
// the undo stack, which board is shown after it, the name being typed,
// what save checks and asks and in which order, and the recovery copy. The
// window turns keys and clicks into one call each and shows what it is
// told; a test drives the same calls with scripted answers.
#include <QCoreApplication>
#include <QString>
#include <QTimer>
#include <QUndoStack>
#include <functional>
#include <optional>

#include "app/editor/file.h"
#include "app/editor/model.h"
#include "app/editor/recovery.h"

namespace zandovik::app::editor {

// What a save may have to ask the player.
class Questions {
 public:
  enum class Changed { overwrite, elsewhere, cancel };
  virtual ~Questions() = default;
  // FILE is not what the editor read or last wrote: `what` says how.
  virtual Changed file_changed(const QString& path, const QString& what) = 0;
  // Another file to save to; empty if the player cancels.
  virtual QString other_file(const QString& path) = 0;
  // The first save drops the hand-written file's comments and blank lines.
  virtual bool drop_own_lines(const QString& path) = 0;
};

class Controller {
  Q_DECLARE_TR_FUNCTIONS(Editor)

 public:
  Controller(Opened opened, Questions& ask);

  const BoardsModel& model() const { return model_; }
  QUndoStack& stack() { return stack_; }
  const QString& path() const { return path_; }
  int current() const { return current_; }
  bool unsaved() const { return !stack_.isClean(); }

  // Every change of what the views show; and a word for the message area.
  std::function<void()> changed;
  std::function<void(const QString& text, bool problem)> say;

  void go_to(int board);
  // A cell set by a key, a click, or a drag (one stroke until the next
  // `stroke_begins`).
  void paint(Cell c, int value, bool stroke_begins);
  void add_board(bool copy);
  void delete_board();
  void move_board(int by);

  // The name field. What the player types belongs to the board it was
  // typed for, whatever is shown by the time it is kept.
  void name_typed(const QString& text);
  void name_done();
  void name_cancelled();
  bool name_pending() const { return typed_.has_value(); }

  // The set as it was before an end that lost it, taken back as one step
  // that undo takes back.
  void restore(game::BoardSet set, const QString& what);

  // Checks, asks where it must, writes. False, and the reason said, if the
  // set was not written.
  bool save();
  // The changes are thrown away: their recovery copy goes too.
  void discard();
  // The recovery copy brought up to date now (a change, or a quit signal):
  // why it could not be, or nothing.
  QString keep_recovery();
  const Recovery& recovery() const { return recovery_; }

  // What the message area says when nothing else is to be said.
  struct Status {
    QString text;
    bool problem = false;
  };
  Status status() const;

 private:
  void push(QUndoCommand* cmd);
  void tell(const QString& text, bool problem);
  bool write_to(const QString& path);

  BoardsModel model_;
  QUndoStack stack_;
  Questions& ask_;
  QString path_;
  QString note_;
  FileStamp stamp_;
  bool own_lines_ = false;
  int current_ = 0;
  int stroke_ = 0;
  struct Typed {
    int board;
    QString text;
  };
  std::optional<Typed> typed_;
  Recovery recovery_;
  QTimer recovery_due_;
};

// A name cut to what a board's name may hold, counted in characters (code
// points, as the file counts them), never inside a surrogate pair.
QString cut_name(const QString& name);

}  // namespace zandovik::app::editor
