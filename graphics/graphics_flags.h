/// \file
/// Graphics flags: what a context's frame buffer must have. Passed to
/// CreateGraphics, AttachGraphics and OpenGraphics and stored as a driver's
/// default flags, which are OR-ed into every request (bit 1 has no meaning).
/// The GL back ends always add GRAPHICS_BACK_BUFFER.
///
/// \code{.cpp}
/// tazmix::OpenGraphics(800, 600, 0, 60, tazmix::GRAPHICS_RESIZABLE | tazmix::GRAPHICS_DEPTH_BUFFER);
/// \endcode
/// \ingroup graphics
/// \since 1.0
#pragma once

#include <cstdint>

namespace tazmix {

constexpr int32_t GRAPHICS_BACK_BUFFER = 2;      ///< A double-buffered frame buffer. \since 1.0
constexpr int32_t GRAPHICS_ALPHA_BUFFER = 4;     ///< A frame buffer with an alpha channel. \since 1.0
constexpr int32_t GRAPHICS_DEPTH_BUFFER = 8;     ///< A depth buffer. \since 1.0
constexpr int32_t GRAPHICS_STENCIL_BUFFER = 16;  ///< A stencil buffer. \since 1.0
constexpr int32_t GRAPHICS_ACCUM_BUFFER = 32;    ///< An accumulation buffer. \since 1.0
/// A window the player can resize (ignored for full-screen contexts). Each new
/// size arrives as an EVENT_WINDOWSIZE event; the drawing layer follows it.
/// \since 1.1
constexpr int32_t GRAPHICS_RESIZABLE = 0x100;

}  // namespace tazmix
