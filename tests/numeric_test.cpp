#include "scene/numeric.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace zandovik::scene {
namespace {

TEST(Str, PutsABlankBeforeNonNegativeNumbersAndAMinusBeforeNegativeOnes) {
  EXPECT_EQ(Str(0), " 0");
  EXPECT_EQ(Str(45), " 45");
  EXPECT_EQ(Str(-7), "-7");
}

TEST(Right, TakesTheLastCharactersOrAllOfAShortText) {
  EXPECT_EQ(Right(" 100001234", 6), "001234");
  EXPECT_EQ(Right("ab", 6), "ab");
  EXPECT_EQ(Right("", 3), "");
}

TEST(CounterText, ScoreShowsSixDigitsAndWrapsAtAMillion) {
  EXPECT_EQ(score_text(0), "000000");
  EXPECT_EQ(score_text(1234), "001234");
  EXPECT_EQ(score_text(999990), "999990");
  EXPECT_EQ(score_text(1000000), "000000");
  EXPECT_EQ(score_text(1000010), "000010");
}

TEST(CounterText, BricksLeftShowsThreeDigitsAndMinusOneReads999) {
  EXPECT_EQ(bricks_text(45), "045");
  EXPECT_EQ(bricks_text(0), "000");
  EXPECT_EQ(bricks_text(-1), "999");
  EXPECT_EQ(bricks_text(110), "110");
}

TEST(Int, RoundsTowardMinusInfinity) {
  EXPECT_EQ(Int(2.9), 2);
  EXPECT_EQ(Int(-0.5), -1);
  EXPECT_EQ(Int(-3.0), -3);
  EXPECT_EQ(Int(4.9999999), 4);
}

TEST(ToI16, RoundsHalvesToEvenAndSaturatesInsteadOfWrapping) {
  EXPECT_EQ(to_i16(2.5), 2);
  EXPECT_EQ(to_i16(3.5), 4);
  EXPECT_EQ(to_i16(-2.5), -2);
  EXPECT_EQ(to_i16(149.31), 149);
  EXPECT_EQ(to_i16(-165.9), -166);
  EXPECT_EQ(to_i16(-182.49), -182);
  EXPECT_EQ(to_i16(40000.0), 32767);
  EXPECT_EQ(to_i16(-40000.0), -32768);
  EXPECT_EQ(to_i16(32767.4), 32767);
}

TEST(Rng, ScriptedValuesComeFirstThenTheSeededGenerator) {
  Rng a([] { return 7u; });
  a.randomize();
  a.script(0.25f);
  a.script(0.5f);
  EXPECT_EQ(a.rnd(), 0.25f);
  EXPECT_EQ(a.rnd(), 0.5f);
  Rng b([] { return 7u; });
  b.randomize();
  EXPECT_EQ(a.rnd(), b.rnd());  // the same seed gives the same sequence
  EXPECT_EQ(a.draws(), 3u);
}

TEST(Rng, RandomizeReseedsButKeepsScriptedValues) {
  Rng r([] { return 3u; });
  r.script(0.75f);
  r.randomize();
  EXPECT_EQ(r.rnd(), 0.75f);
}

TEST(Rng, DrawsStayInTheHalfOpenUnitIntervalWithTwentyFourBits) {
  Rng r([] { return 12345u; });
  r.randomize();
  for (int i = 0; i < 200000; ++i) {
    float v = r.rnd();
    ASSERT_GE(v, 0.0f);
    ASSERT_LT(v, 1.0f);
    float scaled = v * 16777216.0f;
    ASSERT_EQ(scaled, static_cast<float>(static_cast<int>(scaled)));
  }
}

}  // namespace
}  // namespace zandovik::scene

namespace zandovik::scene {
namespace {

TEST(Saturation, WholeNumbersStopAtTheirRangeInsteadOfOverflowing) {
  constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
  constexpr auto kMin = std::numeric_limits<std::int64_t>::min();
  EXPECT_EQ(sat_add(kMax, 10), kMax);
  EXPECT_EQ(sat_add(kMin, -1), kMin);
  EXPECT_EQ(sat_add(5, -10), -5);
  EXPECT_EQ(score_text(kMax), "775807");
  EXPECT_EQ(to_int64(1e300), kMax);
  EXPECT_EQ(to_int64(-1e300), kMin);
  EXPECT_EQ(to_int64(std::nan("")), 0);
  EXPECT_EQ(to_int64(-2.7), -2);
  EXPECT_EQ(to_single(1e300), std::numeric_limits<float>::max());
  EXPECT_EQ(to_single(0.1), 0.1f);
}

}  // namespace
}  // namespace zandovik::scene
