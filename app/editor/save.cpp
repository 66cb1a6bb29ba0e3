#include "app/editor/save.h"

#include <unistd.h>

#include <QFileInfo>
#include <QObject>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

namespace zandovik::app::editor {

bool write_whole(const QString& path, const std::string& text, QString& why) {
  // A pipe, a device or a folder would be replaced by a plain file (for a
  // player who may write to /dev, /dev/null itself): only plain files and
  // links to them are written over.
  const QFileInfo target(path);
  if (target.exists() && !target.isFile()) {
    why = QObject::tr("%1 is not a plain file, so it is not written over").arg(path);
    return false;
  }
  QSaveFile f(path);
  // Unbuffered, so a full disk fails the write itself: a failure left for
  // the flush inside commit() would not stop the rename, and an empty file
  // would replace the old one.
  if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
    why = f.errorString();
    return false;
  }
  const auto size = static_cast<qint64>(text.size());
  if (f.write(text.data(), size) != size) {
    why = f.errorString();
    f.cancelWriting();
    return false;
  }
  // commit() syncs but does not look at the outcome; a file system that
  // allocates late reports a full disk only here.
  if (::fsync(f.handle()) != 0) {
    why = QString::fromLocal8Bit(std::strerror(errno));
    f.cancelWriting();
    return false;
  }
  if (!f.commit()) {
    why = f.errorString();
    return false;
  }
  return true;
}

}  // namespace zandovik::app::editor
