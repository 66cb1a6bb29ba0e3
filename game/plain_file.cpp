#include "game/plain_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace zandovik::game {

std::string read_plain_file(const std::string& path, std::size_t max_bytes,
                            const std::string& kind) {
  const auto fail = [&](const std::string& what) { return PlainFileError(path + ": " + what); };
  // Opened without waiting, so a pipe with no writer cannot hold the game.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) throw fail(std::string("cannot open: ") + std::strerror(errno));
  struct Closer {
    int fd;
    ~Closer() { ::close(fd); }
  } closer{fd};
  struct stat st {};
  if (::fstat(fd, &st) != 0) throw fail(std::string("cannot read: ") + std::strerror(errno));
  if (S_ISDIR(st.st_mode)) throw fail("a folder, not " + kind);
  if (!S_ISREG(st.st_mode)) throw fail("not a plain file, so not " + kind);
  const int flags = ::fcntl(fd, F_GETFL);
  if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
  // One byte past the budget tells a file that is too large.
  std::string text;
  char buf[1 << 14];
  while (text.size() <= max_bytes) {
    const std::size_t want = std::min(sizeof buf, max_bytes + 1 - text.size());
    const ssize_t got = ::read(fd, buf, want);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) throw fail(std::string("cannot read: ") + std::strerror(errno));
    if (got == 0) break;
    text.append(buf, static_cast<std::size_t>(got));
  }
  if (text.size() > max_bytes)
    throw fail("larger than " + std::to_string(max_bytes) + " bytes, so not " + kind);
  return text;
}

}  // namespace zandovik::game
