// The toolkit's floor for start-up: a bare Qt Widgets window that fills
// itself and draws one line of text, built the same way as the game. With
// --faces it draws instead the texts of the game's first frame in the same
// faces, weights and pixel sizes as the game at 994x855 (its size on a
// 1280x1024 screen): the floor for what that frame shows.
//   bare_window [--faces] [WxH]   (568x489, the game's design size, by default)
#include <QApplication>
#include <QPainter>
#include <QWidget>
#include <cstdio>
#include <cstring>

namespace {

QFont face(const char* family, bool bold, int pixels) {
  QFont font(family);
  font.setBold(bold);
  font.setPixelSize(pixels);
  font.setHintingPreference(QFont::PreferFullHinting);
  font.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoFontMerging));
  return font;
}

class Bare : public QWidget {
 public:
  explicit Bare(bool faces) : faces_(faces) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), QColor(0, 128, 0));
    p.setPen(Qt::white);
    if (!faces_) {
      p.drawText(rect(), Qt::AlignCenter, "A bare Qt window");
      return;
    }
    const int top = Qt::AlignLeft | Qt::AlignTop;
    p.setFont(face("Liberation Sans Narrow", true, 51));
    const char* heads[] = {" Bricks", " High", "  Score", " Lives"};
    for (int i = 0; i < 4; ++i) p.drawText(QRect(0, 80 * i, 300, 80), top, heads[i]);
    p.setFont(face("Liberation Sans", true, 45));
    p.drawText(QRect(300, 0, 300, 80), top, "110");
    p.drawText(QRect(300, 80, 300, 80), top, "000000");
    p.setFont(face("Liberation Serif", false, 42));
    p.drawText(QRect(300, 160, 400, 80), top, "ZANDO-VIK");
    p.setFont(face("Liberation Sans", true, 17));
    for (int i = 0; i < 90; ++i)
      p.drawText(QRect(30 * (i % 30), 400 + 30 * (i / 30), 30, 30), Qt::AlignCenter, "1");
  }

 private:
  bool faces_;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const bool faces = argc > 1 && std::strcmp(argv[1], "--faces") == 0;
  const int size_arg = faces ? 2 : 1;
  int width = 568, height = 489;
  if (argc > size_arg && std::sscanf(argv[size_arg], "%dx%d", &width, &height) != 2) {
    std::fprintf(stderr, "usage: bare_window [--faces] [WxH]\n");
    return 2;
  }
  Bare w(faces);
  w.resize(width, height);
  w.show();
  return QApplication::exec();
}
