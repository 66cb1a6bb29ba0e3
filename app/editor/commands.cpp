#include "app/editor/commands.h"

namespace zandovik::app::editor {

PaintCells::PaintCells(BoardsModel& m, int board, Cell c, int value, int stroke)
    : m_(m), board_(board), value_(value), stroke_(stroke) {
  const int before = m.cell(board, c);
  if (before != value) cells_.push_back({c, before});
  setText(value == 0 ? Editor::tr("clear") : Editor::tr("paint %1").arg(value));
}

void PaintCells::redo() {
  for (const Change& ch : cells_) m_.set_cell(board_, ch.cell, value_);
}

void PaintCells::undo() {
  for (auto it = cells_.rbegin(); it != cells_.rend(); ++it)
    m_.set_cell(board_, it->cell, it->before);
}

bool PaintCells::mergeWith(const QUndoCommand* other) {
  const auto* o = static_cast<const PaintCells*>(other);
  if (o->stroke_ != stroke_ || o->board_ != board_ || o->value_ != value_) return false;
  for (const Change& ch : o->cells_) {
    bool seen = false;
    for (const Change& mine : cells_) seen = seen || mine.cell == ch.cell;
    if (!seen) cells_.push_back(ch);
  }
  return true;
}

RenameBoard::RenameBoard(BoardsModel& m, int board, std::string name)
    : m_(m), board_(board), before_(m.board(board).name), after_(std::move(name)) {
  setText(Editor::tr("rename board %1").arg(board + 1));
}

InsertBoard::InsertBoard(BoardsModel& m, int at, game::Board b, const QString& text)
    : m_(m), at_(at), board_(std::move(b)) {
  setText(text);
}

RemoveBoard::RemoveBoard(BoardsModel& m, int at) : m_(m), at_(at), board_(m.board(at)) {
  setText(Editor::tr("delete board %1").arg(at + 1));
}

ReplaceSet::ReplaceSet(BoardsModel& m, game::BoardSet after, const QString& text)
    : m_(m), before_(m.set()), after_(std::move(after)) {
  setText(text);
}

MoveBoard::MoveBoard(BoardsModel& m, int from, int to) : m_(m), from_(from), to_(to) {
  setText(Editor::tr("move board %1").arg(from + 1));
}

}  // namespace zandovik::app::editor
