#pragma once
// FILE as the editor finds it when it opens it: the set, what a later save
// must check it against, and what lies beside it. No widgets.
#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <string_view>

#include "game/boards.h"

namespace zandovik::app::editor {

// What FILE was when the editor last read or wrote it, so that a change by
// another program is seen before a save would write over it.
struct FileStamp {
  bool exists = false;
  qint64 size = 0;
  qint64 mtime_ns = 0;
  QByteArray digest;  // of the content
  bool operator==(const FileStamp&) const = default;
};
// FILE now, through links.
FileStamp stamp_of(const QString& path);

// Why FILE can be neither read nor begun as a new set (a link that leads
// nowhere or round in a loop), or nothing.
QString link_problem(const QString& path);

// Files beside FILE named as an interrupted save leaves them (FILE.XXXXXX).
// They are named to the player, never removed: a player's own file may have
// that shape.
QStringList leftovers_beside(const QString& path);

// Lines of the text that a save does not write back: comments and blank
// lines.
bool has_own_lines(std::string_view text);
// The same of FILE as it is now.
bool file_has_own_lines(const QString& path);

struct Opened {
  game::BoardSet set;
  QString path;
  FileStamp stamp;
  bool own_lines = false;   // the file has lines the first save drops
  bool fresh = false;       // a new set: FILE was not there or was not read
  QString note;             // what the message area says first
  QString error;            // FILE cannot be read as a set: why (then set is empty)
  bool unreadable = false;  // `error` is the system's: the file could not be read at all
  QString refusal;          // nor begun anew in its place: why
  QStringList leftovers;
};

// Reads FILE for the editor. `error` says why it could not be read as a
// set, `refusal` why no set can be kept there; a missing FILE is a new set.
Opened open_set(const QString& path);

}  // namespace zandovik::app::editor
