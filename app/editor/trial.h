#pragma once
// F5: the board played in the game itself, a process of its own started
// from the same program on a one-board set. The editor is left as it is;
// the player comes back by closing the game's window. The game ends with
// the editor, however the editor ends, and the set it plays is a file in
// memory that goes with them both.
#include <QString>
#include <functional>
#include <memory>

#include "game/boards.h"

class QProcess;

namespace zandovik::app::editor {

class Trial {
 public:
  using Say = std::function<void(const QString& text, bool problem)>;
  explicit Trial(Say say);
  ~Trial();
  void start(const game::Board& b, int number);
  bool running() const;

 private:
  Say say_;
  int set_fd_ = -1;  // the set the game plays, held until it ends
  std::unique_ptr<QProcess> game_;
};

}  // namespace zandovik::app::editor
