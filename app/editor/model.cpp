#include "app/editor/model.h"

#include <algorithm>
#include <stdexcept>

#include "app/editor/null_services.h"
#include "game/game.h"

namespace zandovik::app::editor {

namespace {
void check_cell(Cell c) {
  if (c.col < 0 || c.col >= kCols || c.row < 0 || c.row >= kPatternRows)
    throw std::out_of_range("no such cell");
}
}  // namespace

BoardsModel::BoardsModel(game::BoardSet set) : set_(std::move(set)) {
  if (set_.boards.empty()) set_.boards.push_back(empty_board());
}

int BoardsModel::cell(int board, Cell c) const {
  check_cell(c);
  return this->board(board).rows[static_cast<std::size_t>(c.row)][static_cast<std::size_t>(c.col)] -
         '0';
}

void BoardsModel::set_cell(int board, Cell c, int value) {
  check_cell(c);
  if (value < 0 || value > 9) throw std::out_of_range("a cell holds 0..9");
  at(board).rows[static_cast<std::size_t>(c.row)][static_cast<std::size_t>(c.col)] =
      static_cast<char>('0' + value);
  touched_ = board;
}

void BoardsModel::set_name(int board, std::string name) {
  at(board).name = std::move(name);
  touched_ = board;
}

void BoardsModel::insert(int at_index, game::Board b) {
  if (at_index < 0 || at_index > count()) throw std::out_of_range("no such place");
  set_.boards.insert(set_.boards.begin() + at_index, std::move(b));
  touched_ = at_index;
}

game::Board BoardsModel::remove(int i) {
  game::Board b = board(i);
  set_.boards.erase(set_.boards.begin() + i);
  touched_ = std::min(i, count() - 1);
  return b;
}

void BoardsModel::move(int from, int to) {
  if (to < 0 || to >= count()) throw std::out_of_range("no such place");
  game::Board b = remove(from);
  insert(to, std::move(b));
}

void BoardsModel::replace(game::BoardSet set) {
  set_ = std::move(set);
  if (set_.boards.empty()) set_.boards.push_back(empty_board());
  touched_ = 0;
}

game::Board empty_board() {
  return game::Board();
}

game::BoardSet new_set() {
  // The game's own table, so the copy is exactly what it plays.
  game::GameState s;
  scene::Scene ui;
  scene::Rng rng;
  NullServices host;
  game::Game g{s, ui, rng, host};
  game::fill_patterns(g);
  game::Board b;
  for (int r = 0; r < kPatternRows; ++r) b.rows[static_cast<std::size_t>(r)] = s.levels[1][r + 1];
  return game::BoardSet{{b}};
}

std::string clean_name(const std::string& name) {
  std::string out;
  for (char ch : name) out += static_cast<unsigned char>(ch) < 0x20 || ch == 0x7F ? ' ' : ch;
  const auto first = out.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  out = out.substr(first, out.find_last_not_of(' ') - first + 1);
  // At most kMaxBoardName characters: count the bytes that begin one.
  std::size_t chars = 0, end = 0;
  for (; end < out.size(); ++end)
    if ((static_cast<unsigned char>(out[end]) & 0xC0) != 0x80 && ++chars > game::kMaxBoardName)
      break;
  out.resize(end);
  return out.substr(0, out.find_last_not_of(' ') + 1);
}

}  // namespace zandovik::app::editor
