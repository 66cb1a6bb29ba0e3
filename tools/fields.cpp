#include "tools/fields.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <type_traits>

namespace zandovik::tools {

using game::GameState;
using nlohmann::json;

json float_json(float f) {
  if (!std::isfinite(f)) return nullptr;
  char buf[32];
  auto res = std::to_chars(buf, buf + sizeof buf, f);
  *res.ptr = '\0';
  return std::strtod(buf, nullptr);
}

std::string quote(std::string_view text) {
  return "'" + excerpt(text) + "'";
}

std::string excerpt(std::string_view text) {
  constexpr std::size_t kMaxShown = 48;
  std::string q;
  for (std::size_t i = 0; i < text.size() && i < kMaxShown; ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x20 || c >= 0x7f || c == '\\') {
      static constexpr char kHex[] = "0123456789abcdef";
      q += "\\x";
      q += kHex[c >> 4];
      q += kHex[c & 15];
    } else {
      q += static_cast<char>(c);
    }
  }
  if (text.size() > kMaxShown) q += "...";
  return q;
}

double json_number(const json& v) {
  if (!v.is_number()) throw PathError{"expected a number, got " + quote(v.dump())};
  double d = v.get<double>();
  if (!std::isfinite(d)) throw PathError{"expected a finite number"};
  return d;
}

std::int64_t json_integer(const json& v, std::int64_t lo, std::int64_t hi) {
  if (v.is_number_integer()) {
    auto n = v.get<std::int64_t>();
    const bool too_big =
        v.is_number_unsigned() && v.get<std::uint64_t>() > static_cast<std::uint64_t>(hi);
    if (too_big || n < lo || n > hi)
      throw PathError{"value " + v.dump() + " is out of range " + std::to_string(lo) + ".." +
                      std::to_string(hi)};
    return n;
  }
  if (v.is_number_float()) {
    // Only a whole number that the 64-bit range holds exactly: 2^63 itself
    // would pass a test against INT64_MAX written as a double.
    constexpr double kTwo63 = 9223372036854775808.0;
    double d = v.get<double>();
    if (std::isfinite(d) && d == std::floor(d) && d >= -kTwo63 && d < kTwo63) {
      const auto n = static_cast<std::int64_t>(d);
      if (n >= lo && n <= hi) return n;
    }
  }
  throw PathError{"expected a whole number in " + std::to_string(lo) + ".." + std::to_string(hi) +
                  ", got " + quote(v.dump())};
}

