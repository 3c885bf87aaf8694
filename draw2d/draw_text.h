/// \file
/// Text in the current image font of the current 2D graphics context.
///
/// \code{.cpp}
/// tazmix::Ref<tazmix::TImageFont> font = tazmix::LoadImageFont("LiberationSans-Regular.ttf", 24, tazmix::FONT_SMOOTH);
/// tazmix::SetImageFont(font);  // Null: the built-in 8x16 font
/// tazmix::String score = tazmix::String("Punkte: ") + 120;
/// tazmix::DrawText(score, 640 - tazmix::TextWidth(score) - 8, 8);
/// \endcode
/// \ingroup draw2d
/// \since 1.0
#pragma once

#include <cstdint>

#include "image_font.h"
#include "../runtime/object.h"
#include "../runtime/string.h"

namespace tazmix {

/// Draws a text with the context's handle, origin and matrix, in its colour,
/// alpha and blend mode. Characters the font lacks are skipped.
/// \param text the text.
/// \param x, y where the first pen position (the top of the line) lands.
/// \throws Thrown (TNullObjectException naming DrawText) without open graphics.
/// \since 1.0
void DrawText(const String& text, float x, float y);
/// The width a text takes in the current font.
/// \param text the text.
/// \return the sum of the advances of the characters the font maps, in drawing units.
/// \throws Thrown (TNullObjectException naming TextWidth) without open graphics.
/// \since 1.0
int32_t TextWidth(const String& text);
/// The height of a line in the current font.
/// \param text unused: the text does not matter.
/// \return the font's line height.
/// \throws Thrown (TNullObjectException naming TextHeight) without open graphics.
/// \since 1.0
int32_t TextHeight(const String& text = String());

/// Loads a font for drawing (TImageFont::Load); needs no graphics.
/// \param url a font file or any URL a font loader takes (FreeType: TrueType, OpenType, ...).
/// \param size the pixel size.
/// \param style 0, or FONT_SMOOTH for filtered, mipmapped glyphs.
/// \return the font, or Null when no font loader accepts the source, with a
///   line such as `LoadImageFont("a.ttf", 16): can't open the file: No such file or directory`
///   or `LoadImageFont("ball.png", 16): FreeType: unknown file format`.
/// \since 1.0
Ref<TImageFont> LoadImageFont(const Ref<Object>& url, int32_t size, int32_t style = 0);
/// LoadImageFont for a URL given as text.
/// \param url a file path or "protocol::path".
/// \param size the pixel size.
/// \param style 0 or FONT_SMOOTH.
/// \return the font, or Null with a line as above.
/// \since 1.0
Ref<TImageFont> LoadImageFont(const String& url, int32_t size, int32_t style = 0);

}  // namespace tazmix
