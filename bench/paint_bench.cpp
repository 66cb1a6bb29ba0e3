// Painting cost, offscreen into a QImage: a full frame, and the repaint that
// one typical tick causes (ball, paddle and logo balls moved, a brick hit).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRegion>

#include "app/present/fonts.h"
#include "app/present/paint.h"
#include "tests/harness.h"

namespace {

using zandovik::testing::Harness;
namespace app = zandovik::app;
namespace game = zandovik::game;
namespace scene = zandovik::scene;

// An offscreen window of the size the benchmark argument picks, with the
// window's picture cache.
struct Canvas {
  explicit Canvas(const benchmark::State& st)
      : size(st.range(0) == 0 ? QSize(994, 855) : QSize(3840, 2160)),
        img(size, QImage::Format_RGB32),
        vp(app::Viewport::fit(size)) {}
  // One painter for all the region's boxes, as a paint event has.
  void paint(const scene::Scene& s, const QRegion& region) {
    QPainter p(&img);
    app::PaintOptions opts;
    opts.cache = &cache;
    for (const QRect& r : region) app::paint_scene(p, s, vp, r, opts);
  }
  void paint_all(const scene::Scene& s) { paint(s, QRegion(QRect(QPoint(0, 0), size))); }

  QSize size;
  QImage img;
  app::PictureCache cache;
  app::Viewport vp;
};

void BM_FullFrame(benchmark::State& st) {
  Harness h;
  Canvas canvas(st);
  for (auto _ : st) canvas.paint_all(h.ui());
}
BENCHMARK(BM_FullFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_TypicalTickRepaint(benchmark::State& st) {
  Harness h;
  Canvas canvas(st);
  canvas.paint_all(h.ui());
  h.s.stepx = 60;
  h.s.stepy = 40;
  h.s.jitterx = 1;
  h.s.jittery = 1;
  h.s.paddledir = 1;
  int k = 0;
  for (auto _ : st) {
    st.PauseTiming();
    h.place_ball(2000 + (k % 40) * 100, 5000);
    h.ui().set_left(h.paddle(), 1000 + (k % 20) * 200);
    h.ui().take_dirty();
    game::Timer1_Timer(h.g());
    game::Timer2_Timer(h.g());
    game::Timer3_Timer(h.g());
    auto& brick = h.brick(41 + (k % 20));
    h.ui().set_back_color(brick, k % 2 ? scene::Rgb{255, 0, 0} : scene::Rgb{255, 128, 0});
    h.ui().set_caption(brick, k % 2 ? "1" : "2");
    ++k;
    auto dirty = h.ui().take_dirty();
    QRegion region;
    for (const auto& r : dirty.rects)
      region += canvas.vp.rect(r.x, r.y, r.w, r.h).adjusted(-3, -3, 3, 3);
    st.ResumeTiming();
    canvas.paint(h.ui(), region);
  }
}
BENCHMARK(BM_TypicalTickRepaint)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication qapp(argc, argv);
  app::install_font_substitutes();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
