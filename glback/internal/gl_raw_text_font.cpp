#include "glback/internal/gl_raw_text_font.h"

#include "data/builtin_fonts.h"
#include "pixmap/pixel_format.h"
#include "runtime/application.h"

namespace tazmix {

String GLRawTextFontName() { return String("gldrawtextfont.bin"); }

void RegisterGLRawTextFont() {
  RegisterEmbeddedFile(GLRawTextFontName(), GLDrawTextFontData(), GLDrawTextFontLength());
}

Ref<TPixmap> GLRawTextFontStrip() {
  const String name = GLRawTextFontName();
  const uint8_t* font = EmbeddedFileData(name);
  // Someone else's block under this name may be shorter than a whole font.
  if (!font || EmbeddedFileLength(name) < kRawTextFontLength) return nullptr;
  Ref<TPixmap> strip = CreatePixmap(kRawTextStripWidth, kRawTextCellHeight, FORMAT_RGBA32, 4);
  if (!strip) return nullptr;
  // The columns beyond the last glyph are cleared too: the mipmap levels
  // blend them in.
  strip->ClearPixels(0);
  const int32_t ink = PackARGB(255, 255, 255, 255);
  for (int32_t row = 0; row < kRawTextCellHeight; ++row) {
    for (int32_t j = 0; j < kRawTextCodeCount; ++j) {
      const uint8_t bits = font[row * kRawTextCodeCount + j];
      for (int32_t k = 0; k < kRawTextCellWidth; ++k) {
        if (bits & (1u << k)) strip->WritePixel(j * kRawTextCellWidth + k, row, ink);
      }
    }
  }
  return strip;
}

}  // namespace tazmix
