// The platform's side of the pad module: it opens pads as they are plugged
// in and turns their input into the pad events of system/event.h, emitted
// while the system driver polls.
#pragma once

#include <cstdint>

namespace tazmix {

// Starts the platform's pad support; pads already plugged in are reported at
// the next poll. False, with the reason noted (runtime/error_report.h), when
// the platform has none.
bool StartPlatformGamepads();

// Runs the motors of pad `pad` (0..65535 each) for `milliseconds` (0 stops
// them). False, with the reason noted, when no pad has that index or it has
// no motors.
bool PlatformPadRumble(int32_t pad, uint16_t low, uint16_t high, uint32_t milliseconds);

}  // namespace tazmix
