// The board: the 500 brick elements, the pattern table and the build of a
// board from the current pattern.
#include <algorithm>
#include <array>

#include "game/boards.h"
#include "game/game.h"

namespace zandovik::game {

using scene::Array;
using scene::Named;

namespace {

using PatternRows = std::array<const char*, kPatternRowsUsed>;
constexpr std::array<PatternRows, kPatternCount> kPatterns = {{
    {"11111111111111111111", "01111111111111111110", "00111111111111111100", "00011111111111111000",
     "00001111111111110000", "00000111111111100000", "00000011111111000000", "00000001111110000000",
     "00000000111100000000", "00000000011000000000"},
    {"11111111111111111111", "12222222222222222221", "01233333333333333210", "00123444444444432100",
     "00012345555554321000", "00001234566543210000", "00000123455432100000", "00000012344321000000",
     "00000001233210000000", "00000000122100000000"},
    {"00000000111100000000", "00000011277211000000", "00001122799722110000", "00112777788777721100",
     "11227988888888972211", "11227988888888972211", "00112777788777721100", "00001122799722110000",
     "00000011277211000000", "00000000111100000000"},
}};

// The value of column x in a pattern row. A missing or non-digit character
// (only reachable through a hand-edited table) reads as an empty cell, and a
// pattern outside the table builds an empty board.
int pattern_digit(const GameState& s, std::int64_t row, int x) {
  if (s.pattern < 0 || s.pattern >= kPatternSlots || row < 0 || row >= kPatternRows) return 0;
  const std::string& text = s.levels[s.pattern][row];
  if (x < 1 || x > static_cast<int>(text.size())) return 0;
  char c = text[x - 1];
  return (c >= '0' && c <= '9') ? c - '0' : 0;
}

}  // namespace

void loadbricks(Game& g) {
  GameState& s = g.s;
  auto& board = g.ui.get(Named::board);
  s.brickwidth = board.width / 20.0f;
  s.brickheight = board.height / 25.0f;
  int k = 0;
  for (int y0 = 0; y0 < kRows; ++y0) {
    for (int x0 = 0; x0 < kColumns; ++x0) {
      ++k;
      auto& b = g.ui.load(Array::brick, k);
      g.ui.set_width(b, s.brickwidth);
      g.ui.set_height(b, s.brickheight);
      g.ui.set_left(b, board.left + x0 * static_cast<double>(s.brickwidth));
      g.ui.set_top(b, board.top + y0 * static_cast<double>(s.brickheight));
      g.ui.bring_to_front(b);
      g.ui.set_visible(b, true);
    }
  }
}

void fill_patterns(Game& g) {
  if (!g.boards || g.boards->boards.empty()) {
    for (int p = 0; p < kPatternCount; ++p)
      for (int r = 0; r < kPatternRowsUsed; ++r) g.s.levels[p + 1][r + 1] = kPatterns[p][r];
    return;
  }
  // The player's boards are patterns 1..N; the table holds no other.
  const auto& boards = g.boards->boards;
  const int n = static_cast<int>(std::min<std::size_t>(boards.size(), kMaxBoards));
  for (int p = 1; p < kPatternSlots; ++p)
    for (int r = 0; r < kPatternRowsUsed; ++r)
      g.s.levels[p][r + 1] = p <= n ? boards[p - 1].rows[r] : std::string();
  g.s.numpatterns = static_cast<scene::I16>(n);
}

void grid(Game& g) {
  GameState& s = g.s;
  int k = 0;
  s.bricksleft = 0;
  s.builtcount = 0;
  for (int y = 1; y <= kRows; ++y) {
    for (int x = 1; x <= kColumns; ++x) {
      ++k;
      if (y >= kFirstPatternRow && y < kFirstPatternRow + kPatternRowsUsed)
        s.cells[x][y] = pattern_digit(s, y - 2, x);
      g.ui.set_visible(g.ui.item(Array::brick, k), false);
      colorbricks(g, k, x, y);
    }
  }
  s.builtcount = s.bricksleft;
  g.ui.set_caption(g.ui.get(Named::numbricks), scene::bricks_text(s.builtcount));
}

}  // namespace zandovik::game
