#include "graphics/internal/frame_pacer.h"

namespace tazmix {

void FramePacer::Choose(int32_t depth, int32_t hertz, int32_t now) {
  if (depth != 0) {
    soft_ = false;
    hard_ = hertz != 0;
  } else {
    hard_ = false;
    soft_ = hertz != 0;
  }
  if (soft_) {
    rate_ = hertz;
    period_ = 1000 / rate_;
    remainder_ = 1000 - period_ * rate_;
    accumulator_ = 0;
    time_ = now;
  }
}

int32_t FramePacer::NextFrameWait(int32_t now) {
  // The clock wraps, so the schedule does too (Int arithmetic wraps here).
  time_ += period_;
  accumulator_ += remainder_;
  if (accumulator_ >= rate_) {
    accumulator_ -= rate_;
    time_ += 1;
  }
  const int32_t wait = time_ - now;
  if (wait <= 0) time_ -= wait;
  return wait;
}

}  // namespace tazmix
