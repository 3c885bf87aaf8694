#include "glback/gl_raw_draw.h"

#include <GL/gl.h>

#include "glback/gl_raw_2d.h"
#include "pixmap/pixel_format.h"
#include "pixmap/pixmap_flip.h"

namespace tazmix {

void GLRawRect(int32_t x, int32_t y, int32_t width, int32_t height) {
  EnterRaw2D();
  // The drawing layer leaves texturing on after an image; a plain fill must
  // not pick up its texture. The bracket switches it back.
  glDisable(GL_TEXTURE_2D);
  glBegin(GL_QUADS);
  glVertex2i(x, y);
  glVertex2i(x + width, y);
  glVertex2i(x + width, y + height);
  glVertex2i(x, y + height);
  glEnd();
  LeaveRaw2D();
}

void GLRawPixmap(const Ref<TPixmap>& pixmap, int32_t x, int32_t y) {
  if (!pixmap || pixmap->width <= 0 || pixmap->height <= 0) return;
  // GL takes rows bottom-up.
  Ref<TPixmap> flipped = YFlipPixmap(pixmap);
  if (flipped && flipped->format != FORMAT_RGBA32) flipped = flipped->Convert(FORMAT_RGBA32);
  if (!flipped) return;

  EnterRaw2D();
  // Pixel fragments are textured like any other while texturing is on.
  glDisable(GL_TEXTURE_2D);
  // The copy's rows are packed; whatever zoom and unpacking the caller set
  // would distort them.
  glPushAttrib(GL_PIXEL_MODE_BIT);
  glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
  glPixelZoom(1.0f, 1.0f);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
  glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
  // (0, 0) is the viewport's top-left corner; glBitmap then moves the raster
  // position in window pixels without drawing (and keeps it valid off the
  // window), to the destination's bottom-left corner.
  glRasterPos2i(0, 0);
  glBitmap(0, 0, 0, 0, static_cast<GLfloat>(x), static_cast<GLfloat>(-y - flipped->height), nullptr);
  glDrawPixels(flipped->width, flipped->height, GL_RGBA, GL_UNSIGNED_BYTE, flipped->pixels);
  glPopClientAttrib();
  glPopAttrib();
  LeaveRaw2D();
}

}  // namespace tazmix
