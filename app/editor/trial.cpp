#include "app/editor/trial.h"

#include <QCoreApplication>
#include <QDir>
#include <QObject>
#include <QProcess>
#include <QTemporaryFile>

namespace zandovik::app::editor {

Trial::Trial(Say say) : say_(std::move(say)) {}

Trial::~Trial() {
  if (game_) game_->disconnect();  // no word from it once the editor is gone
}

bool Trial::running() const {
  return game_ && game_->state() != QProcess::NotRunning;
}

void Trial::start(const game::Board& b, int number) {
  if (running())
    return say_(QObject::tr("The game is open already: close it to play again."), true);
  auto file = std::make_unique<QTemporaryFile>(QDir::tempPath() + "/zandovik-trial-XXXXXX.boards");
  const std::string text = game::format_boards(game::BoardSet{{b}});
  if (!file->open() ||
      file->write(text.data(), static_cast<qint64>(text.size())) !=
          static_cast<qint64>(text.size()) ||
      !file->flush())
    return say_(QObject::tr("Cannot play: %1").arg(file->errorString()), true);
  auto game = std::make_unique<QProcess>();
  game->setProcessChannelMode(QProcess::ForwardedChannels);
  QObject::connect(game.get(), &QProcess::finished, [this](int code, QProcess::ExitStatus how) {
    if (how == QProcess::NormalExit && code == 0)
      say_(QObject::tr("Back from the game."), false);
    else
      say_(QObject::tr("The game ended with status %1: its message is on standard error.")
               .arg(how == QProcess::NormalExit ? code : 128),
           true);
  });
  game->start(QCoreApplication::applicationFilePath(), {"--boards", file->fileName(), "--trial"});
  if (!game->waitForStarted(5000))
    return say_(QObject::tr("Cannot start the game: %1").arg(game->errorString()), true);
  file_ = std::move(file);
  game_ = std::move(game);
  say_(QObject::tr("Playing board %1 in the game: Escape comes back.").arg(number), false);
}

}  // namespace zandovik::app::editor
