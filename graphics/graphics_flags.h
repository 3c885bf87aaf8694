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
// A window the player can resize (ignored for full-screen contexts). Each new
// size arrives as an EVENT_WINDOWSIZE event; the drawing layer follows it.
constexpr int32_t GRAPHICS_RESIZABLE = 0x100;

}  // namespace tazmix
