#include "glback/internal/gl_texture_cache.h"

#include <GL/gl.h>

#include "glback/internal/gl_batch.h"

namespace tazmix {

namespace {
uint32_t bound_texture = 0;
bool texturing_on = false;
}  // namespace

void BindTexture(uint32_t name) {
  if (name == bound_texture) return;
  FlushGLBatch();
  glBindTexture(GL_TEXTURE_2D, name);
  bound_texture = name;
}

void EnableTexture(uint32_t name) {
  BindTexture(name);
  if (texturing_on) return;
  FlushGLBatch();
  glEnable(GL_TEXTURE_2D);
  texturing_on = true;
}

void DisableTexture() {
  if (!texturing_on) return;
  FlushGLBatch();
  glDisable(GL_TEXTURE_2D);
  texturing_on = false;
}

void ForgetTexture(uint32_t name) {
  // Quads gathered from the texture must be drawn before it goes.
  FlushGLBatch();
  if (name == bound_texture) bound_texture = 0;
}

void ResetTextureCache() {
  bound_texture = 0;
  texturing_on = false;
}

uint32_t BoundTexture() { return bound_texture; }
bool TexturingOn() { return texturing_on; }

}  // namespace tazmix
