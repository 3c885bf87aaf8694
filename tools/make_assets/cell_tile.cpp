// The grid's cell: a dark slate tile with rounded corners, lit from above, so
// that the white letter drawn on it stands out. A transparent margin keeps
// neighbouring tiles apart.
#include "tools/make_assets/pictures.h"
#include "tools/make_assets/shapes.h"

namespace vindra::assets {

Canvas DrawCellTile() {
  constexpr int32_t kSize = 74;
  Canvas canvas(kSize, kSize);
  const Shape tile = RoundedBox(2, 2, kSize - 2, kSize - 2, 10);

  canvas.Draw(Rasterise(kSize, kSize, tile), Solid(Rgb(14, 18, 30)));
  canvas.Draw(Rasterise(kSize, kSize, Grown(tile, -1.5f)), VerticalGradient(4, Rgb(62, 76, 112), kSize - 4, Rgb(30, 37, 60)));
  // A faint glow in the middle, a bright edge on top, a dark one below.
  canvas.Draw(Rasterise(kSize, kSize, Grown(tile, -1.5f)),
              RadialGradient(kSize / 2.0f, kSize * 0.42f, kSize * 0.5f, Rgb(120, 140, 200, 0.22f), Rgb(120, 140, 200, 0)));
  const Mask rim = Rasterise(kSize, kSize, Outline(Grown(tile, -2), 0.6f));
  canvas.Draw(rim, VerticalGradient(4, Rgb(170, 190, 240, 0.85f), kSize * 0.55f, Rgb(170, 190, 240, 0)));
  canvas.Draw(rim, VerticalGradient(kSize * 0.55f, Rgb(0, 0, 0, 0), kSize - 4, Rgb(0, 0, 0, 0.5f)));
  return canvas;
}

}  // namespace vindra::assets
