// Sine and cosine of an angle in degrees, for rotations drawn every frame.
// The angle is reduced in degrees, where whole quarter turns are exact (90
// degrees gives a cosine of exactly 0), then a short polynomial takes the
// rest: about twice as fast as the C library's sine and cosine of radians,
// and as close to the exact values as they are, well below what a float
// (which every caller stores) can tell apart.
#pragma once

namespace tazmix {

// Not a number or an infinite angle gives not a number for both.
void SinCosDegrees(double degrees, double& sine, double& cosine) noexcept;

}  // namespace tazmix
