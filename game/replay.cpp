#include "game/replay.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstring>
#include <sstream>

namespace zandovik::game {

namespace {

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

// The words of a line, each read whole or refused.
class Words {
 public:
  explicit Words(const std::string& text) : in_(text) {}
  std::string word(const char* what) {
    std::string w;
    if (!(in_ >> w)) throw ReplayError(std::string("expected ") + what);
    return w;
  }
  double time() {
    const std::string w = word("a time");
    double t = 0;
    const auto [end, ec] = std::from_chars(w.data(), w.data() + w.size(), t);
    if (ec != std::errc() || end != w.data() + w.size() || !std::isfinite(t))
      throw ReplayError("expected a time, not '" + w.substr(0, 32) + "'");
    if (t < 0 || t > kReplayMaxMs)
      throw ReplayError("a time out of range (0 to " + time_text(kReplayMaxMs) + " ms)");
    return t;
  }
  long long whole(const char* what, long long most) {
    const std::string w = word(what);
    long long v = 0;
    const auto [end, ec] = std::from_chars(w.data(), w.data() + w.size(), v);
    if (ec != std::errc() || end != w.data() + w.size())
      throw ReplayError(std::string("expected ") + what + ", not '" + w.substr(0, 32) + "'");
    if (v < 0 || v > most)
      throw ReplayError(std::string(what) + " out of range (0 to " + std::to_string(most) + ")");
    return v;
  }
  // 16 hex digits as written; a recording of the first format may have
  // dropped leading zeros.
  std::uint64_t sum(int format) {
    const std::string w = word("a checksum");
    const bool digits = !w.empty() && w.size() <= 16 &&
                        w.find_first_not_of("0123456789abcdef") == std::string::npos;
    if (!digits || (format >= 2 && w.size() != 16))
      throw ReplayError("a checksum is 16 hex digits, not '" + w.substr(0, 32) + "'");
    return std::stoull(w, nullptr, 16);
  }
  std::string rest() {
    std::string r;
    std::getline(in_ >> std::ws, r);
    return r;
  }
  void done() {
    std::string extra;
    if (in_ >> extra) throw ReplayError("more than the line takes");
  }

 private:
  std::istringstream in_;
};

}  // namespace

std::string time_text(double t) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.17g", t);
  return buf;
}

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
    case ReplayLine::Kind::end: {
      char sum[17];
      std::snprintf(sum, sizeof sum, "%016llx", static_cast<unsigned long long>(l.sum));
      o << (l.kind == ReplayLine::Kind::check ? "check " : "end ") << time_text(l.at) << ' ' << sum;
      break;
    }
    case ReplayLine::Kind::board:
      o << "board" << (l.text.empty() ? "" : " ") << l.text;
      break;
    case ReplayLine::Kind::row:
      o << "row " << l.text;
      break;
  }
  return o.str();
}

ReplayLine parse_replay_line(const std::string& text, int format) {
  Words in(text);
  const std::string word = in.word("a line");
  ReplayLine l;
  if (word == "seed") {
    l.kind = ReplayLine::Kind::seed;
    l.seed = static_cast<std::uint32_t>(in.whole("a seed", 4294967295LL));
  } else if (word == "show" || word == "advance") {
    l.kind = word == "show" ? ReplayLine::Kind::show : ReplayLine::Kind::advance;
    l.at = in.time();
  } else if (word == "key_down" || word == "key_up") {
    l.kind = ReplayLine::Kind::input;
    l.at = in.time();
    const auto code = static_cast<int>(in.whole("a key code", kMaxKeyCode));
    const auto shift = static_cast<int>(in.whole("a shift state", kMaxShift));
    l.input = Input::key(word == "key_down", code, shift, l.at);
  } else if (word == "click") {
    l.kind = ReplayLine::Kind::input;
    l.at = in.time();
    const std::string name = in.word("a button");
    bool found = false;
    for (scene::Named b : kButtons)
      if (name == scene::name_of(b)) {
        l.input = Input::click(b, l.at);
        found = true;
      }
    if (!found) throw ReplayError("no button named '" + name.substr(0, 32) + "'");
  } else if (word == "check" || word == "end") {
    l.kind = word == "check" ? ReplayLine::Kind::check : ReplayLine::Kind::end;
    l.at = in.time();
    l.sum = in.sum(format);
  } else if (format >= 2 && word == "board") {
    l.kind = ReplayLine::Kind::board;
    l.text = in.rest();
    return l;
  } else if (format >= 2 && word == "row") {
    l.kind = ReplayLine::Kind::row;
    l.text = in.word("a row");
  } else {
    throw ReplayError("unknown line '" + word.substr(0, 32) + "'");
  }
  in.done();
  return l;
}

}  // namespace zandovik::game
