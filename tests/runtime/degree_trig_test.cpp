#include "runtime/internal/degree_trig.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace tazmix {
namespace {

// Quarter turns come out exact, signs included, however far out they lie:
// a sprite turned by 90 degrees stays on whole pixels.
TEST(SinCosDegrees, QuarterTurnsAreExactAtAnyDistance) {
  const double expected_sine[4] = {0, 1, 0, -1};
  const double expected_cosine[4] = {1, 0, -1, 0};
  for (const double base : {0.0, 360.0 * 1e6, -360.0 * 1e9, 360.0 * 2e12}) {
    for (int32_t quarter = -8; quarter <= 8; ++quarter) {
      const auto [s, c] = SinCosDegrees(base + quarter * 90.0);
      const int32_t q = ((quarter % 4) + 4) % 4;
      EXPECT_EQ(s, expected_sine[q]) << base << " + " << quarter << " quarters";
      EXPECT_EQ(c, expected_cosine[q]) << base << " + " << quarter << " quarters";
    }
  }
}

// Every octant, both signs, the borders between quarters (where the nearest
// quarter is a tie) and angles far out agree with the C library's radians
// well within what a float can tell apart.
TEST(SinCosDegrees, AgreesWithTheLibrarysRadiansInEveryOctant) {
  for (double degrees = -1080; degrees <= 1080; degrees += 0.37) {
    for (const double angle : {degrees, std::round(degrees / 45) * 45}) {
      const auto [s, c] = SinCosDegrees(angle);
      const double radians = std::remainder(angle, 360.0) * (std::numbers::pi / 180);
      EXPECT_NEAR(s, std::sin(radians), 1e-13) << angle;
      EXPECT_NEAR(c, std::cos(radians), 1e-13) << angle;
    }
  }
  const auto [s, c] = SinCosDegrees(1e17 + 30);  // beyond 1e15: reduced by fmod first
  const double radians = std::fmod(1e17 + 30, 360.0) * (std::numbers::pi / 180);
  EXPECT_NEAR(s, std::sin(radians), 1e-13);
  EXPECT_NEAR(c, std::cos(radians), 1e-13);
}

TEST(SinCosDegrees, NotANumberOrInfinityGivesNotANumber) {
  for (const double angle : {std::nan(""), double{INFINITY}, double{-INFINITY}}) {
    const auto [s, c] = SinCosDegrees(angle);
    EXPECT_TRUE(std::isnan(s) && std::isnan(c)) << angle;
  }
}

}  // namespace
}  // namespace tazmix
