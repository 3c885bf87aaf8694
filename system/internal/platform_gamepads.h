// The platform's side of the pad module: it opens pads as they are plugged
// in and turns their input into the pad events of system/event.h, emitted
// while the system driver polls.
#pragma once

namespace tazmix {

// Starts the platform's pad support; pads already plugged in are reported at
// the next poll. False, with the reason noted (runtime/error_report.h), when
// the platform has none.
bool StartPlatformGamepads();

}  // namespace tazmix
