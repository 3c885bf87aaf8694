// TGameWord::Create: class check, point value and the letter grid, whose
// filler loop rejects most random draws.
#include <benchmark/benchmark.h>

#include "game/game_word.h"
#include "runtime/random.h"

namespace {

void CreateWord(benchmark::State& state, const char16_t* text) {
  const tazmix::String word(text);
  tazmix::SeedRandom(4660);
  for (auto _ : state) {
    auto w = vindra::TGameWord::Create(word);
    benchmark::DoNotOptimize(w.get());
  }
}

}  // namespace

BENCHMARK_CAPTURE(CreateWord, lower_1, u"q")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CreateWord, lower_5, u"wagen")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CreateWord, lower_10, u"handschuhe")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CreateWord, lower_20, u"donaudampfschiffahrt")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CreateWord, mixed_1, u"Q")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CreateWord, mixed_5, u"Wagen")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CreateWord, mixed_10, u"Handschuhe")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CreateWord, mixed_20, u"DonauDampfSchiffahrt")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CreateWord, digits_1, u"7")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CreateWord, digits_5, u"20101")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CreateWord, digits_10, u"3141592653")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CreateWord, digits_20, u"31415926535897932384")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CreateWord, umlaut_1, u"\u00e4")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CreateWord, umlaut_5, u"Gr\u00f6\u00dfe")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CreateWord, umlaut_10, u"Gl\u00fchbirnen")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CreateWord, umlaut_20, u"\u00dcberschwemmungsgef\u00e4\u00df")->Unit(benchmark::kMicrosecond);
