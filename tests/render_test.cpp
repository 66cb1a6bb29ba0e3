// Offscreen painting: colours at design positions, at several scales.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <algorithm>
#include <cstdlib>

#include "app/present/damage.h"
#include "app/present/fonts.h"
#include "app/present/motion.h"
#include "app/present/paint.h"
#include "tests/harness.h"

namespace zandovik::app {
namespace {

using testing::Harness;

QImage render(Harness& h, QSize size) {
  QImage img(size, QImage::Format_RGB32);
  QPainter p(&img);
  Viewport vp = Viewport::fit(size);
  paint_scene(p, h.ui(), vp, QRect(QPoint(0, 0), size));
  p.end();
  return img;
}

QImage render(Harness& h, QSize size, const std::vector<DrawnAt>& drawn) {
  QImage img(size, QImage::Format_RGB32);
  QPainter p(&img);
  PaintOptions opts;
  opts.drawn = &drawn;
  paint_scene(p, h.ui(), Viewport::fit(size), QRect(QPoint(0, 0), size), opts);
  p.end();
  return img;
}

QColor at(const QImage& img, const Viewport& vp, double x_twips, double y_twips) {
  return img.pixelColor(static_cast<int>(vp.ox + x_twips * vp.scale),
                        static_cast<int>(vp.oy + y_twips * vp.scale));
}

class Render : public ::testing::TestWithParam<QSize> {};

TEST_P(Render, HeaderBoardAndPiecesShowTheirDesignColours) {
  Harness h;
  const QSize size = GetParam();
  QImage img = render(h, size);
  Viewport vp = Viewport::fit(size);
  EXPECT_EQ(at(img, vp, 1000, 6000), QColor(128, 255, 128));  // board
  EXPECT_EQ(at(img, vp, 4267, 6850), QColor(255, 128, 0));    // paddle
  EXPECT_EQ(at(img, vp, 4267, 6706), QColor(0, 0, 255));      // ball
  EXPECT_EQ(at(img, vp, 2000, 900), QColor(255, 0, 0));       // life(1)
  EXPECT_EQ(at(img, vp, 4000, 580), QColor(192, 192, 192));   // title panel
  EXPECT_EQ(at(img, vp, 3900, 2060), QColor(255, 0, 0));      // a red brick of row 3
  EXPECT_EQ(at(img, vp, 2000, 1150), QColor(240, 240, 240));  // no life(4) yet
}

TEST_P(Render, TheLetterboxIsEvenOnBothSides) {
  Harness h;
  const QSize size = GetParam() + QSize(200, 0);
  Viewport vp = Viewport::fit(size);
  const int left_bar = vp.client().left();
  const int right_bar = size.width() - 1 - vp.client().right();
  EXPECT_LE(std::abs(left_bar - right_bar), 1);
  QImage img = render(h, size);
  EXPECT_EQ(img.pixelColor(0, size.height() / 2), kLetterbox);
}

INSTANTIATE_TEST_SUITE_P(Scales, Render,
                         ::testing::Values(QSize(568, 489), QSize(852, 734), QSize(1136, 978),
                                           QSize(3840, 2160)));

TEST(Render, AButtonIsDrawnAboveTheBoard) {
  Harness h;
  const Viewport vp = Viewport::fit(QSize(568, 489));
  // Inside Pause, below the bricks: the board's green until P shows it.
  EXPECT_EQ(at(render(h, QSize(568, 489)), vp, 3500, 4200), QColor(128, 255, 128));
  h.rt.key_down(game::kKeyP, 0);
  EXPECT_EQ(at(render(h, QSize(568, 489)), vp, 3500, 4200), QColor(225, 225, 225));
}

TEST(Render, BricksChangeColourAsTheyAreHit) {
  Harness h;
  h.s.pattern = 2;
  game::grid(h.g());
  QImage img = render(h, QSize(1136, 978));
  Viewport vp = Viewport::fit(QSize(1136, 978));
  // Brick (10, 8) holds a 6: (0, 128, 255); sample away from its digit.
  EXPECT_EQ(at(img, vp, 120 + 9 * 414.75 + 40, 1560 + 7 * 226.2 + 40), QColor(0, 128, 255));
}

// The window repaints only what changed, joined into a few rectangles; the
// result must be the frame it would have painted whole.
TEST(Render, AFramePaintedInPiecesMatchesOnePaintedWhole) {
  Harness h;
  const QSize size(852, 733);
  const Viewport vp = Viewport::fit(size);
  QImage pieces = render(h, size);
  h.ui().take_dirty();
  h.rt.key_down(game::kKeyRight, 0);
  h.rt.run_for(400);
  h.rt.key_up(game::kKeyRight, 0);
  h.rt.run_for(300);
  const auto dirty = h.ui().take_dirty();
  ASSERT_FALSE(dirty.all);
  std::vector<QRect> rects;
  for (const auto& r : dirty.rects)
    rects.push_back(vp.rect(r.x, r.y, r.w, r.h).adjusted(-3, -3, 3, 3));
  const auto joined = coalesce(rects, 128 * 128);
  EXPECT_LT(joined.size(), rects.size());
  {
    QPainter p(&pieces);
    for (const QRect& r : joined) paint_scene(p, h.ui(), vp, r);
  }
  const QImage whole = render(h, size);
  int differ = 0;
  for (int y = 0; y < size.height(); ++y)
    for (int x = 0; x < size.width(); ++x) differ += pieces.pixel(x, y) != whole.pixel(x, y);
  EXPECT_EQ(differ, 0);
}

// The largest difference of any colour channel between two pictures.
int max_difference(const QImage& a, const QImage& b) {
  int most = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      most = std::max({most, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                       std::abs(qBlue(p) - qBlue(q))});
    }
  return most;
}

// A whole frame leaves out the face beneath the board and the header's
// panels; small tiles paint it everywhere. Both must give the same picture.
// Shapes copied from cached pictures may differ only where an antialiased
// edge was blended in two steps: an edge a pixel off differs by far more.
TEST(Render, AWholeFrameMatchesTheSameFramePaintedInSmallTiles) {
  Harness h;
  auto paint = [&h](QSize size, QRect step, PaintOptions opts) {
    const Viewport vp = Viewport::fit(size);
    QImage img(size, QImage::Format_RGB32);
    img.fill(Qt::magenta);
    QPainter p(&img);
    for (int y = 0; y < size.height(); y += step.height())
      for (int x = 0; x < size.width(); x += step.width())
        paint_scene(p, h.ui(), vp, step.translated(x, y), opts);
    return img;
  };
  for (int pattern = 1; pattern <= 3; ++pattern) {
    for (const QSize size : {QSize(852, 733), QSize(568, 489), QSize(1600, 900), QSize(300, 640)}) {
      const std::string where = "pattern " + std::to_string(pattern) + " at " +
                                std::to_string(size.width()) + "x" + std::to_string(size.height());
      const QRect whole(QPoint(0, 0), size), tile(0, 0, 53, 37);
      const QImage straight = paint(size, whole, {});
      EXPECT_EQ(straight, paint(size, tile, {})) << where;
      // The window's first frame: shapes from the cache, texts straight.
      PictureCache cache;
      PaintOptions first;
      first.cache = &cache;
      first.text_straight = true;
      const QImage first_frame = paint(size, whole, first);
      EXPECT_LE(max_difference(straight, first_frame), 12) << where;
      // Its repaints: the texts' pictures made by the tiles, then taken
      // from the cache, give the very same pixels.
      PaintOptions later;
      later.cache = &cache;
      for (int round = 1; round <= 2; ++round)
        EXPECT_EQ(first_frame, paint(size, tile, later)) << where << ", round " << round;
    }
    h.rt.key_down(game::kKeyF1, 0);
  }
}

TEST(Render, RectanglesCloseTogetherAreJoinedAndFarOnesKept) {
  // Two balls' old and new places in the title, and the paddle far below.
  const auto joined = coalesce({QRect(10, 10, 12, 12), QRect(14, 10, 12, 12), QRect(60, 30, 12, 12),
                                QRect(0, 400, 80, 10), QRect(5, 5, 0, 0)},
                               32 * 32);
  ASSERT_EQ(joined.size(), 3u);
  EXPECT_EQ(joined[0], QRect(10, 10, 16, 12));
  EXPECT_EQ(joined[1], QRect(60, 30, 12, 12));
  EXPECT_EQ(joined[2], QRect(0, 400, 80, 10));
  // With room to spare, a join can make the next one possible.
  EXPECT_EQ(coalesce({QRect(0, 0, 10, 10), QRect(30, 0, 10, 10), QRect(15, 0, 10, 10)}, 100),
            std::vector<QRect>{QRect(0, 0, 40, 10)});
}

TEST(Render, TheCacheLetsTheLeastUsedPicturesGoAndKeepsNoHugeOne) {
  PictureCache cache;
  cache.use_for(Viewport::fit(QSize(852, 733)));
  // Eight pictures of just under an eighth of the budget each: full.
  const QSize eighth(1024, 1023);
  ASSERT_TRUE(PictureCache::keeps(eighth));
  for (const char* key : {"a", "b", "c", "d", "e", "f", "g", "h"})
    cache.put(key, QImage(eighth, QImage::Format_ARGB32_Premultiplied));
  ASSERT_EQ(cache.size(), 8u);
  ASSERT_NE(cache.find("a"), nullptr);  // "b" is now the least used
  cache.put("i", QImage(eighth, QImage::Format_ARGB32_Premultiplied));
  EXPECT_EQ(cache.size(), 8u);
  EXPECT_EQ(cache.find("b"), nullptr);
  for (const char* key : {"a", "c", "i"}) EXPECT_NE(cache.find(key), nullptr) << key;
  EXPECT_LE(cache.bytes(), PictureCache::kMaxBytes);
  // A picture of a huge window's header box is never kept.
  EXPECT_FALSE(PictureCache::keeps(QSize(2600, 800)));
}

TEST(Render, AHugeWindowIsPaintedWholeWithinTheCacheBudget) {
  Harness h;
  const QSize size(9000, 7750);
  const Viewport vp = Viewport::fit(size);
  PictureCache cache;
  PaintOptions opts;
  opts.cache = &cache;
  QImage img(size, QImage::Format_RGB32);
  QPainter p(&img);
  paint_scene(p, h.ui(), vp, QRect(QPoint(0, 0), size), opts);
  const std::size_t kept = cache.size();
  EXPECT_GT(kept, 0u);
  EXPECT_LE(cache.bytes(), PictureCache::kMaxBytes);
  // A second frame finds what the first kept: nothing is thrown away.
  paint_scene(p, h.ui(), vp, QRect(QPoint(0, 0), size), opts);
  EXPECT_EQ(cache.size(), kept);
}

// Between two ticks the ball and the paddle are drawn on their way, by the
// share of the interval gone: at 0 where the last tick found them, at one
// half halfway, pixel for pixel as if the rules had put them there.
TEST(Motion, BetweenTwoTicksTheBallAndPaddleAreDrawnOnTheirWay) {
  Harness h;
  const QSize size(1136, 978);
  auto& ui = h.ui();
  const auto& ball = h.el(scene::Named::ball);
  const auto& paddle = h.el(scene::Named::paddle);
  ui.move(ball, 2000, 4000);
  ui.set_left(paddle, 1000);
  Motion m;
  m.observe(ui, 0, false, 25, 50);
  const QImage before = render(h, size);

  ui.move(ball, 2200, 3900);
  ui.set_left(paddle, 1276);
  m.observe(ui, 100, true, 25, 50);
  EXPECT_EQ(render(h, size, m.drawn(ui, 100, true)), before) << "fraction 0";
  EXPECT_EQ(render(h, size, m.drawn(ui, 90, true)), before) << "never before the last tick";
  const QImage half = render(h, size, m.drawn(ui, 112.5, true));
  EXPECT_TRUE(m.moving(112.5));
  const QImage now = render(h, size);
  EXPECT_EQ(render(h, size, m.drawn(ui, 125, true)), now) << "fraction 1";
  EXPECT_EQ(render(h, size, m.drawn(ui, 140, true)), now) << "never beyond this tick";
  EXPECT_FALSE(m.moving(125));

  ui.move(ball, 2100, 3950);
  ui.set_left(paddle, 1138);
  EXPECT_EQ(half, render(h, size)) << "one half: halfway, pixel for pixel";
}

// A jump (anything but a tick, or a move no tick makes) is drawn outright,
// and a stop draws the rules' positions at once.
TEST(Motion, AJumpIsDrawnOutrightAndAStopDrawsTheRulesPositions) {
  Harness h;
  auto& ui = h.ui();
  const auto& ball = h.el(scene::Named::ball);
  Motion m;
  m.observe(ui, 0, false, 25, 50);
  ui.move(ball, 5000, 3000);
  m.observe(ui, 10, false, 25, 50);
  EXPECT_TRUE(m.drawn(ui, 12, true).empty());
  ui.move(ball, 1000, 6000);
  m.observe(ui, 20, true, 25, 50);
  EXPECT_TRUE(m.drawn(ui, 30, true).empty()) << "too far for a tick";
  ui.move(ball, 1100, 5900);
  m.observe(ui, 45, true, 25, 50);
  ASSERT_EQ(m.drawn(ui, 50, true).size(), 1u);
  m.snap();
  EXPECT_TRUE(m.drawn(ui, 50, true).empty());
  EXPECT_FALSE(m.moving(50));
}

// In live play the paddle is drawn at its newest tick or ahead of it,
// never between two ticks, and a ball within a step of it is drawn where
// the rules have it; a replay draws both between their ticks.
TEST(Motion, LivePlayDrawsThePaddleAtItsTickOrAheadAndTheBallNeverInsideIt) {
  Harness h;
  auto& ui = h.ui();
  const auto& ball = h.el(scene::Named::ball);
  const auto& paddle = h.el(scene::Named::paddle);
  auto place = [](const std::vector<DrawnAt>& list, const scene::Element& e) {
    for (const DrawnAt& d : list)
      if (d.e == &e) return std::make_pair(d.left, d.top);
    return std::make_pair(e.left, e.top);
  };
  struct Case {
    const char* what;
    float ball_top;  // at the second tick, from 200 higher
    Motion::Live live;
    float ball_drawn_top, paddle_drawn_left;
  };
  const float near = paddle.top - ball.height - 100, far = 3000;
  for (const Case& c : {
           Case{"a replay: both on their way", far, {}, far - 100, 1138},
           Case{
               "live, no direction held: the paddle at its tick", far, {true, {}}, far - 100, 1276},
           Case{"live, held: the paddle ahead", far, {true, 1400.f}, far - 100, 1400},
           Case{"near the paddle: the ball at its tick", near, {true, 1400.f}, near, 1400},
           Case{"near, a replay: on its way", near, {}, near - 100, 1138},
       }) {
    ui.move(ball, 1300, c.ball_top - 200);
    ui.set_left(paddle, 1000);
    Motion m;
    m.observe(ui, 0, false, 25, 50);
    ui.move(ball, 1300, c.ball_top);
    ui.set_left(paddle, 1276);
    m.observe(ui, 100, true, 25, 50);
    const auto drawn = m.drawn(ui, 112.5, true, c.live);
    EXPECT_EQ(place(drawn, ball).second, c.ball_drawn_top) << c.what;
    EXPECT_EQ(place(drawn, paddle).first, c.paddle_drawn_left) << c.what;
  }
}

}  // namespace
}  // namespace zandovik::app

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  zandovik::app::install_font_substitutes();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
