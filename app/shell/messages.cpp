#include "app/shell/messages.h"

#include <unistd.h>

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

#include "app/shell/display.h"

namespace zandovik::app {

namespace {

// The toolkit may report from its own threads (the X event reader) too.
std::mutex g_mutex;
bool g_holding = false;
std::string g_what;
std::vector<std::string> g_held;

void on_message(QtMsgType type, const QMessageLogContext&, const QString& msg) {
  const std::string text = msg.toLocal8Bit().toStdString();
  std::unique_lock lock(g_mutex);
  if (g_holding) {
    if (type != QtFatalMsg) {
      g_held.push_back(text);
      return;
    }
    const std::string line = "zandovik: " + start_failure(g_what, g_held, text) + "\n";
    [[maybe_unused]] auto n = ::write(STDERR_FILENO, line.data(), line.size());
    ::_exit(1);
  }
  lock.unlock();
  std::fprintf(stderr, "%s\n", text.c_str());
  if (type == QtFatalMsg) std::abort();
}

}  // namespace

void hold_toolkit_messages(std::string what) {
  {
    std::lock_guard lock(g_mutex);
    g_holding = true;
    g_what = std::move(what);
  }
  qInstallMessageHandler(on_message);
}

void release_toolkit_messages() {
  std::vector<std::string> held;
  {
    std::lock_guard lock(g_mutex);
    g_holding = false;
    held.swap(g_held);
  }
  for (const auto& line : held) std::fprintf(stderr, "%s\n", line.c_str());
}

}  // namespace zandovik::app
