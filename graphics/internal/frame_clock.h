// The clock that frame pacing and frame time read and sleep on: MilliSecs,
// Delay and Seconds, unless a stand-in has been put in place (tests pace
// frames on a clock of their own, deterministically).
#pragma once

#include <cstdint>

namespace tazmix {

struct FrameClock {
  int32_t (*milli_secs)() = nullptr;
  void (*delay)(int32_t ms) = nullptr;
  // Null: seconds are read from milli_secs (a stand-in need only give that).
  double (*seconds)() = nullptr;

  double Seconds() const;
};

const FrameClock& GraphicsClock();
void SetGraphicsClock(const FrameClock& clock);
// Back to MilliSecs, Delay and Seconds.
void ResetGraphicsClock();

}  // namespace tazmix
