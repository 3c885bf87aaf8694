// Pixel-exact collision against the brute-force model of the collision
// tests: two unturned images of the input's sizes, formats, alphas, handles
// and whole-pixel positions must overlap exactly when some screen pixel is
// solid in both, through ImagesOverlap and through the collision layers.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "draw2d/collision_layers.h"
#include "draw2d/draw2d_module.h"
#include "fuzz/fuzz_input.h"
#include "tests/collision/collision_model.h"

using namespace collision_test;
using tazmix::fuzz::FuzzInput;

namespace {

Ref<TVex2DGraphics> graphics;

Placed InputImage(FuzzInput& in) {
  static constexpr int32_t kFormats[] = {FORMAT_RGBA32, FORMAT_BGRA32, FORMAT_ALPHA8, FORMAT_BLACK_ALPHA8,
                                         FORMAT_RGB24, FORMAT_GREY8};
  const auto w = static_cast<int32_t>(in.Range(1, 24)), h = static_cast<int32_t>(in.Range(1, 24));
  const int32_t format = kFormats[in.Range(0, 5)];
  // A byte per 2 x 2 block: solid or not by its top bit, the alpha itself
  // from the low bits, so the threshold at 128 is met from both sides.
  const int32_t across = (w + 1) / 2;
  std::vector<uint8_t> blocks(static_cast<size_t>(across * ((h + 1) / 2)));
  for (auto& b : blocks) b = in.Byte();
  std::vector<int32_t> alpha(static_cast<size_t>(w * h));
  for (int32_t y = 0; y < h; ++y) {
    for (int32_t x = 0; x < w; ++x) alpha[static_cast<size_t>(y * w + x)] = blocks[static_cast<size_t>(y / 2 * across + x / 2)];
  }
  Placed p = PlacedImage(w, h, format, alpha);
  p.image->handle_x = static_cast<float>(in.Range(0, w));
  p.image->handle_y = static_cast<float>(in.Range(0, h));
  p.x = static_cast<float>(in.Range(-30, 30));
  p.y = static_cast<float>(in.Range(-30, 30));
  return p;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  InitDraw2D();
  graphics = MakeCollisionGraphics(New<MatrixDriver>());
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput in(data, size);
  const auto ox = static_cast<float>(in.Range(-30, 30)), oy = static_cast<float>(in.Range(-30, 30));
  SetOrigin(ox, oy);
  const Placed a = InputImage(in), b = InputImage(in);
  const bool expected = BruteOverlap(a, b, ox, oy);
  if (ImagesOverlap(a.image, a.x, a.y, 0, b.image, b.x, b.y, 0) != (expected ? 1 : 0)) std::abort();

  // The same through a layer: b finds a's id exactly when they overlap.
  ClearCollisionLayers(0);
  const int32_t layer = Layer(static_cast<int32_t>(in.Range(0, 30)));
  const Ref<Object> id = New<Object>();
  CollideImageAt(a.image, a.x, a.y, 0, 0, layer, id);
  const std::vector<Ref<Object>> found = CollideImageAt(b.image, b.x, b.y, 0, layer, 0, nullptr);
  if (found.size() != (expected ? 1u : 0u) || (expected && found[0] != id)) std::abort();
  ClearCollisionLayers(0);
  return 0;
}
