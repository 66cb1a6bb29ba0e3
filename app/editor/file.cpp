#include "app/editor/file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <cerrno>
#include <cstring>

#include "app/editor/model.h"
#include "app/editor/texts.h"

namespace zandovik::app::editor {

FileStamp stamp_of(const QString& path) {
  FileStamp s;
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return s;
  struct stat st {};
  if (::fstat(fd, &st) == 0) {
    s.exists = true;
    s.size = st.st_size;
    s.mtime_ns = static_cast<qint64>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
    // Only a plain file is read: a pipe would wait for a writer.
    if (S_ISREG(st.st_mode)) {
      QCryptographicHash hash(QCryptographicHash::Sha256);
      char buf[65536];
      qint64 left = static_cast<qint64>(game::kMaxBoardFileBytes) + 1;
      ssize_t n;
      while (left > 0 && (n = ::read(fd, buf, sizeof buf)) > 0) {
        hash.addData(QByteArrayView(buf, n));
        left -= n;
      }
      s.digest = hash.result();
    }
  }
  ::close(fd);
  return s;
}

QString link_problem(const QString& path) {
  const QByteArray name = QFile::encodeName(path);
  struct stat st {};
  if (::lstat(name.constData(), &st) != 0 || !S_ISLNK(st.st_mode)) return {};
  if (::stat(name.constData(), &st) == 0) return {};
  const int error = errno;
  if (error == ELOOP)
    return Editor::tr(
               "%1 is a link that leads round in a loop, so there is no file to open or to "
               "save to")
        .arg(path);
  if (error == ENOENT)
    return Editor::tr("%1 is a link to %2, which does not exist")
        .arg(path, QFileInfo(path).symLinkTarget());
  return path + ": " + QString::fromLocal8Bit(std::strerror(error));
}

QStringList leftovers_beside(const QString& path) {
  const QFileInfo file(path);
  // QSaveFile's temporary file: the name, a dot and six letters or digits.
  const QRegularExpression shape("^" + QRegularExpression::escape(file.fileName()) +
                                 "\\.[A-Za-z0-9]{6}$");
  QStringList found;
  for (const QFileInfo& f :
       QDir(file.absolutePath()).entryInfoList(QDir::Files | QDir::Hidden, QDir::Name))
    if (shape.match(f.fileName()).hasMatch()) found << f.fileName();
  return found;
}

bool has_own_lines(std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    std::size_t end = text.find('\n', at);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(at, end - at);
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t' || line.back() == '\r'))
      line.remove_suffix(1);
    if (line.empty() || line.front() == '#') return true;
    at = end + 1;
  }
  return false;
}

bool file_has_own_lines(const QString& path) {
  QFile f(path);
  // Only a plain file: a pipe put in its place would wait for a writer.
  return QFileInfo(path).isFile() && f.open(QIODevice::ReadOnly) &&
         has_own_lines(f.read(static_cast<qint64>(game::kMaxBoardFileBytes)).toStdString());
}

Opened open_set(const QString& path) {
  Opened o;
  o.path = path;
  if (QString why = link_problem(path); !why.isEmpty()) {
    o.refusal = why;
    return o;
  }
  // The stamp before the read: a change between the two is then seen as a
  // change at the first save, never missed.
  o.stamp = stamp_of(path);
  if (!QFileInfo::exists(path)) {
    o.set = new_set();
    o.fresh = true;
    o.note = Editor::tr("A new set: nothing is written until you save.");
    return o;
  }
  try {
    o.set = game::read_boards(path.toStdString());
  } catch (const game::BoardError& e) {
    o.error = QString::fromStdString(e.what());
    o.unreadable = e.unreadable;
    return o;
  }
  o.own_lines = file_has_own_lines(path);
  const auto n = static_cast<int>(o.set.boards.size());
  o.note =
      // English has no catalogue, so its singular is a text of its own.
      (n == 1 ? Editor::tr("%n board read from %1.", nullptr, n)
              : Editor::tr("%n boards read from %1.", nullptr, n))
          .arg(QFileInfo(path).fileName());
  o.leftovers = leftovers_beside(path);
  if (!o.leftovers.isEmpty())
    //: %1: file names such as mine.boards.Ab12Cd; %2: the set's own file name
    o.note += " " + Editor::tr(
                        "Beside it: %1, left by a save that was interrupted (or a file of your "
                        "own of that shape). %2 itself is whole; the editor leaves the rest to "
                        "you.")
                        .arg(o.leftovers.join(", "), QFileInfo(path).fileName());
  return o;
}

}  // namespace zandovik::app::editor
