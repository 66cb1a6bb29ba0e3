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
  error = QStringLiteral("the module %1 is not installed").arg(QLatin1String(file));
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
        error = QStringLiteral("the %1 module is of another version").arg(QLatin1String(what));
        break;
      }
  }
  if (error.isEmpty()) return true;
  // Said once: a window made again (the tests make many) says nothing new.
  static QSet<QString> said;
  if (!said.contains(QLatin1String(file))) {
    said.insert(QLatin1String(file));
    std::fprintf(stderr, "zandovik: no %s: %s\n", what, error.toLocal8Bit().constData());
  }
  return false;
}

}  // namespace zandovik::app
