#include "graphics/internal/frame_timer.h"

namespace tazmix {

void FrameTimer::Mark(double now, double limit) noexcept {
  if (started_) {
    const double span = now - previous_;
    // Not-a-number and backward steps (a stand-in clock's wrap) count as 0.
    last_ = span > 0.0 ? (span < limit ? span : limit) : 0.0;
  }
  started_ = true;
  previous_ = now;
}

}  // namespace tazmix
