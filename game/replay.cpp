#include "game/replay.h"

#include <array>
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
    if (t < 0 || t > kMaxWaitMs)
      throw ReplayError("a time out of range (0 to " + time_text(kMaxWaitMs) + " ms)");
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

using K = ReplayLine::Kind;

// What follows a line's word, in order.
enum class Field : std::uint8_t { time, seed, code, shift, button, sum, name, digits, percent };

struct LineKind {
  const char* word;
  K kind;
  Input::Kind input;  // of an input line
  int since;          // the first format that has it
  std::array<Field, 3> fields;
  std::size_t count;  // of fields
};

using F = Field;
using I = Input::Kind;
// Every line a recording may hold.
constexpr std::array<LineKind, 12> kLineKinds = {{
    {"seed", K::seed, I::key_down, 1, {F::seed}, 1},
    {"show", K::show, I::key_down, 1, {F::time}, 1},
    {"advance", K::advance, I::key_down, 1, {F::time}, 1},
    {"key_down", K::input, I::key_down, 1, {F::time, F::code, F::shift}, 3},
    {"key_up", K::input, I::key_up, 1, {F::time, F::code, F::shift}, 3},
    {"click", K::input, I::click, 1, {F::time, F::button}, 2},
    {"check", K::check, I::key_down, 1, {F::time, F::sum}, 2},
    {"end", K::end, I::key_down, 1, {F::time, F::sum}, 2},
    {"board", K::board, I::key_down, 2, {F::name}, 1},
    {"row", K::row, I::key_down, 2, {F::digits}, 1},
    {"switch_boards", K::switch_boards, I::key_down, 3, {F::time}, 1},
    {"speed", K::speed, I::key_down, 3, {F::time, F::percent}, 2},
}};

const LineKind& kind_of(const ReplayLine& l) {
  for (const LineKind& k : kLineKinds)
    if (k.kind == l.kind && (k.kind != K::input || k.input == l.input.kind)) return k;
  return kLineKinds[2];  // not reached: every kind is in the table
}

void write_field(std::ostream& o, Field f, const ReplayLine& l) {
  switch (f) {
    case F::time:
      o << time_text(l.at);
      break;
    case F::seed:
      o << l.seed;
      break;
    case F::code:
      o << l.input.code;
      break;
    case F::shift:
      o << l.input.shift;
      break;
    case F::button:
      o << scene::name_of(l.input.button);
      break;
    case F::sum: {
      char sum[17];
      std::snprintf(sum, sizeof sum, "%016llx", static_cast<unsigned long long>(l.sum));
      o << sum;
      break;
    }
    case F::name:
    case F::digits:
      o << l.text;
      break;
    case F::percent:
      o << l.percent;
      break;
  }
}

void read_field(Words& in, Field f, ReplayLine& l, int format) {
  switch (f) {
    case F::time:
      l.at = l.input.at = in.time();
      break;
    case F::seed:
      l.seed = static_cast<std::uint32_t>(in.whole("a seed", 4294967295LL));
      break;
    case F::code:
      l.input.code = static_cast<int>(in.whole("a key code", kMaxKeyCode));
      break;
    case F::shift:
      l.input.shift = static_cast<int>(in.whole("a shift state", kMaxShift));
      break;
    case F::button: {
      const std::string name = in.word("a button");
      bool found = false;
      for (scene::Named b : kButtons)
        if (name == scene::name_of(b)) {
          l.input.button = b;
          found = true;
        }
      if (!found) throw ReplayError("no button named '" + name.substr(0, 32) + "'");
      break;
    }
    case F::sum:
      l.sum = in.sum(format);
      break;
    case F::name:
      l.text = in.rest();
      break;
    case F::digits:
      l.text = in.word("a row");
      break;
    case F::percent:
      l.percent = static_cast<int>(in.whole("a speed", 100));
      if (!is_speed(l.percent))
        throw ReplayError("a speed is 100, 85 or 70 percent, not " + std::to_string(l.percent));
      break;
  }
}

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
  const LineKind& k = kind_of(l);
  std::ostringstream o;
  o << k.word;
  for (std::size_t i = 0; i < k.count; ++i) {
    // A board without a name is the word alone.
    if (k.fields[i] == F::name && l.text.empty()) break;
    o << ' ';
    write_field(o, k.fields[i], l);
  }
  return o.str();
}

ReplayLine parse_replay_line(const std::string& text, int format) {
  Words in(text);
  const std::string word = in.word("a line");
  for (const LineKind& k : kLineKinds) {
    if (word != k.word || format < k.since) continue;
    ReplayLine l;
    l.kind = k.kind;
    l.input.kind = k.input;
    for (std::size_t i = 0; i < k.count; ++i) read_field(in, k.fields[i], l, format);
    in.done();
    return l;
  }
  throw ReplayError("unknown line '" + word.substr(0, 32) + "'");
}

}  // namespace zandovik::game
