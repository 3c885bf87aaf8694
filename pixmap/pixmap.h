/// \file
/// TPixmap: a rectangle of pixels in main memory in one of the twelve formats.
///
/// Pixel (x, y) lives at pixels + y * pitch + x * BytesPerPixel[format]; rows
/// may carry padding. An owning pixmap (capacity >= 0) frees its pitch * height
/// bytes when released; a static pixmap or a window (capacity -1) wraps memory
/// owned elsewhere, and a window keeps its parent alive through _source.
/// Pixel access never reaches outside the pixmap: ReadPixel outside reads 0,
/// WritePixel outside does nothing, Window and Paste clip to the pixmap. Only
/// PixelPtr, the raw address, is unchecked.
///
/// \code{.cpp}
/// tazmix::Ref<tazmix::TPixmap> p = tazmix::CreatePixmap(64, 64, tazmix::FORMAT_RGBA32);
/// tazmix::ClearPixels(p, 0);                                     // transparent
/// tazmix::WritePixel(p, 10, 10, tazmix::PackARGB(255, 255, 0, 0));  // one red pixel
/// tazmix::Ref<tazmix::TPixmap> corner = tazmix::PixmapWindow(p, 0, 0, 16, 16);  // shares the pixels
/// tazmix::Ref<tazmix::TImage> image = tazmix::LoadImage(p);       // a pixmap is a URL for images
/// \endcode
/// \ingroup pixmap
/// \since 1.0
#pragma once

#include <cstdint>
#include <memory>

#include "pixel_format.h"
#include "../runtime/exception.h"
#include "../runtime/object.h"

namespace tazmix {

/// A rectangle of pixels in main memory. The fields are public for speed;
/// change them only as the module does.
/// \since 1.0
class TPixmap : public Object {
 public:
  /// The address of pixel (0, 0). \since 1.0
  uint8_t* pixels = nullptr;
  /// The width in pixels. \since 1.0
  int32_t width = 0;
  /// The height in pixels. \since 1.0
  int32_t height = 0;
  /// Bytes from one row to the next; may exceed a row's pixels (padding). \since 1.0
  int32_t pitch = 0;
  /// The pixel format, 1..12 (pixel_format.h). \since 1.0
  int32_t format = 0;
  /// The bytes owned, or -1 for memory owned elsewhere (static pixmaps and windows). \since 1.0
  int32_t capacity = 0;
  /// What a window keeps alive: its parent pixmap. \since 1.0
  Ref<Object> _source;

  /// The raw address of a pixel; unchecked.
  /// \param x, y the pixel; the caller keeps it inside.
  /// \return its first byte.
  /// \since 1.0
  uint8_t* PixelPtr(int32_t x, int32_t y) const noexcept {
    return pixels + static_cast<intptr_t>(y) * pitch + static_cast<intptr_t>(x) * BytesPerPixel[format];
  }
  /// A pixmap sharing this one's memory and pitch; it keeps this one alive.
  /// \param x, y the rectangle's top left corner.
  /// \param width, height its size.
  /// \return the window, clipped to this pixmap; wholly outside, the window
  ///   has no pixels (0 x 0).
  /// \since 1.0
  Ref<TPixmap> Window(int32_t x, int32_t y, int32_t width, int32_t height);
  /// \return a new owning pixmap (align 4) with the same pixels; padding is not
  ///   copied. Null when the memory is not available. \since 1.0
  Ref<TPixmap> Copy() const;
  /// Converts each row of `source` into this pixmap; only the part that lands
  /// inside this pixmap is written.
  /// \param source the pixels to paste, in any format.
  /// \param x, y where its top left corner goes.
  /// \since 1.0
  void Paste(const TPixmap& source, int32_t x, int32_t y);
  /// A converted copy.
  /// \param format the format wanted, 1..12.
  /// \return a new owning pixmap (align 4) in `format`, even when it is this
  ///   one's own; Null for an unknown format or when the memory is not available.
  /// \since 1.0
  Ref<TPixmap> Convert(int32_t format) const;
  /// \param x, y a position. \return true when (x, y) is a pixel of this pixmap. \since 1.0
  bool Contains(int32_t x, int32_t y) const noexcept;
  /// Reads one pixel.
  /// \param x, y the pixel.
  /// \return its packed ARGB; formats 7 to 12, and positions outside, read as 0.
  /// \since 1.0
  int32_t ReadPixel(int32_t x, int32_t y) const noexcept;
  /// Stores packed ARGB into a pixel; formats 7 to 12 are left unchanged, and
  /// a position outside changes nothing.
  /// \param x, y the pixel.
  /// \param argb the colour.
  /// \since 1.0
  void WritePixel(int32_t x, int32_t y, int32_t argb) noexcept;

