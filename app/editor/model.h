#pragma once
// The set being edited: the boards, in order, and which board an edit last
// touched (so undo shows the board it changes). Plain C++: the undo commands
// are the only writers, the views only read.
#include <optional>
#include <string>

#include "game/boards.h"

namespace zandovik::app::editor {

// A cell of the pattern: column 0..19, row 0..9.
struct Cell {
  int col = 0, row = 0;
  bool operator==(const Cell&) const = default;
};
inline constexpr int kCols = game::kColumns;
inline constexpr int kPatternRows = game::kPatternRowsUsed;

class BoardsModel {
 public:
  explicit BoardsModel(game::BoardSet set);

  const game::BoardSet& set() const { return set_; }
  int count() const { return static_cast<int>(set_.boards.size()); }
  const game::Board& board(int i) const { return set_.boards.at(static_cast<std::size_t>(i)); }
  int cell(int board, Cell c) const;
  bool can_add() const { return count() < game::kMaxBoards; }
  bool can_remove() const { return count() > 1; }
  // The board the last edit, undo or redo touched; the window shows it.
  int touched() const { return touched_; }
  // What keeps the set from being saved or played, or nothing.
  std::optional<std::string> problem() const { return game::set_problem(set_); }

  // Raw edits, for the commands.
  void set_cell(int board, Cell c, int value);
  void set_name(int board, std::string name);
  void insert(int at, game::Board b);
  game::Board remove(int at);
  void move(int from, int to);
  void replace(game::BoardSet set);

 private:
  game::Board& at(int i) { return set_.boards.at(static_cast<std::size_t>(i)); }
  game::BoardSet set_;
  int touched_ = 0;
};

// A new set: one board, a copy of the first built-in pattern.
game::BoardSet new_set();
// A board with nothing on it.
game::Board empty_board();
// A name as the file can hold it: no control characters, no blanks at
// either end, at most kMaxBoardName characters.
std::string clean_name(const std::string& name);

}  // namespace zandovik::app::editor