namespace {

// The plain type a field holds: the saturating whole numbers hold their
// value_type.
template <class T>
struct plain {
  using type = T;
};
template <class T>
struct plain<scene::Sat<T>> {
  using type = T;
};

template <class T>
json to_json(T v) {
  if constexpr (std::is_same_v<T, float>) {
    return float_json(v);
  } else {
    return static_cast<typename plain<T>::type>(v);
  }
}

template <class T>
T from_json(const json& v) {
  if constexpr (!std::is_same_v<T, typename plain<T>::type>) {
    return from_json<typename plain<T>::type>(v);
  } else if constexpr (std::is_same_v<T, std::string>) {
    if (!v.is_string()) throw PathError{"expected a text in quotes, got " + quote(v.dump())};
    return v.get<std::string>();
  } else if constexpr (std::is_floating_point_v<T>) {
    double d = json_number(v);
    if (std::is_same_v<T, float> && std::fabs(d) > std::numeric_limits<float>::max())
      throw PathError{"value is out of range for a single-precision field"};
    return static_cast<T>(d);
  } else {
    return static_cast<T>(
        json_integer(v, std::numeric_limits<T>::min(), std::numeric_limits<T>::max()));
  }
}

void check_index(const std::string& name, int i, int n) {
  if (i < 0 || i >= n)
    throw PathError{"index " + std::to_string(i) + " of " + name + " is outside 0.." +
                    std::to_string(n - 1)};
}

template <class T>
Field scalar(const char* name, T GameState::*m) {
  return Field{name, 0, [m](const GameState& s, int, int) { return to_json(s.*m); },
               [m](GameState& s, int, int, const json& v) { s.*m = from_json<T>(v); },
               [m](const GameState& s) { return to_json(s.*m); }};
}

template <class T, std::size_t N>
Field array1(const char* name, std::array<T, N> GameState::*m) {
  std::string n = name;
  return Field{name, 1,
               [m, n](const GameState& s, int i, int) {
                 check_index(n, i, N);
                 return to_json((s.*m)[i]);
               },
               [m, n](GameState& s, int i, int, const json& v) {
                 check_index(n, i, N);
                 (s.*m)[i] = from_json<T>(v);
               },
               [m](const GameState& s) {
                 json a = json::array();
                 for (const auto& x : s.*m) a.push_back(to_json(x));
                 return a;
               }};
}

template <class T, std::size_t N, std::size_t M>
Field array2(const char* name, std::array<std::array<T, M>, N> GameState::*m) {
  std::string n = name;
  return Field{name, 2,
               [m, n](const GameState& s, int i, int j) {
                 check_index(n, i, N);
                 check_index(n, j, M);
                 return to_json((s.*m)[i][j]);
               },
               [m, n](GameState& s, int i, int j, const json& v) {
                 check_index(n, i, N);
                 check_index(n, j, M);
                 (s.*m)[i][j] = from_json<T>(v);
               },
               [m](const GameState& s) {
                 json a = json::array();
                 for (const auto& row : s.*m) {
                   json r = json::array();
                   for (const auto& x : row) r.push_back(to_json(x));
                   a.push_back(std::move(r));
                 }
                 return a;
               }};
}

// How many members an aggregate has: the most initialisers it takes.
struct any_value {
  template <class T>
  operator T() const;  // NOLINT: never defined, only asked about
};
template <class T, class... A>
constexpr std::size_t member_count() {
  if constexpr (requires { T{A{}..., any_value{}}; }) {
    return member_count<T, A..., any_value>();
  } else {
    return sizeof...(A);
  }
}

// Every GameState field, in order. A field added to GameState and not here
// stops the build.
template <class... F>
std::vector<Field> table(F... fields) {
  static_assert(sizeof...(F) == member_count<GameState>(),
                "every GameState field needs a row in the driver's field table");
  return {std::move(fields)...};
}

std::vector<Field> build() {
  return table(
      array2("levels", &GameState::levels), scalar("points", &GameState::points),
      scalar("bonuspoints", &GameState::bonuspoints), scalar("hiscore", &GameState::hiscore),
      scalar("levelnum", &GameState::levelnum), scalar("pattern", &GameState::pattern),
      scalar("numpatterns", &GameState::numpatterns), scalar("lastcell", &GameState::lastcell),
      array2("cells", &GameState::cells), scalar("brickwidth", &GameState::brickwidth),
      scalar("brickheight", &GameState::brickheight), scalar("boardtop", &GameState::boardtop),
      scalar("boardbottom", &GameState::boardbottom), scalar("boardleft", &GameState::boardleft),
      scalar("boardright", &GameState::boardright), scalar("paddledir", &GameState::paddledir),
      scalar("stepx", &GameState::stepx), scalar("stepy", &GameState::stepy),
      scalar("bricksleft", &GameState::bricksleft), scalar("builtcount", &GameState::builtcount),
      scalar("speed", &GameState::speed), scalar("jitterx", &GameState::jitterx),
      scalar("jittery", &GameState::jittery), scalar("lives", &GameState::lives),
      array1("logostepx", &GameState::logostepx), array1("logostepy", &GameState::logostepy),
      scalar("luckdraw", &GameState::luckdraw), scalar("angle", &GameState::angle));
}

}  // namespace

const std::vector<Field>& all_fields() {
  static const std::vector<Field> fields = build();
  return fields;
}

const Field* find_field(const std::string& name) {
  for (const auto& f : all_fields())
    if (f.name == name) return &f;
  return nullptr;
}

}  // namespace zandovik::tools
