// The time between frames, measured at every Flip: what a program multiplies
// its speeds by to move at the same pace whatever its frame rate.
#pragma once

namespace tazmix {

class FrameTimer {
 public:
  // Forgets the previous frame: the next one measures nothing.
  void Restart() noexcept {
    started_ = false;
    last_ = 0.0;
  }
  // A frame was shown at `now` (seconds): the span since the previous one
  // becomes the frame time, never below 0 and at most `limit`.
  void Mark(double now, double limit) noexcept;
  double Last() const noexcept { return last_; }

 private:
  bool started_ = false;
  double previous_ = 0.0;
  double last_ = 0.0;
};

}  // namespace tazmix
