#include "scene/scene.h"

#include <algorithm>
#include <charconv>

#include "scene/design.h"
#include "scene/numeric.h"

namespace zandovik::scene {

const char* kind_name(Kind k) {
  switch (k) {
    case Kind::Shape:
      return "Shape";
    case Kind::Label:
      return "Label";
    case Kind::Button:
      return "Button";
    case Kind::Timer:
      return "Timer";
  }
  return "?";
}

const char* name_of(Named n) {
  static constexpr const char* kNames[] = {
#define ZANDOVIK_NAME(n) #n,
      ZANDOVIK_NAMED_ELEMENTS(ZANDOVIK_NAME)
#undef ZANDOVIK_NAME
  };
  const auto i = static_cast<std::size_t>(n);
  return i < std::size(kNames) ? kNames[i] : "";
}

const char* array_name(Array a) {
  switch (a) {
    case Array::brick:
      return "brick";
    case Array::life:
      return "life";
    case Array::logoball:
      return "logoball";
    case Array::None:
      break;
  }
  return "";
}

Array array_from_name(std::string_view name) {
  if (name == "brick") return Array::brick;
  if (name == "life") return Array::life;
  if (name == "logoball") return Array::logoball;
  return Array::None;
}

bool parse_element_name(std::string_view full, std::string& name, int& index) {
  auto open = full.find('(');
  if (open == std::string_view::npos) {
    name = std::string(full);
    index = -1;
    return !name.empty();
  }
  if (full.back() != ')' || open == 0) return false;
  auto digits = full.substr(open + 1, full.size() - open - 2);
  if (digits.empty()) return false;
  auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), index);
  if (ec != std::errc() || ptr != digits.data() + digits.size()) return false;
  name = std::string(full.substr(0, open));
  return true;
}

Scene::Scene() {
  auto table = design_table();
  top_z_ = table.size();
  std::uint64_t z = table.size();
  for (auto& row : table) {
    row.z = z--;
    Element& e = add(std::move(row));
    if (e.array != Array::None) {
      auto& s = index_table(e.array);
      if (static_cast<int>(s.size()) <= e.index) s.resize(e.index + 1, -1);
      s[e.index] = static_cast<int>(elements_.size() - 1);
    } else {
      for (int n = 0; n < static_cast<int>(Named::count_); ++n)
        if (e.name == name_of(static_cast<Named>(n)))
          named_[n] = static_cast<int>(elements_.size() - 1);
    }
  }
  // The design and the list of named elements must agree.
  for (int n = 0; n < static_cast<int>(Named::count_); ++n)
    if (elements_[named_[n]].name != name_of(static_cast<Named>(n)))
      throw SceneError(std::string("the design has no element ") + name_of(static_cast<Named>(n)));
  dirty_.all = true;
}

Element& Scene::add(Element e) {
  elements_.push_back(std::move(e));
  paint_cache_valid_ = false;
  return elements_.back();
}

std::vector<int>& Scene::index_table(Array a) {
  switch (a) {
    case Array::brick:
      return bricks_;
    case Array::life:
      return lives_;
    default:
      return logoballs_;
  }
}
const std::vector<int>& Scene::index_table(Array a) const {
  return const_cast<Scene*>(this)->index_table(a);
}

const Element* Scene::find(Array a, int i) const {
  if (a == Array::None || i < 0) return nullptr;
  const auto& s = index_table(a);
  if (i >= static_cast<int>(s.size()) || s[i] < 0) return nullptr;
  return &elements_[s[i]];
}

const Element& Scene::item(Array a, int i) const {
  const Element* e = find(a, i);
  if (!e)
    throw SceneError(std::string("element ") + array_name(a) + "(" + std::to_string(i) +
                     ") does not exist");
  return *e;
}

const Element* Scene::find_by_name(std::string_view full_name) const {
  std::string name;
  int index = -1;
  if (!parse_element_name(full_name, name, index)) return nullptr;
  if (index >= 0) return find(array_from_name(name), index);
  if (array_from_name(name) != Array::None) return nullptr;
  for (int n = 0; n < static_cast<int>(Named::count_); ++n)
    if (elements_[named_[n]].name == name) return &elements_[named_[n]];
  return nullptr;
}

