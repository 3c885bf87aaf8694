// The process-wide pseudo-random generator: Park and Miller's minimal
// standard generator (multiplier 48271, modulus 2^31 - 1), stepped with
// Schrage's decomposition so 32-bit arithmetic never overflows. The same seed
// gives the same sequence, which the game's grids and rounds rely on.
#pragma once

#include <cstdint>

namespace tazmix {

// Float in [0, 1); one step.
float RandomFloat();
// Double in [0, 1); two steps.
double RandomDouble();
// Double in [min(a, b), max(a, b)), or exactly a when a == b.
double RandomRange(double a, double b);
// Int in the inclusive range between a and b, in either order; two steps.
int32_t RandomInt(int32_t a, int32_t b);
// Restarts the sequence: the state becomes seed AND 0x7FFFFFFF, or 4660
// where that would be 0 or 0x7FFFFFFF.
void SeedRandom(int32_t seed);
// The current state; SeedRandom(RandomSeed()) later resumes from here.
int32_t RandomSeed();

void InitRandom();

}  // namespace tazmix
