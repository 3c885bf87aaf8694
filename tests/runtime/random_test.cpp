#include <gtest/gtest.h>

#include <cstdint>

#include "runtime/random.h"

using namespace tazmix;

namespace {

// Each test starts from the state the process starts with.
class Random : public ::testing::Test {
 protected:
  void SetUp() override { SeedRandom(4660); }
};

}  // namespace

TEST_F(Random, KnownValuesFromTheInitialState) {
  EXPECT_EQ(RandomSeed(), 4660);
  EXPECT_NEAR(RandomFloat(), 0.837977, 1e-6);
  EXPECT_EQ(RandomSeed(), 224942860);

  SeedRandom(4660);
  EXPECT_DOUBLE_EQ(RandomDouble(), 0.4189887270692887);
  EXPECT_EQ(RandomSeed(), 539475828);

  SeedRandom(4660);
  EXPECT_EQ(RandomInt(0, 9), 4);
  EXPECT_EQ(RandomSeed(), 539475828);  // two steps per RandomInt
}

TEST_F(Random, SeedingRules) {
  for (int32_t bad : {0, 0x7FFFFFFF, -1, INT32_MIN}) {
    SeedRandom(bad);
    EXPECT_EQ(RandomSeed(), 4660) << bad;
  }
  SeedRandom(-5);
  EXPECT_EQ(RandomSeed(), 2147483643);
  SeedRandom(12345);
  EXPECT_EQ(RandomSeed(), 12345);

  // Passing the state back resumes the sequence from there.
  RandomDouble();
  const int32_t saved = RandomSeed();
  const double a = RandomDouble(), b = RandomDouble();
  SeedRandom(saved);
  EXPECT_EQ(RandomDouble(), a);
  EXPECT_EQ(RandomDouble(), b);
}

TEST_F(Random, ResultsStayInTheirRanges) {
  // Seeds near the ends of the state range exercise Schrage's correction.
  for (int32_t seed : {1, 2, 44488, 2147483646, 4660, 987654321}) {
    SeedRandom(seed);
    for (int i = 0; i < 2000; ++i) {
      const float f = RandomFloat();
      ASSERT_GE(f, 0.0f);
      ASSERT_LT(f, 1.0f);
      const double d = RandomDouble();
      ASSERT_GE(d, 0.0);
      ASSERT_LT(d, 1.0);
      const int32_t s = RandomSeed();
      ASSERT_GE(s, 1);
      ASSERT_LE(s, 2147483646);
      const int32_t r = RandomInt(7, 2);
      ASSERT_GE(r, 2);
      ASSERT_LE(r, 7);
      const double x = RandomRange(10, 0), y = RandomRange(0, 10);
      ASSERT_GE(x, 0.0);
      ASSERT_LT(x, 10.0);
      ASSERT_GE(y, 0.0);
      ASSERT_LT(y, 10.0);
    }
  }
  EXPECT_EQ(RandomInt(3, 3), 3);
  EXPECT_EQ(RandomRange(2.5, 2.5), 2.5);
}

TEST_F(Random, IntegerRangesReachBothBoundsInEitherOrder) {
  bool seen_low = false, seen_high = false;
  for (int i = 0; i < 1000; ++i) {
    const int32_t r = RandomInt(5, 1);
    seen_low = seen_low || r == 1;
    seen_high = seen_high || r == 5;
  }
  EXPECT_TRUE(seen_low);
  EXPECT_TRUE(seen_high);

  // The widest ranges stay inside their bounds too.
  for (int i = 0; i < 1000; ++i) {
    ASSERT_GE(RandomInt(0, INT32_MAX), 0);
    ASSERT_LE(RandomInt(INT32_MIN, -1), -1);
  }
}

TEST_F(Random, SameSeedSameSequence) {
  SeedRandom(2024);
  int32_t first[20];
  for (auto& v : first) v = RandomInt(0, 1000);
  SeedRandom(2024);
  for (int32_t v : first) EXPECT_EQ(RandomInt(0, 1000), v);
}
