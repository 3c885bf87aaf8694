// How Flip(-1) paces the main graphics. A window syncs softly: the clock
// spaces frames 1000 / hertz ms apart on average (whole milliseconds, the
// remainder carried from frame to frame). A full-screen context syncs hard:
// the driver waits for the display's vertical refresh.
#pragma once

#include <cstdint>

namespace tazmix {

class FramePacer {
 public:
  // The choice OpenGraphics makes; a hertz of 0 turns both syncs off. Soft
  // sync starts its schedule at `now`.
  void Choose(int32_t depth, int32_t hertz, int32_t now);

  bool Soft() const noexcept { return soft_; }
  bool Hard() const noexcept { return hard_; }

  // Soft sync: moves the schedule one frame on and returns the milliseconds
  // until that frame is due. A frame that is late (0 or less) is not made up:
  // the schedule restarts from `now`.
  int32_t NextFrameWait(int32_t now);

 private:
  bool soft_ = false;
  bool hard_ = false;
  int32_t rate_ = 0;
  int32_t period_ = 0;
  int32_t remainder_ = 0;
  int32_t accumulator_ = 0;
  int32_t time_ = 0;
};

}  // namespace tazmix
