// A plain GL texture from a pixmap, for raw GL drawing outside the drawing
// layer's images.
#pragma once

#include <cstdint>

#include "../pixmap/pixmap.h"

namespace tazmix {

// Makes a texture of the pixmap, stretched to the power-of-two size GL
// accepts (the same probe as image frames, with the same error "Unable to
// calculate tex size"), with every mipmap level down to 1 x 1 when
// `mipmaps` is not 0. No texture parameters are set, so GL's defaults apply
// (their minification filter needs the mipmap levels). The texture bound
// before and the pixel-store settings are left as they were. Returns the
// texture's name; 0 for a null or empty pixmap or without a current context.
uint32_t GLTextureFromPixmap(const Ref<TPixmap>& pixmap, int32_t mipmaps);

}  // namespace tazmix
