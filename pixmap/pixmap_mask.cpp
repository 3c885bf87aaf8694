#include "pixmap/pixmap_mask.h"

#include <algorithm>

namespace tazmix {

Ref<TPixmap> MaskPixmap(const Ref<TPixmap>& pixmap, int32_t r, int32_t g, int32_t b) {
  if (!pixmap) return nullptr;
  const Ref<TPixmap> src = pixmap->format == FORMAT_RGBA32 ? pixmap : pixmap->Convert(FORMAT_RGBA32);
  if (!src) return nullptr;
  const int32_t w = src->width, h = src->height;
  Ref<TPixmap> result = CreatePixmap(w, h, FORMAT_RGBA32, 4);
  if (!result) return nullptr;
  // Compares against the low bytes, as the pixel bytes can hold nothing else.
  const uint8_t mr = static_cast<uint8_t>(r), mg = static_cast<uint8_t>(g), mb = static_cast<uint8_t>(b);
  auto is_mask = [&](const uint8_t* p) { return p[0] == mr && p[1] == mg && p[2] == mb; };

  for (int32_t y = 0; y < h; ++y) {
    const uint8_t* in = src->PixelPtr(0, y);
    uint8_t* out = result->PixelPtr(0, y);
    for (int32_t x = 0; x < w; ++x, in += 4, out += 4) {
      if (!is_mask(in)) {
        out[0] = in[0], out[1] = in[1], out[2] = in[2], out[3] = 255;
        continue;
      }
      int32_t sum[3] = {0, 0, 0}, count = 0;
      for (int32_t ny = std::max(y - 1, 0); ny <= std::min(y + 1, h - 1); ++ny) {
        for (int32_t nx = std::max(x - 1, 0); nx <= std::min(x + 1, w - 1); ++nx) {
          const uint8_t* n = src->PixelPtr(nx, ny);
          if (is_mask(n)) continue;
          sum[0] += n[0], sum[1] += n[1], sum[2] += n[2];
          ++count;
        }
      }
      for (int c = 0; c < 3; ++c) out[c] = count ? static_cast<uint8_t>(sum[c] / count) : 0;
      out[3] = 0;
    }
  }
  return result;
}

}  // namespace tazmix
