#include "app/editor/trial.h"

#include <sys/mman.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QProcess>
#include <cerrno>
#include <csignal>
#include <cstring>

#include "app/editor/texts.h"

namespace zandovik::app::editor {

namespace {

// The set as a plain file in memory, open without close-on-exec so the
// game can open it by /proc/self/fd. -1, with errno, if it cannot be made.
int set_in_memory(const std::string& text) {
  const int fd = ::memfd_create("zandovik-trial.boards", 0);
  if (fd < 0) return -1;
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      const int saved = n < 0 ? errno : ENOSPC;
      ::close(fd);
      errno = saved;
      return -1;
    }
    done += static_cast<std::size_t>(n);
  }
  return fd;
}

}  // namespace

Trial::Trial(Say say) : say_(std::move(say)) {}

Trial::~Trial() {
  if (game_) game_->disconnect();  // no word from it once the editor is gone
  if (set_fd_ >= 0) ::close(set_fd_);
}

bool Trial::running() const {
  return game_ && game_->state() != QProcess::NotRunning;
}

void Trial::start(const game::Board& b, int number) {
  if (running()) return say_(Editor::tr("The game is open already: close it to play again."), true);
  if (set_fd_ >= 0) ::close(set_fd_);
  set_fd_ = set_in_memory(game::format_boards(game::BoardSet{{b}}));
  if (set_fd_ < 0)
    return say_(Editor::tr("Cannot play: %1").arg(QString::fromLocal8Bit(std::strerror(errno))),
                true);
  auto game = std::make_unique<QProcess>();
  game->setProcessChannelMode(QProcess::ForwardedChannels);
  const pid_t editor = ::getpid();
  // The game goes when the editor goes, by a kill -9 too; an editor gone
  // before this line ran is seen by the parent having changed.
  game->setChildProcessModifier([editor] {
    ::prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (::getppid() != editor) ::_exit(1);
  });
  QObject::connect(game.get(), &QProcess::finished, [this](int code, QProcess::ExitStatus how) {
    if (how == QProcess::NormalExit && code == 0)
      say_(Editor::tr("Back from the game."), false);
    else
      say_(Editor::tr("The game ended with status %1: its message is on standard error.")
               .arg(how == QProcess::NormalExit ? code : 128),
           true);
  });
  const QString set = QString("/proc/self/fd/%1").arg(set_fd_);
  game->start(QCoreApplication::applicationFilePath(), {"--boards", set, "--trial"});
  if (!game->waitForStarted(5000))
    return say_(Editor::tr("Cannot start the game: %1").arg(game->errorString()), true);
  game_ = std::move(game);
  say_(Editor::tr("Playing board %1 in the game: Escape comes back.").arg(number), false);
}

}  // namespace zandovik::app::editor
