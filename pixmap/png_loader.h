// PNG pictures: the loader in the pixmap loader chain and the writer.
//
// Both drive libpng through stream callbacks, so any stream (file, memory
// bank, embedded file) can be read or written. Any error libpng reports ends
// the operation with the failure result; stream exceptions raised inside the
// callbacks are carried past libpng and raised again to the caller.
#pragma once

#include <cstdint>

#include "pixmap.h"
#include "pixmap_loader.h"
#include "../runtime/object.h"
#include "../runtime/string.h"

namespace tazmix {

// Pictures larger than this on either side, or with more pixels in all, are
// refused from the header alone, before any pixel memory is taken.
inline constexpr int32_t PNG_MAX_SIDE = 16384;
inline constexpr int64_t PNG_MAX_PIXELS = int64_t{1} << 26;

class TPixmapLoaderPNG : public TPixmapLoader {
 public:
  Ref<TPixmap> LoadPixmap(const Ref<TStream>& stream) override;
};

// The picture by colour type after decoding to 8 bits per channel: grey ->
// FORMAT_GREY8, RGB -> FORMAT_RGB24, RGB with alpha and grey with alpha ->
// FORMAT_RGBA32 (palettes and transparency chunks expanded). Null when the
// data is not a readable PNG; a stream that ends early raises
// TStreamReadException.
Ref<TPixmap> LoadPixmapPNG(const Ref<Object>& url);
Ref<TPixmap> LoadPixmapPNG(const String& url);

// Writes the pixmap as an 8-bit PNG: FORMAT_GREY8 as grey, RGB24 and BGR24 as
// RGB, RGBA32 and BGRA32 as RGB with alpha, anything else converted to
// RGBA32 first. `compression` is clamped to 0..9. 1 on success, 0 when the URL
// cannot be opened or libpng refuses the picture. A save that cannot succeed
// (Null, no pixels, an unknown format, a side above 1,000,000) returns 0
// before the URL is opened, so the file there stays as it was.
int32_t SavePixmapPNG(const Ref<TPixmap>& pixmap, const Ref<Object>& url, int32_t compression);
int32_t SavePixmapPNG(const Ref<TPixmap>& pixmap, const String& url, int32_t compression);

// Initialises the pixmap module and puts one PNG loader at the head of the chain.
void InitPNGLoader();

}  // namespace tazmix
