#include "pixmap/pixmap.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>

#include "pixmap/pixel_convert.h"
#include "runtime/exception.h"

namespace tazmix {

namespace {

// The bytes one packed colour occupies in `format`, as WritePixel stores them.
// Returns the byte count, 0 for the formats a colour is never stored into.
int32_t PackPixel(int32_t format, int32_t argb, uint8_t (&out)[4]) noexcept {
  const uint8_t a = AlphaOf(argb), r = RedOf(argb), g = GreenOf(argb), b = BlueOf(argb);
  switch (format) {
    case FORMAT_GREY8: out[0] = static_cast<uint8_t>((r + g + b) / 3); return 1;
    case FORMAT_ALPHA8: out[0] = a; return 1;
    case FORMAT_BGR24: out[0] = b, out[1] = g, out[2] = r; return 3;
    case FORMAT_RGB24: out[0] = r, out[1] = g, out[2] = b; return 3;
    case FORMAT_BGRA32: out[0] = b, out[1] = g, out[2] = r, out[3] = a; return 4;
    case FORMAT_RGBA32: out[0] = r, out[1] = g, out[2] = b, out[3] = a; return 4;
    default: return 0;
  }
}

bool KnownFormat(int32_t format) noexcept { return format >= 1 && format < FORMAT_COUNT; }

// The part [from, to) of the range [at, at + length) that lies in [0, size).
struct Span {
  int32_t from;
  int32_t to;
};
Span Clip(int32_t at, int32_t length, int32_t size) noexcept {
  const int64_t from = std::clamp<int64_t>(at, 0, size);
  const int64_t to = std::clamp<int64_t>(int64_t{at} + std::max(length, 0), from, size);
  return {static_cast<int32_t>(from), static_cast<int32_t>(to)};
}

}  // namespace

Ref<TPixmap> TPixmap::Create(int32_t width, int32_t height, int32_t format, int32_t align) {
  if (width < 0 || height < 0 || !KnownFormat(format)) return nullptr;
  if (align < 1) align = 1;
  const int64_t row_bytes = int64_t{width} * BytesPerPixel[format];
  const int64_t pitch = (row_bytes + align - 1) / align * align;
  const int64_t capacity = pitch * height;
  if (capacity > std::numeric_limits<int32_t>::max()) return nullptr;
  std::unique_ptr<uint8_t[]> buffer(new (std::nothrow) uint8_t[static_cast<size_t>(capacity)]);
  if (!buffer) return nullptr;
  Ref<TPixmap> pixmap = New<TPixmap>();
  pixmap->owned_ = std::move(buffer);
  pixmap->pixels = pixmap->owned_.get();
  pixmap->width = width;
  pixmap->height = height;
  pixmap->pitch = static_cast<int32_t>(pitch);
  pixmap->format = format;
  pixmap->capacity = static_cast<int32_t>(capacity);
  return pixmap;
}

Ref<TPixmap> TPixmap::CreateStatic(uint8_t* pixels, int32_t width, int32_t height, int32_t pitch, int32_t format) {
  if (width < 0 || height < 0 || !KnownFormat(format)) return nullptr;
  // Rows must not overlap, and memory must be there when there are pixels.
  if (std::abs(int64_t{pitch}) < int64_t{width} * BytesPerPixel[format]) return nullptr;
  if (!pixels && width > 0 && height > 0) return nullptr;
  Ref<TPixmap> pixmap = New<TPixmap>();
  pixmap->pixels = pixels;
  pixmap->width = width;
  pixmap->height = height;
  pixmap->pitch = pitch;
  pixmap->format = format;
  pixmap->capacity = -1;
  return pixmap;
}

Ref<TPixmap> TPixmap::Window(int32_t x, int32_t y, int32_t w, int32_t h) {
  const Span cols = Clip(x, w, width), rows = Clip(y, h, height);
  auto window = New<TPixmap>();
  window->pixels = PixelPtr(cols.from, rows.from);
  window->width = cols.to - cols.from;
  window->height = rows.to - rows.from;
  window->pitch = pitch;
  window->format = format;
  window->capacity = -1;
  window->_source = Ref<Object>(this);
  return window;
}

Ref<TPixmap> TPixmap::Copy() const {
  Ref<TPixmap> copy = Create(width, height, format, 4);
  if (!copy) return nullptr;
  const size_t row_bytes = static_cast<size_t>(width) * static_cast<size_t>(BytesPerPixel[format]);
  for (int32_t y = 0; y < height; ++y) std::memcpy(copy->PixelPtr(0, y), PixelPtr(0, y), row_bytes);
  return copy;
}

void TPixmap::Paste(const TPixmap& source, int32_t x, int32_t y) {
  const Span cols = Clip(x, source.width, width), rows = Clip(y, source.height, height);
  const int32_t count = cols.to - cols.from;
  if (count <= 0) return;
  for (int32_t row = rows.from; row < rows.to; ++row) {
    ConvertPixels(source.PixelPtr(cols.from - x, row - y), source.format, PixelPtr(cols.from, row), format, count);
  }
}

Ref<TPixmap> TPixmap::Convert(int32_t to_format) const {
  Ref<TPixmap> result = Create(width, height, to_format, 4);
  if (!result) return nullptr;
  for (int32_t y = 0; y < height; ++y) ConvertPixels(PixelPtr(0, y), format, result->PixelPtr(0, y), to_format, width);
  return result;
}

bool TPixmap::Contains(int32_t x, int32_t y) const noexcept { return x >= 0 && y >= 0 && x < width && y < height; }

int32_t TPixmap::ReadPixel(int32_t x, int32_t y) const noexcept {
  if (!Contains(x, y)) return 0;
  const uint8_t* p = PixelPtr(x, y);
  switch (format) {
    case FORMAT_GREY8: return PackARGB(0xFF, p[0], p[0], p[0]);
    case FORMAT_ALPHA8: return PackARGB(p[0], 0xFF, 0xFF, 0xFF);
    case FORMAT_BGR24: return PackARGB(0xFF, p[2], p[1], p[0]);
    case FORMAT_RGB24: return PackARGB(0xFF, p[0], p[1], p[2]);
    case FORMAT_BGRA32: return PackARGB(p[3], p[2], p[1], p[0]);
    case FORMAT_RGBA32: return PackARGB(p[3], p[0], p[1], p[2]);
    default: return 0;
  }
}

void TPixmap::WritePixel(int32_t x, int32_t y, int32_t argb) noexcept {
  if (!Contains(x, y)) return;
  uint8_t bytes[4];
  const int32_t n = PackPixel(format, argb, bytes);
  if (n > 0) std::memcpy(PixelPtr(x, y), bytes, static_cast<size_t>(n));
}

void TPixmap::ClearPixels(int32_t argb) noexcept {
  const int32_t bpp = BytesPerPixel[format];
  const size_t row_bytes = static_cast<size_t>(width) * static_cast<size_t>(bpp);
  if (argb == 0) {
    if (static_cast<int64_t>(row_bytes) == pitch) {
      std::memset(pixels, 0, row_bytes * static_cast<size_t>(height));
    } else {
      for (int32_t y = 0; y < height; ++y) std::memset(PixelPtr(0, y), 0, row_bytes);
    }
    return;
  }
  uint8_t bytes[4];
  const int32_t n = PackPixel(format, argb, bytes);
  if (n == 0 || width <= 0 || height <= 0) return;
  // Fill the first row pixel by pixel, then copy it to the others.
  uint8_t* first = PixelPtr(0, 0);
  if (n == 1) {
    std::memset(first, bytes[0], row_bytes);
  } else {
    for (int32_t x = 0; x < width; ++x) std::memcpy(first + static_cast<size_t>(x) * n, bytes, static_cast<size_t>(n));
  }
  for (int32_t y = 1; y < height; ++y) std::memcpy(PixelPtr(0, y), first, row_bytes);
}

Ref<TPixmap> CreatePixmap(int32_t width, int32_t height, int32_t format, int32_t align) {
  return TPixmap::Create(width, height, format, align);
}

Ref<TPixmap> CreateStaticPixmap(uint8_t* pixels, int32_t width, int32_t height, int32_t pitch, int32_t format) {
  return TPixmap::CreateStatic(pixels, width, height, pitch, format);
}

Ref<TPixmap> CopyPixmap(const Ref<TPixmap>& pixmap) { return pixmap ? pixmap->Copy() : nullptr; }

Ref<TPixmap> ConvertPixmap(const Ref<TPixmap>& pixmap, int32_t format) {
  return pixmap ? pixmap->Convert(format) : nullptr;
}

uint8_t* PixmapPixelPtr(const Ref<TPixmap>& pixmap, int32_t x, int32_t y) {
  return NotNull(pixmap).Contains(x, y) ? pixmap->PixelPtr(x, y) : nullptr;
}

Ref<TPixmap> PixmapWindow(const Ref<TPixmap>& pixmap, int32_t x, int32_t y, int32_t width, int32_t height) {
  return pixmap ? pixmap->Window(x, y, width, height) : nullptr;
}

}  // namespace tazmix
