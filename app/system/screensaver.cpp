#include "app/system/screensaver.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace zandovik::app {

namespace {

const QString kService = QStringLiteral("org.freedesktop.ScreenSaver");
const QString kPath = QStringLiteral("/org/freedesktop/ScreenSaver");

QDBusMessage call(const QString& method) {
  return QDBusMessage::createMethodCall(kService, kPath, kService, method);
}

}  // namespace

ScreenSaverInhibit::~ScreenSaverInhibit() {
  if (!cookie_) return;
  // Let go before the connection closes; the service would also drop it
  // when this client goes, but not every one does.
  QDBusMessage m = call(QStringLiteral("UnInhibit"));
  m << *cookie_;
  QDBusConnection::sessionBus().call(m, QDBus::Block, 200);
}

void ScreenSaverInhibit::want(bool awake) {
  if (awake == wanted_) return;
  wanted_ = awake;
  update();
}

void ScreenSaverInhibit::update() {
  if (asking_) return;  // the reply decides what comes next
  if (!tried_) {
    // The bus is looked for the first time the screen must stay awake.
    tried_ = true;
    connected_ = QDBusConnection::sessionBus().isConnected();
  }
  if (!connected_) return;
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (wanted_ && !cookie_) {
    QDBusMessage m = call(QStringLiteral("Inhibit"));
    m << QStringLiteral("zandovik") << QStringLiteral("A ball is in play");
    asking_ = true;
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(m), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
      QDBusPendingReply<std::uint32_t> reply = *w;
      w->deleteLater();
      asking_ = false;
      // No such service: nothing to hold, nothing to say; asked
      // again when play next starts.
      if (reply.isError()) return;
      cookie_ = reply.value();
      update();  // play may have stopped meanwhile
    });
  } else if (!wanted_ && cookie_) {
    QDBusMessage m = call(QStringLiteral("UnInhibit"));
    m << *cookie_;
    cookie_.reset();
    bus.asyncCall(m);
  }
}

}  // namespace zandovik::app
