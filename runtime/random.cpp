#include "runtime/random.h"

#include "runtime/application.h"

namespace tazmix {

namespace {

constexpr int32_t kInitialState = 0x1234;
constexpr int32_t kModulus = 0x7FFFFFFF;
constexpr int32_t kMultiplier = 48271;
constexpr int32_t kQuotient = 44488;   // kModulus / kMultiplier
constexpr int32_t kRemainder = 3399;   // kModulus % kMultiplier

struct RandomState {
  int32_t seed = kInitialState;
  bool started = false;
};

// Constant-initialised, so a static initialiser elsewhere may already draw.
constinit RandomState generator;

int32_t Step() {
  int32_t s = (generator.seed % kQuotient) * kMultiplier - (generator.seed / kQuotient) * kRemainder;
  if (s < 0) s += kModulus;
  generator.seed = s;
  return s;
}

}  // namespace

float RandomFloat() {
  return static_cast<float>((Step() & 0x0FFFFFF0) / 268435456.0);
}

double RandomDouble() {
  const int32_t s1 = Step();
  const int32_t s2 = Step();
  return ((s1 & 0x1FFFFFFC) + (s2 & 0x1FFFFFF8) / 134217728.0) / 536870912.0;
}

double RandomRange(double a, double b) {
  const double r = RandomDouble();
  if (b > a) return a + r * (b - a);
  return b + r * (a - b);
}

int32_t RandomInt(int32_t a, int32_t b) {
  const double r = RandomDouble();
  // The span is taken in 64 bits so ranges wider than 2^31 stay inside
  // their bounds instead of wrapping; for every other range this is the
  // plain 32-bit computation.
  const int64_t d = int64_t(b) - a;
  if (d > 0) return static_cast<int32_t>(a + static_cast<int64_t>(r * double(d + 1)));
  return static_cast<int32_t>(b + static_cast<int64_t>(r * double(1 - d)));
}

void SeedRandom(int32_t seed) {
  generator.seed = seed & kModulus;
  if (generator.seed == 0 || generator.seed == kModulus) generator.seed = kInitialState;
}

int32_t RandomSeed() { return generator.seed; }

void InitRandom() {
  if (!BeginModuleInit(generator.started)) return;
}

}  // namespace tazmix
