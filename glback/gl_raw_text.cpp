#include "glback/gl_raw_text.h"

#include <GL/gl.h>

#include "glback/gl_raw_2d.h"
#include "glback/internal/gl_raw_text_font.h"
#include "glback/internal/gl_state.h"
#include "glback/gl_texture_from_pixmap.h"
#include "graphics/graphics.h"

namespace tazmix {

namespace {

// The font texture of the current GraphicsSeq; 0 when it cannot be made.
uint32_t FontTexture() {
  GLShared& shared = GLBack().shared;
  if (shared.raw_font_texture != 0 && shared.raw_font_seq == GraphicsSeq()) return shared.raw_font_texture;
  shared.raw_font_texture = GLTextureFromPixmap(GLRawTextFontStrip(), 1);
  shared.raw_font_seq = GraphicsSeq();
  return shared.raw_font_texture;
}

}  // namespace

void GLRawText(const String& text, int32_t x, int32_t y) {
  const uint32_t texture = FontTexture();
  if (texture == 0) return;
  // Each cell's width over the strip's: a glyph is 1/128 of the texture.
  constexpr float kCellU = static_cast<float>(kRawTextCellWidth) / kRawTextStripWidth;
  EnterRaw2D();
  glEnable(GL_TEXTURE_2D);
  // Bound directly: the bracket restores the binding the 2D driver's cache
  // believes in.
  glBindTexture(GL_TEXTURE_2D, texture);
  glBegin(GL_QUADS);
  int32_t cx = x;
  const int32_t y1 = y + kRawTextCellHeight;
  for (const char16_t c : text.View()) {
    if (c >= kRawTextFirstCode && c <= kRawTextLastCode) {
      const float u0 = static_cast<float>(c - kRawTextFirstCode) * kCellU;
      const float u1 = u0 + kCellU;
      const int32_t cx1 = cx + kRawTextCellWidth;
      glTexCoord2f(u0, 0);
      glVertex2i(cx, y);
      glTexCoord2f(u1, 0);
      glVertex2i(cx1, y);
      glTexCoord2f(u1, 1);
      glVertex2i(cx1, y1);
      glTexCoord2f(u0, 1);
      glVertex2i(cx, y1);
    }
    cx += kRawTextCellWidth;
  }
  glEnd();
  LeaveRaw2D();
}

}  // namespace tazmix
