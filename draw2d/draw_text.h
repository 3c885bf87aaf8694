// Text in the current image font of the current 2D graphics context.
#pragma once

#include <cstdint>

#include "image_font.h"
#include "../runtime/object.h"
#include "../runtime/string.h"

namespace tazmix {

// Draws the text with the context's handle, origin and matrix.
void DrawText(const String& text, float x, float y);
// The sum of the advances of the characters the font maps.
int32_t TextWidth(const String& text);
// The font's line height; the text does not matter.
int32_t TextHeight(const String& text = String());

// TImageFont::Load: Null when no font loader accepts the source.
Ref<TImageFont> LoadImageFont(const Ref<Object>& url, int32_t size, int32_t style = 0);
Ref<TImageFont> LoadImageFont(const String& url, int32_t size, int32_t style = 0);

}  // namespace tazmix
