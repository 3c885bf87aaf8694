// Sine and cosine of an angle in degrees, for rotations drawn every frame.
// The angle is reduced in degrees, where whole quarter turns are exact (90
// degrees gives a cosine of exactly 0), then a short polynomial takes the
// rest: several times faster than the C library's sine and cosine of
// radians, and within 3e-12 of the exact values, far below what a float
// (which every caller stores) can tell apart.
//
// Inline, as every rotated sprite asks for it: the caller then goes on with
// the two results in registers.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>

namespace tazmix {

struct SinCos {
  double sine;
  double cosine;
};

namespace degree_trig {

// Polynomials of sin and cos on [-pi/4, pi/4], fitted for the least
// largest error (below 3e-12, where a float near 1 steps by 6e-8), in two
// halves side by side rather than one long chain: the answer is wanted at
// once, not many in a row.
inline double SinNear(double x) {
  const double z = x * x;
  const double low = -0.1666666662801346 + z * 0.008333328239789222;
  const double high = -0.00019839044017789658 + z * 2.716015821403957e-06;
  return x + x * z * (low + (z * z) * high);
}

inline double CosNear(double x) {
  const double z = x * x;
  const double low = 0.041666666622841825 + z * -0.0013888883754731923;
  const double high = 2.479952037026993e-05 + z * -2.7210267732744873e-07;
  return (1.0 - 0.5 * z) + (z * z) * (low + (z * z) * high);
}

}  // namespace degree_trig

// Not a number or an infinite angle gives not a number for both.
inline SinCos SinCosDegrees(double degrees) noexcept {
  if (!std::isfinite(degrees)) return {std::nan(""), std::nan("")};
  // Whole quarter turns are exact in degrees. Taking the nearest one away is
  // exact as well (the difference of two numbers within a factor of two),
  // leaving about [-45, 45] degrees; far out, fmod first brings the angle
  // to where quarter turns are still whole numbers.
  double d = degrees;
  if (std::fabs(d) > 1e15) d = std::fmod(d, 360.0);
  // Rounding to the nearest quarter by adding and taking away 1.5 * 2^52
  // (exact for |t| < 2^51) needs no branch. The quarter then turns the two
  // results by a table of factors 1, -1 and 0 (exact: s * 1 + c * 0 is s),
  // looked up while the polynomials still run; a branch would be
  // mispredicted when angles differ from one sprite to the next.
  const double t = d * (1.0 / 90.0);
  constexpr double kRoundingShift = 6755399441055744.0;
  const double nearest = (t + kRoundingShift) - kRoundingShift;
  const auto quarter = static_cast<size_t>(static_cast<int64_t>(nearest) & 3);
  const double x = (d - nearest * 90.0) * 0.017453292519943295;
  // Quarter q: sine = s * kOwn[q] + c * kOther[q], cosine = c * kOwn[q] - s * kOther[q].
  static constexpr double kOwn[4] = {1, 0, -1, 0};
  static constexpr double kOther[4] = {0, 1, 0, -1};
  const double own = kOwn[quarter];
  const double other = kOther[quarter];
  const double s = degree_trig::SinNear(x);
  const double c = degree_trig::CosNear(x);
  return {s * own + c * other, c * own - s * other};
}

}  // namespace tazmix
