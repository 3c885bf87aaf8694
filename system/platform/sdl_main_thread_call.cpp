#include "system/platform/sdl_main_thread_call.h"

#include <atomic>

#include "system/main_thread_call.h"

namespace tazmix {

namespace {

constexpr Uint32 kNoType = static_cast<Uint32>(-1);
std::atomic<Uint32> call_event_type{kNoType};

}  // namespace

bool StartMainThreadCalls() {
  if (call_event_type.load() != kNoType) return true;
  Uint32 type = SDL_RegisterEvents(1);
  if (type == kNoType) return false;
  call_event_type.store(type);
  return true;
}

// The call rides in the event itself (function, object, value), so nothing is
// allocated and a call still queued when the process ends leaks nothing.
bool PostMainThreadCall(MainThreadFunction function, Object* object, int32_t value) {
  Uint32 type = call_event_type.load();
  if (type == kNoType) return false;
  SDL_Event event{};
  event.user.type = type;
  event.user.timestamp = SDL_GetTicks();
  event.user.code = value;
  event.user.data1 = reinterpret_cast<void*>(function);
  event.user.data2 = object;
  return SDL_PushEvent(&event) == 1;
}

bool RunPostedCall(const SDL_Event& event) {
  Uint32 type = call_event_type.load();
  if (type == kNoType || event.type != type) return false;
  auto function = reinterpret_cast<MainThreadFunction>(event.user.data1);
  function(static_cast<Object*>(event.user.data2), event.user.code);
  return true;
}

}  // namespace tazmix
