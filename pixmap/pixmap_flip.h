// Mirroring pixmaps.
#pragma once

#include "pixmap.h"

namespace tazmix {

// A new pixmap (same format, align 4) mirrored left to right.
Ref<TPixmap> XFlipPixmap(const Ref<TPixmap>& pixmap);
// A new pixmap (same format, align 4) mirrored top to bottom.
Ref<TPixmap> YFlipPixmap(const Ref<TPixmap>& pixmap);

}  // namespace tazmix
