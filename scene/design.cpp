#include "scene/design.h"

namespace zandovik::scene {
namespace {

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kHeaderText{0, 0, 64};
constexpr int kGb2312 = 134;

Element shape(const char* name, ShapeType type, float l, float t, float w, float h, Rgb fill) {
  return Element{.name = name,
                 .kind = Kind::Shape,
                 .left = l,
                 .top = t,
                 .width = w,
                 .height = h,
                 .shape = type,
                 .back_color = fill};
}

Element life(int index, float l, float t, bool visible) {
  Element e = shape("life", ShapeType::RoundedRectangle, l, t, 1215, 135, kRed);
  e.array = Array::life;
  e.index = index;
  e.visible = visible;
  e.has_border = true;
  e.border_width = 2;
  return e;
}

Element button(const char* name, float l, float t, float w, float h, const char* text, Font f) {
  return Element{.name = name,
                 .kind = Kind::Button,
                 .left = l,
                 .top = t,
                 .width = w,
                 .height = h,
                 .visible = false,
                 .caption = text,
                 .font = std::move(f)};
}

Element timer(const char* name, int interval) {
  return Element{.name = name, .kind = Kind::Timer, .visible = false, .interval = interval};
}

// A transparent counter label in red Arial.
Element counter(const char* name, float l, float t, float w, float h, const char* text) {
  return Element{.name = name,
                 .kind = Kind::Label,
                 .left = l,
                 .top = t,
                 .width = w,
                 .height = h,
                 .caption = text,
                 .transparent = true,
                 .fore_color = kRed,
                 .font = {"Arial", 19.5, true},
                 .align = Align::Right};
}

// A bordered header box in Impact.
Element header(const char* name, float l, float t, float w, float h, const char* text, Rgb fg) {
  return Element{.name = name,
                 .kind = Kind::Label,
                 .left = l,
                 .top = t,
                 .width = w,
                 .height = h,
                 .caption = text,
                 .fore_color = fg,
                 .has_border = true,
                 .font = {"Impact", 21.75, true}};
}

std::vector<Element> build() {
  std::vector<Element> t;
  t.push_back(button("pause", 3360, 2880, 2415, 1455, "Pause", {"MS Song", 24, true, kGb2312}));
  t.push_back(
      button("gameover", 3360, 2640, 2415, 1935, "Game Over", {"Lucida Handwriting", 27.75, true}));
  t.push_back(timer("Timer1", kPlayInterval));
  t.push_back(timer("Timer2", kPlayInterval));
  t.push_back(timer("Timer3", kLogoInterval));
  t.push_back(
      button("nextlevel", 2760, 4800, 3495, 975, "Level: 1", {"Times New Roman", 27.75, true}));
  t.push_back(shape("ball", ShapeType::Circle, 960, 5520, 255, 255, {0, 0, 255}));
  Element paddle =
      shape("paddle", ShapeType::RoundedRectangle, 3240, 6120, 1935, 255, {255, 128, 0});
  paddle.has_border = true;
  t.push_back(paddle);
  t.push_back(life(3, 4080, 840, true));
  t.push_back(life(1, 1440, 840, true));
  t.push_back(life(2, 2760, 840, true));
  t.push_back(counter("showscore", 1200, 120, 1695, 495, "000000"));
  t.push_back(counter("highscore", 6720, 120, 1695, 495, "000000"));
  t.push_back(Element{.name = "logo",
                      .kind = Kind::Label,
                      .left = 3480,
                      .top = 120,
                      .width = 1770,
                      .height = 420,
                      .caption = "ZANDO-VIK",
                      .transparent = true,
                      .fore_color = {0, 0, 128},
                      .font = {"Times New Roman", 18, false},
                      .autosize = true});
  Element logoball = shape("logoball", ShapeType::Circle, 960, 4800, 255, 255, {255, 255, 255});
  logoball.array = Array::logoball;
  logoball.index = 0;
  t.push_back(logoball);
  Element numbricks = counter("numbricks", 6960, 840, 1080, 390, "0000");
  numbricks.autosize = true;
  t.push_back(numbricks);
  t.push_back(life(4, 1440, 1080, false));
  t.push_back(life(5, 2760, 1080, false));
  t.push_back(life(6, 4080, 1080, false));
  t.push_back(header("Label2", 360, 720, 5055, 615, " Lives", kDefaultText));
  t.push_back(header("Label3", 0, 0, 3015, 615, "  Score", kHeaderText));
  Element logobox =
      shape("logobox", ShapeType::RoundedRectangle, 3120, 0, 2535, 615, {192, 192, 192});
  logobox.has_border = true;
  t.push_back(logobox);
  t.push_back(header("Label7", 5760, 0, 2775, 615, " High", kHeaderText));
  t.push_back(header("Label4", 5640, 720, 2535, 615, " Bricks", kDefaultText));
  t.push_back(Element{.name = "brick",
                      .array = Array::brick,
                      .index = 0,
                      .kind = Kind::Label,
                      .left = 360,
                      .top = 1800,
                      .width = 1935,
                      .height = 855,
                      .visible = false,
                      .caption = "4",
                      .back_color = {255, 255, 255},
                      .has_border = true,
                      .font = {"Arial", 7.5, true},
                      .align = Align::Center});
  Element board = shape("board", ShapeType::Rectangle, 120, 1560, 8295, 5655, {128, 255, 128});
  board.has_border = true;
  board.border_color = {192, 192, 255};
  t.push_back(board);
  t.push_back(Element{.name = "Label5",
                      .kind = Kind::Label,
                      .left = 0,
                      .top = 1440,
                      .width = 8535,
                      .height = 5895,
                      .has_border = true});
  return t;
}

}  // namespace

std::vector<Element> design_table() {
  return build();
}

}  // namespace zandovik::scene
