// Reading a recording: opened once, checked whole, then read again line by
// line as it plays. Memory holds the seeds and the boards in play, never the
// lines.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>
#include <vector>

#include "game/boards.h"
#include "game/replay.h"

namespace zandovik::game {

namespace {

constexpr const char* kMagic = "zandovik-replay";

// Said of a line other than the one being read: it names its own.
struct PlacedError : ReplayError {
  using ReplayError::ReplayError;
};

}  // namespace

// Lines from an open descriptor through a small buffer.
struct RecordingFile::Reader {
  int fd = -1;
  char buf[1 << 16];
  std::size_t pos = 0, len = 0;
  std::uint64_t total = 0;
  ~Reader() {
    if (fd >= 0) ::close(fd);
  }
  // False at the end of the file. `whole` is false for a last line with no
  // newline; a line longer than the limit comes back cut, and `whole` false.
  bool line(std::string& out, bool& whole) {
    out.clear();
    whole = false;
    for (;;) {
      if (pos == len) {
        ssize_t n;
        do n = ::read(fd, buf, sizeof buf);
        while (n < 0 && errno == EINTR);
        if (n < 0) throw ReplayError(std::strerror(errno));
        if (n == 0) return !out.empty();
        pos = 0, len = static_cast<std::size_t>(n);
        total += len;
        if (total > kReplayMaxBytes) throw ReplayError("larger than any recording");
      }
      const char* start = buf + pos;
      const auto* nl = static_cast<const char*>(std::memchr(start, '\n', len - pos));
      const std::size_t take = nl ? static_cast<std::size_t>(nl - start) : len - pos;
      if (out.size() <= kReplayMaxLine) out.append(start, std::min(take, kReplayMaxLine + 1));
      pos += take + (nl ? 1 : 0);
      if (nl) {
        whole = true;
        return true;
      }
    }
  }
  void rewind() {
    if (::lseek(fd, 0, SEEK_SET) != 0) throw ReplayError(std::strerror(errno));
    pos = len = 0;
    total = 0;
  }
};

// Every rule a recording's lines must keep, in the order they come.
struct RecordingFile::Checker {
  int format = 0;  // none until the first line names it
  bool shown = false, ended = false;
  double last = 0;
  std::string block;              // board and row lines not yet taken
  std::vector<long> block_lines;  // the recording's line of each of them

  void check(ReplayLine& l, long number, const std::string& path) {
    using K = ReplayLine::Kind;
    if (ended) throw ReplayError("a line after the closing line");
    if (l.kind == K::seed) return;
    if (l.kind == K::board || l.kind == K::row) {
      if (shown && format < 3) throw ReplayError("boards after the window was shown");
      // Digits only: a row line must not turn into a board line or a comment.
      if (l.kind == K::row && l.text.find_first_not_of("0123456789") != std::string::npos)
        throw ReplayError("a row is " + kRowDigits + " 0 to 9, not '" + l.text.substr(0, 32) + "'");
      const std::string line = l.kind == K::board ? format_replay_line(l) : l.text;
      // Kept until they are taken, so no more than a board file holds.
      if (std::strlen(kBoardsMagic) + block.size() + line.size() + 2 > kMaxBoardFileBytes)
        throw ReplayError("more boards than the " + kBoardFileSize + " a board file holds");
      block += line + '\n';
      block_lines.push_back(number);
      return;
    }
    // Before the window, only its speed may come first.
    if (!shown && l.kind != K::show && l.kind != K::speed)
      throw ReplayError("the first event is not 'show'");
    if (shown && l.kind == K::show) throw ReplayError("a second 'show'");
    if (shown && !block.empty() && l.kind != K::switch_boards)
      throw ReplayError("boards that no 'switch_boards' takes");
    if (l.at < last)
      throw ReplayError("the time goes backwards (" + time_text(l.at) + " ms after " +
                        time_text(last) + " ms)");
    if (l.kind == K::show || l.kind == K::switch_boards) l.boards = take_block(path);
    last = l.at;
    shown = shown || l.kind == K::show;
    ended = l.kind == K::end;
  }

  // The board lines above, as the set they make (none: no lines).
  std::shared_ptr<const BoardSet> take_block(const std::string& path) {
    if (block.empty()) return nullptr;
    const std::string text = std::exchange(block, {});
    const std::vector<long> lines = std::exchange(block_lines, {});
    try {
      return std::make_shared<const BoardSet>(
          parse_boards(std::string(kBoardsMagic) + "\n" + text, path));
    } catch (const BoardError& e) {
      // Line 1 of the boards' text is its magic; line 2 on are the recording's.
      if (e.line >= 2 && e.line - 2 < lines.size())
        throw PlacedError(path + ": line " + std::to_string(lines[e.line - 2]) + ": " + e.reason);
      throw PlacedError(path + ": its boards: " + e.what());
    }
  }
};

std::unique_ptr<RecordingFile> RecordingFile::open(const std::string& path) {
  std::unique_ptr<RecordingFile> f(new RecordingFile);
  f->path_ = path;
  f->reader_ = std::make_unique<Reader>();
  f->checker_ = std::make_unique<Checker>();
  // Open first, then look at what was opened: a pipe must not keep the
  // open waiting, and nothing can be swapped in between.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) throw ReplayError("cannot read " + path + ": " + std::strerror(errno));
  f->reader_->fd = fd;
  struct stat st {};
  if (::fstat(fd, &st) != 0) throw ReplayError("cannot read " + path + ": " + std::strerror(errno));
  if (S_ISDIR(st.st_mode)) throw ReplayError("cannot read " + path + ": a folder, not a recording");
  if (!S_ISREG(st.st_mode)) throw ReplayError("cannot read " + path + ": not a plain file");
  if (static_cast<std::uint64_t>(st.st_size) > kReplayMaxBytes)
    throw ReplayError("cannot read " + path + ": larger than any recording");
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);

