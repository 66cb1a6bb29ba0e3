#pragma once
// The Scene: every element of the window, created from the design table,
// and the operations the logic performs on them. Writes record the regions
// that changed so a painter can repaint only those.
#include <array>
#include <cstdint>
#include <deque>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "scene/element.h"

namespace zandovik::scene {

// The named (non-array) elements of the design; one list gives both the
// enumerators and their design names.
// clang-format off
#define ZANDOVIK_NAMED_ELEMENTS(X)                                                      \
  X(pause) X(gameover) X(Timer1) X(Timer2) X(Timer3) X(nextlevel) X(ball) X(paddle)     \
  X(showscore) X(highscore) X(logo) X(numbricks) X(Label2) X(Label3) X(logobox) X(Label7) \
  X(Label4) X(board) X(Label5)
// clang-format on

enum class Named {
#define ZANDOVIK_ENUMERATOR(n) n,
  ZANDOVIK_NAMED_ELEMENTS(ZANDOVIK_ENUMERATOR)
#undef ZANDOVIK_ENUMERATOR
      count_
};

// The design name of a named element ("ball").
const char* name_of(Named n);

// The buttons a player can click, in the order the design lists them.
inline constexpr std::array<Named, 3> kButtons = {Named::pause, Named::nextlevel, Named::gameover};

// Addressing an element that does not exist, or loading one twice.
class SceneError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The client area in twips.
inline constexpr float kClientWidth = 8520;
inline constexpr float kClientHeight = 7335;
inline constexpr const char* kInitialCaption = "Form1";

struct RectF {
  float x = 0, y = 0, w = 0, h = 0;
};

class Scene {
 public:
  // A freshly created window: the Scene exactly as designed.
  Scene();

  // Elements are read here and written only through the setters below, so
  // that every write marks what must be repainted.
  const Element& get(Named n) const { return elements_[named_[static_cast<int>(n)]]; }

  // Item access: refuses an index that does not exist.
  const Element& item(Array a, int i) const;
  const Element* find(Array a, int i) const;
  bool exists(Array a, int i) const { return find(a, i) != nullptr; }

  // Look an element up by its full name ("ball", "brick(12)").
  const Element* find_by_name(std::string_view full_name) const;

  // Load: create element i of an array as a hidden copy of element 0.
  const Element& load(Array a, int i);

  // Geometry is stored in single precision.
  void set_left(const Element& e, double v);
  void set_top(const Element& e, double v);
  void set_width(const Element& e, double v);
  void set_height(const Element& e, double v);
  void move(const Element& e, double x, double y);
  void set_visible(const Element& e, bool v);
  void set_caption(const Element& e, std::string text);
  void set_back_color(const Element& e, Rgb c);
  void bring_to_front(const Element& e);
  void set_interval(const Element& e, int ms);

  const std::string& window_caption() const { return window_caption_; }
  void set_window_caption(std::string text);
  std::uint32_t window_caption_writes() const { return window_caption_writes_; }

  // Every element, in creation order.
  const std::deque<Element>& elements() const { return elements_; }
  // Elements front to back.
  std::vector<const Element*> front_to_back() const;
  // Shapes and labels back to front, for painting (cached between changes).
  const std::vector<const Element*>& paint_order() const;

  // Changed regions since the last take, in twips. `all` means repaint all.
  struct Dirty {
    bool all = false;
    std::vector<RectF> rects;
  };
  Dirty take_dirty();
  bool has_dirty() const { return dirty_.all || !dirty_.rects.empty(); }
  // Buttons changed (visibility or caption) since the last take.
  bool take_buttons_changed();

 private:
  // The scene's own element behind one it handed out.
  static Element& own(const Element& e) { return const_cast<Element&>(e); }
  Element& add(Element e);
  void set_geometry(Element& e, float Element::*field, double v);
  void mark(const Element& e);
  std::vector<int>& index_table(Array a);
  const std::vector<int>& index_table(Array a) const;

  std::deque<Element> elements_;  // deque: references stay valid on load
  std::array<int, static_cast<int>(Named::count_)> named_{};
  std::vector<int> bricks_, lives_, logoballs_;  // index -> element, -1 none
  std::string window_caption_ = kInitialCaption;
  std::uint32_t window_caption_writes_ = 0;
  std::uint64_t top_z_ = 0;
  Dirty dirty_;
  bool buttons_changed_ = true;
  mutable std::vector<const Element*> paint_cache_;
  mutable bool paint_cache_valid_ = false;
};

// Parse "brick(12)" into name and index; false when malformed.
bool parse_element_name(std::string_view full, std::string& name, int& index);
Array array_from_name(std::string_view name);
const char* array_name(Array a);

}  // namespace zandovik::scene
