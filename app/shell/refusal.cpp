#include "app/shell/refusal.h"

#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <QStringList>

#include "game/names.h"

namespace zandovik::app {

void show_refusal(const std::string& message) {
  // The command line as the desktop expanded it (%f), names printed as in
  // the message, and the folder a relative name is read from.
  QStringList words;
  for (const QString& arg : QCoreApplication::arguments())
    words << QString::fromStdString(game::printable_name(arg.toStdString()));
  QMessageBox box(QMessageBox::Critical, QStringLiteral("zandovik"),
                  QString::fromStdString(message));
  box.setInformativeText(QCoreApplication::translate("Refusal", "The game does not start."));
  box.setDetailedText(QCoreApplication::translate("Refusal", "Started as: %1\nIn the folder: %2")
                          .arg(words.join(' '), QString::fromStdString(game::printable_name(
                                                    QDir::currentPath().toStdString()))));
  box.setStandardButtons(QMessageBox::Close);
  box.exec();
}

}  // namespace zandovik::app
