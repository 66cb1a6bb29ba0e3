// How one brick looks and how it is counted.
#include <array>

#include "game/game.h"

namespace zandovik::game {

using scene::Array;
using scene::Named;
using scene::Rgb;

namespace {

constexpr std::array<Rgb, 10> kBrickColours = {{
    {0, 0, 0},  // value 0 leaves the fill as it was
    {255, 0, 0},
    {255, 128, 0},
    {255, 255, 0},
    {0, 255, 0},
    {0, 255, 255},
    {0, 128, 255},
    {0, 0, 255},
    {255, 255, 255},
    {255, 255, 255},
}};

}  // namespace

void colorbricks(Game& g, std::int64_t i, std::int64_t x, std::int64_t y) {
  GameState& s = g.s;
  auto& brick = g.ui.item(Array::brick, static_cast<int>(i));
  if (x < 0 || x >= kCellColumns || y < 0 || y >= kCellRows) return;
  const int v = s.cells[x][y];
  if (v == 0 && s.builtcount > 0) {
    g.host.cue(Cue::break_brick);
    g.ui.set_visible(brick, false);
    s.bricksleft -= 1;
    if (s.bricksleft == 0) nextlvl(g);
    g.ui.set_caption(g.ui.get(Named::numbricks), scene::bricks_text(s.bricksleft));
  }
  if (v > 0) {
    g.ui.set_visible(brick, true);
    if (v != kUnbreakable && s.builtcount == 0) s.bricksleft += 1;
  }
  if (v >= 1 && v <= kUnbreakable) g.ui.set_back_color(brick, kBrickColours[v]);
  g.ui.set_caption(brick, v == kUnbreakable ? "!" : std::to_string(v));
}

}  // namespace zandovik::game
