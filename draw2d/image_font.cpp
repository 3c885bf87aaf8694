#include "draw2d/image_font.h"

#include <cstdint>
#include <typeinfo>

#include "data/builtin_fonts.h"
#include "draw2d/image.h"
#include "font/font.h"
#include "font/font_loader.h"
#include "font/font_module.h"
#include "pixmap/pixel_format.h"
#include "pixmap/pixmap.h"
#include "runtime/application.h"

namespace tazmix {

namespace {

// The built-in font: 96 glyphs of 8x16 pixels for the codes 32 to 127, its
// bitmap 16 rows of one byte per glyph, bit k the pixel in column k.
constexpr int32_t kDefaultFirstCode = 32;
constexpr int32_t kDefaultGlyphs = 96;
constexpr int32_t kDefaultGlyphWidth = 8;
constexpr int32_t kDefaultHeight = 16;
constexpr int32_t kDefaultFontBytes = kDefaultGlyphs * kDefaultHeight;

}  // namespace

TImageFont::TImageFont() = default;
TImageFont::~TImageFont() = default;

int32_t TImageFont::Style() { return _src_font ? _src_font->Style() : 0; }

int32_t TImageFont::Height() { return _src_font ? _src_font->Height() : kDefaultHeight; }

int32_t TImageFont::CountGlyphs() { return static_cast<int32_t>(_glyphs.size()); }

int32_t TImageFont::CharToGlyph(int32_t code) {
  if (_src_font) return _src_font->CharToGlyph(code);
  if (code < kDefaultFirstCode || code >= kDefaultFirstCode + kDefaultGlyphs) return -1;
  return code - kDefaultFirstCode;
}

Ref<TImageGlyph> TImageFont::LoadGlyph(int32_t index) {
  if (index < 0 || index >= CountGlyphs()) return nullptr;
  Ref<TImageGlyph>& slot = _glyphs[static_cast<size_t>(index)];
  if (slot || !_src_font) return slot;
  // Stored before the source is asked, so a glyph that fails is not retried.
  slot = New<TImageGlyph>();
  Ref<TImageGlyph> glyph = slot;
  Ref<TGlyph> source = _src_font->LoadGlyph(index);
  if (!source) return glyph;
  glyph->_advance = source->Advance();
  source->GetRect(glyph->_x, glyph->_y, glyph->_w, glyph->_h);
  if (auto pixmap = Cast<TPixmap>(source->Pixels())) {
    glyph->_image = TImage::Load(pixmap->Copy(), _imageFlags, 0, 0, 0);
  }
  return glyph;
}

void TImageFont::Draw(const String& text, float x, float y, float ix, float iy, float jx, float jy) {
  for (int32_t n = 0; n < text.Length(); ++n) {
    const int32_t index = CharToGlyph(text[n]);
    if (index < 0) continue;
    Ref<TImageGlyph> glyph = LoadGlyph(index);
    if (!glyph) continue;
    if (glyph->_image) {
      if (Ref<TImageFrame> frame = glyph->_image->Frame(0)) {
        const auto w = static_cast<float>(glyph->_image->width);
        const auto h = static_cast<float>(glyph->_image->height);
        const auto gx = static_cast<float>(glyph->_x);
        const auto gy = static_cast<float>(glyph->_y);
        frame->Draw(0, 0, w, h, gx * ix + gy * iy + x, gx * jx + gy * jy + y, 0, 0, w, h);
      }
    }
    x += ix * glyph->_advance;
    y += jx * glyph->_advance;
  }
}

Ref<TImageFont> TImageFont::Load(const Ref<Object>& url, int32_t size, int32_t style) {
  Ref<TFont> font = LoadFont(url, size, style);
  if (!font) return nullptr;
  auto image_font = New<TImageFont>();
  image_font->_src_font = font;
  const int32_t count = font->CountGlyphs();
  image_font->_glyphs.resize(count > 0 ? static_cast<size_t>(count) : 0);
  image_font->_imageFlags = (style & FONT_SMOOTH) ? IMAGE_FILTERED | IMAGE_MIPMAPPED : 0;
  return image_font;
}

Ref<TImageFont> TImageFont::CreateDefault() {
  auto font = New<TImageFont>();
  font->_glyphs.resize(kDefaultGlyphs);
  Ref<TPixmap> strip = CreatePixmap(kDefaultGlyphs * kDefaultGlyphWidth, kDefaultHeight, FORMAT_RGBA32, 4);
  // A missing or short bitmap leaves the glyphs blank rather than reading
  // past its end; the metrics stay those of the built-in font.
  const uint8_t* bits = EmbeddedFileData(DEFAULT_FONT_FILE);
  if (EmbeddedFileLength(DEFAULT_FONT_FILE) < kDefaultFontBytes) bits = nullptr;
  for (int32_t row = 0; row < kDefaultHeight; ++row) {
    for (int32_t g = 0; g < kDefaultGlyphs; ++g) {
      const uint8_t byte = bits ? bits[row * kDefaultGlyphs + g] : 0;
      for (int32_t k = 0; k < kDefaultGlyphWidth; ++k) {
        strip->WritePixel(g * kDefaultGlyphWidth + k, row, (byte >> k) & 1 ? int32_t(0xFFFFFFFF) : 0);
      }
    }
  }
  for (int32_t g = 0; g < kDefaultGlyphs; ++g) {
    auto glyph = New<TImageGlyph>();
    glyph->_advance = static_cast<float>(kDefaultGlyphWidth);
    glyph->_w = kDefaultGlyphWidth;
    glyph->_h = kDefaultHeight;
    Ref<TPixmap> cell = strip->Window(g * kDefaultGlyphWidth, 0, kDefaultGlyphWidth, kDefaultHeight);
    glyph->_image = TImage::Load(cell->Copy(), 0, 0, 0, 0);
    font->_glyphs[static_cast<size_t>(g)] = glyph;
  }
  return font;
}

void InitImageFonts() {
  static bool done = false;
  if (!BeginModuleInit(done)) return;
  RegisterEmbeddedFile(DEFAULT_FONT_FILE, TazmoFontData(), TazmoFontLength());
  InitFont();
  InitImages();
  RegisterClassRecord(typeid(TImageGlyph));
  RegisterClassRecord(typeid(TImageFont));
}

}  // namespace tazmix
