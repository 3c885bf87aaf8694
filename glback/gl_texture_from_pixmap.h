/// \file
/// A plain GL texture from a pixmap, for raw GL drawing outside the drawing
/// layer's images.
///
/// \code{.cpp}
/// GLuint tex = tazmix::GLTextureFromPixmap(tazmix::LoadPixmap("tiles.png"), 1);
/// if (tex) glBindTexture(GL_TEXTURE_2D, tex);
/// \endcode
/// \ingroup glback
/// \since 1.0
#pragma once

#include <cstdint>

#include "../pixmap/pixmap.h"

namespace tazmix {

/// Makes a texture of the pixmap, stretched to the power-of-two size GL
/// accepts. No texture parameters are set, so GL's defaults apply (their
/// minification filter needs the mipmap levels). The texture bound before
/// and the pixel-store settings are left as they were.
/// \param pixmap the pixels, any format.
/// \param mipmaps nonzero for every mipmap level down to 1 x 1.
/// \return the texture's name; 0 for Null or an empty pixmap or without a
///   current GL context.
/// \throws Thrown with "Unable to calculate tex size" when GL accepts no
///   texture of that size (the same probe as image frames).
/// \since 1.0
uint32_t GLTextureFromPixmap(const Ref<TPixmap>& pixmap, int32_t mipmaps);

}  // namespace tazmix
