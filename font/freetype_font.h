/// \file
/// Fonts from font files through the FreeType 2 library (TrueType, OpenType
/// and the other formats FreeType reads).
///
/// A font is opened at one pixel size; its glyphs are rendered one at a time,
/// on demand, into alpha-only (FORMAT_ALPHA8) pixmaps, and its line metrics
/// come from the size selected. Glyph index i of a font is the library's
/// glyph i + 1, so the library's missing-glyph shape (glyph 0) is never handed
/// out and a character without a glyph maps to -1.
///
/// The module adds its loader to the font loader chain when it initialises,
/// so LoadFont reaches it without naming it.
///
/// \code{.cpp}
/// tazmix::InitFreeTypeFont();  // InitTazmix does this
/// tazmix::Ref<tazmix::TFreeTypeFont> font = tazmix::TFreeTypeFont::Load("Sans.ttf", 20, 0);
/// int32_t baseline = font ? font->Ascend() : 0;
/// \endcode
/// \ingroup font
/// \since 1.0
#pragma once

#include <algorithm>
#include <array>
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
// bitmaps.

/// The largest pixel size a font opens at. A size above it is searched
/// downwards from it, exactly as a size a bitmap face lacks falls back to a
/// smaller one. \since 1.0
inline constexpr int32_t FREETYPE_MAX_PIXEL_SIZE = 1024;
/// A glyph whose bitmap would be wider or taller than this many pixels loads
/// as an empty glyph.
/// \param pixel_size the font's pixel size.
/// \return eight times the pixel size, at least 64, at most 4096.
/// \since 1.0
inline int32_t FreeTypeMaxGlyphExtent(int32_t pixel_size) { return std::clamp(pixel_size, 8, 512) * 8; }
/// Faces claiming more glyphs than this (2^17) are refused. \since 1.0
inline constexpr int32_t FREETYPE_MAX_GLYPHS = 1 << 17;

/// A glyph rendered by FreeType (in a web page, by the browser).
/// \since 1.0
class TFreeTypeGlyph : public TGlyph {
 public:
  /// The alpha-only pixels; Null for a glyph without pixels. \since 1.0
  Ref<TPixmap> _pixmap;
  /// The advance in whole pixels. \since 1.0
  float _advance = 0;
  /// The pixel rectangle's left edge relative to the pen. \since 1.0
  int32_t _x = 0;
  /// The pixel rectangle's top edge, down from the line top. \since 1.0
  int32_t _y = 0;
  /// The pixel rectangle's width. \since 1.0
  int32_t _w = 0;
  /// The pixel rectangle's height. \since 1.0
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

/// A font file opened through FreeType at one pixel size.
/// \since 1.0
class TFreeTypeFont : public TFont {
 public:
  /// An unopened font; use Load. \since 1.0
  TFreeTypeFont() = default;
  /// Closes the face. \since 1.0
  ~TFreeTypeFont() override;

  int32_t Style() override { return _style; }
  int32_t Height() override { return _height; }
  int32_t CountGlyphs() override { return static_cast<int32_t>(_glyphs.size()); }
  int32_t CharToGlyph(int32_t code) override;
  /// The glyph for an index, cached; a glyph the library cannot render is an
  /// empty glyph (no pixels, no advance).
  /// \param index 0 .. CountGlyphs() - 1.
  /// \return the glyph; Null for an index outside.
  /// \since 1.0
  Ref<TGlyph> LoadGlyph(int32_t index) override;

  /// \return the ascender in whole pixels. \since 1.0
  int32_t Ascend() const { return _ascend; }
  /// \return the descender in whole pixels, negative below the baseline. \since 1.0
  int32_t Descend() const { return _descend; }
  /// \return the pixel size the face was opened at after fallback. \since 1.0
  int32_t PixelSize() const { return pixel_size_; }

  /// Opens a font at a pixel size. A size the face cannot render falls back
  /// to the largest smaller one it can. Never raises.
  /// \param src a file path, or a stream URL ("proto::path") whose whole
  ///   content is read into memory that the font keeps.
  /// \param size the pixel size; above FREETYPE_MAX_PIXEL_SIZE counts as it.
  /// \param style style flags (FONT_SMOOTH).
  /// \return the font, or Null on any failure (no library, unreadable or empty
  ///   source, a file that is no font, a size of 0 or less, no usable size),
  ///   with a line such as `TFreeTypeFont::Load("a.ttf", 16): FreeType: unknown file format`,
  ///   `...: the size must be at least 1 pixel`, `...: it is empty` or
  ///   `...: the file is cut short: its tables reach past its end`.
  /// \since 1.0
  static Ref<TFreeTypeFont> Load(const String& src, int32_t size, int32_t style);

 private:
  FT_FaceRec_* _ft_face = nullptr;
  int32_t _style = 0;
  int32_t _height = 0;
  int32_t _ascend = 0;
  int32_t _descend = 0;
  int32_t pixel_size_ = 0;
  std::vector<Ref<TFreeTypeGlyph>> _glyphs;  // one slot per glyph of the face
  std::vector<uint8_t> _buf;                 // the file's bytes for a stream URL; empty for a path
  // The glyphs of the codes below 256, looked up once: text asks for them
  // every frame, twice per character when it is measured too.
  static constexpr int32_t kLatinCodes = 256;
  std::array<int32_t, kLatinCodes> latin_glyphs_{};
};

/// The FreeType loader of the font loader chain.
/// \since 1.0
class TFreeTypeFontLoader : public TFontLoader {
 public:
  /// TFreeTypeFont::Load for a String of at least one character.
  /// \param url the source.
  /// \param size the pixel size.
  /// \param style style flags.
  /// \return the font; Null for anything else or when the load fails.
  /// \since 1.0
  Ref<TFont> LoadFont(const Ref<Object>& url, int32_t size, int32_t style) override;
};

/// Runs once: initialises fonts, pixmaps and streams, registers the classes
/// and adds one TFreeTypeFontLoader to the loader chain. The library itself
/// starts with the first Load.
/// \since 1.0
void InitFreeTypeFont();

}  // namespace tazmix
