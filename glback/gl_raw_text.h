// Text in the built-in 8 x 16 font, drawn with raw GL on any current context.
#pragma once

#include <cstdint>

#include "../runtime/string.h"

namespace tazmix {

// Draws `text` with the top-left of its first cell at pixel (x, y) of the
// viewport (EnterRaw2D's coordinates), one 8-pixel cell per UTF-16 code
// unit. Codes 32 to 127 are drawn in the current colour, through the
// caller's blending (without blending the cells are opaque); every other
// code leaves its cell empty. The font texture is made on the first call,
// and again after the graphics have been reopened (GraphicsSeq changed),
// since the old one died with its context.
void GLRawText(const String& text, int32_t x, int32_t y);

}  // namespace tazmix
