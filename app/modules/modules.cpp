#include "app/modules/modules.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibrary>
#include <QSet>
#include <cstdio>

namespace zandovik::app {

namespace {

QLibrary* load(const char* file, QString& error) {
  for (const QString& dir :
       {QCoreApplication::applicationDirPath(), QStringLiteral(ZANDOVIK_MODULE_DIR)}) {
    const QString path = dir + QLatin1Char('/') + QLatin1String(file);
    if (!QFile::exists(path)) continue;
    auto* lib = new QLibrary(path);
    if (lib->load()) return lib;
    error = lib->errorString();
    delete lib;
    return nullptr;
  }
  error = QCoreApplication::translate("modules", "the module %1 is not installed")
              .arg(QLatin1String(file));
  return nullptr;
}

}  // namespace

bool open_module(const char* file, const char* what, std::initializer_list<const char*> names,
                 QFunctionPointer* out) {
  QString error;
  QLibrary* lib = load(file, error);
  if (lib) {
    for (const char* name : names)
      if (!(*out++ = lib->resolve(name))) {
        //: %1 is what the module gives: sound, gamepads.
        error = QCoreApplication::translate("modules", "the %1 module is of another version")
                    .arg(QCoreApplication::translate("modules", what));
        break;
      }
  }
  if (error.isEmpty()) return true;
  // Said once: a window made again (the tests make many) says nothing new.
  static QSet<QString> said;
  if (!said.contains(QLatin1String(file))) {
    said.insert(QLatin1String(file));
    //: What the game goes on without (%1: sound, gamepads), and why (%2).
    const QString line = QCoreApplication::translate("modules", "no %1: %2")
                             .arg(QCoreApplication::translate("modules", what), error);
    std::fprintf(stderr, "zandovik: %s\n", line.toLocal8Bit().constData());
  }
  return false;
}

}  // namespace zandovik::app
