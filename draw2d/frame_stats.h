// What the last frame cost the graphics back end: draw calls, texture binds,
// vertices, texture uploads and the times drawing had to go to the GPU
// before the frame was complete, by cause. For a program's own debug
// overlay, and for tests that keep drawing cheap.
//
//     const FrameStats s = LastFrameStats();
//     DrawText("draws " + String::FromInt(s.draws) + ", binds " + String::FromInt(s.binds), 4, 4);
#pragma once

#include <cstdint>

namespace tazmix {

// Why queued drawing went to the GPU.
inline constexpr int32_t FLUSH_FLIP = 0;       // the frame was shown
inline constexpr int32_t FLUSH_GRAB = 1;       // pixels were read back (GrabPixmap, GrabImage)
inline constexpr int32_t FLUSH_RAW_GL = 2;     // raw GL drawing began (EnterRaw2D)
inline constexpr int32_t FLUSH_PIXMAP = 3;     // DrawPixmap
inline constexpr int32_t FLUSH_CONTEXT = 4;    // another graphics became current, or closed
inline constexpr int32_t FLUSH_FULL = 5;       // the queue was full
inline constexpr int32_t FLUSH_TEXTURE = 6;    // a texture still in the queue was freed or reused
inline constexpr int32_t FLUSH_TARGET = 7;     // the render target changed
inline constexpr int32_t FLUSH_UNBATCHED = 8;  // batching is off: every primitive goes at once
inline constexpr int32_t FLUSH_CAUSES = 9;

struct FrameStats {
  int32_t draws = 0;     // draw calls (a clear counts as none)
  int32_t binds = 0;     // texture binds
  int32_t vertices = 0;  // vertices sent
  int32_t uploads = 0;   // texture uploads (new image frames, glyphs, mipmap levels)
  int32_t flushes = 0;   // times drawing went to the GPU, whatever the cause
  int32_t flushes_by[FLUSH_CAUSES] = {};
  int32_t target_switches = 0;  // changes of render target
  // 1 when the frame drew exactly what the frame on screen shows, so it was
  // neither drawn nor shown again (the window keeps showing the same).
  int32_t repeated = 0;
};

// The statistics of the last frame the current graphics finished with Flip;
// all 0 without graphics or before the first Flip.
FrameStats LastFrameStats();

}  // namespace tazmix
