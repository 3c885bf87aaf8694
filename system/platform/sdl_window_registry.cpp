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

std::unordered_map<Uint32, Ref<Object>>& Sources() { return Registry().sources; }

std::vector<std::pair<SDLEventListener, void*>>& Listeners() { return Registry().listeners; }

}  // namespace

void SetSDLWindowSource(Uint32 window_id, const Ref<Object>& source) { Sources()[window_id] = source; }

void ForgetSDLWindow(Uint32 window_id) { Sources().erase(window_id); }

Ref<Object> SDLWindowSource(Uint32 window_id) {
  auto it = Sources().find(window_id);
  return it == Sources().end() ? Ref<Object>() : it->second;
}

void AddSDLEventListener(SDLEventListener listener, void* context) {
  Listeners().emplace_back(listener, context);
}

void RemoveSDLEventListener(SDLEventListener listener, void* context) {
  auto& listeners = Listeners();
  auto it = std::find(listeners.begin(), listeners.end(), std::make_pair(listener, context));
  if (it != listeners.end()) listeners.erase(it);
}

void RunSDLEventListeners(const SDL_Event& event) {
  // A copy, so a listener may add or remove listeners while it runs.
  auto listeners = Listeners();
  for (const auto& [listener, context] : listeners) listener(event, context);
}

}  // namespace tazmix
