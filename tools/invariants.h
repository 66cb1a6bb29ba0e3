#pragma once
// What must hold after every event, whatever the player does.
#include <cstdint>
#include <string>
#include <vector>

#include "game/session.h"

namespace zandovik::tools {

class InvariantChecker {
 public:
  // Empty when all is well; otherwise one line per broken rule.
  std::vector<std::string> check(const game::Session& rt);

 private:
  std::int32_t best_seen_ = 0;
};

}  // namespace zandovik::tools
