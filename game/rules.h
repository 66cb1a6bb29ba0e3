#pragma once
// The numbers the rules use, each defined once with its unit and reason.
// The procedures, the runtime, the tools and the tests all read them here.
#include <cstdint>

#include "scene/design.h"

namespace zandovik::game {

// The board: a grid of 20 columns by 25 rows fills the playing area.
inline constexpr int kColumns = 20;
inline constexpr int kRows = 25;
inline constexpr int kBricks = kColumns * kRows;  // brick(1) .. brick(500)
inline constexpr int kFirstPatternRow = 3;        // two empty rows above every pattern
inline constexpr int kPatternRowsUsed = 10;
inline constexpr int kPatternCount = 3;

// A brick value of 9 is drawn "!" and never breaks.
inline constexpr int kUnbreakable = 9;

// Points and lives.
inline constexpr std::int64_t kPointsPerHit = 10;
inline constexpr std::int64_t kBonusForLife = 5000;  // strictly more earns a life
inline constexpr int kStartLives = 3;
inline constexpr int kMaxLives = 6;  // one marker each

// Time, in ms: the timers' intervals come with the window's design.
using scene::kLogoInterval;
using scene::kPlayInterval;
// The pause after a lost ball, during which no handler runs.
inline constexpr double kStallMs = 500;

// The rebound angles are drawn in degrees and converted with this value of pi.
inline constexpr double kPi = 3.14159265;
inline constexpr double kDegrees = kPi / 180;
// A jitter re-roll is a speed factor 1 - Rnd x 0.05.
inline constexpr double kJitterSpread = 0.05;

// Virtual key codes the game reacts to.
inline constexpr int kKeyLeft = 37;
inline constexpr int kKeyRight = 39;
inline constexpr int kKeyP = 80;
inline constexpr int kKeyF1 = 112;
inline constexpr int kKeyF2 = 113;
// What a key event may carry, from any source (the driver, a recording):
// a 16-bit key code and shift state.
inline constexpr int kMaxKeyCode = 65535;
inline constexpr int kMaxShift = 65535;

}  // namespace zandovik::game
