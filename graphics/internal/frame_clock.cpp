#include "graphics/internal/frame_clock.h"

#include "runtime/application.h"

namespace tazmix {

namespace {
FrameClock clock{MilliSecs, Delay};
}  // namespace

const FrameClock& GraphicsClock() { return clock; }
void SetGraphicsClock(const FrameClock& c) { clock = c; }
void ResetGraphicsClock() { clock = FrameClock{MilliSecs, Delay}; }

}  // namespace tazmix
