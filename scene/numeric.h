#pragma once
// Numeric services the game logic relies on: the shared random source, Int,
// 16-bit stores, Str/Right and the zero-padded counter texts.
#include <cmath>
#include <cstdint>
#include <deque>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <type_traits>
#include <utility>

namespace zandovik::scene {

// A whole-number field of GameState. Stores stop at the type's range instead
// of wrapping (only values written through the driver ever get near it), and
// a real stored into it rounds to nearest, halves to even, as 16-bit stores
// do. Reads are plain numbers, so the rules read as plain arithmetic.
template <class T>
class Sat {
 public:
  using value_type = T;
  static constexpr T kMin = std::numeric_limits<T>::min();
  static constexpr T kMax = std::numeric_limits<T>::max();

  constexpr Sat() = default;
  template <class U>
  requires std::is_arithmetic_v<U> Sat(U v)
      : v_(clamp(v)) {}  // NOLINT: stores are meant to be implicit
  template <class U>
  Sat(Sat<U> v) : v_(clamp(static_cast<U>(v))) {}  // NOLINT
  constexpr operator T() const { return v_; }      // NOLINT

  Sat& operator+=(std::int64_t d) {
    long long r;
    if (__builtin_add_overflow(static_cast<long long>(v_), d, &r))
      r = d > 0 ? std::numeric_limits<long long>::max() : std::numeric_limits<long long>::min();
    v_ = clamp(r);
    return *this;
  }
  Sat& operator++() { return *this += 1; }
  Sat& operator--() { return *this -= 1; }
  Sat& operator-=(std::int64_t d) {
    return d == std::numeric_limits<std::int64_t>::min() ? (*this += kMax) += 1 : *this += -d;
  }

  template <class U>
  static T clamp(U v) {
    if constexpr (std::is_floating_point_v<U>) {
      if (std::isnan(v)) return 0;
      if (v >= static_cast<double>(kMax)) return kMax;
      if (v <= static_cast<double>(kMin)) return kMin;
      // nearbyint rounds halves to even in the default rounding mode.
      return static_cast<T>(std::nearbyint(static_cast<double>(v)));
    } else {
      if (std::cmp_greater(v, kMax)) return kMax;
      if (std::cmp_less(v, kMin)) return kMin;
      return static_cast<T>(v);
    }
  }

 private:
  T v_ = 0;
};

using I16 = Sat<std::int16_t>;
using I32 = Sat<std::int32_t>;
using I64 = Sat<std::int64_t>;

// One shared random source. Draws come from scripted values first (tests and
// the driver queue them), then from the seeded generator.
class Rng {
 public:
  using SeedSource = std::function<std::uint32_t()>;

  // The seed source answers Randomize; the window passes the clock, the
  // driver a fixed seed so that runs repeat exactly.
  explicit Rng(SeedSource seed_source = clock_seed);

  // Randomize: reseed from the seed source. Scripted values are kept.
  void randomize();
  void seed(std::uint32_t s) { gen_.seed(s); }
  void set_seed_source(SeedSource src) { seed_source_ = std::move(src); }

  // Rnd: uniform in [0, 1) in single precision; 24 random bits scaled by
  // 2^-24, so 1.0 can never come out.
  float rnd();

  // Queue values for the next draws; each must lie in [0, 1).
  void script(float v) { scripted_.push_back(v); }
  std::size_t scripted_left() const { return scripted_.size(); }
  std::uint64_t draws() const { return draws_; }

  static std::uint32_t clock_seed();

 private:
  SeedSource seed_source_;
  std::mt19937 gen_;
  std::deque<float> scripted_;
  std::uint64_t draws_ = 0;
};

// Int: the largest integer not above x.
double Int(double x);

// Store a real into a 16-bit field: nearest, halves to even, saturating at
// the 16-bit range instead of wrapping.
std::int16_t to_i16(double x);

// Whole-number arithmetic that stops at the 64-bit range instead of
// overflowing; only values written through the driver ever get near it.
std::int64_t sat_add(std::int64_t a, std::int64_t b);

// A real as a whole number (truncated), saturating; NaN gives 0.
std::int64_t to_int64(double x);

// A real stored in single precision, saturating at the float range.
float to_single(double x);

// Str of a whole number: a blank before a non-negative value, "-" before a
// negative one.
std::string Str(std::int64_t n);

// The last k characters of s (all of s when it is shorter).
std::string Right(const std::string& s, std::size_t k);

// A counter shown in k digits with leading zeros: Right(Str(n + power), k).
std::string counter_text(std::int64_t n, std::int64_t power, std::size_t k);

// The six-digit score display and the three-digit bricks-left display.
inline std::string score_text(std::int64_t n) {
  return counter_text(n, 100000000, 6);
}
inline std::string bricks_text(std::int64_t n) {
  return counter_text(n, 10000, 3);
}

}  // namespace zandovik::scene