const Element& Scene::load(Array a, int i) {
  if (i <= 0) throw SceneError("cannot load index " + std::to_string(i));
  if (exists(a, i))
    throw SceneError(std::string("element ") + array_name(a) + "(" + std::to_string(i) +
                     ") is already loaded");
  Element copy = item(a, 0);
  copy.index = i;
  copy.visible = false;
  copy.z = ++top_z_;
  add(std::move(copy));
  auto& s = index_table(a);
  if (static_cast<int>(s.size()) <= i) s.resize(i + 1, -1);
  s[i] = static_cast<int>(elements_.size() - 1);
  return elements_.back();
}

void Scene::mark(const Element& e) {
  if (e.kind == Kind::Timer) return;
  if (e.kind == Kind::Button) {
    buttons_changed_ = true;
    return;
  }
  if (!e.visible || dirty_.all) return;
  // Auto-sized labels may draw past their box; take in a generous margin.
  float grow = e.autosize ? std::max(e.width, e.height) : 0.0f;
  dirty_.rects.push_back({e.left, e.top, e.width + grow, e.height + grow / 4});
  if (dirty_.rects.size() > 256) {
    dirty_.all = true;
    dirty_.rects.clear();
  }
}

void Scene::set_geometry(Element& e, float Element::*field, double v) {
  const float f = to_single(v);
  if (f == e.*field) return;
  mark(e);
  e.*field = f;
  mark(e);
}

void Scene::set_left(const Element& e, double v) {
  set_geometry(own(e), &Element::left, v);
}
void Scene::set_top(const Element& e, double v) {
  set_geometry(own(e), &Element::top, v);
}
void Scene::set_width(const Element& e, double v) {
  set_geometry(own(e), &Element::width, v);
}
void Scene::set_height(const Element& e, double v) {
  set_geometry(own(e), &Element::height, v);
}
void Scene::move(const Element& element, double x, double y) {
  Element& e = own(element);
  float fx = to_single(x), fy = to_single(y);
  if (fx == e.left && fy == e.top) return;
  mark(e);
  e.left = fx;
  e.top = fy;
  mark(e);
}
void Scene::set_visible(const Element& element, bool v) {
  Element& e = own(element);
  if (e.visible == v) return;
  if (e.kind == Kind::Button) buttons_changed_ = true;
  e.visible = true;  // mark needs it visible to record the area
  mark(e);
  e.visible = v;
  paint_cache_valid_ = false;
}
void Scene::set_caption(const Element& element, std::string text) {
  Element& e = own(element);
  if (e.caption == text) return;
  e.caption = std::move(text);
  mark(e);
}
void Scene::set_back_color(const Element& element, Rgb c) {
  Element& e = own(element);
  if (e.back_color == c) return;
  e.back_color = c;
  mark(e);
}
void Scene::bring_to_front(const Element& element) {
  Element& e = own(element);
  e.z = ++top_z_;
  paint_cache_valid_ = false;
  mark(e);
}
void Scene::set_interval(const Element& element, int ms) {
  Element& e = own(element);
  e.interval = std::max(0, ms);
  ++e.interval_writes;
}
void Scene::set_window_caption(std::string text) {
  window_caption_ = std::move(text);
  ++window_caption_writes_;
}

std::vector<const Element*> Scene::front_to_back() const {
  std::vector<const Element*> out;
  out.reserve(elements_.size());
  for (const auto& e : elements_) out.push_back(&e);
  std::sort(out.begin(), out.end(), [](auto* a, auto* b) { return a->z > b->z; });
  return out;
}

const std::vector<const Element*>& Scene::paint_order() const {
  if (!paint_cache_valid_) {
    paint_cache_.clear();
    for (const auto& e : elements_)
      if (e.visible && (e.kind == Kind::Shape || e.kind == Kind::Label)) paint_cache_.push_back(&e);
    std::sort(paint_cache_.begin(), paint_cache_.end(),
              [](auto* a, auto* b) { return a->z < b->z; });
    paint_cache_valid_ = true;
  }
  return paint_cache_;
}

Scene::Dirty Scene::take_dirty() {
  Dirty d = std::move(dirty_);
  dirty_ = {};
  return d;
}

bool Scene::take_buttons_changed() {
  bool b = buttons_changed_;
  buttons_changed_ = false;
  return b;
}

}  // namespace zandovik::scene
