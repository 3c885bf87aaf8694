#include "runtime/random.h"

#include "runtime/application.h"

namespace tazmix {

namespace {

constexpr int32_t kInitialState = 0x1234;
constexpr int32_t kModulus = 0x7FFFFFFF;
constexpr int32_t kMultiplier = 48271;
constexpr int32_t kQuotient = 44488;   // kModulus / kMultiplier
constexpr int32_t kRemainder = 3399;   // kModulus % kMultiplier

int32_t g_state = kInitialState;

int32_t Step() {
  int32_t s = (g_state % kQuotient) * kMultiplier - (g_state / kQuotient) * kRemainder;
  if (s < 0) s += kModulus;
  g_state = s;
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
  g_state = seed & kModulus;
  if (g_state == 0 || g_state == kModulus) g_state = kInitialState;
}

int32_t RandomSeed() { return g_state; }

void InitRandom() {
  static bool done = false;
  if (!BeginModuleInit(done)) return;
}

}  // namespace tazmix
