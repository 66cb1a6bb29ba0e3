// Writing a recording: the game hands each line over and plays on; a
// thread of the recorder's own writes them, so a slow disk never holds up a
// tick. The file is made new, never opened over something that exists:
// a player's earlier recording is never replaced, and a pipe or a device
// (which could block an open or a write for good) is never written.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <mutex>
#include <thread>

#include "game/boards.h"
#include "game/names.h"
#include "game/replay.h"

namespace zandovik::game {

namespace {
// Lines waiting for the disk: minutes of play. A disk that falls this far
// behind ends the recording rather than the game's memory.
constexpr std::size_t kMaxPendingBytes = 4u << 20;

bool write_all(int fd, const char* data, std::size_t size, std::string& err) {
  for (std::size_t done = 0; done < size;) {
    const ssize_t n = ::write(fd, data + done, size - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      err = n < 0 ? std::strerror(errno) : "nothing written";
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// The first `size` bytes of `from` and then `tail`, into a new file `to`;
// nothing is left of `to` if that fails. The error, or "".
std::string copy_closed(const std::string& from, std::uint64_t size, const std::string& tail,
                        const std::string& to) {
  const int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
  if (in < 0) return from + ": " + std::strerror(errno);
  const int out = ::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0644);
  if (out < 0) {
    const std::string err = to + ": " + std::strerror(errno);
    ::close(in);
    return err;
  }
  std::string err;
  char buf[1 << 16];
  for (std::uint64_t left = size; left > 0 && err.empty();) {
    const ssize_t n = ::read(in, buf, std::min<std::uint64_t>(sizeof buf, left));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      err = n < 0 ? std::strerror(errno) : "the recording is shorter than written";
      break;
    }
    left -= static_cast<std::uint64_t>(n);
    write_all(out, buf, static_cast<std::size_t>(n), err);
  }
  if (err.empty()) write_all(out, tail.data(), tail.size(), err);
  if (err.empty() && ::fsync(out) != 0) err = std::strerror(errno);
  ::close(in);
  if (::close(out) != 0 && err.empty()) err = std::strerror(errno);
  if (!err.empty()) {
    ::unlink(to.c_str());
    return to + ": " + err;
  }
  return {};
}
}  // namespace

struct Recorder::Writer {
  int fd = -1;
  std::string path;
  std::mutex m;
  std::condition_variable wake;
  std::string pending;  // whole lines, written in order
  bool stop = false, writing = false;
  std::string error;  // set once, by either thread
  std::thread thread;
  std::uint64_t accepted = 0, written = 0;  // bytes put, bytes on disk
  struct Copy {
    std::uint64_t upto;  // the bytes of the recording it holds
    std::string path, tail;
    std::function<void(const std::string&)> done;
  };
  std::deque<Copy> copies;

  ~Writer() { finish(); }

  void fail(const std::string& what) {
    if (error.empty()) error = "cannot write the recording " + printable_name(path) + ": " + what;
  }

  void run() {
    std::unique_lock lock(m);
    for (;;) {
      wake.wait(lock, [&] { return stop || !pending.empty() || !copies.empty(); });
      std::string out = std::move(pending);
      pending.clear();
      writing = true;
      lock.unlock();
      std::string err;
      write_all(fd, out.data(), out.size(), err);
      lock.lock();
      writing = false;
      if (err.empty()) written += out.size();
      if (!err.empty()) {
        fail(err);
        stop = true;
        pending.clear();
      }
      // Copies wait for their bytes; once the recording failed, none come.
      while (!copies.empty() && (copies.front().upto <= written || !error.empty())) {
        Copy c = std::move(copies.front());
        copies.pop_front();
        const std::string failed = error;
        lock.unlock();
        c.done(failed.empty() ? copy_closed(path, c.upto, c.tail, c.path) : failed);
        lock.lock();
      }
      if (stop && pending.empty() && copies.empty()) break;
    }
  }

  // False once the recording has failed.
  bool put(const std::string& line) {
    std::lock_guard lock(m);
    if (!error.empty() || stop) return false;
    if (pending.size() + line.size() > kMaxPendingBytes) {
      fail("the disk does not keep up with the game");
      stop = true;
      pending.clear();
      wake.notify_all();
      return false;
    }
    pending += line;
    accepted += line.size();
    wake.notify_all();
    return true;
  }

  void copy(Copy c) {
    std::unique_lock lock(m);
    if (!error.empty() || stop) {
      const std::string failed = error.empty() ? "the recording has ended" : error;
      lock.unlock();
      c.done(failed);
      return;
    }
    c.upto = accepted;
    copies.push_back(std::move(c));
    wake.notify_all();
  }

