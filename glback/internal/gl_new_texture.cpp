#include "glback/internal/gl_new_texture.h"

#include <GL/gl.h>

#include <cstring>

#include "draw2d/image_flags.h"
#include "glback/internal/gl_queue.h"
#include "glback/internal/gl_texture_size.h"

namespace tazmix {

namespace {

// Whether GL takes GL_TEXTURE_MAX_LEVEL: desktop GL from 1.2 on, not GL ES 2
// or WebGL 1 (whose version string begins "OpenGL ES").
bool KnowsMaxLevel() {
  const auto* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
  return version && std::strncmp(version, "OpenGL ES", 9) != 0 && !(version[0] == '1' && version[2] < '2');
}

}  // namespace

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
  // Every level down to 1 x 1 is reserved, so the texture is complete also
  // where GL ignores a highest level (WebGL 1 knows none); GL 1.2 and later
  // sample no level below `max_level`.
  if (mipmapped && max_level >= 0 && KnowsMaxLevel()) glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, max_level);
  int32_t level = 0;
  do {
    // GL_RGBA, not GL_RGBA8: GL ES and WebGL want the internal format to be the format.
    glTexImage2D(GL_TEXTURE_2D, level++, GL_RGBA, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
  } while (mipmapped && NextMipLevel(width, height));
  return name;
}

}  // namespace tazmix
