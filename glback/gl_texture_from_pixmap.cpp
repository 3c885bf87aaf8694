#include "glback/gl_texture_from_pixmap.h"

#include <GL/gl.h>

#include "glback/internal/gl_queue.h"
#include "glback/internal/gl_texture_size.h"
#include "pixmap/pixel_format.h"
#include "pixmap/pixmap_resize.h"

namespace tazmix {

uint32_t GLTextureFromPixmap(const Ref<TPixmap>& pixmap, int32_t mipmaps) {
  if (!pixmap || pixmap->width <= 0 || pixmap->height <= 0) return 0;
  // Without a current context GL answers nothing, not even the size probe.
  if (!glGetString(GL_VERSION)) return 0;
  // Rows are handed to GL as whole pixels, so an odd pitch needs a copy too.
  Ref<TPixmap> level = pixmap;
  if (level->format != FORMAT_RGBA32 || level->pitch % 4 != 0) level = level->Convert(FORMAT_RGBA32);
  if (!level) return 0;
  int32_t width = level->width;
  int32_t height = level->height;
  AdjustTexSize(width, height);
  if (width != level->width || height != level->height) level = ResizePixmap(level, width, height);
  if (!level) return 0;

  GLint bound = 0;
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
  glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
  glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
  glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);

  GLuint name = 0;
  glGenTextures(1, &name);
  glBindTexture(GL_TEXTURE_2D, name);
  for (GLint n = 0; level; ++n) {
    glPixelStorei(GL_UNPACK_ROW_LENGTH, level->pitch / 4);
    glTexImage2D(GL_TEXTURE_2D, n, GL_RGBA, level->width, level->height, 0, GL_RGBA,
                 GL_UNSIGNED_BYTE, level->pixels);
    NoteGLUpload();
    if (mipmaps == 0 || !NextMipLevel(width, height)) break;
    level = ResizePixmap(level, width, height);
  }

  glPopClientAttrib();
  // Straight back to what GL had, so the 2D driver's binding cache stays true.
  glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(bound));
  return name;
}

}  // namespace tazmix
