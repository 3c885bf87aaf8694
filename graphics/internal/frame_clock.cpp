#include "graphics/internal/frame_clock.h"

namespace tazmix {

double FrameClock::Seconds() const {
  if (seconds) return seconds();
  // Unsigned, so the span across the counter's wrap comes out backwards and
  // is refused by whoever measures it, instead of being a day long.
  return static_cast<double>(static_cast<uint32_t>(milli_secs())) / 1000.0;
}

}  // namespace tazmix
