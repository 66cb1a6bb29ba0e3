#pragma once
// What the driver reads and writes of a game by path: a field of the state
// ("score", "brickleft(2,3)"), an element's property ("Label1.Caption"), or
// the whole of it at once.
#include <nlohmann/json.hpp>
#include <string>

#include "game/session.h"

namespace zandovik::tools {

// A value as the driver takes it: JSON, nested no deeper than a value of
// the game needs. Throws PathError.
nlohmann::json parse_value(const std::string& text);

// Throw PathError for a path that names nothing, or a value that does not fit.
nlohmann::json get_path(const game::Session& session, const std::string& text);
// For session.edit: `ui` is null before the window exists.
void set_path(const game::Session& session, const std::string& text, const nlohmann::json& v,
              game::GameState& state, scene::Scene* ui);

// The state, the elements front to back, the caption and the clock.
nlohmann::json dump_all(const game::Session& session);

}  // namespace zandovik::tools
