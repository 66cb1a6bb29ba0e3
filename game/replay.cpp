#include "game/replay.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace zandovik::game {

namespace {

constexpr const char* kMagic = "zandovik-replay";

struct Fnv {
  std::uint64_t h = 1469598103934665603ull;
  void bytes(const void* p, std::size_t n) {
    const auto* b = static_cast<const unsigned char*>(p);
    for (std::size_t i = 0; i < n; ++i) h = (h ^ b[i]) * 1099511628211ull;
  }
  template <class T>
  void add(const T& v) {
    bytes(&v, sizeof v);
  }
  void add(const std::string& s) {
    add(s.size());
    bytes(s.data(), s.size());
  }
};

const char* input_kind(Input::Kind k) {
  switch (k) {
    case Input::Kind::key_down:
      return "key_down";
    case Input::Kind::key_up:
      return "key_up";
    case Input::Kind::click:
      return "click";
  }
  return "";
}

// Times are written with the precision of a double, so they read back the
// same.
std::string time_text(double t) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.17g", t);
  return buf;
}

}  // namespace

std::uint64_t checksum(const GameState& s, const scene::Scene& ui) {
  Fnv f;
  for (const auto& pattern : s.levels)
    for (const auto& row : pattern) f.add(row);
  for (const auto& column : s.cells) f.bytes(column.data(), column.size() * sizeof column[0]);
  f.add(s.points), f.add(s.bonuspoints), f.add(s.hiscore), f.add(s.levelnum), f.add(s.pattern);
  f.add(s.numpatterns), f.add(s.lastcell), f.add(s.brickwidth), f.add(s.brickheight);
  f.add(s.boardtop), f.add(s.boardbottom), f.add(s.boardleft), f.add(s.boardright);
  f.add(s.paddledir), f.add(s.stepx), f.add(s.stepy), f.add(s.bricksleft), f.add(s.builtcount);
  f.add(s.speed), f.add(s.jitterx), f.add(s.jittery), f.add(s.lives), f.add(s.luckdraw);
  f.add(s.angle);
  for (double v : s.logostepx) f.add(v);
  for (auto v : s.logostepy) f.add(v);
  f.add(ui.window_caption());
  for (const scene::Element* e : ui.front_to_back()) {
    f.add(e->name), f.add(e->index), f.add(e->left), f.add(e->top), f.add(e->width);
    f.add(e->height), f.add(e->visible), f.add(e->caption), f.add(e->back_color.r);
    f.add(e->back_color.g), f.add(e->back_color.b), f.add(e->interval);
  }
  return f.h;
}

std::string format_replay_line(const ReplayLine& l) {
  std::ostringstream o;
  switch (l.kind) {
    case ReplayLine::Kind::seed:
      o << "seed " << l.seed;
      break;
    case ReplayLine::Kind::show:
      o << "show " << time_text(l.at);
      break;
    case ReplayLine::Kind::advance:
      o << "advance " << time_text(l.at);
      break;
    case ReplayLine::Kind::input:
      o << input_kind(l.input.kind) << ' ' << time_text(l.input.at) << ' ';
      if (l.input.kind == Input::Kind::click) {
        o << scene::name_of(l.input.button);
      } else {
        o << l.input.code << ' ' << l.input.shift;
      }
      break;
    case ReplayLine::Kind::check:
    case ReplayLine::Kind::end:
      o << (l.kind == ReplayLine::Kind::check ? "check " : "end ") << time_text(l.at) << ' '
        << std::hex << l.sum;
      break;
  }
  return o.str();
}

namespace {

ReplayLine parse_line(const std::string& text) {
  std::istringstream in(text);
  std::string word;
  in >> word;
  ReplayLine l;
  auto need = [&](auto& v, const char* what) {
    if (!(in >> v)) throw ReplayError(std::string("expected ") + what);
  };
  if (word == "seed") {
    l.kind = ReplayLine::Kind::seed;
    long long v = -1;
    need(v, "a seed");
    if (v < 0 || v > 4294967295LL) throw ReplayError("a seed out of range");
    l.seed = static_cast<std::uint32_t>(v);
  } else if (word == "show" || word == "advance") {
    l.kind = word == "show" ? ReplayLine::Kind::show : ReplayLine::Kind::advance;
    need(l.at, "a time");
  } else if (word == "key_down" || word == "key_up") {
    l.kind = ReplayLine::Kind::input;
    need(l.at, "a time");
    int code = 0, shift = 0;
    need(code, "a key code");
    need(shift, "a shift state");
    if (code < 0 || code > 255 || shift < 0 || shift > 7)
      throw ReplayError("a key code or shift state out of range");
    l.input = Input::key(word == "key_down", code, shift, l.at);
  } else if (word == "click") {
    l.kind = ReplayLine::Kind::input;
    need(l.at, "a time");
    std::string name;
    need(name, "a button");
    bool found = false;
    for (scene::Named b : kButtons)
      if (name == scene::name_of(b)) {
        l.input = Input::click(b, l.at);
        found = true;
      }
    if (!found) throw ReplayError("no button named '" + name.substr(0, 32) + "'");
  } else if (word == "check" || word == "end") {
    l.kind = word == "check" ? ReplayLine::Kind::check : ReplayLine::Kind::end;
    need(l.at, "a time");
    in >> std::hex;
    need(l.sum, "a checksum");
  } else {
    throw ReplayError("unknown line '" + word.substr(0, 32) + "'");
  }
  if (!(l.at >= 0 && l.at < 1e15)) throw ReplayError("a time out of range");
  std::string extra;
  if (in >> extra) throw ReplayError("more than the line takes");
  return l;
}

}  // namespace

