#include "glback/internal/gl_new_texture.h"

#include <GL/gl.h>

#include "draw2d/image_flags.h"
#include "glback/internal/gl_queue.h"
#include "glback/internal/gl_texture_size.h"

namespace tazmix {

uint32_t CreateTexture(int32_t width, int32_t height, int32_t flags, int32_t max_level) {
  GLuint name = 0;
  glGenTextures(1, &name);
  BindGLTextureForUpload(name);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  const bool mipmapped = (flags & IMAGE_MIPMAPPED) != 0;
  if (flags & IMAGE_FILTERED) {
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, mipmapped ? GL_LINEAR_MIPMAP_LINEAR : GL_LINEAR);
  } else {
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, mipmapped ? GL_NEAREST_MIPMAP_NEAREST : GL_NEAREST);
  }
  if (mipmapped && max_level >= 0) glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, max_level);
  int32_t level = 0;
  do {
    glTexImage2D(GL_TEXTURE_2D, level++, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
  } while (mipmapped && (max_level < 0 || level <= max_level) && NextMipLevel(width, height));
  return name;
}

}  // namespace tazmix
