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
  if (!font || EmbeddedFileLength(name) < RAW_TEXT_FONT_LENGTH) return nullptr;
  Ref<TPixmap> strip = CreatePixmap(RAW_TEXT_STRIP_WIDTH, RAW_TEXT_CELL_HEIGHT, FORMAT_RGBA32, 4);
  if (!strip) return nullptr;
  // The columns beyond the last glyph are cleared too: the mipmap levels
  // blend them in.
  strip->ClearPixels(0);
  const int32_t ink = PackARGB(255, 255, 255, 255);
  for (int32_t row = 0; row < RAW_TEXT_CELL_HEIGHT; ++row) {
    for (int32_t j = 0; j < RAW_TEXT_CODE_COUNT; ++j) {
      const uint8_t bits = font[row * RAW_TEXT_CODE_COUNT + j];
      for (int32_t k = 0; k < RAW_TEXT_CELL_WIDTH; ++k) {
        if (bits & (1u << k)) strip->WritePixel(j * RAW_TEXT_CELL_WIDTH + k, row, ink);
      }
    }
  }
  return strip;
}

}  // namespace tazmix
