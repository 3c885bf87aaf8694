// The clock that frame pacing reads and sleeps on: MilliSecs and Delay,
// unless a stand-in has been put in place (tests pace frames on a clock of
// their own, deterministically).
#pragma once

#include <cstdint>

namespace tazmix {

struct FrameClock {
  int32_t (*milli_secs)() = nullptr;
  void (*delay)(int32_t ms) = nullptr;
};

const FrameClock& GraphicsClock();
void SetGraphicsClock(const FrameClock& clock);
// Back to MilliSecs and Delay.
void ResetGraphicsClock();

}  // namespace tazmix
