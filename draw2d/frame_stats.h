/// \file
/// What the last frame cost the graphics back end: draw calls, texture binds,
/// vertices, texture uploads and the times drawing had to go to the GPU
/// before the frame was complete, by cause. For a program's own debug
/// overlay, and for tests that keep drawing cheap.
///
/// \code{.cpp}
/// const tazmix::FrameStats s = tazmix::LastFrameStats();
/// tazmix::DrawText("draws " + tazmix::String::FromInt(s.draws) + ", binds " + tazmix::String::FromInt(s.binds), 4, 4);
/// \endcode
/// \ingroup draw2d
/// \since 1.1
#pragma once

#include <cstdint>

namespace tazmix {

// Why queued drawing went to the GPU: the indices of FrameStats::flushes_by.

/// Flush cause: the frame was shown. \since 1.1
inline constexpr int32_t FLUSH_FLIP = 0;
/// Flush cause: pixels were read back (GrabPixmap, GrabImage). \since 1.1
inline constexpr int32_t FLUSH_GRAB = 1;
/// Flush cause: raw GL drawing began (EnterRaw2D). \since 1.1
inline constexpr int32_t FLUSH_RAW_GL = 2;
/// Flush cause: DrawPixmap. \since 1.1
inline constexpr int32_t FLUSH_PIXMAP = 3;
/// Flush cause: another graphics became current, or closed. \since 1.1
inline constexpr int32_t FLUSH_CONTEXT = 4;
/// Flush cause: the queue was full. \since 1.1
inline constexpr int32_t FLUSH_FULL = 5;
/// Flush cause: a texture still in the queue was freed or reused. \since 1.1
inline constexpr int32_t FLUSH_TEXTURE = 6;
/// Flush cause: the render target changed. \since 1.1
inline constexpr int32_t FLUSH_TARGET = 7;
/// Flush cause: batching is off, so every primitive goes at once. \since 1.1
inline constexpr int32_t FLUSH_UNBATCHED = 8;
/// The number of flush causes. \since 1.1
inline constexpr int32_t FLUSH_CAUSES = 9;

/// What one frame cost the back end.
/// \since 1.1
struct FrameStats {
  /// Draw calls (a clear counts as none). \since 1.1
  int32_t draws = 0;
  /// Texture binds. \since 1.1
  int32_t binds = 0;
  /// Vertices sent. \since 1.1
  int32_t vertices = 0;
  /// Texture uploads (new image frames, glyphs, mipmap levels). \since 1.1
  int32_t uploads = 0;
  /// Times drawing went to the GPU, whatever the cause. \since 1.1
  int32_t flushes = 0;
  /// Flushes by cause, indexed by the FLUSH_ constants. \since 1.1
  int32_t flushes_by[FLUSH_CAUSES] = {};
  /// Changes of render target. \since 1.1
  int32_t target_switches = 0;
  /// 1 when the frame drew exactly what the frame on screen shows, so it was
  /// neither drawn nor shown again (the window keeps showing the same). \since 1.1
  int32_t repeated = 0;
};

/// The statistics of the last frame the current graphics finished with Flip.
/// \return the figures; all 0 without graphics or before the first Flip.
/// \since 1.1
FrameStats LastFrameStats();

}  // namespace tazmix
