#include <SDL.h>

#include <cstdint>
#include <mutex>
#include <unordered_map>

#include "system/internal/platform_timer.h"

namespace tazmix {

namespace {

struct RunningTimer {
  SDL_TimerID sdl_id;
  MainThreadFunction on_tick;
};

// Handles are our own, known before SDL starts the timer, so the first
// callback can already name its timer. The lock is shared with SDL's timer
// thread.
std::mutex timers_lock;
std::unordered_map<int32_t, RunningTimer> timers;
int32_t last_handle = 0;

Uint32 OnSDLTimer(Uint32 interval, void* param) {
  const auto handle = static_cast<int32_t>(reinterpret_cast<intptr_t>(param));
  MainThreadFunction on_tick = nullptr;
  {
    std::lock_guard<std::mutex> hold(timers_lock);
    auto it = timers.find(handle);
    if (it == timers.end()) return 0;  // stopped meanwhile: do not come back
    on_tick = it->second.on_tick;
  }
  PostMainThreadCall(on_tick, nullptr, handle);
  return interval;
}

}  // namespace

int32_t StartPlatformTimer(int32_t period_ms, MainThreadFunction on_tick) {
  if (period_ms < 1) return 0;
  if (!SDL_WasInit(SDL_INIT_TIMER) && SDL_InitSubSystem(SDL_INIT_TIMER) != 0) return 0;
  std::lock_guard<std::mutex> hold(timers_lock);
  const int32_t handle = ++last_handle;
  // Registered before SDL can call back; the callback waits on the lock.
  timers[handle] = {0, on_tick};
  const SDL_TimerID id =
      SDL_AddTimer(static_cast<Uint32>(period_ms), OnSDLTimer, reinterpret_cast<void*>(static_cast<intptr_t>(handle)));
  if (id == 0) {
    timers.erase(handle);
    return 0;
  }
  timers[handle].sdl_id = id;
  return handle;
}

void StopPlatformTimer(int32_t handle) {
  SDL_TimerID id = 0;
  {
    std::lock_guard<std::mutex> hold(timers_lock);
    auto it = timers.find(handle);
    if (it == timers.end()) return;
    id = it->second.sdl_id;
    timers.erase(it);
  }
  SDL_RemoveTimer(id);
}

}  // namespace tazmix
