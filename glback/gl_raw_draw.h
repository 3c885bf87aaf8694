/// \file
/// A filled rectangle and a pixmap blit with raw GL on any current context,
/// in EnterRaw2D's pixel coordinates (top-left of the viewport is (0, 0)).
/// Neither is textured, whatever texturing the caller left on.
///
/// \code{.cpp}
/// tazmix::EnterRaw2D();
/// tazmix::GLRawRect(0, 0, 200, 40);        // a bar in the current colour
/// tazmix::GLRawPixmap(logo_pixmap, 8, 4);  // the pixels as they are
/// tazmix::LeaveRaw2D();
/// \endcode
/// \ingroup glback
/// \since 1.0
#pragma once

#include <cstdint>

#include "../pixmap/pixmap.h"

namespace tazmix {

/// Fills the pixels from (x, y) to (x + width, y + height), the far edges
/// excluded, in the current GL colour through the caller's blending.
/// \param x, y the top-left corner in pixels.
/// \param width, height the size in pixels.
/// \since 1.0
void GLRawRect(int32_t x, int32_t y, int32_t width, int32_t height);

/// Copies the pixmap to the frame buffer unscaled, its first row at the top,
/// through the caller's blending. Parts outside the window are clipped.
/// \param pixmap the pixels, any format; nothing for Null or an empty pixmap.
/// \param x, y where its top-left pixel lands, in pixels.
/// \since 1.0
void GLRawPixmap(const Ref<TPixmap>& pixmap, int32_t x, int32_t y);

}  // namespace tazmix
