#include "pixmap/pixmap_resize.h"

#include <cmath>
#include <vector>

#include "pixmap/pixel_convert.h"

namespace tazmix {

namespace {

// One sampling position along an axis: the first source index, the weight of
// the next one and the byte step to it (0 at the clamped edges).
struct Sample {
  int32_t index;
  float frac;
  int32_t step;
};

Sample SampleAt(int32_t out, float scale, int32_t size, int32_t step) {
  const float s = (static_cast<float>(out) + 0.5f) * scale - 0.5f;
  const float fl = std::floor(s);
  if (fl < 0) return {0, 0.0f, 0};
  if (fl >= static_cast<float>(size - 1)) return {size - 1, 0.0f, 0};
  return {static_cast<int32_t>(fl), s - fl, step};
}

}  // namespace

Ref<TPixmap> ResizePixmap(const Ref<TPixmap>& pixmap, int32_t new_width, int32_t new_height) {
  if (!pixmap) return nullptr;
  const Ref<TPixmap> src = pixmap->format == FORMAT_RGBA32 ? pixmap : pixmap->Convert(FORMAT_RGBA32);
  if (!src) return nullptr;
  Ref<TPixmap> result = CreatePixmap(new_width, new_height, pixmap->format, 4);
  if (!result || new_width <= 0 || new_height <= 0) return result;
  if (src->width <= 0 || src->height <= 0) {
    result->ClearPixels(0);  // nothing to sample: transparent black
    return result;
  }

  const float xscale = static_cast<float>(src->width) / static_cast<float>(new_width);
  const float yscale = static_cast<float>(src->height) / static_cast<float>(new_height);
  // Column samples are the same for every row: work them out once.
  std::vector<Sample> columns(static_cast<size_t>(new_width));
  for (int32_t x = 0; x < new_width; ++x) columns[static_cast<size_t>(x)] = SampleAt(x, xscale, src->width, 4);
  std::vector<uint8_t> row(static_cast<size_t>(new_width) * 4);

  for (int32_t y = 0; y < new_height; ++y) {
    const Sample sy = SampleAt(y, yscale, src->height, src->pitch);
    const float fy = sy.frac;
    const int32_t rowstep = sy.step;
    const uint8_t* line = src->PixelPtr(0, sy.index);
    uint8_t* out = row.data();
    for (const Sample& sx : columns) {
      const uint8_t* p = line + static_cast<size_t>(sx.index) * 4;
      const int32_t colstep = sx.step;
      const float fx = sx.frac;
      for (int32_t c = 0; c < 4; ++c, ++out) {
        const float top = p[c] + (p[c + colstep] - p[c]) * fx;
        const float bottom = p[c + rowstep] + (p[c + rowstep + colstep] - p[c + rowstep]) * fx;
        *out = static_cast<uint8_t>(top + (bottom - top) * fy);
      }
    }
    ConvertPixels(row.data(), FORMAT_RGBA32, result->PixelPtr(0, y), result->format, new_width);
  }
  return result;
}

}  // namespace tazmix
