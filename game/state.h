#pragma once
// GameState: every game variable under its own name. Created zeroed when the
// process starts and kept across the window's re-creation. Whole-number
// fields stop at their range instead of wrapping (scene::Sat).
#include <array>
#include <cstdint>
#include <string>

#include "scene/numeric.h"

namespace zandovik::game {

struct GameState {
  // Patterns 0..100, rows 0..20; patterns 1..3 rows 1..10 are filled.
  std::array<std::array<std::string, 21>, 101> levels{};
  scene::I64 points = 0;
  scene::I64 bonuspoints = 0;
  scene::I32 hiscore = 0;
  scene::I64 levelnum = 0;
  scene::I64 pattern = 0;
  scene::I16 numpatterns = 0;
  scene::I64 lastcell = 0;
  // cells[column 0..30][row 0..35]: hits left, 9 unbreakable.
  std::array<std::array<scene::I16, 36>, 31> cells{};
  float brickwidth = 0;
  float brickheight = 0;
  double boardtop = 0;
  double boardbottom = 0;
  double boardleft = 0;
  scene::I16 boardright = 0;
  scene::I64 paddledir = 0;  // 0 still, 1 right, 2 left
  double stepx = 0;          // positive moves right
  scene::I16 stepy = 0;      // positive moves UP
  scene::I64 bricksleft = 0;
  scene::I16 builtcount = 0;
  double speed = 0;
  double jitterx = 0;
  double jittery = 0;
  scene::I16 lives = 0;
  std::array<double, 3> logostepx{};
  std::array<scene::I16, 3> logostepy{};  // positive moves DOWN
  scene::I16 luckdraw = 0;
  double angle = 0;
};

inline constexpr int kCellColumns = 31;
inline constexpr int kCellRows = 36;
inline constexpr int kPatternSlots = 101;
inline constexpr int kPatternRows = 21;

}  // namespace zandovik::game
