#include "glback/internal/gl_blend.h"

#include <GL/gl.h>

#include "draw2d/vex2d_driver.h"
#include "glback/internal/gl_state.h"

namespace tazmix {

namespace {

using BlendSeparate = void (*)(uint32_t, uint32_t, uint32_t, uint32_t);

// Where drawing goes into an image and GL can tell alpha from colour, the
// separate blend; else nullptr.
BlendSeparate SeparateBlend(bool into_image) {
  return into_image ? GLBack().shared.framebuffer.blend_separate : nullptr;
}

// Colour factors as given; alpha factors `alpha_source`, `alpha_dest` when
// drawing into an image and GL can tell them apart.
void BlendFactors(GLenum source, GLenum dest, bool into_image, GLenum alpha_source, GLenum alpha_dest) {
  if (const BlendSeparate separate = SeparateBlend(into_image)) {
    separate(source, dest, alpha_source, alpha_dest);
  } else {
    glBlendFunc(source, dest);
  }
}

}  // namespace

void SetGLBlendState(int32_t mode, bool into_image) {
  switch (mode) {
    case BLEND_MASK:
      // Colours replace the pixel's as without blending.
      if (const BlendSeparate separate = SeparateBlend(into_image)) {
        glEnable(GL_BLEND);
        separate(GL_ONE, GL_ZERO, GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
      } else {
        glDisable(GL_BLEND);
      }
      glEnable(GL_ALPHA_TEST);
      glAlphaFunc(GL_GEQUAL, 0.5f);
      break;
    case BLEND_ALPHA:
      glEnable(GL_BLEND);
      BlendFactors(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA, into_image, GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
      glDisable(GL_ALPHA_TEST);
      break;
    case BLEND_LIGHT:
      glEnable(GL_BLEND);
      BlendFactors(GL_SRC_ALPHA, GL_ONE, into_image, GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
      glDisable(GL_ALPHA_TEST);
      break;
    case BLEND_SHADE:
      glEnable(GL_BLEND);
      BlendFactors(GL_DST_COLOR, GL_ZERO, into_image, GL_ZERO, GL_ONE);
      glDisable(GL_ALPHA_TEST);
      break;
    default:  // BLEND_SOLID and every unknown code
      glDisable(GL_BLEND);
      glDisable(GL_ALPHA_TEST);
      break;
  }
}

}  // namespace tazmix
