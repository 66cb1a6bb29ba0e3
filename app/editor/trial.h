#pragma once
// F5: the board played in the game itself, a process of its own started
// from the same program on a one-board file. The editor is left as it is;
// the player comes back by closing the game's window.
#include <QString>
#include <functional>
#include <memory>

#include "game/boards.h"

class QProcess;
class QTemporaryFile;

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
  std::unique_ptr<QTemporaryFile> file_;
  std::unique_ptr<QProcess> game_;
};

}  // namespace zandovik::app::editor
