// The toolkit's floor for start-up: a bare Qt Widgets window that fills
// itself and draws one line of text, built the same way as the game.
//   bare_window [WxH]   (568x489, the game's design size, by default)
#include <QApplication>
#include <QPainter>
#include <QWidget>
#include <cstdio>

namespace {

class Bare : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), QColor(0, 128, 0));
    p.setPen(Qt::white);
    p.drawText(rect(), Qt::AlignCenter, "A bare Qt window");
  }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  int width = 568, height = 489;
  if (argc > 1 && std::sscanf(argv[1], "%dx%d", &width, &height) != 2) {
    std::fprintf(stderr, "usage: bare_window [WxH]\n");
    return 2;
  }
  Bare w;
  w.resize(width, height);
  w.show();
  return QApplication::exec();
}
