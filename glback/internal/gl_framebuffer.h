// Framebuffer objects: GL drawing into a texture, which render images are.
// GL 1.x headers do not link to them; they are core from GL 3.0, and before
// that come with ARB_framebuffer_object (the same names) or
// EXT_framebuffer_object (names ending in EXT). The entry points are fetched
// by name through the native layer once a context can say which GL it is.
#pragma once

#include <cstdint>

#include "glback/internal/gl_state.h"

namespace tazmix {

inline constexpr int32_t GL_FRAMEBUFFERS_NONE = 0;
inline constexpr int32_t GL_FRAMEBUFFERS_CORE = 1;  // GL 3.0 or later
inline constexpr int32_t GL_FRAMEBUFFERS_ARB = 2;
inline constexpr int32_t GL_FRAMEBUFFERS_EXT = 3;

// Which kind a GL offers, from its GL_VERSION text and its extension list
// (names separated by spaces); either may be nullptr.
int32_t ChooseGLFramebufferKind(const char* version, const char* extensions);

// The current context's calls; nullptr when its GL has none, with the
// reason noted (runtime/error_report.h). Asked of GL once per process.
const GLFramebufferCalls* GLFramebuffers();

}  // namespace tazmix
