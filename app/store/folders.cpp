#include "app/store/folders.h"

#include <pwd.h>
#include <unistd.h>

#include <QStandardPaths>

#include "game/best.h"

namespace zandovik::app::store {

QString data_dir() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/zandovik";
}

QString config_dir() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/zandovik";
}

QString boards_dir() {
  return data_dir() + "/boards";
}

QString best_dir() {
  return data_dir() + "/best";
}

QString config_path() {
  return config_dir() + "/zandovik.conf";
}

QString player_name() {
  const auto fits = [](const QString& name) {
    return !game::player_name_problem(name.toStdString());
  };
  QString full, login;
  if (const passwd* pw = ::getpwuid(::getuid())) {
    full = QString::fromUtf8(pw->pw_gecos ? pw->pw_gecos : "").section(',', 0, 0).trimmed();
    login = QString::fromUtf8(pw->pw_name ? pw->pw_name : "");
  }
  full.truncate(static_cast<qsizetype>(game::kMaxPlayerName));
  if (fits(full)) return full;
  if (fits(login)) return login;
  return QStringLiteral("player");
}

}  // namespace zandovik::app::store
