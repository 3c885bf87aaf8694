/// \file
/// The process-wide pseudo-random generator: Park and Miller's minimal
/// standard generator (multiplier 48271, modulus 2^31 - 1), stepped with
/// Schrage's decomposition so 32-bit arithmetic never overflows. The same seed
/// gives the same sequence, which the game's grids and rounds rely on. The
/// state starts at 4660 (0x1234) in every run until SeedRandom.
///
/// \code{.cpp}
/// tazmix::SeedRandom(tazmix::MilliSecs());  // a different game each run
/// int32_t die = tazmix::RandomInt(1, 6);
/// double angle = tazmix::RandomRange(0, 360);
/// \endcode
/// \ingroup runtime
/// \since 1.0
#pragma once

#include <cstdint>

namespace tazmix {

/// A random Float; one step.
/// \return a value in [0, 1).
/// \since 1.0
float RandomFloat();
/// A random Double; two steps.
/// \return a value in [0, 1).
/// \since 1.0
double RandomDouble();
/// A random Double between two bounds given in either order.
/// \param a, b the bounds.
/// \return a value in [min(a, b), max(a, b)), or exactly a when a == b.
/// \since 1.0
double RandomRange(double a, double b);
/// A random Int between two bounds given in either order; two steps. Ranges
/// wider than 2^31 stay inside their bounds.
/// \param a, b the bounds, both included.
/// \return a value in the inclusive range between a and b.
/// \since 1.0
int32_t RandomInt(int32_t a, int32_t b);
/// Restarts the sequence: the state becomes seed AND 0x7FFFFFFF, or 4660
/// where that would be 0 or 0x7FFFFFFF.
/// \param seed the seed; the same seed gives the same sequence.
/// \since 1.0
void SeedRandom(int32_t seed);
/// The current state; SeedRandom(RandomSeed()) later resumes from here.
/// \return the state.
/// \since 1.0
int32_t RandomSeed();

/// The generator's module; its Init does nothing beyond the runtime base.
/// \since 1.0
void InitRandom();

}  // namespace tazmix
