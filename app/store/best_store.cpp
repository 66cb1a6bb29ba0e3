#include "app/store/best_store.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cstdio>

namespace zandovik::app::store {

namespace {

constexpr int kSpeeds[] = {100, 85, 70};

// The folder's lock, held while a table is read, changed and written.
class FolderLock {
 public:
  explicit FolderLock(const QString& folder) {
    const QByteArray path = QFile::encodeName(folder + "/.lock");
    fd_ = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd_ >= 0)
      while (::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
      }
  }
  ~FolderLock() {
    if (fd_ >= 0) ::close(fd_);
  }
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;
  bool held() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

void remove_recording(const QString& folder, const std::string& name) {
  if (!game::recording_name_problem(name))
    QFile::remove(folder + "/" + QString::fromStdString(name));
}

// Reads the table (none yet: an empty one), lets `change` alter it, and
// writes it back whole. False with `error` if it could not be read or
// written; a table that cannot be read is left as it is.
template <typename Change>
bool change_table(const QString& folder, const TableId& id, QString* error, Change change) {
  const auto fail = [&](const QString& why) {
    if (error) *error = why;
    return false;
  };
  if (!QDir().mkpath(folder))
    return fail(folder + ": " + QCoreApplication::translate("Store", "cannot make the folder"));
  FolderLock lock(folder);
  if (!lock.held())
    return fail(folder + ": " +
                //: Another zandovik is changing the best games just now.
                QCoreApplication::translate("Store", "cannot take the lock"));
  const QString path = folder + "/" + table_file(id);
  game::BestTable table;
  if (QFile::exists(path) || QFileInfo(path).isSymLink()) {
    try {
      table = game::read_best(path.toStdString());
    } catch (const game::BestError& e) {
      return fail(QString::fromStdString(e.what()));
    }
  }
  if (!change(table)) return true;
  QSaveFile out(path);
  const std::string text = game::format_best(table);
  if (!out.open(QIODevice::WriteOnly) ||
      out.write(text.data(), static_cast<qint64>(text.size())) < 0 || !out.commit())
    return fail(path + ": " + out.errorString());
  return true;
}

}  // namespace

QString set_of(const std::string& boards) {
  if (boards.empty()) return QStringLiteral("builtin");
  QString name = QFileInfo(QString::fromStdString(boards)).fileName();
  if (name.endsWith(".boards")) name.chop(7);
  return name;
}

QString table_file(const TableId& id) {
  return id.set + "-" + QString::number(id.speed) + ".best";
}

std::optional<TableId> table_of_file(const QString& file_name) {
  if (!file_name.endsWith(".best")) return std::nullopt;
  const QString stem = file_name.chopped(5);
  const auto dash = stem.lastIndexOf('-');
  if (dash <= 0) return std::nullopt;
  bool ok = false;
  const int speed = stem.mid(dash + 1).toInt(&ok);
  if (!ok || std::find(std::begin(kSpeeds), std::end(kSpeeds), speed) == std::end(kSpeeds))
    return std::nullopt;
  return TableId{stem.left(dash), speed};
}

std::vector<ShownTable> read_tables(const QString& folder, bool verify) {
  std::vector<ShownTable> out;
  const QDir dir(folder);
  for (const QString& name :
       dir.entryList({"*.best"}, QDir::Files | QDir::System | QDir::Hidden, QDir::Name)) {
    ShownTable t;
    t.path = folder + "/" + name;
    if (auto id = table_of_file(name)) {
      t.id = *id;
    } else {
      t.id.set = name;
      t.problem = t.path + ": not a table's name (SET-SPEED.best, the speed 100, 85 or 70)";
      out.push_back(std::move(t));
      continue;
    }
    try {
      t.table = game::read_best(t.path.toStdString());
    } catch (const game::BestError& e) {
      t.problem = QString::fromStdString(e.what());
    }
    if (verify)
      for (const auto& e : t.table.entries)
        t.proofs.push_back(game::verify_entry(e, folder.toStdString()));
    out.push_back(std::move(t));
  }
  std::stable_sort(out.begin(), out.end(), [](const ShownTable& a, const ShownTable& b) {
    return a.id.set != b.id.set ? a.id.set < b.id.set : a.id.speed > b.id.speed;
  });
  return out;
}

std::optional<std::size_t> enter_game(const QString& folder, const TableId& id,
                                      game::BestEntry game, QString* error) {
  std::optional<std::size_t> rank;
  std::vector<game::BestEntry> dropped;
  const bool ok = change_table(folder, id, error, [&](game::BestTable& t) {
    rank = game::enter_best(t, game, &dropped);
    return rank.has_value();
  });
  if (!ok || !rank) remove_recording(folder, game.recording);
  for (const auto& e : dropped) remove_recording(folder, e.recording);
  return ok ? rank : std::nullopt;
}

bool forget_game(const QString& folder, const TableId& id, const std::string& recording,
                 QString* error) {
  return change_table(folder, id, error, [&](game::BestTable& t) {
    const auto gone = std::remove_if(t.entries.begin(), t.entries.end(),
                                     [&](const auto& e) { return e.recording == recording; });
    if (gone == t.entries.end()) return false;
    t.entries.erase(gone, t.entries.end());
    remove_recording(folder, recording);
    return true;
  });
}

bool rename_player(const QString& folder, const TableId& id, const std::string& recording,
                   const std::string& name, QString* error) {
  if (auto why = game::player_name_problem(name)) {
    if (error) *error = QString::fromStdString(*why);
    return false;
  }
  return change_table(folder, id, error, [&](game::BestTable& t) {
    bool found = false;
    for (auto& e : t.entries)
      if (e.recording == recording) e.name = name, found = true;
    return found;
  });
}

void forget_all(const QString& folder) {
  QDir dir(folder);
  if (!dir.exists()) return;
  FolderLock lock(folder);
  for (const QString& name : dir.entryList({"*.best", "*.rec"}, QDir::Files | QDir::System))
    dir.remove(name);
}

void print_best(const QString& folder) {
  for (const ShownTable& t : read_tables(folder, true)) {
    if (!t.problem.isEmpty()) {
      std::fprintf(stderr, "zandovik: %s\n", qPrintable(t.problem));
      continue;
    }
    const QByteArray set = t.id.set.toUtf8();
    // A game that does not prove itself is never counted as the best: the
    // verified rank first, in their order.
    std::vector<std::size_t> order(t.table.entries.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_partition(order.begin(), order.end(),
                          [&](std::size_t i) { return t.proofs[i].verified; });
    for (std::size_t rank = 0; rank < order.size(); ++rank) {
      const std::size_t i = order[rank];
      const auto& e = t.table.entries[i];
      std::printf("%s\t%d\t%zu\t%lld\t%lld\t%s\t%s\t%s\n", set.constData(), t.id.speed, rank + 1,
                  static_cast<long long>(e.score), static_cast<long long>(e.level), e.name.c_str(),
                  e.when.c_str(), t.proofs[i].verified ? "verified" : "not verified");
    }
  }
}

}  // namespace zandovik::app::store
