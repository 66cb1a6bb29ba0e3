#pragma once
// The elements of the window: shapes, labels, buttons and timers, with every
// property the design gives them. Geometry is held in single precision.
#include <cstdint>
#include <string>

namespace zandovik::scene {

enum class Kind { Shape, Label, Button, Timer };
enum class ShapeType { Rectangle, RoundedRectangle, Circle };
enum class Align { Left, Center, Right };

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct Font {
  std::string family;
  double size_pt = 8.25;
  bool bold = false;
  int charset = 0;  // 134 is the Chinese GB2312 set
};

// Arrays of elements addressed by an index.
enum class Array { None, brick, life, logoball };

// Colours the design leaves at the system default.
inline constexpr Rgb kDefaultFace{240, 240, 240};
inline constexpr Rgb kDefaultText{0, 0, 0};

struct Element {
  std::string name;  // design name, "brick" for every brick
  Array array = Array::None;
  int index = -1;  // index within its array, -1 for a plain element
  Kind kind = Kind::Shape;

  float left = 0, top = 0, width = 0, height = 0;
  bool visible = true;
  std::string caption;

  // Shapes: fill and border. Labels: fill (unless transparent).
  ShapeType shape = ShapeType::Rectangle;
  Rgb back_color = kDefaultFace;
  bool transparent = false;
  Rgb fore_color = kDefaultText;
  bool has_border = false;
  Rgb border_color{0, 0, 0};
  int border_width = 1;

  Font font;
  Align align = Align::Left;
  bool autosize = false;

  // Timers: milliseconds between ticks, 0 = stopped. `interval_writes`
  // counts writes so the event runtime can restart the count on each one.
  int interval = 0;
  std::uint32_t interval_writes = 0;

  std::uint64_t z = 0;  // larger is nearer the front

  // "brick(12)" for array items, the plain name otherwise.
  std::string full_name() const {
    return index < 0 ? name : name + "(" + std::to_string(index) + ")";
  }
  float right() const { return left + width; }
  float bottom() const { return top + height; }
};

const char* kind_name(Kind k);

}  // namespace zandovik::scene
