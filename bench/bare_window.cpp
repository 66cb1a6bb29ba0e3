// The toolkit's floor for start-up: a bare Qt Widgets window that fills
// itself and draws one line of text, built the same way as the game.
#include <QApplication>
#include <QPainter>
#include <QWidget>

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
  Bare w;
  w.resize(568, 489);
  w.show();
  return QApplication::exec();
}
