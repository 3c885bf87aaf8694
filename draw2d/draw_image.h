// Drawing images into the current 2D graphics context. The image's own
// handle is applied (the context's handle is not), then the origin and the
// matrix. An image without a frame at that index (no driver, or the driver
// could not make one) draws nothing, and so does a Null image.
#pragma once

#include <cstdint>

#include "image.h"

namespace tazmix {

void DrawImage(const Ref<TImage>& image, float x, float y, int32_t frame = 0);
// The whole image stretched to width x height.
void DrawImageRect(const Ref<TImage>& image, float x, float y, float width, float height, int32_t frame = 0);
// The source rectangle (sx, sy, sw, sh) stretched to width x height; the
// handle (hx, hy) is given in source pixels.
void DrawSubImageRect(const Ref<TImage>& image, float x, float y, float width, float height, float sx,
                      float sy, float sw, float sh, float hx = 0, float hy = 0, int32_t frame = 0);
// Fills the viewport with untransformed copies of the frame, one of them at
// (x, y), as far as the viewport lies in the drawing area. Nothing is drawn
// for a position that is not a finite number, an empty image, or a tiling of
// more than 4,194,304 copies.
void TileImage(const Ref<TImage>& image, float x = 0, float y = 0, int32_t frame = 0);

}  // namespace tazmix