ReplayWriter::~ReplayWriter() {
  close();
}

void ReplayWriter::close() {
  if (file_) std::fclose(file_);
  file_ = nullptr;
}

bool ReplayWriter::fail(const std::string& what) {
  error_ = "cannot write the recording " + path_ + ": " + what;
  if (file_) std::fclose(file_);
  file_ = nullptr;
  return false;
}

bool ReplayWriter::open(const std::string& path, const std::string& version) {
  path_ = path;
  file_ = std::fopen(path.c_str(), "w");
  if (!file_) return fail(std::strerror(errno));
  return write_text(std::string(kMagic) + " " + std::to_string(kReplayFormat) + "\n" + "version " +
                    version);
}

bool ReplayWriter::write(const ReplayLine& line) {
  return write_text(format_replay_line(line));
}

bool ReplayWriter::write_text(const std::string& text) {
  if (!file_) return false;
  errno = 0;
  if (std::fputs(text.c_str(), file_) < 0 || std::fputc('\n', file_) < 0 || std::fflush(file_) != 0)
    return fail(errno ? std::strerror(errno) : "write failed");
  return true;
}

bool Recorder::open(const std::string& path, const std::string& version,
                    std::function<void(const std::string&)> say) {
  say_ = std::move(say);
  if (writer_.open(path, version)) return true;
  if (say_) say_(writer_.error());
  return false;
}

void Recorder::put(const ReplayLine& line) {
  if (writer_.writing() && !writer_.write(line) && say_) say_(writer_.error());
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

void Recorder::end(double at, Runtime& rt) {
  if (on() && rt.shown()) put({ReplayLine::Kind::end, at, 0, {}, checksum(rt.state(), rt.scene())});
  writer_.close();  // the game is over: nothing after the closing line
}

Recording Recording::read(const std::string& path, const std::string& version) {
  // Only a plain file, and not one larger than days of play: never a
  // device or a pipe that would keep the reader waiting or filling memory.
  constexpr std::uintmax_t kMaxBytes = 256u << 20;
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  if (std::filesystem::is_directory(status))
    throw ReplayError("cannot read " + path + ": a folder, not a recording");
  if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
    throw ReplayError("cannot read " + path + ": not a plain file");
  if (std::filesystem::exists(status) && std::filesystem::file_size(path, ec) > kMaxBytes)
    throw ReplayError("cannot read " + path + ": larger than any recording");
  std::ifstream in(path, std::ios::binary);
  if (!in) throw ReplayError("cannot read " + path + ": " + std::strerror(errno));
  std::string all;
  try {
    all.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  } catch (const std::exception&) {
    in.setstate(std::ios::badbit);
  }
  if (in.bad()) throw ReplayError("cannot read " + path);
  Recording rec;
  std::size_t pos = 0;
  int number = 0;
  while (pos < all.size()) {
    ++number;
    const std::size_t end = all.find('\n', pos);
    const auto where = [&](const std::string& what) {
      return ReplayError(path + ": line " + std::to_string(number) + ": " + what);
    };
    if (end == std::string::npos) throw where("the file ends in the middle of this line");
    const std::string text = all.substr(pos, end - pos);
    pos = end + 1;
    if (text.size() > 200) throw where("a line too long for a recording");
    if (number == 1) {
      if (text != std::string(kMagic) + " " + std::to_string(kReplayFormat))
        throw where(text.rfind(kMagic, 0) == 0 ? "a recording of another format"
                                               : "not a zandovik recording");
      continue;
    }
    if (number == 2) {
      if (text != "version " + version)
        throw where("a recording of " +
                    (text.rfind("version ", 0) == 0 ? "zandovik " + text.substr(8, 32)
                                                    : std::string("an unknown version")) +
                    "; this is zandovik " + version);
      continue;
    }
    try {
      ReplayLine l = parse_line(text);
      if (l.kind == ReplayLine::Kind::seed) {
        rec.seeds.push_back(l.seed);
      } else {
        rec.lines.emplace_back(number, l);
      }
    } catch (const ReplayError& e) {
      throw where(e.what());
    }
  }
  if (number < 2) throw ReplayError(path + ": not a zandovik recording (too short)");
  return rec;
}

ReplayPlayer::ReplayPlayer(Recording recording, Runtime& rt, scene::Rng& rng)
    : rec_(std::move(recording)), rt_(rt) {
  rng.set_seed_source([this] {
    if (rec_.seeds.empty()) throw ReplayError("the recording has fewer seeds than the game draws");
    const std::uint32_t s = rec_.seeds.front();
    rec_.seeds.pop_front();
    return s;
  });
}

double ReplayPlayer::next_at() const {
  return done() ? 0 : rec_.lines[next_].second.at;
}

bool ReplayPlayer::step() {
  if (done() || !parted_.empty()) return false;
  const auto& [number, l] = rec_.lines[next_++];
  switch (l.kind) {
    case ReplayLine::Kind::show:
      rt_.show(l.at);
      break;
    case ReplayLine::Kind::advance:
      rt_.advance_to(l.at);
      break;
    case ReplayLine::Kind::input:
      rt_.input(l.input);
      break;
    case ReplayLine::Kind::check:
    case ReplayLine::Kind::end:
      if (!rt_.shown() || checksum(rt_.state(), rt_.scene()) != l.sum) {
        parted_ = "line " + std::to_string(number) + " (" + time_text(l.at) + " ms)";
        return false;
      }
      ended_ = l.kind == ReplayLine::Kind::end;
      break;
    case ReplayLine::Kind::seed:
      break;
  }
  return true;
}

bool ReplayPlayer::run() {
  while (!done())
    if (!step()) return false;
  return parted_.empty();
}

}  // namespace zandovik::game
