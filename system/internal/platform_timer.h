// Periodic platform timers whose callbacks run on a thread of their own and
// only hand the tick to the main thread.
#pragma once

#include <cstdint>

#include "system/main_thread_call.h"

namespace tazmix {

// Starts a periodic timer; every period `on_tick(nullptr, handle)` is posted to
// the main thread. Returns a handle > 0, or 0 when the period is below 1 ms or
// the platform refuses.
int32_t StartPlatformTimer(int32_t period_ms, MainThreadFunction on_tick);
// Kills the timer; ticks already posted still arrive and must be ignored.
void StopPlatformTimer(int32_t handle);

}  // namespace tazmix