  void finish() {
    if (thread.joinable()) {
      {
        std::lock_guard lock(m);
        stop = true;
      }
      wake.notify_all();
      thread.join();
    }
    if (fd >= 0) ::close(fd);
    fd = -1;
  }
};

Recorder::Recorder() = default;
Recorder::~Recorder() = default;

namespace {

// A new file at `path`, never one that exists; -1 and why not, if not.
int create_new(const std::string& path, std::string& why) {
  if (path.empty()) {
    why = "no file named";
    return -1;
  }
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0644);
  if (fd < 0)
    why = errno == EEXIST ? "it exists already (a recording is never written over)"
                          : std::strerror(errno);
  return fd;
}

std::string refusal(const std::string& path, const std::string& why) {
  return "cannot record into " + (path.empty() ? "\"\"" : printable_name(path)) + ": " + why;
}

}  // namespace

bool Recorder::could_open(const std::string& path,
                          const std::function<void(const std::string&)>& say) {
  std::string why;
  const int fd = create_new(path, why);
  if (fd < 0) {
    if (say) say(refusal(path, why));
    return false;
  }
  // Only the file just made goes: the one at the path must still be it.
  struct stat made {
  }, there{};
  const bool ours = ::fstat(fd, &made) == 0 && ::lstat(path.c_str(), &there) == 0 &&
                    made.st_dev == there.st_dev && made.st_ino == there.st_ino;
  ::close(fd);
  if (ours) ::unlink(path.c_str());
  return true;
}

std::string Recorder::board_lines(const BoardSet* boards) {
  std::string text;
  if (boards)
    for (const Board& b : boards->boards) {
      ReplayLine l;
      l.kind = ReplayLine::Kind::board;
      l.text = b.name;
      text += format_replay_line(l) + "\n";
      for (const std::string& row : b.rows) text += "row " + row + "\n";
    }
  return text;
}

bool Recorder::open(const std::string& path, const std::string& version,
                    std::function<void(const std::string&)> say, const BoardSet* boards) {
  say_ = std::move(say);
  auto w = std::make_unique<Writer>();
  w->path = path;
  std::string why;
  w->fd = create_new(path, why);
  if (w->fd < 0) {
    if (say_) say_(refusal(path, why));
    return false;
  }
  const std::string head = "zandovik-replay " + std::to_string(kReplayFormat) + "\nversion " +
                           version + "\n" + board_lines(boards);
  w->thread = std::thread([raw = w.get()] { raw->run(); });
  writer_ = std::move(w);
  writer_->put(head);
  return true;
}

bool Recorder::on() const {
  return writer_ != nullptr;
}

void Recorder::put(const ReplayLine& line) {
  // Not recording, most games: nothing is formatted for nobody.
  if (writer_) put_text(format_replay_line(line) + "\n");
}

void Recorder::put_text(const std::string& lines) {
  if (!writer_) return;
  if (!writer_->put(lines)) {
    const std::string error = [&] {
      std::lock_guard lock(writer_->m);
      return writer_->error;
    }();
    // Not joined here: its thread may still be inside a slow write.
    retired_ = std::move(writer_);
    if (say_) say_(error);
  }
}

void Recorder::seed(std::uint32_t s) {
  ReplayLine l;
  l.kind = ReplayLine::Kind::seed;
  l.seed = s;
  put(l);
}

void Recorder::show(double at) {
  put({ReplayLine::Kind::show, at});
}

void Recorder::advance(double at) {
  put({ReplayLine::Kind::advance, at});
}

void Recorder::checkpoint(double at, Runtime& rt) {
  if (!on() || at - last_check_ < kReplayCheckMs || !rt.shown()) return;
  last_check_ = at;
  put({ReplayLine::Kind::check, at, 0, {}, checksum(rt.state(), rt.scene())});
}

void Recorder::input(const Input& in) {
  put({ReplayLine::Kind::input, in.at, 0, in});
}

void Recorder::keep(const std::string& path, double at, Runtime& rt,
                    std::function<void(const std::string&)> done) {
  if (!writer_) {
    done("the game is not being recorded");
    return;
  }
  const ReplayLine end{ReplayLine::Kind::end, at, 0, {}, checksum(rt.state(), rt.scene())};
  writer_->copy({0, path, format_replay_line(end) + "\n", std::move(done)});
}

void Recorder::switch_boards(double at, const BoardSet* boards) {
  // The boards and the line that takes them in one piece.
  if (writer_)
    put_text(board_lines(boards) + format_replay_line({ReplayLine::Kind::switch_boards, at}) +
             "\n");
}

void Recorder::speed(double at, int percent) {
  ReplayLine l{ReplayLine::Kind::speed, at};
  l.percent = percent;
  put(l);
}

void Recorder::end(double at, Runtime& rt) {
  if (!writer_) return;
  if (rt.shown()) put({ReplayLine::Kind::end, at, 0, {}, checksum(rt.state(), rt.scene())});
  if (!writer_) return;
  // The game is over: everything is written before the process ends.
  writer_->finish();
  const std::string error = writer_->error;
  writer_.reset();
  if (!error.empty() && say_) say_(error);
}

}  // namespace zandovik::game
