// FreeType fonts: opening the game's face at its two sizes, and rendering
// the glyphs of a grid's worth of letters into fresh (uncached) fonts.
#include <benchmark/benchmark.h>

#include "font/freetype_font.h"
#include "runtime/string.h"

namespace {

const tazmix::String kFace("/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf");

void OpenFace(benchmark::State& state) {
  tazmix::InitFreeTypeFont();
  const int32_t size = static_cast<int32_t>(state.range(0));
  for (auto _ : state) {
    auto font = tazmix::TFreeTypeFont::Load(kFace, size, tazmix::FONT_SMOOTH);
    benchmark::DoNotOptimize(font.get());
  }
}

// The 30 letters the game's grids use, each rendered once per fresh font.
void RenderLetters(benchmark::State& state) {
  tazmix::InitFreeTypeFont();
  const int32_t size = static_cast<int32_t>(state.range(0));
  const std::u16string letters = u"ABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÜß";
  for (auto _ : state) {
    state.PauseTiming();
    auto font = tazmix::TFreeTypeFont::Load(kFace, size, tazmix::FONT_SMOOTH);
    state.ResumeTiming();
    for (char16_t c : letters) benchmark::DoNotOptimize(font->LoadGlyph(font->CharToGlyph(c)).get());
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(letters.size()));
}

}  // namespace

BENCHMARK(OpenFace)->Arg(16)->Arg(80)->Unit(benchmark::kMicrosecond);
BENCHMARK(RenderLetters)->Arg(16)->Arg(80)->Unit(benchmark::kMicrosecond);
