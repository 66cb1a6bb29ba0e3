#pragma once
// GameState: every game variable under its own name. Created zeroed when the
// process starts and kept across the window's re-creation.
#include <array>
#include <cstdint>
#include <string>

namespace zandovik::game {

struct GameState {
  // Patterns 0..100, rows 0..20; patterns 1..3 rows 1..10 are filled.
  std::array<std::array<std::string, 21>, 101> levels{};
  std::int64_t points = 0;
  std::int64_t bonuspoints = 0;
  std::int32_t hiscore = 0;
  std::int64_t levelnum = 0;
  std::int64_t pattern = 0;
  std::int16_t numpatterns = 0;
  std::int64_t lastcell = 0;
  // cells[column 0..30][row 0..35]: hits left, 9 unbreakable.
  std::array<std::array<std::int16_t, 36>, 31> cells{};
  float brickwidth = 0;
  float brickheight = 0;
  double boardtop = 0;
  double boardbottom = 0;
  double boardleft = 0;
  std::int16_t boardright = 0;
  std::int64_t paddledir = 0;  // 0 still, 1 right, 2 left
  double stepx = 0;            // positive moves right
  std::int16_t stepy = 0;      // positive moves UP
  std::int64_t bricksleft = 0;
  std::int16_t builtcount = 0;
  double speed = 0;
  double jitterx = 0;
  double jittery = 0;
  std::int16_t lives = 0;
  std::array<double, 3> logostepx{};
  std::array<std::int16_t, 3> logostepy{};  // positive moves DOWN
  std::int16_t luckdraw = 0;
  double angle = 0;
};

inline constexpr int kCellColumns = 31;
inline constexpr int kCellRows = 36;
inline constexpr int kPatternSlots = 101;
inline constexpr int kPatternRows = 21;

}  // namespace zandovik::game
