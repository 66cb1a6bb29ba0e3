// screensaver_probe: owns org.freedesktop.ScreenSaver on the session bus
// and prints each Inhibit and UnInhibit call it gets, a line each:
// "Inhibit APP REASON -> COOKIE", "UnInhibit COOKIE". Prints "ready" once
// it owns the name.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <cstdio>

namespace {

class ScreenSaver final : public QDBusVirtualObject {
 public:
  QString introspect(const QString&) const override { return {}; }
  bool handleMessage(const QDBusMessage& m, const QDBusConnection& bus) override {
    const auto args = m.arguments();
    if (m.member() == QLatin1String("Inhibit") && args.size() == 2) {
      const uint cookie = next_++;
      std::printf("Inhibit %s %s -> %u\n", qPrintable(args[0].toString()),
                  qPrintable(args[1].toString()), cookie);
      bus.send(m.createReply(QVariant::fromValue(cookie)));
    } else if (m.member() == QLatin1String("UnInhibit") && args.size() == 1) {
      std::printf("UnInhibit %u\n", args[0].toUInt());
      bus.send(m.createReply());
    } else {
      return false;
    }
    std::fflush(stdout);
    return true;
  }

 private:
  uint next_ = 42;
};

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QDBusConnection bus = QDBusConnection::sessionBus();
  ScreenSaver saver;
  if (!bus.registerVirtualObject(QStringLiteral("/org/freedesktop/ScreenSaver"), &saver) ||
      !bus.registerService(QStringLiteral("org.freedesktop.ScreenSaver"))) {
    std::fprintf(stderr, "screensaver_probe: cannot own the name on the session bus\n");
    return 1;
  }
  std::printf("ready\n");
  std::fflush(stdout);
  return QCoreApplication::exec();
}
