#pragma once
// The best-games tables on disk: one file per board set and game speed in
// the best folder, beside the recordings that prove their entries. Every
// change is made under the folder's lock on the table as it is on disk
// then, so two games running at once never lose each other's entries.
#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/best.h"

namespace zandovik::app::store {

struct TableId {
  QString set;  // "builtin", a shipped set's name, a player's set's file name without .boards
  int speed = 100;
  bool operator==(const TableId&) const = default;
};
// The table's set for what --boards was given: "builtin" for nothing, a
// shipped set's name, else the file's name without ".boards".
QString set_of(const std::string& boards);
// "SET-SPEED.best"; the speed is after the last '-'.
QString table_file(const TableId& id);
std::optional<TableId> table_of_file(const QString& file_name);

struct ShownTable {
  TableId id;
  QString path;
  game::BestTable table;
  std::vector<game::Proof> proofs;  // one per entry, when verified
  QString problem;                  // the file could not be read
};
// Every table in `folder`, by set then speed; `verify` replays every entry.
std::vector<ShownTable> read_tables(const QString& folder, bool verify);

// Puts a finished game in its table. `recording` is a closed recording in
// the folder already; it stays only if the game entered (the rank), and is
// removed otherwise, as are the recordings of games that fell off.
std::optional<std::size_t> enter_game(const QString& folder, const TableId& id,
                                      game::BestEntry game, QString* error);
// Removes an entry and its recording.
bool forget_game(const QString& folder, const TableId& id, const std::string& recording,
                 QString* error);
bool rename_player(const QString& folder, const TableId& id, const std::string& recording,
                   const std::string& name, QString* error);
// Removes every table and recording (Keep turned off and forget asked).
void forget_all(const QString& folder);

// `zandovik --best`: every table on standard output, one game a line,
// TAB-separated; a bad table named on standard error. Untranslated.
void print_best(const QString& folder);

}  // namespace zandovik::app::store
