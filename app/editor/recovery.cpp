#include "app/editor/recovery.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "app/editor/save.h"
#include "app/editor/texts.h"

namespace zandovik::app::editor {

QString recovery_folder() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
         "/zandovik/recovery";
}

Recovery::Recovery(const QString& file) : file_(QFileInfo(file).absoluteFilePath()) {
  // The file's name for the player, its whole path's digest to tell two
  // sets of one name apart.
  const QByteArray digest =
      QCryptographicHash::hash(QFile::encodeName(file_), QCryptographicHash::Sha256).toHex();
  path_ = recovery_folder() + "/" + QFileInfo(file_).fileName() + "-" +
          QString::fromLatin1(digest.left(16)) + ".boards";
}

bool Recovery::exists() const {
  return QFileInfo(path_).isFile();
}

bool Recovery::write(const game::BoardSet& set, QString& why) const {
  if (!QDir().mkpath(recovery_folder())) {
    why = Editor::tr("%1: cannot make the folder").arg(recovery_folder());
    return false;
  }
  std::string text = game::format_boards(set);
  // A comment after the first line, which says what the file is; a
  // path's control characters would break the line.
  std::string named = file_.toStdString();
  for (char& c : named)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
  text.insert(text.find('\n') + 1, "# unsaved changes to " + named + "\n");
  return write_whole(path_, text, why);
}

void Recovery::remove() const {
  QFile::remove(path_);
}

std::optional<Recovery::Found> Recovery::newer_than_file() const {
  const QFileInfo copy(path_);
  if (!copy.isFile()) return std::nullopt;
  const QFileInfo file(file_);
  if (file.exists() && file.lastModified() >= copy.lastModified()) return std::nullopt;
  Found f;
  f.when = copy.lastModified();
  try {
    f.set = game::read_boards(path_.toStdString());
  } catch (const game::BoardError& e) {
    f.error = QString::fromStdString(e.what());
  }
  return f;
}

}  // namespace zandovik::app::editor
