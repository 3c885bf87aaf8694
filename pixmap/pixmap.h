// TPixmap: a rectangle of pixels in main memory in one of the twelve formats.
//
// Pixel (x, y) lives at pixels + y * pitch + x * BytesPerPixel[format]; rows
// may carry padding. An owning pixmap (capacity >= 0) frees its pitch * height
// bytes when released; a static pixmap or a window (capacity -1) wraps memory
// owned elsewhere, and a window keeps its parent alive through _source.
// Coordinates are not checked: callers keep them inside the pixmap.
#pragma once

#include <cstdint>
#include <memory>

#include "pixmap/pixel_format.h"
#include "runtime/object.h"

namespace tazmix {

class TPixmap : public Object {
 public:
  uint8_t* pixels = nullptr;
  int32_t width = 0;
  int32_t height = 0;
  int32_t pitch = 0;
  int32_t format = 0;
  int32_t capacity = 0;
  Ref<Object> _source;

  uint8_t* PixelPtr(int32_t x, int32_t y) const noexcept {
    return pixels + static_cast<intptr_t>(y) * pitch + static_cast<intptr_t>(x) * BytesPerPixel[format];
  }
  // A pixmap sharing this one's memory and pitch; it keeps this one alive.
  Ref<TPixmap> Window(int32_t x, int32_t y, int32_t width, int32_t height);
  // A new owning pixmap (align 4) with the same pixels; padding is not copied.
  Ref<TPixmap> Copy() const;
  // Converts each row of `source` into this pixmap at (x, y).
  void Paste(const TPixmap& source, int32_t x, int32_t y);
  // A new owning pixmap (align 4) in `format`, even when it is this one's own.
  Ref<TPixmap> Convert(int32_t format) const;
  // Packed ARGB of pixel (x, y); formats 7 to 12 read as 0.
  int32_t ReadPixel(int32_t x, int32_t y) const noexcept;
  // Stores packed ARGB into pixel (x, y); formats 7 to 12 are left unchanged.
  void WritePixel(int32_t x, int32_t y, int32_t argb) noexcept;

  // A new owning pixmap whose rows are rounded up to a multiple of `align`
  // bytes; the pixel bytes are not cleared. Null when the size is negative,
  // the buffer would exceed 2^31 - 1 bytes or the memory is not available.
  static Ref<TPixmap> Create(int32_t width, int32_t height, int32_t format, int32_t align);
  // Wraps memory owned by someone else; nothing is freed on release.
  static Ref<TPixmap> CreateStatic(uint8_t* pixels, int32_t width, int32_t height, int32_t pitch, int32_t format);

  // Fills every pixel with the packed colour; 0 clears every byte of every format.
  void ClearPixels(int32_t argb) noexcept;

 private:
  std::unique_ptr<uint8_t[]> owned_;
};

// Thin function forms of the methods.
Ref<TPixmap> CreatePixmap(int32_t width, int32_t height, int32_t format, int32_t align = 4);
Ref<TPixmap> CreateStaticPixmap(uint8_t* pixels, int32_t width, int32_t height, int32_t pitch, int32_t format);
Ref<TPixmap> CopyPixmap(const Ref<TPixmap>& pixmap);
Ref<TPixmap> ConvertPixmap(const Ref<TPixmap>& pixmap, int32_t format);
inline int32_t PixmapWidth(const Ref<TPixmap>& pixmap) { return pixmap->width; }
inline int32_t PixmapHeight(const Ref<TPixmap>& pixmap) { return pixmap->height; }
inline int32_t PixmapPitch(const Ref<TPixmap>& pixmap) { return pixmap->pitch; }
inline int32_t PixmapFormat(const Ref<TPixmap>& pixmap) { return pixmap->format; }
inline uint8_t* PixmapPixelPtr(const Ref<TPixmap>& pixmap, int32_t x, int32_t y) { return pixmap->PixelPtr(x, y); }
Ref<TPixmap> PixmapWindow(const Ref<TPixmap>& pixmap, int32_t x, int32_t y, int32_t width, int32_t height);
inline int32_t ReadPixel(const Ref<TPixmap>& pixmap, int32_t x, int32_t y) { return pixmap->ReadPixel(x, y); }
inline void WritePixel(const Ref<TPixmap>& pixmap, int32_t x, int32_t y, int32_t argb) { pixmap->WritePixel(x, y, argb); }
inline void ClearPixels(const Ref<TPixmap>& pixmap, int32_t argb) { pixmap->ClearPixels(argb); }

}  // namespace tazmix
