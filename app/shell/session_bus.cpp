#include "app/shell/session_bus.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/shell/environment.h"

namespace zandovik::app {

namespace {

// Time enough for any bus that works, on a machine however busy; the first
// frame waits this long only for one that does not.
constexpr int kBusAnswerMs = 1000;

// A bus address's values escape bytes as %XX.
std::string unescape(const std::string& v) {
  std::string out;
  for (std::size_t i = 0; i < v.size(); ++i) {
    if (v[i] == '%' && i + 2 < v.size()) {
      out += static_cast<char>(std::strtol(v.substr(i + 1, 2).c_str(), nullptr, 16));
      i += 2;
    } else {
      out += v[i];
    }
  }
  return out;
}

bool wait_for(int fd, short events, int ms) {
  pollfd p{fd, events, 0};
  int n;
  do {
    n = ::poll(&p, 1, ms);
  } while (n < 0 && errno == EINTR);
  return n > 0;
}

}  // namespace

std::string bus_socket(const std::string& address) {
  std::size_t start = 0;
  while (start <= address.size()) {
    const std::size_t end = std::min(address.find(';', start), address.size());
    const std::string entry = address.substr(start, end - start);
    start = end + 1;
    if (entry.rfind("unix:", 0) != 0) continue;
    std::size_t k = 5;
    while (k < entry.size()) {
      const std::size_t comma = std::min(entry.find(',', k), entry.size());
      const std::string kv = entry.substr(k, comma - k);
      k = comma + 1;
      if (kv.rfind("path=", 0) == 0) return unescape(kv.substr(5));
      if (kv.rfind("abstract=", 0) == 0) return "@" + unescape(kv.substr(9));
    }
  }
  return {};
}

BusAnswer ask_session_bus(const std::string& address, const std::string& runtime_dir,
                          int timeout_ms) {
  std::string where =
      address.empty() ? (runtime_dir.empty() ? "" : runtime_dir + "/bus") : bus_socket(address);
  sockaddr_un sa{};
  sa.sun_family = AF_UNIX;
  if (where.empty() || where.size() >= sizeof sa.sun_path) return BusAnswer::unknown;
  std::memcpy(sa.sun_path, where.data(), where.size());
  if (where[0] == '@') sa.sun_path[0] = '\0';
  const auto len = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + where.size());
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (fd < 0) return BusAnswer::unknown;
  BusAnswer answer = BusAnswer::answers;  // refused at once: nothing waits on it
  bool connected = ::connect(fd, reinterpret_cast<const sockaddr*>(&sa), len) == 0;
  if (!connected && (errno == EINPROGRESS || errno == EAGAIN)) {
    connected = wait_for(fd, POLLOUT, timeout_ms);
    if (!connected) answer = BusAnswer::silent;  // not even taken
  }
  if (connected) {
    // The first line of the bus's handshake; any reply is an answer.
    std::string hello("\0AUTH EXTERNAL ", 15);
    for (char c : std::to_string(::getuid())) {
      char hex[3];
      std::snprintf(hex, sizeof hex, "%02x", static_cast<unsigned char>(c));
      hello += hex;
    }
    hello += "\r\n";
    const auto sent = ::send(fd, hello.data(), hello.size(), MSG_NOSIGNAL);
    if (sent == static_cast<ssize_t>(hello.size()) && !wait_for(fd, POLLIN, timeout_ms))
      answer = BusAnswer::silent;
  }
  ::close(fd);
  return answer;
}

void keep_off_a_silent_bus() {
  const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS");
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (ask_session_bus(address ? address : "", runtime ? runtime : "", kBusAnswerMs) !=
      BusAnswer::silent)
    return;
  // Not a socket: every call on the bus fails at once instead of waiting.
  set_env("DBUS_SESSION_BUS_ADDRESS", "unix:path=/dev/null");
  std::fprintf(stderr,
               "zandovik: the session bus does not answer: playing without it (no screen "
               "reader, no screen-saver inhibit)\n");
}

}  // namespace zandovik::app
