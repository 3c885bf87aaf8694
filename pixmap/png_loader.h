/// \file
/// PNG pictures: the loader in the pixmap loader chain and the writer.
///
/// Both drive libpng through stream callbacks, so any stream (file, memory
/// bank, embedded file) can be read or written. Any error libpng reports ends
/// the operation with the failure result; stream exceptions raised inside the
/// callbacks are carried past libpng and raised again to the caller.
///
/// \code{.cpp}
/// tazmix::InitPNGLoader();  // InitTazmix does this
/// tazmix::Ref<tazmix::TPixmap> shot = tazmix::GrabPixmap(0, 0, 640, 480);
/// if (!tazmix::SavePixmapPNG(shot, "shot.png", 6)) { /* the line says why */ }
/// \endcode
/// \ingroup pixmap
/// \since 1.0
#pragma once

#include <cstdint>

#include "pixmap.h"
#include "pixmap_loader.h"
#include "../runtime/object.h"
#include "../runtime/string.h"

namespace tazmix {

/// The most pixels a PNG may have on either side: larger pictures are refused
/// from the header alone, before any pixel memory is taken. \since 1.0
inline constexpr int32_t PNG_MAX_SIDE = 16384;
/// The most pixels a PNG may have in all (2^26), checked from the header. \since 1.0
inline constexpr int64_t PNG_MAX_PIXELS = int64_t{1} << 26;

/// The PNG loader of the pixmap loader chain: a stream that holds no PNG is
/// declined quietly, another loader may know it.
/// \since 1.0
class TPixmapLoaderPNG : public TPixmapLoader {
 public:
  Ref<TPixmap> LoadPixmap(const Ref<TStream>& stream) override;
};

/// Loads a PNG picture, by colour type after decoding to 8 bits per channel:
/// grey -> FORMAT_GREY8, RGB -> FORMAT_RGB24, RGB with alpha and grey with
/// alpha -> FORMAT_RGBA32 (palettes and transparency chunks expanded).
/// \param url any URL OpenStream knows.
/// \return the pixmap, or Null when the data is not a readable PNG, with a line
///   such as `LoadPixmapPNG("a.png"): not a PNG file`,
///   `LoadPixmapPNG("a.png"): libpng: IHDR: CRC error` (libpng's words) or
///   OpenStream's reason.
/// \throws Thrown carrying a TStreamReadException when the stream ends early.
/// \since 1.0
Ref<TPixmap> LoadPixmapPNG(const Ref<Object>& url);
/// LoadPixmapPNG for a URL given as text.
/// \param url a file path or "protocol::path".
/// \return the pixmap, or Null with a line as above.
/// \throws Thrown carrying a TStreamReadException when the stream ends early.
/// \since 1.0
Ref<TPixmap> LoadPixmapPNG(const String& url);

/// Writes a pixmap as an 8-bit PNG: FORMAT_GREY8 as grey, RGB24 and BGR24 as
/// RGB, RGBA32 and BGRA32 as RGB with alpha, anything else converted to
/// RGBA32 first. A save that cannot succeed (Null, no pixels, an unknown
/// format, a side above 1,000,000) returns 0 before the URL is opened, so the
/// file there stays as it was.
/// \param pixmap the picture.
/// \param url any URL OpenStream can open for writing.
/// \param compression zlib's level, clamped to 0..9.
/// \return 1 on success; 0 with a line such as
///   `SavePixmapPNG("shot.png"): no pixels a PNG file can hold`, OpenStream's
///   reason when the URL cannot be opened, or libpng's when it refuses the picture.
/// \since 1.0
int32_t SavePixmapPNG(const Ref<TPixmap>& pixmap, const Ref<Object>& url, int32_t compression);
/// SavePixmapPNG for a URL given as text.
/// \param pixmap the picture.
/// \param url a file path or "protocol::path".
/// \param compression zlib's level, clamped to 0..9.
/// \return 1 on success, 0 with a line as above.
/// \since 1.0
int32_t SavePixmapPNG(const Ref<TPixmap>& pixmap, const String& url, int32_t compression);

/// Initialises the pixmap module and puts one PNG loader at the head of the
/// chain; does its work once. \since 1.0
void InitPNGLoader();

}  // namespace tazmix