  /// A new owning pixmap; the pixel bytes are not cleared.
  /// \param width, height the size; 0 is allowed.
  /// \param format the format, 1..12.
  /// \param align rows are rounded up to a multiple of this many bytes (below 1
  ///   counts as 1).
  /// \return the pixmap, or Null when the size is negative, the format
  ///   unknown, the buffer would exceed 2^31 - 1 bytes or the memory is not
  ///   available (no line).
  /// \since 1.0
  static Ref<TPixmap> Create(int32_t width, int32_t height, int32_t format, int32_t align);
  /// Wraps memory owned by someone else; nothing is freed on release.
  /// \param pixels the address of pixel (0, 0); it must outlive the pixmap.
  /// \param width, height the size.
  /// \param pitch bytes from one row to the next; may be negative (rows bottom up).
  /// \param format the format, 1..12.
  /// \return the pixmap, or Null for a negative size, an unknown format, rows
  ///   that would overlap (|pitch| below a row's bytes) or no memory behind a
  ///   size above 0 (no line).
  /// \since 1.0
  static Ref<TPixmap> CreateStatic(uint8_t* pixels, int32_t width, int32_t height, int32_t pitch, int32_t format);

  /// Fills every pixel with a colour.
  /// \param argb the packed colour; 0 clears every byte of every format.
  /// \since 1.0
  void ClearPixels(int32_t argb) noexcept;

 private:
  std::unique_ptr<uint8_t[]> owned_;
};

// Thin function forms of the methods. Those that make a pixmap give Null for
// a Null pixmap; the others raise TNullObjectException, as a method of Null.

/// TPixmap::Create. \param width, height the size. \param format the format, 1..12.
/// \param align the row alignment in bytes.
/// \return the pixmap, or Null for a bad size or format or no memory. \since 1.0
Ref<TPixmap> CreatePixmap(int32_t width, int32_t height, int32_t format, int32_t align = 4);
/// TPixmap::CreateStatic. \param pixels the memory. \param width, height the size.
/// \param pitch bytes per row. \param format the format, 1..12.
/// \return the pixmap, or Null as TPixmap::CreateStatic. \since 1.0
Ref<TPixmap> CreateStaticPixmap(uint8_t* pixels, int32_t width, int32_t height, int32_t pitch, int32_t format);
/// TPixmap::Copy. \param pixmap the pixmap, or Null.
/// \return the copy; Null for Null or no memory. \since 1.0
Ref<TPixmap> CopyPixmap(const Ref<TPixmap>& pixmap);
/// TPixmap::Convert. \param pixmap the pixmap, or Null. \param format the format wanted.
/// \return the converted copy; Null for Null, an unknown format or no memory. \since 1.0
Ref<TPixmap> ConvertPixmap(const Ref<TPixmap>& pixmap, int32_t format);
/// \param pixmap the pixmap. \return its width. \since 1.0
inline int32_t PixmapWidth(const Ref<TPixmap>& pixmap) { return NotNull(pixmap).width; }
/// \param pixmap the pixmap. \return its height. \since 1.0
inline int32_t PixmapHeight(const Ref<TPixmap>& pixmap) { return NotNull(pixmap).height; }
/// \param pixmap the pixmap. \return its pitch in bytes. \since 1.0
inline int32_t PixmapPitch(const Ref<TPixmap>& pixmap) { return NotNull(pixmap).pitch; }
/// \param pixmap the pixmap. \return its format, 1..12. \since 1.0
inline int32_t PixmapFormat(const Ref<TPixmap>& pixmap) { return NotNull(pixmap).format; }
/// The address of a pixel, checked.
/// \param pixmap the pixmap.
/// \param x, y the pixel.
/// \return its address; nullptr for a position outside the pixmap.
/// \since 1.0
uint8_t* PixmapPixelPtr(const Ref<TPixmap>& pixmap, int32_t x, int32_t y);
/// TPixmap::Window. \param pixmap the pixmap, or Null. \param x, y the corner.
/// \param width, height the size. \return the window; Null for Null. \since 1.0
Ref<TPixmap> PixmapWindow(const Ref<TPixmap>& pixmap, int32_t x, int32_t y, int32_t width, int32_t height);
/// TPixmap::ReadPixel. \param pixmap the pixmap. \param x, y the pixel.
/// \return packed ARGB; 0 outside. \since 1.0
inline int32_t ReadPixel(const Ref<TPixmap>& pixmap, int32_t x, int32_t y) { return NotNull(pixmap).ReadPixel(x, y); }
/// TPixmap::WritePixel. \param pixmap the pixmap. \param x, y the pixel.
/// \param argb the packed colour. \since 1.0
inline void WritePixel(const Ref<TPixmap>& pixmap, int32_t x, int32_t y, int32_t argb) {
  NotNull(pixmap).WritePixel(x, y, argb);
}
/// TPixmap::ClearPixels. \param pixmap the pixmap. \param argb the packed colour. \since 1.0
inline void ClearPixels(const Ref<TPixmap>& pixmap, int32_t argb) { NotNull(pixmap).ClearPixels(argb); }

}  // namespace tazmix
