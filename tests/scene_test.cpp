#include "scene/scene.h"

#include <gtest/gtest.h>

#include "scene/design.h"

namespace zandovik::scene {
namespace {

TEST(Scene, CreationFollowsTheDesignRowByRowFrontToBack) {
  Scene s;
  std::vector<std::string> names;
  for (const Element* e : s.front_to_back()) names.push_back(e->full_name());
  const std::vector<std::string> want = {
      "pause",       "gameover",  "Timer1",  "Timer2",   "Timer3",    "nextlevel", "ball",
      "paddle",      "life(3)",   "life(1)", "life(2)",  "showscore", "highscore", "logo",
      "logoball(0)", "numbricks", "life(4)", "life(5)",  "life(6)",   "Label2",    "Label3",
      "logobox",     "Label7",    "Label4",  "brick(0)", "board",     "Label5"};
  EXPECT_EQ(names, want);
  EXPECT_EQ(s.window_caption(), "Form1");
}

TEST(Scene, DesignValuesAreExact) {
  Scene s;
  const Element& board = s.get(Named::board);
  EXPECT_EQ(board.left, 120);
  EXPECT_EQ(board.top, 1560);
  EXPECT_EQ(board.width, 8295);
  EXPECT_EQ(board.height, 5655);
  EXPECT_EQ(board.back_color, (Rgb{128, 255, 128}));
  EXPECT_EQ(board.border_color, (Rgb{192, 192, 255}));
  const Element& pause = s.get(Named::pause);
  EXPECT_EQ(pause.kind, Kind::Button);
  EXPECT_FALSE(pause.visible);
  EXPECT_EQ(pause.caption, "Pause");
  EXPECT_EQ(pause.font.family, "MS Song");
  EXPECT_EQ(s.get(Named::nextlevel).caption, "Level: 1");
  EXPECT_EQ(s.get(Named::Timer1).interval, 25);
  EXPECT_EQ(s.get(Named::Timer2).interval, 25);
  EXPECT_EQ(s.get(Named::Timer3).interval, 50);
  EXPECT_EQ(s.get(Named::Label3).caption, "  Score");
  EXPECT_EQ(s.get(Named::numbricks).caption, "0000");
  const Element& brick0 = s.item(Array::brick, 0);
  EXPECT_FALSE(brick0.visible);
  EXPECT_EQ(brick0.caption, "4");
  EXPECT_EQ(brick0.back_color, (Rgb{255, 255, 255}));
  EXPECT_TRUE(s.item(Array::life, 3).visible);
  EXPECT_FALSE(s.item(Array::life, 4).visible);
  EXPECT_EQ(s.item(Array::life, 6).left, 4080);
  EXPECT_EQ(s.item(Array::life, 6).top, 1080);
}

TEST(Scene, LoadMakesAHiddenCopyOfElementZero) {
  Scene s;
  const Element& b = s.load(Array::brick, 7);
  EXPECT_FALSE(b.visible);
  EXPECT_EQ(b.caption, "4");
  EXPECT_EQ(b.back_color, (Rgb{255, 255, 255}));
  EXPECT_EQ(b.width, 1935);
  EXPECT_EQ(b.full_name(), "brick(7)");
  EXPECT_EQ(s.find_by_name("brick(7)"), &b);
  EXPECT_THROW(s.load(Array::brick, 7), SceneError);
}

TEST(Scene, ItemAccessRefusesIndicesThatDoNotExist) {
  Scene s;
  EXPECT_THROW(s.item(Array::life, 0), SceneError);
  EXPECT_THROW(s.item(Array::life, 7), SceneError);
  EXPECT_THROW(s.item(Array::brick, 1), SceneError);
  EXPECT_THROW(s.item(Array::logoball, -1), SceneError);
  EXPECT_EQ(s.find_by_name("life(0)"), nullptr);
  EXPECT_EQ(s.find_by_name("life"), nullptr);
  EXPECT_EQ(s.find_by_name("nothing"), nullptr);
}

TEST(Scene, GeometryIsStoredInSinglePrecision) {
  Scene s;
  const Element& ball = s.get(Named::ball);
  s.set_left(ball, 0.1);
  EXPECT_EQ(ball.left, 0.1f);
  s.move(ball, 1560.0 + 24 * 226.1999969482422, 7.25);
  EXPECT_EQ(ball.left, 6988.7998046875f);
  EXPECT_EQ(ball.top, 7.25f);
}

TEST(Scene, BringToFrontPutsAnElementAheadOfEveryShapeAndLabel) {
  Scene s;
  const Element& board = s.get(Named::board);
  s.bring_to_front(board);
  EXPECT_EQ(s.front_to_back().front(), &board);
  EXPECT_EQ(s.paint_order().back(), &board);
}

TEST(Scene, WritesRecordTheRegionsThatChanged) {
  Scene s;
  s.take_dirty();
  const Element& ball = s.get(Named::ball);
  s.move(ball, 1000, 2000);
  auto d = s.take_dirty();
  EXPECT_FALSE(d.all);
  ASSERT_EQ(d.rects.size(), 2u);  // where it was and where it is
  EXPECT_EQ(d.rects[0].x, 960);
  EXPECT_EQ(d.rects[1].x, 1000);
  s.move(ball, 1000, 2000);  // no change, nothing to repaint
  EXPECT_FALSE(s.has_dirty());
  s.set_caption(s.item(Array::brick, 0), "9");  // hidden: nothing to repaint
  EXPECT_FALSE(s.has_dirty());
}

TEST(Scene, EveryIntervalWriteIsCountedEvenOfTheSameValue) {
  Scene s;
  const Element& t = s.get(Named::Timer1);
  auto before = t.interval_writes;
  s.set_interval(t, 25);
  s.set_interval(t, 0);
  EXPECT_EQ(t.interval_writes, before + 2);
  EXPECT_EQ(t.interval, 0);
}

TEST(ElementName, ParsesArrayItemsAndRejectsMalformedNames) {
  std::string name;
  int index = 0;
  EXPECT_TRUE(parse_element_name("brick(12)", name, index));
  EXPECT_EQ(name, "brick");
  EXPECT_EQ(index, 12);
  EXPECT_FALSE(parse_element_name("brick(12", name, index));
  EXPECT_FALSE(parse_element_name("brick()", name, index));
  EXPECT_FALSE(parse_element_name("brick(1x)", name, index));
}

}  // namespace
}  // namespace zandovik::scene
