#pragma once
// One undo command per kind of edit. Each carries what it needs to undo
// itself; the model's raw edits do the work.
#include <QUndoCommand>
#include <vector>

#include "app/editor/model.h"
#include "app/editor/texts.h"

namespace zandovik::app::editor {

enum CommandId { kPaintId = 1 };

// Cells set to one value: a key press, a click, or a whole drag. Strokes
// with the same number merge, so a drag is one undo step.
class PaintCells : public QUndoCommand {
 public:
  PaintCells(BoardsModel& m, int board, Cell c, int value, int stroke);
  // Nothing to do: the cell already holds the value.
  bool changes() const { return !cells_.empty(); }
  void redo() override;
  void undo() override;
  int id() const override { return kPaintId; }
  bool mergeWith(const QUndoCommand* other) override;

 private:
  struct Change {
    Cell cell;
    int before;
  };
  BoardsModel& m_;
  int board_, value_, stroke_;
  std::vector<Change> cells_;
};

class RenameBoard : public QUndoCommand {
 public:
  RenameBoard(BoardsModel& m, int board, std::string name);
  void redo() override { m_.set_name(board_, after_); }
  void undo() override { m_.set_name(board_, before_); }

 private:
  BoardsModel& m_;
  int board_;
  std::string before_, after_;
};

// A board put into the set: a new empty one, or a copy.
class InsertBoard : public QUndoCommand {
 public:
  InsertBoard(BoardsModel& m, int at, game::Board b, const QString& text);
  void redo() override { m_.insert(at_, board_); }
  void undo() override { m_.remove(at_); }

 private:
  BoardsModel& m_;
  int at_;
  game::Board board_;
};

class RemoveBoard : public QUndoCommand {
 public:
  RemoveBoard(BoardsModel& m, int at);
  void redo() override { m_.remove(at_); }
  void undo() override { m_.insert(at_, board_); }

 private:
  BoardsModel& m_;
  int at_;
  game::Board board_;
};

// The whole set at once: a recovery copy taken back.
class ReplaceSet : public QUndoCommand {
 public:
  ReplaceSet(BoardsModel& m, game::BoardSet after, const QString& text);
  void redo() override { m_.replace(after_); }
  void undo() override { m_.replace(before_); }

 private:
  BoardsModel& m_;
  game::BoardSet before_, after_;
};

class MoveBoard : public QUndoCommand {
 public:
  MoveBoard(BoardsModel& m, int from, int to);
  void redo() override { m_.move(from_, to_); }
  void undo() override { m_.move(to_, from_); }

 private:
  BoardsModel& m_;
  int from_, to_;
};

}  // namespace zandovik::app::editor
