#include "pixmap/pixmap_flip.h"

#include <cstring>

namespace tazmix {

namespace {

// Reverses the pixel order of one row of `count` pixels of Bpp bytes each.
template <int Bpp>
void ReverseRow(const uint8_t* src, uint8_t* dst, int32_t count) {
  const uint8_t* s = src + static_cast<size_t>(count - 1) * Bpp;
  for (int32_t i = 0; i < count; ++i, s -= Bpp, dst += Bpp) std::memcpy(dst, s, Bpp);
}

}  // namespace

Ref<TPixmap> XFlipPixmap(const Ref<TPixmap>& pixmap) {
  if (!pixmap) return nullptr;
  const TPixmap& src = *pixmap;
  Ref<TPixmap> result = CreatePixmap(src.width, src.height, src.format, 4);
  if (!result || src.width <= 0) return result;
  const int32_t bpp = BytesPerPixel[src.format];
  for (int32_t y = 0; y < src.height; ++y) {
    const uint8_t* in = src.PixelPtr(0, y);
    uint8_t* out = result->PixelPtr(0, y);
    switch (bpp) {
      case 1: ReverseRow<1>(in, out, src.width); break;
      case 3: ReverseRow<3>(in, out, src.width); break;
      case 4: ReverseRow<4>(in, out, src.width); break;
      default: break;
    }
  }
  return result;
}

Ref<TPixmap> YFlipPixmap(const Ref<TPixmap>& pixmap) {
  if (!pixmap) return nullptr;
  const TPixmap& src = *pixmap;
  Ref<TPixmap> result = CreatePixmap(src.width, src.height, src.format, 4);
  if (!result) return nullptr;
  const size_t row_bytes = static_cast<size_t>(src.width) * static_cast<size_t>(BytesPerPixel[src.format]);
  for (int32_t y = 0; y < src.height; ++y)
    std::memcpy(result->PixelPtr(0, y), src.PixelPtr(0, src.height - 1 - y), row_bytes);
  return result;
}

}  // namespace tazmix
