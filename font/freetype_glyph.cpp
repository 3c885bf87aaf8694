// Rendering one glyph of a FreeType font into an alpha-only pixmap.
#include <cstdint>
#include <algorithm>
#include <cstring>

#include "font/freetype_font.h"
#include "font/internal/freetype_library.h"

#include FT_BITMAP_H
#include FT_OUTLINE_H

namespace tazmix {

namespace {

// Row `r` (0 = top) of a bitmap; a negative pitch stores the rows bottom up.
const uint8_t* BitmapRow(const FT_Bitmap& bitmap, unsigned r) {
  if (bitmap.pitch >= 0) return bitmap.buffer + static_cast<size_t>(r) * static_cast<size_t>(bitmap.pitch);
  return bitmap.buffer + static_cast<size_t>(bitmap.rows - 1 - r) * static_cast<size_t>(-bitmap.pitch);
}

// Copies an 8-bit coverage bitmap, stretching 0 .. levels - 1 onto 0 .. 255.
void CopyGrey(const FT_Bitmap& bitmap, unsigned levels, TPixmap& out) {
  for (unsigned r = 0; r < bitmap.rows; ++r) {
    const uint8_t* src = BitmapRow(bitmap, r);
    uint8_t* dst = out.PixelPtr(0, static_cast<int32_t>(r));
    if (levels == 256) {
      std::memcpy(dst, src, bitmap.width);
    } else {
      const unsigned top = levels > 1 ? levels - 1 : 1;
      for (unsigned x = 0; x < bitmap.width; ++x) dst[x] = static_cast<uint8_t>(std::min<unsigned>(src[x], top) * 255 / top);
    }
  }
}

// One bit per pixel, most significant bit first: set bits are full coverage.
void ExpandMono(const FT_Bitmap& bitmap, TPixmap& out) {
  for (unsigned r = 0; r < bitmap.rows; ++r) {
    const uint8_t* src = BitmapRow(bitmap, r);
    uint8_t* dst = out.PixelPtr(0, static_cast<int32_t>(r));
    for (unsigned x = 0; x < bitmap.width; ++x) dst[x] = (src[x >> 3] & (0x80u >> (x & 7))) ? 255 : 0;
  }
}

// The glyph slot's bitmap as a FORMAT_ALPHA8 pixmap, or Null.
Ref<TPixmap> AlphaPixmap(const FT_Bitmap& bitmap) {
  Ref<TPixmap> out =
      TPixmap::Create(static_cast<int32_t>(bitmap.width), static_cast<int32_t>(bitmap.rows), FORMAT_ALPHA8, 4);
  if (!out) return nullptr;
  switch (bitmap.pixel_mode) {
    case FT_PIXEL_MODE_MONO:
      ExpandMono(bitmap, *out);
      return out;
    case FT_PIXEL_MODE_GRAY:
      CopyGrey(bitmap, static_cast<unsigned>(bitmap.num_grays), *out);
      return out;
    default: {
      // Two- and four-bit grey and colour bitmaps of some bitmap fonts: the
      // library turns them into one byte per pixel first.
      FT_Bitmap grey;
      FT_Bitmap_Init(&grey);
      Ref<TPixmap> result;
      if (FT_Bitmap_Convert(FreeTypeLibrary(), &bitmap, &grey, 1) == 0 && grey.width == bitmap.width &&
          grey.rows == bitmap.rows) {
        CopyGrey(grey, static_cast<unsigned>(grey.num_grays), *out);
        result = out;
      }
      FT_Bitmap_Done(FreeTypeLibrary(), &grey);
      return result;
    }
  }
}

// Pixel extent of an outline once rendered, measured before rendering so a
// hostile face cannot make the library allocate a giant bitmap.
bool OutlineFits(const FT_Outline& outline, int64_t limit) {
  FT_BBox box;
  FT_Outline_Get_CBox(&outline, &box);
  const int64_t w = ((static_cast<int64_t>(box.xMax) + 63) >> 6) - (static_cast<int64_t>(box.xMin) >> 6);
  const int64_t h = ((static_cast<int64_t>(box.yMax) + 63) >> 6) - (static_cast<int64_t>(box.yMin) >> 6);
  return w <= limit && h <= limit;
}

}  // namespace

Ref<TGlyph> TFreeTypeFont::LoadGlyph(int32_t index) {
  if (index < 0 || static_cast<size_t>(index) >= _glyphs.size()) return nullptr;
  Ref<TFreeTypeGlyph>& slot = _glyphs[static_cast<size_t>(index)];
  if (slot) return slot;
  // Stored at once: a glyph that fails stays the empty glyph, asked for once.
  Ref<TFreeTypeGlyph> glyph = New<TFreeTypeGlyph>();
  slot = glyph;

  // Loading and rendering in two steps (what the render load flag does in
  // one) leaves room to measure the outline first.
  if (FT_Load_Glyph(_ft_face, static_cast<FT_UInt>(index) + 1, FT_LOAD_DEFAULT) != 0) return glyph;
  FT_GlyphSlot ft = _ft_face->glyph;
  const int64_t limit = FreeTypeMaxGlyphExtent(pixel_size_);
  if (ft->format == FT_GLYPH_FORMAT_OUTLINE && !OutlineFits(ft->outline, limit)) return glyph;
  if (FT_Render_Glyph(ft, FT_RENDER_MODE_NORMAL) != 0) return glyph;
  const FT_Bitmap& bitmap = ft->bitmap;
  if (bitmap.width > limit || bitmap.rows > limit) return glyph;

  // A bitmap glyph may state a size and still have no pixels at all (a
  // bitmap font's glyph without its bitmap lines): it draws nothing.
  const bool inked = bitmap.width > 0 && bitmap.rows > 0 && bitmap.buffer;
  Ref<TPixmap> pixmap;
  if (inked) {
    pixmap = AlphaPixmap(bitmap);
    if (!pixmap) return glyph;
  }
  glyph->_x = ft->bitmap_left;
  glyph->_y = _ascend - ft->bitmap_top;
  glyph->_w = inked ? static_cast<int32_t>(bitmap.width) : 0;
  glyph->_h = inked ? static_cast<int32_t>(bitmap.rows) : 0;
  glyph->_advance = static_cast<float>(ft->advance.x >> 6);
  if (!pixmap) return glyph;

  if (_style & FONT_SMOOTH) {
    // A transparent ring keeps filtered drawing from cutting the glyph's edge.
    Ref<TPixmap> framed = TPixmap::Create(glyph->_w + 2, glyph->_h + 2, FORMAT_ALPHA8, 4);
    if (!framed) return glyph;
    framed->ClearPixels(0);
    framed->Paste(*pixmap, 1, 1);
    pixmap = framed;
    glyph->_x -= 1;
    glyph->_y -= 1;
    glyph->_w += 2;
    glyph->_h += 2;
  }
  glyph->_pixmap = pixmap;
  return glyph;
}

}  // namespace tazmix
