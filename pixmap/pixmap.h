// TPixmap: a rectangle of pixels in main memory in one of the twelve formats.
//
// Pixel (x, y) lives at pixels + y * pitch + x * BytesPerPixel[format]; rows
// may carry padding. An owning pixmap (capacity >= 0) frees its pitch * height
// bytes when released; a static pixmap or a window (capacity -1) wraps memory
// owned elsewhere, and a window keeps its parent alive through _source.
// Pixel access never reaches outside the pixmap: ReadPixel outside reads 0,
// WritePixel outside does nothing, Window and Paste clip to the pixmap. Only
// PixelPtr, the raw address, is unchecked.
#pragma once

#include <cstdint>
#include <memory>

#include "pixel_format.h"
#include "../runtime/exception.h"
#include "../runtime/object.h"

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
  // The rectangle is clipped to this pixmap; wholly outside, the window has
  // no pixels (0 x 0).
  Ref<TPixmap> Window(int32_t x, int32_t y, int32_t width, int32_t height);
  // A new owning pixmap (align 4) with the same pixels; padding is not copied.
  Ref<TPixmap> Copy() const;
  // Converts each row of `source` into this pixmap at (x, y); only the part
  // that lands inside this pixmap is written.
  void Paste(const TPixmap& source, int32_t x, int32_t y);
  // A new owning pixmap (align 4) in `format`, even when it is this one's own.
  Ref<TPixmap> Convert(int32_t format) const;
  // True when (x, y) is a pixel of this pixmap.
  bool Contains(int32_t x, int32_t y) const noexcept;
  // Packed ARGB of pixel (x, y); formats 7 to 12, and positions outside, read as 0.
  int32_t ReadPixel(int32_t x, int32_t y) const noexcept;
  // Stores packed ARGB into pixel (x, y); formats 7 to 12 are left unchanged,
  // and a position outside changes nothing.
  void WritePixel(int32_t x, int32_t y, int32_t argb) noexcept;

  // A new owning pixmap whose rows are rounded up to a multiple of `align`
  // bytes; the pixel bytes are not cleared. Null when the size is negative,
  // the format unknown, the buffer would exceed 2^31 - 1 bytes or the memory
  // is not available.
  static Ref<TPixmap> Create(int32_t width, int32_t height, int32_t format, int32_t align);
  // Wraps memory owned by someone else; nothing is freed on release. Null
  // for a negative size, an unknown format, rows that would overlap
  // (|pitch| below a row's bytes) or no memory behind a size above 0.
  static Ref<TPixmap> CreateStatic(uint8_t* pixels, int32_t width, int32_t height, int32_t pitch, int32_t format);

  // Fills every pixel with the packed colour; 0 clears every byte of every format.
  void ClearPixels(int32_t argb) noexcept;

 private:
  std::unique_ptr<uint8_t[]> owned_;
};

// Thin function forms of the methods. Those that make a pixmap give Null for
// a Null pixmap; the others raise TNullObjectException, as a method of Null.
Ref<TPixmap> CreatePixmap(int32_t width, int32_t height, int32_t format, int32_t align = 4);
Ref<TPixmap> CreateStaticPixmap(uint8_t* pixels, int32_t width, int32_t height, int32_t pitch, int32_t format);
Ref<TPixmap> CopyPixmap(const Ref<TPixmap>& pixmap);
Ref<TPixmap> ConvertPixmap(const Ref<TPixmap>& pixmap, int32_t format);
inline int32_t PixmapWidth(const Ref<TPixmap>& pixmap) { return NotNull(pixmap).width; }
inline int32_t PixmapHeight(const Ref<TPixmap>& pixmap) { return NotNull(pixmap).height; }
inline int32_t PixmapPitch(const Ref<TPixmap>& pixmap) { return NotNull(pixmap).pitch; }
inline int32_t PixmapFormat(const Ref<TPixmap>& pixmap) { return NotNull(pixmap).format; }
// The address of pixel (x, y); nullptr for a position outside the pixmap.
uint8_t* PixmapPixelPtr(const Ref<TPixmap>& pixmap, int32_t x, int32_t y);
Ref<TPixmap> PixmapWindow(const Ref<TPixmap>& pixmap, int32_t x, int32_t y, int32_t width, int32_t height);
inline int32_t ReadPixel(const Ref<TPixmap>& pixmap, int32_t x, int32_t y) { return NotNull(pixmap).ReadPixel(x, y); }
inline void WritePixel(const Ref<TPixmap>& pixmap, int32_t x, int32_t y, int32_t argb) {
  NotNull(pixmap).WritePixel(x, y, argb);
}
inline void ClearPixels(const Ref<TPixmap>& pixmap, int32_t argb) { NotNull(pixmap).ClearPixels(argb); }

}  // namespace tazmix
