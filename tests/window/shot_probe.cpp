// Reads a screenshot of the game: finds the board by its green, then
// answers in design twips so checks hold at any window size.
//   shot_probe SHOT.png X Y [X Y ...]   prints "r g b" for each point
//   shot_probe SHOT.png --screen X Y    prints the screen pixel of a point
//   shot_probe SHOT.png --board         prints the board's pixel box
//   shot_probe SHOT.png --ball-in Y0 Y1 status 0 when the blue ball shows
//                                       between design rows Y0 and Y1
#include <QGuiApplication>
#include <QImage>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr double kBoardLeft = 120, kBoardTop = 1560, kBoardWidth = 8295, kBoardHeight = 5655;

struct Box {
  int x0 = 1 << 30, y0 = 1 << 30, x1 = -1, y1 = -1;
  bool found() const { return x1 >= 0; }
};

// The board is the large field of its green: rows and columns that hold at
// least a quarter of the most green of any row or column, so that a little
// of the same green elsewhere (the window icon in a title bar) is left out.
Box find_board(const QImage& img) {
  const QRgb green = qRgb(128, 255, 128) & 0xffffff;
  std::vector<int> rows(img.height()), cols(img.width());
  for (int y = 0; y < img.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
    for (int x = 0; x < img.width(); ++x)
      if ((line[x] & 0xffffff) == green) ++rows[y], ++cols[x];
  }
  Box b;
  const int row_max = *std::max_element(rows.begin(), rows.end());
  const int col_max = *std::max_element(cols.begin(), cols.end());
  if (row_max == 0) return b;
  for (int y = 0; y < img.height(); ++y)
    if (rows[y] * 4 >= row_max) b.y0 = std::min(b.y0, y), b.y1 = std::max(b.y1, y);
  for (int x = 0; x < img.width(); ++x)
    if (cols[x] * 4 >= col_max) b.x0 = std::min(b.x0, x), b.x1 = std::max(b.x1, x);
  return b;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: shot_probe SHOT.png (X Y ...| --screen X Y | --board)\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  QImage img(argv[1]);
  if (img.isNull()) {
    std::fprintf(stderr, "shot_probe: cannot read %s\n", argv[1]);
    return 2;
  }
  img = img.convertToFormat(QImage::Format_RGB32);
  const Box b = find_board(img);
  if (!b.found()) {
    std::fprintf(stderr, "shot_probe: no board in %s\n", argv[1]);
    return 1;
  }
  const double sx = (b.x1 - b.x0 + 1) / kBoardWidth, sy = (b.y1 - b.y0 + 1) / kBoardHeight;
  auto px = [&](double x) { return static_cast<int>(b.x0 + (x - kBoardLeft) * sx); };
  auto py = [&](double y) { return static_cast<int>(b.y0 + (y - kBoardTop) * sy); };
  const std::string mode = argv[2];
  if (mode == "--board") {
    std::printf("%d %d %d %d\n", b.x0, b.y0, b.x1, b.y1);
    return 0;
  }
  if (mode == "--screen" && argc == 5) {
    std::printf("%d %d\n", px(std::atof(argv[3])), py(std::atof(argv[4])));
    return 0;
  }
  if (mode == "--ball-in" && argc == 5) {
    const QRgb blue = qRgb(0, 0, 255);
    const int y0 = std::max(0, py(std::atof(argv[3]))),
              y1 = std::min(img.height() - 1, py(std::atof(argv[4])));
    for (int y = y0; y <= y1; ++y) {
      const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
      for (int x = b.x0; x <= b.x1; ++x)
        if ((line[x] & 0xffffff) == (blue & 0xffffff)) return 0;
    }
    return 1;
  }
  for (int i = 2; i + 1 < argc; i += 2) {
    int x = px(std::atof(argv[i])), y = py(std::atof(argv[i + 1]));
    if (x < 0 || y < 0 || x >= img.width() || y >= img.height()) {
      std::printf("outside\n");
      continue;
    }
    QColor c = img.pixelColor(x, y);
    std::printf("%d %d %d\n", c.red(), c.green(), c.blue());
  }
  return 0;
}
