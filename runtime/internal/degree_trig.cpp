#include "runtime/internal/degree_trig.h"

#include <cmath>
#include <cstddef>
#include <cstdint>

namespace tazmix {

namespace {

// Minimax polynomials of sin and cos on [-pi/4, pi/4], error below 2^-58.
double SinNear(double x) {
  const double z = x * x;
  const double r = 8.33333333332248946124e-03 +
                   z * (-1.98412698298579493134e-04 +
                        z * (2.75573137070700676789e-06 + z * (-2.50507602534068634195e-08 + z * 1.58969099521155010221e-10)));
  return x + x * z * (-1.66666666666666324348e-01 + z * r);
}

double CosNear(double x) {
  const double z = x * x;
  const double r = 4.16666666666666019037e-02 +
                   z * (-1.38888888888741095749e-03 +
                        z * (2.48015872894767294178e-05 +
                             z * (-2.75573143513906633035e-07 +
                                  z * (2.08757232129817482790e-09 + z * -1.13596475577881948265e-11))));
  return 1.0 - 0.5 * z + z * z * r;
}

}  // namespace

void SinCosDegrees(double degrees, double& sine, double& cosine) noexcept {
  if (!std::isfinite(degrees)) {
    sine = cosine = std::nan("");
    return;
  }
  // Whole quarter turns are exact in degrees. Taking the nearest one away is
  // exact as well (the difference of two numbers within a factor of two),
  // leaving about [-45, 45] degrees; far out, fmod first brings the angle
  // to where quarter turns are still whole numbers.
  double d = degrees;
  if (std::fabs(d) > 1e15) d = std::fmod(d, 360.0);
  // Rounding to the nearest quarter by adding and taking away 1.5 * 2^52
  // (exact for |t| < 2^51) needs no branch, and the quarter then picks and
  // signs the two results without one either: with angles that differ from
  // one sprite to the next, mispredicted branches cost more than the
  // polynomials.
  const double t = d * (1.0 / 90.0);
  constexpr double kRoundingShift = 6755399441055744.0;
  const double nearest = (t + kRoundingShift) - kRoundingShift;
  const auto quarter = static_cast<int64_t>(nearest);
  const double x = (d - nearest * 90.0) * 0.017453292519943295;
  const double near[2] = {SinNear(x), CosNear(x)};
  static constexpr double kSign[2] = {1.0, -1.0};  // exact: a sign flip or nothing
  const auto odd = static_cast<size_t>(quarter & 1);
  sine = near[odd] * kSign[(quarter >> 1) & 1];
  cosine = near[odd ^ 1] * kSign[((quarter + 1) >> 1) & 1];
}

}  // namespace tazmix
