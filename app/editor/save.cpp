#include "app/editor/save.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

#include "app/editor/file.h"
#include "app/editor/texts.h"

namespace zandovik::app::editor {

bool write_whole(const QString& path, const std::string& text, QString& why) {
  if (why = link_problem(path); !why.isEmpty()) return false;
  // A pipe, a device or a folder would be replaced by a plain file (for a
  // player who may write to /dev, /dev/null itself): only plain files and
  // links to them are written over.
  const QFileInfo target(path);
  if (target.exists() && !target.isFile()) {
    why = Editor::tr("%1 is not a plain file, so it is not written over").arg(path);
    return false;
  }
  struct stat before {};
  const bool existed = ::stat(QFile::encodeName(path).constData(), &before) == 0;
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
  // The new file is the old one's: its mode, and its owner and group where
  // the editor may give them (as root). Done before the rename, so the file
  // never shows in place with other rights.
  if (existed) {
    if (::geteuid() == 0) {
      [[maybe_unused]] const int ignored = ::fchown(f.handle(), before.st_uid, before.st_gid);
    }
    if (::fchmod(f.handle(), before.st_mode & 07777) != 0) {
      why = QString::fromLocal8Bit(std::strerror(errno));
      f.cancelWriting();
      return false;
    }
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
