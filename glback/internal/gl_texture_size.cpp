#include "glback/internal/gl_texture_size.h"

#include <GL/gl.h>

#include "runtime/exception.h"
#include "runtime/string.h"

namespace tazmix {

int32_t Pow2Size(int32_t n) {
  int32_t size = 1;
  while (size < n && size < (int32_t{1} << 30)) size <<= 1;
  return size;
}

bool ProxyTextureFits(int32_t width, int32_t height) {
  glTexImage2D(GL_PROXY_TEXTURE_2D, 0, 4, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
  GLint answer = 0;
  glGetTexLevelParameteriv(GL_PROXY_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &answer);
  return answer != 0;
}

void AdjustTexSize(int32_t& width, int32_t& height, TextureSizeProbe fits) {
  width = Pow2Size(width);
  height = Pow2Size(height);
  while (!fits(width, height)) {
    if (width == 1 && height == 1) ThrowRuntimeError(String("Unable to calculate tex size"));
    if (width > 1) width /= 2;
    if (height > 1) height /= 2;
  }
}

bool NextMipLevel(int32_t& width, int32_t& height) {
  if (width <= 1 && height <= 1) return false;
  if (width > 1) width /= 2;
  if (height > 1) height /= 2;
  return true;
}

}  // namespace tazmix
