// Graphics flags: what a context's frame buffer must have. Passed to
// CreateGraphics, AttachGraphics and OpenGraphics and stored as a driver's
// default flags, which are OR-ed into every request (bit 1 has no meaning).
#pragma once

#include <cstdint>

namespace tazmix {

constexpr int32_t GRAPHICS_BACK_BUFFER = 2;
constexpr int32_t GRAPHICS_ALPHA_BUFFER = 4;
constexpr int32_t GRAPHICS_DEPTH_BUFFER = 8;
constexpr int32_t GRAPHICS_STENCIL_BUFFER = 16;
constexpr int32_t GRAPHICS_ACCUM_BUFFER = 32;

}  // namespace tazmix
