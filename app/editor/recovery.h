#pragma once
// The recovery copy of a set with unsaved changes, kept where the player's
// files are not: $XDG_DATA_HOME/zandovik/recovery/, one per FILE. Written
// whole or not at all; removed once the changes are saved or discarded.
#include <QDateTime>
#include <QString>
#include <optional>
#include <string>

#include "game/boards.h"

namespace zandovik::app::editor {

class Recovery {
 public:
  explicit Recovery(const QString& file);
  QString path() const { return path_; }
  bool exists() const;
  // The set's text, with a comment naming FILE. False, with the reason.
  bool write(const game::BoardSet& set, QString& why) const;
  void remove() const;

  struct Found {
    QDateTime when;
    game::BoardSet set;
    QString error;  // the copy is there but cannot be read: why
  };
  // A copy newer than FILE (or FILE is gone), for the player to restore.
  std::optional<Found> newer_than_file() const;

 private:
  QString file_, path_;
};

// The folder the copies are kept in.
QString recovery_folder();

}  // namespace zandovik::app::editor