  // The whole file once: every line checked, the seeds kept.
  bool had_end = false;
  while (auto l = f->next()) {
    if (l->second.kind == ReplayLine::Kind::seed) f->seeds.push_back(l->second.seed);
    had_end = had_end || l->second.kind == ReplayLine::Kind::end;
  }
  const long number = f->line_ - 1;
  if (number < 2) throw ReplayError(path + ": not a zandovik recording (too short)");
  if (!f->checker_->shown)
    throw ReplayError(path + ": line " + std::to_string(number) +
                      ": the recording ends before the window is shown");
  f->closed = had_end;
  // Again from the start, as it plays: the lines checked and no others.
  f->checked_ = f->line_ - 1;
  f->reader_->rewind();
  f->line_ = 0;
  const int format = f->checker_->format;
  *f->checker_ = Checker{};
  f->checker_->format = format;
  return f;
}

RecordingFile::~RecordingFile() = default;

std::optional<std::pair<int, ReplayLine>> RecordingFile::next() {
  std::string text;
  bool whole = false;
  for (;;) {
    const int number = static_cast<int>(++line_);
    const auto where = [&](const std::string& what) {
      return ReplayError(path_ + ": line " + std::to_string(number) + ": " + what);
    };
    if (checked_ > 0 && number > checked_) return std::nullopt;  // written since the check
    bool any = false;
    try {
      any = reader_->line(text, whole);
    } catch (const ReplayError& e) {
      throw ReplayError("cannot read " + path_ + ": " + e.what());
    }
    // Cut shorter since the check: what it said of the file is no longer true.
    const auto shortened = [&] { return where("the recording was cut short while it played"); };
    if (!any) {
      if (checked_ > 0) throw shortened();
      return std::nullopt;
    }
    if (!text.empty() && text.back() == '\r') text.pop_back();  // written on another system
    if (text.size() > kReplayMaxLine) throw where("a line too long for a recording");
    if (text.find('\0') != std::string::npos) throw where("not text");
    if (number == 1) {
      const std::string magic = std::string(kMagic) + " ";
      for (int format = 1; format <= kReplayFormat; ++format)
        if (text == magic + std::to_string(format)) checker_->format = format;
      if (checker_->format > 0) continue;
      throw where(text.rfind(kMagic, 0) == 0 ? "a recording of another format"
                                             : "not a zandovik recording");
    }
    if (!whole) {
      if (checked_ > 0) throw shortened();
      // A game killed mid-write leaves its last line cut: play up to it.
      if (!checker_->ended && checker_->shown) return std::nullopt;
      throw where("the file ends in the middle of this line");
    }
    // Which version wrote it is for the reader: the checksums say whether
    // this one plays the same game.
    if (number == 2) {
      if (text.rfind("version ", 0) != 0) throw where("expected 'version' and the game's version");
      continue;
    }
    try {
      ReplayLine l = parse_replay_line(text, checker_->format);
      checker_->check(l, number, path_);
      return std::pair(number, std::move(l));
    } catch (const PlacedError&) {
      throw;
    } catch (const ReplayError& e) {
      throw where(e.what());
    }
  }
}

ReplayPlayer::ReplayPlayer(std::unique_ptr<RecordingFile> file, Runtime& rt, scene::Rng& rng)
    : file_(std::move(file)), rt_(rt) {
  // Seeds as they were drawn. One too few is found out when it is asked
  // for: the window is made with seed 0 and the replay stops there.
  rng.set_seed_source([this] {
    if (file_->seeds.empty()) {
      short_of_seeds_ = true;
      return 0u;
    }
    const std::uint32_t s = file_->seeds.front();
    file_->seeds.pop_front();
    return s;
  });
  fetch();
}

void ReplayPlayer::fetch() {
  try {
    do next_ = file_->next();
    while (next_ && next_->second.kind == ReplayLine::Kind::seed);
  } catch (const ReplayError& e) {
    next_.reset();
    error_ = e.what();
  }
}

bool ReplayPlayer::step() {
  if (!next_ || !parted_.empty() || !error_.empty()) return false;
  const auto [number, l] = std::move(*next_);
  fetch();
  switch (l.kind) {
    case ReplayLine::Kind::show:
      rt_.set_boards(l.boards);
      rt_.show(l.at);
      break;
    case ReplayLine::Kind::switch_boards:
      rt_.set_boards(l.boards);
      rt_.new_game(l.at);
      break;
    case ReplayLine::Kind::speed:
      speed_ = l.percent;
      rt_.new_game(l.at);  // none before the window is shown
      break;
    case ReplayLine::Kind::advance:
      rt_.advance_to(l.at);
      break;
    case ReplayLine::Kind::input:
      rt_.input(l.input);
      break;
    case ReplayLine::Kind::check:
    case ReplayLine::Kind::end:
      if (checksum(rt_.state(), rt_.scene()) != l.sum) {
        parted_ = "line " + std::to_string(number) + " (" + time_text(l.at) + " ms)";
        next_.reset();
        return false;
      }
      ended_ = l.kind == ReplayLine::Kind::end;
      break;
    default:
      break;
  }
  if (short_of_seeds_) {
    error_ = file_->path() + ": line " + std::to_string(number) +
             ": the recording has fewer seeds than window creations";
    next_.reset();
  }
  return error_.empty();
}

bool ReplayPlayer::run() {
  while (step()) {
  }
  return parted_.empty() && error_.empty();
}

}  // namespace zandovik::game
