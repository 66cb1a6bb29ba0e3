#pragma once
// GameState fields by name, for reading and writing them as JSON.
#include <functional>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <vector>

#include "game/state.h"

namespace zandovik::tools {

// A bad path or value; the message says what is wrong.
struct PathError {
  std::string what;
};

// A short, printable excerpt of a text for an error message, in quotes:
// control and non-ASCII bytes escaped, a long text cut.
std::string quote(std::string_view text);
std::string excerpt(std::string_view text);  // the same without the quotes

// A float printed in its shortest form that reads back exactly.
nlohmann::json float_json(float f);

struct Field {
  std::string name;
  int dims = 0;  // 0 scalar, 1 or 2 indices
  std::function<nlohmann::json(const game::GameState&, int, int)> get;
  std::function<void(game::GameState&, int, int, const nlohmann::json&)> set;
  std::function<nlohmann::json(const game::GameState&)> dump;
};

const Field* find_field(const std::string& name);
const std::vector<Field>& all_fields();

// Checked conversions from JSON; throw PathError.
double json_number(const nlohmann::json& v);
std::int64_t json_integer(const nlohmann::json& v, std::int64_t lo, std::int64_t hi);

}  // namespace zandovik::tools
