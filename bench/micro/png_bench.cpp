// Loading the game-sized PNG pictures: a 200x200 RGBA one (the clock) and a
// 74x74 RGB one (a grid tile), from files as the game does.
#include <benchmark/benchmark.h>

#include <string>

#include "pixmap/pixmap.h"
#include "pixmap/pixmap_loader.h"
#include "pixmap/png_loader.h"

using namespace tazmix;

namespace {

void LoadFile(benchmark::State& state, const char* name) {
  InitPNGLoader();
  const String path((std::string(TAZMIX_BENCH_DATA_DIR) + "/" + name).c_str());
  Ref<TPixmap> first = LoadPixmap(path);
  if (!first) {
    state.SkipWithError("picture missing");
    return;
  }
  for (auto _ : state) {
    Ref<TPixmap> p = LoadPixmap(path);
    benchmark::DoNotOptimize(p.get());
  }
  state.SetItemsProcessed(state.iterations() * first->width * first->height);
  state.SetLabel(std::to_string(first->width) + "x" + std::to_string(first->height) + " format " +
                 std::to_string(first->format));
}

void BM_LoadPNG_Clock200RGBA(benchmark::State& state) { LoadFile(state, "clock.png"); }
void BM_LoadPNG_Tile74RGB(benchmark::State& state) { LoadFile(state, "tile.png"); }

// The conversion a texture upload of the clock would need.
void BM_ConvertRGBAToBGRA_200(benchmark::State& state) {
  Ref<TPixmap> src = CreatePixmap(200, 200, FORMAT_RGBA32, 4);
  src->ClearPixels(0x80402010);
  for (auto _ : state) {
    Ref<TPixmap> p = src->Convert(FORMAT_BGRA32);
    benchmark::DoNotOptimize(p.get());
  }
  state.SetItemsProcessed(state.iterations() * 200 * 200);
}

}  // namespace

BENCHMARK(BM_LoadPNG_Clock200RGBA);
BENCHMARK(BM_LoadPNG_Tile74RGB);
BENCHMARK(BM_ConvertRGBAToBGRA_200);
