#include "app/store/keeper.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <cstdio>

#include "app/store/folders.h"

namespace zandovik::app::store {

namespace {

void say(const std::string& what) {
  std::fprintf(stderr, "zandovik: %s\n", what.c_str());
}

// Local time with its offset: 2026-12-09T21:40:05+01:00.
std::string now_iso() {
  const QDateTime local = QDateTime::currentDateTime();
  return local.toOffsetFromUtc(local.offsetFromUtc()).toString(Qt::ISODate).toStdString();
}

}  // namespace

Keeper::Keeper(game::Session& session, std::string version, TableId table)
    : session_(session),
      version_(std::move(version)),
      table_(std::move(table)),
      folder_(best_dir()),
      name_(player_name().toStdString()) {}

bool Keeper::start(const std::string& run) {
  if (!run.empty()) {
    run_ = run;
    return session_.recording();
  }
  if (!QDir().mkpath(folder_)) {
    say(folder_.toStdString() + ": " +
        QCoreApplication::translate("Store", "cannot make the folder; no best games are kept")
            .toStdString());
    return false;
  }
  run_ =
      (folder_ + QString("/run-%1-%2.rec").arg(QDateTime::currentMSecsSinceEpoch()).arg(::getpid()))
          .toStdString();
  own_run_ = session_.record(run_, version_, say);
  return own_run_;
}

void Keeper::end(const game::Finished& f) {
  if (!on_ || !session_.recording()) return;
  const std::string stamp = QDateTime::currentDateTime().toString("yyyyMMddTHHmmss").toStdString();
  const std::string name =
      "game-" + stamp + "-" + std::to_string(::getpid()) + "-" + std::to_string(++kept_) + ".rec";
  game::BestEntry entry{f.score, f.level, now_iso(), name_, name};
  const QString folder = folder_;
  const TableId table = table_;
  session_.keep_recording(
      folder_.toStdString() + "/" + name, [folder, table, entry](const std::string& failed) {
        if (!failed.empty())
          return say(QCoreApplication::translate("Store", "cannot keep the game: %1")
                         .arg(QString::fromStdString(failed))
                         .toStdString());
        QString error;
        enter_game(folder, table, entry, &error);
        if (!error.isEmpty()) say(error.toStdString());
      });
}

void Keeper::before(const game::Input& in) {
  if (auto f = ends_.before(in, session_.state())) end(*f);
}

void Keeper::after() {
  if (session_.shown())
    if (auto f = ends_.after(session_.state(), session_.scene())) end(*f);
}

void Keeper::switch_table(const TableId& table) {
  if (auto f = ends_.now(session_.state())) end(*f);
  table_ = table;
}

void Keeper::closing() {
  if (session_.shown())
    if (auto f = ends_.now(session_.state())) end(*f);
}

void Keeper::closed() {
  if (own_run_) QFile::remove(QString::fromStdString(run_));
}

}  // namespace zandovik::app::store
