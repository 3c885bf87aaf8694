// Arbitrary bytes as a font file, opened through a "fuzz::" stream URL that
// reads them from a bank, then a few glyphs rendered. Inputs stay small (see
// scripts/fuzz.sh): the seeds are fonts of a few glyphs, since every input
// the size of a whole font costs its full copy and parse and gets nowhere
// deeper.
#include <cstddef>
#include <cstdint>

#include "font/font_loader.h"
#include "font/freetype_font.h"
#include "stream/bank.h"
#include "stream/bank_stream.h"
#include "stream/stream_factory.h"

using namespace tazmix;

namespace {

Ref<TBank> input;

class FuzzStreamFactory : public TStreamFactory {
 public:
  Ref<TStream> CreateStream(const Ref<Object>&, const String& proto, const String&, bool readable,
                            bool writeable) override {
    if (proto != String("fuzz") || !readable || writeable || !input) return nullptr;
    return CreateBankStream(input);
  }
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  InitFreeTypeFont();
  New<FuzzStreamFactory>();  // joins the factory chain for good
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > (1u << 16)) return 0;
  input = TBank::CreateStatic(const_cast<uint8_t*>(data), static_cast<int32_t>(size));
  // The loader never raises: an exception escaping here ends the run as a fault.
  Ref<TFont> font = LoadFont(String("fuzz::font"), 16, 0);
  if (font) {
    const int32_t count = font->CountGlyphs();
    for (int32_t i = 0; i < count && i < 8; ++i) font->LoadGlyph(i);
    for (int32_t code : {0x41, 0x67, 0xDF, 0x20AC}) {
      const int32_t g = font->CharToGlyph(code);
      if (g >= 0) font->LoadGlyph(g);
    }
  }
  input = nullptr;
  return 0;
}
