#include "app/modules.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibrary>

namespace zandovik::app {

QLibrary* load_module(const char* file, QString& error) {
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

}  // namespace zandovik::app
