#pragma once
// Element properties by name, for reading and writing them as JSON: one
// table says which kinds of element have each and how it reads and writes.
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <vector>

#include "scene/scene.h"

namespace zandovik::tools {

// A path as the driver writes it: a field (`lives`, `cells(3,4)`) or an
// element's property (`ball.Left`, `brick(12).Caption`).
struct Path {
  std::string name;
  std::vector<int> args;  // indices in parentheses
  bool has_args = false;
  std::string prop;  // after the dot, for elements
};

// Without blanks at either end.
std::string trim(std::string_view s);
// Throws PathError for a malformed one.
Path parse_path(const std::string& text);
// A whole number in a path; `what` names it in the error.
int parse_int(std::string_view text, const std::string& what);

struct Property {
  const char* name;
  bool (*readable)(const scene::Element&);
  bool (*writable)(const scene::Element&);
  nlohmann::json (*get)(const scene::Element&);
  void (*set)(scene::Scene&, const scene::Element&, const nlohmann::json&);  // throws PathError
};

const std::vector<Property>& properties();
const Property* find_property(std::string_view name);
// Every property the element has, by name.
nlohmann::json element_json(const scene::Element& e);

// Calls on(i, c) for each character of text outside double quotes (a
// backslash escapes inside them), until on returns false.
template <class F>
void scan_unquoted(std::string_view text, F&& on) {
  bool quoted = false, escaped = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (escaped) {
      escaped = false;
    } else if (quoted) {
      escaped = c == '\\';
      quoted = c != '"';
    } else if (c == '"') {
      quoted = true;
    } else if (!on(i, c)) {
      return;
    }
  }
}

}  // namespace zandovik::tools
