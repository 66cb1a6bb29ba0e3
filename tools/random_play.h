#pragma once
// Random play and a bot, driving the game through the event runtime with
// the invariants checked after every event.
#include <cstdint>
#include <random>
#include <string>

#include "game/session.h"
#include "tools/invariants.h"

namespace zandovik::tools {

struct PlayReport {
  std::uint64_t events = 0;
  double game_ms = 0;  // virtual time played
  std::uint64_t games_over = 0;
  std::uint64_t levels_cleared = 0;
  std::uint64_t extra_lives = 0;
  std::uint64_t stalls = 0;
  int patterns_seen = 0;  // bit 1, 2, 4 for patterns 1, 2, 3
  std::string failure;    // first broken rule, with the event that broke it
  bool ok() const { return failure.empty(); }
};

// A new game as the Game Over button starts it, whether or not it shows.
inline void new_game(game::Session& session) {
  session.switch_boards(nullptr);
}

// Random keys of every code and shift state, clicks, ticks, run steps and
// unload-and-show, for `events` events from `seed`.
PlayReport random_play(std::uint32_t seed, std::uint64_t events);

// A player that follows the ball with the paddle and takes every button,
// for `game_ms` of virtual time.
PlayReport bot_play(std::uint32_t seed, double game_ms);

}  // namespace zandovik::tools
