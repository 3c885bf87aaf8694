// Pixmaps of random format, size, alignment and content through conversion,
// windows, pasting, masking and resizing, with what must hold for any of
// them:
//   - every conversion goes through RGBA32: converting straight to a format
//     gives the same bytes as converting to RGBA32 first;
//   - BGRA32 and RGB24/BGR24 conversions lose nothing;
//   - a window reads its parent's pixels, a paste writes the converted source;
//   - a mask is transparent exactly where the colour matches;
//   - resizing to the same size reproduces the source, and resizing a pixmap
//     of one colour gives that colour everywhere.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "fuzz/fuzz_input.h"
#include "pixmap/pixel_convert.h"
#include "pixmap/pixmap.h"
#include "pixmap/pixmap_mask.h"
#include "pixmap/pixmap_resize.h"

using namespace tazmix;
using tazmix::fuzz::FuzzInput;

namespace {

void Expect(bool holds) {
  if (!holds) std::abort();
}

// One of the twelve formats (code 0, no format, has no pixels to convert).
int32_t Format(FuzzInput& in) { return static_cast<int32_t>(in.Range(1, FORMAT_COUNT - 1)); }

bool SamePixels(const TPixmap& a, const TPixmap& b) {
  if (a.width != b.width || a.height != b.height || a.format != b.format) return false;
  const size_t row = static_cast<size_t>(a.width) * static_cast<size_t>(BytesPerPixel[a.format]);
  for (int32_t y = 0; y < a.height; ++y) {
    if (row && std::memcmp(a.PixelPtr(0, y), b.PixelPtr(0, y), row) != 0) return false;
  }
  return true;
}

// A pixmap of the input's choosing, its bytes (padding too) from the input.
Ref<TPixmap> RandomPixmap(FuzzInput& in) {
  const auto w = static_cast<int32_t>(in.Range(0, 40)), h = static_cast<int32_t>(in.Range(0, 40));
  const int32_t format = Format(in);
  const auto align = static_cast<int32_t>(in.Range(-1, 9));
  Ref<TPixmap> p = TPixmap::Create(w, h, format, align);
  Expect(p && p->width == w && p->height == h && p->format == format);
  for (int32_t i = 0; i < p->capacity; ++i) p->pixels[i] = in.Byte();
  return p;
}

void Conversions(const Ref<TPixmap>& p, int32_t to) {
  const Ref<TPixmap> hub = p->Convert(FORMAT_RGBA32);
  const Ref<TPixmap> direct = p->Convert(to);
  Expect(hub && direct);
  Expect(SamePixels(*direct, *hub->Convert(to)));
  Expect(SamePixels(*p->Copy(), *p));
  const int32_t f = p->format;
  if (f == FORMAT_RGBA32 || f == FORMAT_BGRA32) {
    Expect(SamePixels(*hub->Convert(f), *p));
    Expect(SamePixels(*p->Convert(FORMAT_BGRA32)->Convert(f), *p));
  }
  if (f == FORMAT_RGB24 || f == FORMAT_BGR24) {
    Expect(SamePixels(*p->Convert(FORMAT_RGB24)->Convert(f), *p));
    Expect(SamePixels(*p->Convert(FORMAT_BGR24)->Convert(f), *p));
  }
}

void WindowAndPaste(FuzzInput& in, const Ref<TPixmap>& p) {
  if (p->width == 0 || p->height == 0) return;
  const auto x = static_cast<int32_t>(in.Range(0, p->width - 1)), y = static_cast<int32_t>(in.Range(0, p->height - 1));
  const auto w = static_cast<int32_t>(in.Range(0, p->width - x)), h = static_cast<int32_t>(in.Range(0, p->height - y));
  const Ref<TPixmap> window = p->Window(x, y, w, h);
  for (int32_t j = 0; j < h; ++j) {
    for (int32_t i = 0; i < w; ++i) Expect(window->ReadPixel(i, j) == p->ReadPixel(x + i, y + j));
  }
  // A source of another format pasted into the window lands converted.
  Ref<TPixmap> source = TPixmap::Create(w, h, Format(in), 1);
  for (int32_t k = 0; k < source->capacity; ++k) source->pixels[k] = in.Byte();
  window->Paste(*source, 0, 0);
  Expect(SamePixels(*window->Copy(), *source->Convert(p->format)));
}

void Mask(FuzzInput& in, const Ref<TPixmap>& p) {
  const Ref<TPixmap> rgba = p->Convert(FORMAT_RGBA32);
  // Often the colour of a pixel of the pixmap, so both answers occur.
  int32_t r = in.Byte(), g = in.Byte(), b = in.Byte();
  if (in.Bool() && p->width > 0 && p->height > 0) {
    const uint8_t* at = rgba->PixelPtr(static_cast<int32_t>(in.Range(0, p->width - 1)),
                                       static_cast<int32_t>(in.Range(0, p->height - 1)));
    r = at[0], g = at[1], b = at[2];
  }
  const Ref<TPixmap> mask = MaskPixmap(p, r, g, b);
  Expect(mask && mask->format == FORMAT_RGBA32 && mask->width == p->width && mask->height == p->height);
  for (int32_t y = 0; y < p->height; ++y) {
    for (int32_t x = 0; x < p->width; ++x) {
      const uint8_t* s = rgba->PixelPtr(x, y);
      const uint8_t* m = mask->PixelPtr(x, y);
      const bool masked = s[0] == r && s[1] == g && s[2] == b;
      Expect(m[3] == (masked ? 0 : 255));
      if (!masked) Expect(m[0] == s[0] && m[1] == s[1] && m[2] == s[2]);
    }
  }
}

void Resize(FuzzInput& in, const Ref<TPixmap>& p) {
  if (p->width > 0 && p->height > 0) Expect(SamePixels(*ResizePixmap(p, p->width, p->height), *p));
  const auto w = static_cast<int32_t>(in.Range(0, 64)), h = static_cast<int32_t>(in.Range(0, 64));
  const Ref<TPixmap> resized = ResizePixmap(p, w, h);
  Expect(resized && resized->width == w && resized->height == h && resized->format == p->format);

  // One colour in, the same colour out, in any format and to any size.
  const int32_t bpp = BytesPerPixel[p->format];
  if (p->width == 0 || p->height == 0 || bpp == 0) return;
  Ref<TPixmap> flat = TPixmap::Create(p->width, p->height, p->format, 4);
  for (int32_t y = 0; y < p->height; ++y) {
    for (int32_t x = 0; x < p->width; ++x) std::memcpy(flat->PixelPtr(x, y), p->pixels, static_cast<size_t>(bpp));
  }
  const Ref<TPixmap> out = ResizePixmap(flat, w, h);
  for (int32_t y = 0; y < h; ++y) {
    for (int32_t x = 0; x < w; ++x) {
      uint8_t want[4], got[4];
      ConvertPixels(p->pixels, p->format, want, FORMAT_RGBA32, 1);
      ConvertPixels(out->PixelPtr(x, y), out->format, got, FORMAT_RGBA32, 1);
      Expect(std::memcmp(want, got, 4) == 0);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput in(data, size);
  const Ref<TPixmap> p = RandomPixmap(in);
  const int32_t to = Format(in);
  Conversions(p, to);
  WindowAndPaste(in, p);
  Mask(in, p);
  Resize(in, p);
  return 0;
}
