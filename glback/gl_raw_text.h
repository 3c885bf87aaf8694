/// \file
/// Text in the built-in 8 x 16 font, drawn with raw GL on any current
/// context; handy for debugging overlays without loading a font.
///
/// \code{.cpp}
/// tazmix::EnterRaw2D();
/// tazmix::GLRawText("FPS: 60", 4, 4);
/// tazmix::LeaveRaw2D();
/// \endcode
/// \ingroup glback
/// \since 1.0
#pragma once

#include <cstdint>

#include "../runtime/string.h"

namespace tazmix {

/// Draws `text`, one 8-pixel cell per UTF-16 code unit. Codes 32 to 127 are
/// drawn in the current GL colour, through the caller's blending (without
/// blending the cells are opaque); every other code leaves its cell empty.
/// The font texture is made on the first call, and again after the graphics
/// have been reopened (GraphicsSeq changed), since the old one died with its
/// context.
/// \param text the text.
/// \param x, y the top-left of its first cell, in pixels of the viewport
///   (EnterRaw2D's coordinates).
/// \since 1.0
void GLRawText(const String& text, int32_t x, int32_t y);

}  // namespace tazmix
