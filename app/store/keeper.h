#pragma once
// With Keep on: the run is recorded into the best folder, and each game
// that ends with a score is offered to its table with a copy of the
// recording closed at its end. The copy and the table are written off the
// game's thread (the recorder's).
#include <QString>
#include <string>

#include "app/store/best_store.h"
#include "game/best.h"
#include "game/session.h"

namespace zandovik::app::store {

class Keeper {
 public:
  // `run`: the player's own --record file, else empty: the run is recorded
  // into the best folder and removed at the end.
  Keeper(game::Session& session, std::string version, TableId table);
  // Before show. False (said on stderr) if the run cannot be recorded.
  bool start(const std::string& run);
  void before(const game::Input& in);  // before every input
  void after();                        // after every wake
  // The set or the speed changes: the game on ends first.
  void switch_table(const TableId& table);
  // Keep turned off (or on again) during the run.
  void set_on(bool on) { on_ = on; }
  void closing();  // before the session's close
  void closed();   // after it: everything is written

 private:
  void end(const game::Finished& f);
  game::Session& session_;
  std::string version_;
  TableId table_;
  QString folder_;
  std::string name_;  // the player's, looked up once
  std::string run_;
  bool own_run_ = false;
  int kept_ = 0;
  bool on_ = true;
  game::GameEnds ends_;
};

}  // namespace zandovik::app::store
