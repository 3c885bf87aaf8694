// Arbitrary bytes through the PNG loader, read from a bank stream.
#include <cstddef>
#include <cstdint>

#include "pixmap/png_loader.h"
#include "runtime/exception.h"
#include "stream/bank.h"
#include "stream/stream_exception.h"

using namespace tazmix;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  InitPNGLoader();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > (1u << 20)) return 0;
  Ref<TBank> bank = TBank::CreateStatic(const_cast<uint8_t*>(data), static_cast<int32_t>(size));
  try {
    Ref<TPixmap> pixmap = LoadPixmapPNG(Ref<Object>(bank));
    // Touch every byte the loader claims to have produced.
    if (pixmap) {
      volatile uint8_t sum = 0;
      const uint8_t* p = static_cast<const uint8_t*>(pixmap->pixels);
      for (int32_t y = 0; y < pixmap->height; ++y)
        for (int32_t x = 0; x < pixmap->pitch; ++x) sum = sum + p[y * pixmap->pitch + x];
    }
  } catch (const Thrown& e) {
    // A stream that ends early raises the read exception: the documented
    // result. Anything else escaping the loader is a fault.
    if (!e.As<TStreamReadException>()) throw;
  }
  return 0;
}
