#include "scene/numeric.h"

#include <chrono>
#include <cmath>
#include <limits>

namespace zandovik::scene {

Rng::Rng(SeedSource seed_source) : seed_source_(std::move(seed_source)) {}

std::uint32_t Rng::clock_seed() {
  auto now = std::chrono::system_clock::now().time_since_epoch();
  auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
  return static_cast<std::uint32_t>(ns ^ (ns >> 32));
}

void Rng::randomize() {
  gen_.seed(seed_source_ ? seed_source_() : clock_seed());
}

float Rng::rnd() {
  ++draws_;
  if (!scripted_.empty()) {
    float v = scripted_.front();
    scripted_.pop_front();
    return v;
  }
  constexpr float kScale = 1.0f / 16777216.0f;  // 2^-24
  return static_cast<float>(gen_() >> 8) * kScale;
}

double Int(double x) {
  return std::floor(x);
}

std::int16_t to_i16(double x) {
  return I16(x);
}

std::int64_t sat_add(std::int64_t a, std::int64_t b) {
  return I64(a) += b;
}

std::int64_t to_int64(double x) {
  if (std::isnan(x)) return 0;
  if (x >= 9.2e18) return std::numeric_limits<std::int64_t>::max();
  if (x <= -9.2e18) return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(x);
}

float to_single(double x) {
  constexpr double kMax = std::numeric_limits<float>::max();
  if (x > kMax) return std::numeric_limits<float>::max();
  if (x < -kMax) return -std::numeric_limits<float>::max();
  return static_cast<float>(x);
}

std::string Str(std::int64_t n) {
  return n < 0 ? std::to_string(n) : " " + std::to_string(n);
}

std::string Right(const std::string& s, std::size_t k) {
  return s.size() <= k ? s : s.substr(s.size() - k);
}

std::string counter_text(std::int64_t n, std::int64_t power, std::size_t k) {
  return Right(Str(sat_add(n, power)), k);
}

}  // namespace zandovik::scene
