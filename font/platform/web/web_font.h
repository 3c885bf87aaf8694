// Fonts from font files in a browser page: the browser draws the glyphs (a
// 2D canvas writing with the file given to the page through the FontFace
// API), the file's own tables give the glyph count, the character map and
// the metrics, so sizes and advances are the font's to the pixel.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "font/font.h"
#include "font/font_loader.h"
#include "font/freetype_font.h"
#include "font/platform/web/sfnt_metrics.h"
#include "pixmap/pixmap.h"

namespace tazmix {

class TWebFont : public TFont {
 public:
  int32_t Style() override { return _style; }
  int32_t Height() override { return _height; }
  int32_t CountGlyphs() override { return static_cast<int32_t>(_glyphs.size()); }
  // As the FreeType platform's fonts number them: the file's glyph i is
  // index i - 1, so a character without a glyph maps to -1.
  int32_t CharToGlyph(int32_t code) override;
  // Cached. A glyph no character has been asked for is drawn empty (the
  // browser draws characters, not glyphs); it keeps its advance.
  Ref<TGlyph> LoadGlyph(int32_t index) override;

  // Reads `src` (a path or a stream URL) and hands it to the page's fonts.
  // Null on any failure, with the reason noted: an unreadable or empty file,
  // one that is no TrueType or OpenType font or that the browser refuses, a
  // size of 0 or less, or a program without a browser (under node).
  static Ref<TWebFont> Load(const String& src, int32_t size, int32_t style);

 private:
  std::vector<uint8_t> file_;
  SfntMetrics metrics_;
  int32_t family_ = 0;  // the page's name for the file: "tazmix-font-<n>"
  int32_t _style = 0;
  int32_t pixels_ = 0;
  int32_t _height = 0;
  int32_t _ascend = 0;
  std::vector<Ref<TFreeTypeGlyph>> _glyphs;         // the glyph record the FreeType fonts use
  std::unordered_map<int32_t, int32_t> glyph_of_;   // character -> index
  std::unordered_map<int32_t, int32_t> character_;  // index -> a character drawn by it
};

class TWebFontLoader : public TFontLoader {
 public:
  // TWebFont::Load for a String of at least one character; Null otherwise.
  Ref<TFont> LoadFont(const Ref<Object>& url, int32_t size, int32_t style) override;
};

}  // namespace tazmix
