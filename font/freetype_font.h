// Fonts from font files through the FreeType 2 library.
//
// A font is opened at one pixel size; its glyphs are rendered one at a time,
// on demand, into alpha-only (FORMAT_ALPHA8) pixmaps, and its line metrics
// come from the size selected. Glyph index i of a font is the library's
// glyph i + 1, so the library's missing-glyph shape (glyph 0) is never handed
// out and a character without a glyph maps to -1.
//
// The module adds its loader to the font loader chain when it initialises,
// so LoadFont reaches it without naming it.
#pragma once

#include <cstdint>
#include <vector>

#include "font.h"
#include "font_loader.h"
#include "../pixmap/pixmap.h"
#include "../runtime/object.h"
#include "../runtime/string.h"

struct FT_FaceRec_;

namespace tazmix {

// Bounds that keep a hostile or mistaken request from asking for giant
// bitmaps. A size above the largest is searched downwards from it, exactly
// as a size a bitmap face lacks falls back to a smaller one.
inline constexpr int32_t FREETYPE_MAX_PIXEL_SIZE = 1024;
// A glyph whose bitmap would be wider or taller than this many pixels loads
// as an empty glyph: eight times the pixel size, at least 64, at most 4096.
int32_t FreeTypeMaxGlyphExtent(int32_t pixelSize);
// Faces claiming more glyphs than this are refused.
inline constexpr int32_t FREETYPE_MAX_GLYPHS = 1 << 17;

class TFreeTypeGlyph : public TGlyph {
 public:
  Ref<TPixmap> _pixmap;  // Null for a glyph without pixels
  float _advance = 0;    // whole pixels
  int32_t _x = 0;        // pixel rectangle relative to the pen, y down from the line top
  int32_t _y = 0;
  int32_t _w = 0;
  int32_t _h = 0;

  Ref<Object> Pixels() override { return _pixmap; }
  float Advance() override { return _advance; }
  void GetRect(int32_t& x, int32_t& y, int32_t& width, int32_t& height) override {
    x = _x;
    y = _y;
    width = _w;
    height = _h;
  }
};

class TFreeTypeFont : public TFont {
 public:
  TFreeTypeFont() = default;
  ~TFreeTypeFont() override;

  int32_t Style() override { return _style; }
  int32_t Height() override { return _height; }
  int32_t CountGlyphs() override { return static_cast<int32_t>(_glyphs.size()); }
  int32_t CharToGlyph(int32_t code) override;
  // Cached; a glyph the library cannot render is an empty glyph (no pixels,
  // no advance). Null for an index outside 0 .. CountGlyphs() - 1.
  Ref<TGlyph> LoadGlyph(int32_t index) override;

  // Ascender and descender in whole pixels (the descender is negative below
  // the baseline), and the pixel size the face was opened at after fallback.
  int32_t Ascend() const { return _ascend; }
  int32_t Descend() const { return _descend; }
  int32_t PixelSize() const { return _pixel_size; }

  // Opens `src` at `size` pixels: a file path, or a stream URL ("proto::path")
  // whose whole content is read into memory that the font keeps. A size the
  // face cannot render falls back to the largest smaller one it can. Null on
  // any failure (no library, unreadable or empty source, a file that is no
  // font, a size of 0 or less, no usable size); never raises.
  static Ref<TFreeTypeFont> Load(const String& src, int32_t size, int32_t style);

 private:
  FT_FaceRec_* _ft_face = nullptr;
  int32_t _style = 0;
  int32_t _height = 0;
  int32_t _ascend = 0;
  int32_t _descend = 0;
  int32_t _pixel_size = 0;
  std::vector<Ref<TFreeTypeGlyph>> _glyphs;  // one slot per glyph of the face
  std::vector<uint8_t> _buf;                 // the file's bytes for a stream URL; empty for a path
};

class TFreeTypeFontLoader : public TFontLoader {
 public:
  // TFreeTypeFont::Load for a String of at least one character; Null for
  // anything else.
  Ref<TFont> LoadFont(const Ref<Object>& url, int32_t size, int32_t style) override;
};

// Runs once: initialises fonts, pixmaps and streams, registers the classes
// and adds one TFreeTypeFontLoader to the loader chain. The library itself
// starts with the first Load.
void InitFreeTypeFont();

}  // namespace tazmix
