#include "tools/properties.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <sstream>

#include "tools/fields.h"

namespace zandovik::tools {

using nlohmann::json;
using scene::Element;
using scene::Kind;
using scene::Scene;

namespace {

bool any(const Element&) {
  return true;
}
bool never(const Element&) {
  return false;
}
bool placed(const Element& e) {
  return e.kind != Kind::Timer;
}
bool captioned(const Element& e) {
  return e.kind == Kind::Label || e.kind == Kind::Button;
}
bool coloured(const Element& e) {
  return e.kind == Kind::Label || e.kind == Kind::Shape;
}
bool timer(const Element& e) {
  return e.kind == Kind::Timer;
}

double position(const json& v) {
  const double d = json_number(v);
  if (std::fabs(d) > 1e9) throw PathError{"value is out of range for a position"};
  return d;
}

json color_json(scene::Rgb c) {
  return json::array({c.r, c.g, c.b});
}

scene::Rgb json_color(const json& v) {
  if (!v.is_array() || v.size() != 3)
    throw PathError{"a colour is [r,g,b], got " + quote(v.dump())};
  auto c = [&](int i) { return static_cast<std::uint8_t>(json_integer(v[i], 0, 255)); };
  return {c(0), c(1), c(2)};
}

}  // namespace

std::string trim(std::string_view s) {
  auto b = s.find_first_not_of(" \t\r\n");
  if (b == std::string_view::npos) return {};
  auto e = s.find_last_not_of(" \t\r\n");
  return std::string(s.substr(b, e - b + 1));
}

int parse_int(std::string_view t, const std::string& what) {
  std::string s = trim(t);
  int v = 0;
  auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (s.empty() || ec != std::errc() || p != s.data() + s.size())
    throw PathError{what + " must be a whole number, got " + quote(s)};
  return v;
}

Path parse_path(const std::string& text) {
  Path p;
  std::size_t i = 0;
  while (i < text.size() && (std::isalnum(static_cast<unsigned char>(text[i])) || text[i] == '_'))
    ++i;
  p.name = text.substr(0, i);
  if (p.name.empty()) throw PathError{"bad path " + quote(text)};
  if (i < text.size() && text[i] == '(') {
    auto close = text.find(')', i);
    if (close == std::string::npos) throw PathError{"missing ')' in " + quote(text)};
    std::string inner = text.substr(i + 1, close - i - 1);
    std::stringstream ss(inner);
    std::string part;
    while (std::getline(ss, part, ',')) p.args.push_back(parse_int(part, "an index"));
    if (p.args.empty()) throw PathError{"empty index in " + quote(text)};
    p.has_args = true;
    i = close + 1;
  }
  if (i < text.size()) {
    if (text[i] != '.') throw PathError{"bad path " + quote(text)};
    p.prop = text.substr(i + 1);
    if (p.prop.empty()) throw PathError{"missing property after '.' in " + quote(text)};
  }
  return p;
}

const std::vector<Property>& properties() {
  static const std::vector<Property> table = {
      {"Kind", any, never, [](const Element& e) -> json { return scene::kind_name(e.kind); },
       nullptr},
      {"Left", any, placed, [](const Element& e) { return float_json(e.left); },
       [](Scene& ui, const Element& e, const json& v) { ui.set_left(e, position(v)); }},
      {"Top", any, placed, [](const Element& e) { return float_json(e.top); },
       [](Scene& ui, const Element& e, const json& v) { ui.set_top(e, position(v)); }},
      {"Width", any, placed, [](const Element& e) { return float_json(e.width); },
       [](Scene& ui, const Element& e, const json& v) { ui.set_width(e, position(v)); }},
      {"Height", any, placed, [](const Element& e) { return float_json(e.height); },
       [](Scene& ui, const Element& e, const json& v) { ui.set_height(e, position(v)); }},
      {"Visible", any, placed, [](const Element& e) -> json { return e.visible; },
       [](Scene& ui, const Element& e, const json& v) {
         if (!v.is_boolean()) throw PathError{"Visible is true or false"};
         ui.set_visible(e, v.get<bool>());
       }},
      {"Caption", captioned, captioned, [](const Element& e) -> json { return e.caption; },
       [](Scene& ui, const Element& e, const json& v) {
         if (!v.is_string()) throw PathError{"a caption is a text in quotes"};
         ui.set_caption(e, v.get<std::string>());
       }},
      {"BackColor", coloured, coloured, [](const Element& e) { return color_json(e.back_color); },
       [](Scene& ui, const Element& e, const json& v) { ui.set_back_color(e, json_color(v)); }},
      {"Interval", timer, timer, [](const Element& e) -> json { return e.interval; },
       [](Scene& ui, const Element& e, const json& v) {
         ui.set_interval(e, static_cast<int>(json_integer(v, 0, 65535)));
       }},
  };
  return table;
}

const Property* find_property(std::string_view name) {
  for (const auto& p : properties())
    if (name == p.name) return &p;
  return nullptr;
}

json element_json(const Element& e) {
  json j;
  for (const auto& p : properties())
    if (p.readable(e)) j[p.name] = p.get(e);
  return j;
}

}  // namespace zandovik::tools
