// What each platform's PNG reading gives the loader's entry points
// (pixmap/png_file.cpp): libpng natively (pixmap/png_loader.cpp), the
// browser's decoder in a web page (pixmap/platform/web/web_png_loader.cpp).
#pragma once

#include "pixmap/pixmap.h"
#include "stream/stream.h"

namespace tazmix {

// The picture in `stream`, read from where it stands; the stream is closed on
// every way out. Null without a note when the data is no PNG (a loader chain
// asks the next loader then); every other failure notes its reason.
Ref<TPixmap> DecodePNG(const Ref<TStream>& stream);

}  // namespace tazmix
