#include "tools/inspect.h"

#include "tools/fields.h"
#include "tools/properties.h"

namespace zandovik::tools {

using nlohmann::json;
using scene::Element;

json parse_value(const std::string& text) {
  // Values are numbers, texts, colours and pattern rows: nothing nests
  // deeper than this, and a deeper value is refused before it is read.
  constexpr int kMaxDepth = 8;
  int depth = 0;
  scan_unquoted(text, [&](std::size_t, char c) {
    if (c == '[' || c == '{') {
      if (++depth > kMaxDepth)
        throw PathError{"value nested deeper than " + std::to_string(kMaxDepth) + " levels"};
    } else if (c == ']' || c == '}') {
      --depth;
    }
    return true;
  });
  json v = json::parse(text, nullptr, false);
  if (v.is_discarded()) throw PathError{"cannot read value " + quote(text)};
  return v;
}

namespace {

json special(const game::Session& session, const std::string& name) {
  if (name == "time_ms") return session.now();
  if (name == "draws") return session.draws();
  if (name == "stalls") return session.stalls();
  return nullptr;
}

const Element& element(const game::Session& session, const Path& p) {
  if (!session.shown()) throw PathError{"elements exist only after 'show'"};
  std::string full = p.name;
  if (p.has_args) {
    if (p.args.size() != 1) throw PathError{"an element takes one index"};
    full += "(" + std::to_string(p.args[0]) + ")";
  }
  const Element* e = session.scene().find_by_name(full);
  if (!e) throw PathError{"no element " + quote(full)};
  return *e;
}

const Field& field(const Path& p) {
  const Field* f = find_field(p.name);
  if (!f) throw PathError{"no field " + quote(p.name)};
  if (static_cast<int>(p.args.size()) != f->dims)
    throw PathError{quote(p.name) + " takes " + std::to_string(f->dims) + " index(es)"};
  return *f;
}

}  // namespace

json get_path(const game::Session& session, const std::string& text) {
  Path p = parse_path(text);
  if (p.prop.empty()) {
    if (!p.has_args) {
      if (p.name == "caption") {
        if (!session.shown()) throw PathError{"the window does not exist yet"};
        return session.scene().window_caption();
      }
      json s = special(session, p.name);
      if (!s.is_null()) return s;
    }
    const Field* whole = find_field(p.name);
    if (whole && whole->dims > 0 && !p.has_args) return whole->dump(session.state());
    const Field& f = field(p);
    return f.get(session.state(), p.args.size() > 0 ? p.args[0] : 0,
                 p.args.size() > 1 ? p.args[1] : 0);
  }
  const Element& e = element(session, p);
  const Property* prop = find_property(p.prop);
  if (!prop || !prop->readable(e))
    throw PathError{"element " + quote(e.full_name()) + " has no property " + quote(p.prop)};
  return prop->get(e);
}

void set_path(const game::Session& session, const std::string& text, const json& v,
              game::GameState& state, scene::Scene* ui) {
  Path p = parse_path(text);
  if (p.prop.empty()) {
    if (!p.has_args) {
      if (p.name == "caption") {
        if (!ui) throw PathError{"the window does not exist yet"};
        if (!v.is_string()) throw PathError{"the caption is a text in quotes"};
        ui->set_window_caption(v.get<std::string>());
        return;
      }
      if (!special(session, p.name).is_null()) throw PathError{quote(p.name) + " is read only"};
    }
    const Field& f = field(p);
    f.set(state, p.args.size() > 0 ? p.args[0] : 0, p.args.size() > 1 ? p.args[1] : 0, v);
    return;
  }
  const Element& e = element(session, p);
  const Property* prop = find_property(p.prop);
  if (!prop || !prop->writable(e))
    throw PathError{"element " + quote(e.full_name()) + " has no settable property " +
                    quote(p.prop)};
  prop->set(*ui, e, v);
}

json dump_all(const game::Session& session) {
  json state;
  for (const auto& f : all_fields()) state[f.name] = f.dump(session.state());
  json elements = json::object();
  json order = json::array();
  for (const Element* e : session.scene().front_to_back()) {
    elements[e->full_name()] = element_json(*e);
    order.push_back(e->full_name());
  }
  json j;
  j["state"] = std::move(state);
  j["elements"] = std::move(elements);
  j["order"] = std::move(order);
  j["caption"] = session.scene().window_caption();
  j["time_ms"] = session.now();
  j["draws"] = session.draws();
  j["stalls"] = session.stalls();
  return j;
}

}  // namespace zandovik::tools
