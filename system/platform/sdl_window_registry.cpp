#include "system/platform/sdl_window_registry.h"

#include <algorithm>
#include <unordered_map>
#include <utility>
#include <vector>

namespace tazmix {

namespace {

struct WindowRegistry {
  std::unordered_map<Uint32, Ref<Object>> sources;
  std::vector<std::pair<SDLEventListener, void*>> listeners;
};

WindowRegistry& Registry() {
  static WindowRegistry registry;
  return registry;
}

}  // namespace

void SetSDLWindowSource(Uint32 window_id, const Ref<Object>& source) { Registry().sources[window_id] = source; }

void ForgetSDLWindow(Uint32 window_id) { Registry().sources.erase(window_id); }

Ref<Object> SDLWindowSource(Uint32 window_id) {
  auto it = Registry().sources.find(window_id);
  return it == Registry().sources.end() ? Ref<Object>() : it->second;
}

void AddSDLEventListener(SDLEventListener listener, void* context) {
  Registry().listeners.emplace_back(listener, context);
}

void RemoveSDLEventListener(SDLEventListener listener, void* context) {
  auto& listeners = Registry().listeners;
  auto it = std::find(listeners.begin(), listeners.end(), std::make_pair(listener, context));
  if (it != listeners.end()) listeners.erase(it);
}

void RunSDLEventListeners(const SDL_Event& event) {
  // A copy, so a listener may add or remove listeners while it runs.
  auto listeners = Registry().listeners;
  for (const auto& [listener, context] : listeners) listener(event, context);
}

}  // namespace tazmix
