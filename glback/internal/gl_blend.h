// The blend mode GL holds. All blend changes of the GL 2D driver go through
// here, so a repeated mode costs nothing and gathered vertices are drawn
// under the mode they were gathered in.
#pragma once

#include <cstdint>

namespace tazmix {

// Sets the GL state of `mode` (blending and alpha test, both switches every
// time) unless it is the mode applied already.
void ApplyGLBlend(int32_t mode);
// The mode last applied; 0 when none since the context changed.
int32_t AppliedGLBlend();
// A new context: no mode applied yet.
void ForgetGLBlend();

}  // namespace tazmix
