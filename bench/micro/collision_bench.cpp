// Pixel-exact collision: one query against a crowded layer, where the boxes
// reject almost everything, and the exact test of two turned images.
// Items per second are queries per second.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <vector>

#include "draw2d/collision.h"
#include "draw2d/draw_state.h"
#include "draw2d/image.h"
#include "draw2d/vex2d_graphics.h"
#include "pixmap/pixmap.h"
#include "tests/collision/collision_model.h"

using namespace tazmix;

namespace {

// A size x size image whose mask is a disc touching the edges, or with
// `half` the left (-1) or right (+1) half of the image only.
Ref<TImage> DiscImage(int32_t size, int32_t half = 0) {
  Ref<TPixmap> p = CreatePixmap(size, size, FORMAT_RGBA32, 4);
  const float r = size * 0.5f;
  for (int32_t y = 0; y < size; ++y) {
    for (int32_t x = 0; x < size; ++x) {
      const float dx = x + 0.5f - r, dy = y + 0.5f - r;
      bool solid = dx * dx + dy * dy <= r * r;
      if (half < 0) solid = x < size / 2;
      if (half > 0) solid = x >= size / 2;
      p->WritePixel(x, y, solid ? PackARGB(255, 200, 100, 50) : 0);
    }
  }
  Ref<TImage> image = TImage::Create(size, size, 1, 0, 0, 0, 0);
  image->SetPixmap(0, p);
  return image;
}

void BM_CollideImageAtCrowdedLayer(benchmark::State& state) {
  Ref<TVex2DGraphics> g = collision_test::MakeCollisionGraphics(New<collision_test::MatrixDriver>());
  ClearCollisionLayers(0);
  Ref<TImage> image = DiscImage(32);
  std::mt19937 rng(1);
  std::uniform_real_distribution<float> px(0, 800 - 32), py(0, 600 - 32);
  for (int32_t i = 0; i < 1000; ++i) CollideImageAt(image, px(rng), py(rng), 0, 0, 1, New<Object>());
  std::vector<std::pair<float, float>> probes;
  for (int32_t i = 0; i < 256; ++i) probes.emplace_back(px(rng), py(rng));
  size_t next = 0;
  int64_t found = 0;
  for (auto _ : state) {
    const auto& [x, y] = probes[next++ & 255];
    found += static_cast<int64_t>(CollideImageAt(image, x, y, 0, 1, 0, nullptr).size());
  }
  state.SetItemsProcessed(state.iterations());
  state.counters["hits_per_query"] = benchmark::Counter(static_cast<double>(found) / static_cast<double>(state.iterations()));
  ClearCollisionLayers(0);
  TVex2DGraphics::ClearCurrent();
}
BENCHMARK(BM_CollideImageAtCrowdedLayer);

// Two 64x64 images turned by 30 degrees, the second half a width along:
// discs that share solid pixels (the scan stops early), and halves that do
// not (every shared row is scanned).
void BM_ImagesOverlapTurned(benchmark::State& state) {
  Ref<TVex2DGraphics> g = collision_test::MakeCollisionGraphics(New<collision_test::MatrixDriver>());
  const bool halves = state.range(0) != 0;
  Ref<TImage> a = DiscImage(64, halves ? -1 : 0);
  Ref<TImage> b = DiscImage(64, halves ? 1 : 0);
  SetRotation(30);
  int32_t hits = 0;
  for (auto _ : state) hits += ImagesOverlap(a, 200, 200, 0, b, 232, 200, 0);
  if (hits != (halves ? 0 : static_cast<int32_t>(state.iterations()))) state.SkipWithError("unexpected answer");
  state.SetItemsProcessed(state.iterations());
  SetRotation(0);
  ClearCollisionLayers(0);
  TVex2DGraphics::ClearCurrent();
}
BENCHMARK(BM_ImagesOverlapTurned)->ArgName("apart_halves")->Arg(0)->Arg(1);

}  // namespace
