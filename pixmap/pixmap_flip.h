/// \file
/// Mirroring pixmaps.
///
/// \code{.cpp}
/// tazmix::Ref<tazmix::TPixmap> left = tazmix::LoadPixmap("walker.png");
/// tazmix::Ref<tazmix::TPixmap> right = tazmix::XFlipPixmap(left);
/// \endcode
/// \ingroup pixmap
/// \since 1.0
#pragma once

#include "pixmap.h"

namespace tazmix {

/// Mirrors left to right.
/// \param pixmap the picture, or Null.
/// \return a new pixmap (same format, align 4); Null for Null or no memory.
/// \since 1.0
Ref<TPixmap> XFlipPixmap(const Ref<TPixmap>& pixmap);
/// Mirrors top to bottom.
/// \param pixmap the picture, or Null.
/// \return a new pixmap (same format, align 4); Null for Null or no memory.
/// \since 1.0
Ref<TPixmap> YFlipPixmap(const Ref<TPixmap>& pixmap);

}  // namespace tazmix
