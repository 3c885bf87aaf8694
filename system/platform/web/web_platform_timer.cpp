// Platform timers on the browser's interval timers: a tick is queued as a
// posted call, which the program runs on its next poll or wait.
#include <emscripten/eventloop.h>

#include <cstdint>
#include <unordered_map>

#include "system/internal/platform_timer.h"

namespace tazmix {

namespace {

struct RunningTimer {
  long interval_id;
  MainThreadFunction on_tick;
};

struct WebTimerState {
  std::unordered_map<int32_t, RunningTimer> timers;
  int32_t last_handle = 0;
};

WebTimerState& Timers() {
  static auto* state = new WebTimerState();
  return *state;
}

void OnInterval(void* user_data) {
  const auto handle = static_cast<int32_t>(reinterpret_cast<intptr_t>(user_data));
  const auto it = Timers().timers.find(handle);
  if (it != Timers().timers.end()) PostMainThreadCall(it->second.on_tick, nullptr, handle);
}

}  // namespace

int32_t StartPlatformTimer(int32_t period_ms, MainThreadFunction on_tick) {
  if (period_ms < 1) return 0;
  WebTimerState& state = Timers();
  const int32_t handle = ++state.last_handle;
  const long id = emscripten_set_interval(OnInterval, period_ms, reinterpret_cast<void*>(static_cast<intptr_t>(handle)));
  state.timers[handle] = {id, on_tick};
  return handle;
}

void StopPlatformTimer(int32_t handle) {
  WebTimerState& state = Timers();
  const auto it = state.timers.find(handle);
  if (it == state.timers.end()) return;
  emscripten_clear_interval(it->second.interval_id);
  state.timers.erase(it);
}

}  // namespace tazmix
