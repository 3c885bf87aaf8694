// The menu icon: the title logo on a rounded slate tile that faintly shows
// the grid of a round behind it.
#include "tools/make_assets/pictures.h"
#include "tools/make_assets/shapes.h"

namespace vindra::assets {

Canvas DrawIcon(FontSet& fonts, int32_t size) {
  constexpr int32_t kSize = 256;
  constexpr float kEdge = 8;
  Canvas canvas(kSize, kSize);
  const Shape tile = RoundedBox(kEdge, kEdge, kSize - kEdge, kSize - kEdge, 44);
  canvas.Draw(Rasterise(kSize, kSize, tile), Solid(Rgb(14, 18, 30)));
  const Mask face = Rasterise(kSize, kSize, Grown(tile, -3));
  canvas.Draw(face, VerticalGradient(kEdge, Rgb(62, 76, 112), kSize - kEdge, Rgb(24, 30, 50)));

  // The grid: four by four cells, just visible.
  Mask lines(kSize, kSize);
  for (int32_t i = 1; i < 4; ++i) {
    const float at = kEdge + i * (kSize - 2 * kEdge) / 4;
    lines = lines.Union(Rasterise(kSize, kSize, Segment({at, kEdge}, {at, kSize - kEdge}, 1.5f)));
    lines = lines.Union(Rasterise(kSize, kSize, Segment({kEdge, at}, {kSize - kEdge, at}, 1.5f)));
  }
  canvas.Draw(lines.Times(face), Solid(Rgb(150, 170, 220)), 0.18f);
  canvas.Draw(Rasterise(kSize, kSize, Outline(Grown(tile, -3), 1.2f)),
              VerticalGradient(kEdge, Rgb(170, 190, 240, 0.8f), kSize * 0.5f, Rgb(170, 190, 240, 0)));

  const Canvas title = DrawTitle(fonts);
  canvas.DrawCanvas(title, (kSize - title.Width()) / 2, (kSize - title.Height()) / 2);
  return size == kSize ? canvas : canvas.Shrunk(size, size);
}

}  // namespace vindra::assets
