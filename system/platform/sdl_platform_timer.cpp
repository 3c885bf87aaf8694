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
struct TimerTable {
  std::mutex lock;
  std::unordered_map<int32_t, RunningTimer> running;
  int32_t last_handle = 0;
};

TimerTable table;

Uint32 OnSDLTimer(Uint32 interval, void* param) {
  const auto handle = static_cast<int32_t>(reinterpret_cast<intptr_t>(param));
  MainThreadFunction on_tick = nullptr;
  {
    std::lock_guard<std::mutex> hold(table.lock);
    auto it = table.running.find(handle);
    if (it == table.running.end()) return 0;  // stopped meanwhile: do not come back
    on_tick = it->second.on_tick;
  }
  PostMainThreadCall(on_tick, nullptr, handle);
  return interval;
}

}  // namespace

int32_t StartPlatformTimer(int32_t period_ms, MainThreadFunction on_tick) {
  if (period_ms < 1) return 0;
  if (!SDL_WasInit(SDL_INIT_TIMER) && SDL_InitSubSystem(SDL_INIT_TIMER) != 0) return 0;
  std::lock_guard<std::mutex> hold(table.lock);
  const int32_t handle = ++table.last_handle;
  // Registered before SDL can call back; the callback waits on the lock.
  table.running[handle] = {0, on_tick};
  const SDL_TimerID id =
      SDL_AddTimer(static_cast<Uint32>(period_ms), OnSDLTimer, reinterpret_cast<void*>(static_cast<intptr_t>(handle)));
  if (id == 0) {
    table.running.erase(handle);
    return 0;
  }
  table.running[handle].sdl_id = id;
  return handle;
}

void StopPlatformTimer(int32_t handle) {
  SDL_TimerID id = 0;
  {
    std::lock_guard<std::mutex> hold(table.lock);
    auto it = table.running.find(handle);
    if (it == table.running.end()) return;
    id = it->second.sdl_id;
    table.running.erase(it);
  }
  SDL_RemoveTimer(id);
}

}  // namespace tazmix
