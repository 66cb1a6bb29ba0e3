#pragma once
// What the player may hear: the rules say that it happened, the window
// decides how it sounds. One list: the cues, their names and the table of
// effects all come from it.
#include <array>
#include <cstddef>

// clang-format off
#define ZANDOVIK_CUES(X)                                                                \
  X(wall, "wall")               /* the ball bounces off the left or right wall */       \
  X(ceiling, "ceiling")         /* off the ceiling */                                   \
  X(paddle, "paddle")           /* a rebound off the paddle */                          \
  X(brick, "brick")             /* a brick is hit and still stands; value: hits left */ \
  X(break_brick, "break")       /* a brick is removed */                                \
  X(unbreakable, "unbreakable") /* a "!" brick is hit */                                \
  X(lost, "lost")               /* a ball is lost (the stall begins) */                 \
  X(extralife, "extralife")     /* a life is gained from bonus points */                \
  X(level, "level")             /* the level is complete */                             \
  X(gameover, "gameover")       /* the game is over */                                  \
  X(luck, "luck")               /* a ceiling draw of 0 takes a brick off the count */
// clang-format on

namespace zandovik::game {

enum class Cue {
#define ZANDOVIK_CUE_ENUMERATOR(id, name) id,
  ZANDOVIK_CUES(ZANDOVIK_CUE_ENUMERATOR)
#undef ZANDOVIK_CUE_ENUMERATOR
};

inline constexpr std::array kCueNames = {
#define ZANDOVIK_CUE_NAME(id, name) name,
    ZANDOVIK_CUES(ZANDOVIK_CUE_NAME)
#undef ZANDOVIK_CUE_NAME
};
inline constexpr std::size_t kCueCount = kCueNames.size();

inline const char* cue_name(Cue c) {
  return kCueNames[static_cast<std::size_t>(c)];
}

}  // namespace zandovik::game
